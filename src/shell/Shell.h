#pragma once

#include "errors/FatalError.h"

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <array>
#include <functional>

namespace quillmere {

enum class WindowKind { Main, Information, Celtic, Qabalistic };

// Keeps the program's four windows, one instance each, built when first
// loaded and destroyed when unloaded, and ends the program when the last one
// goes. Every command that can fail runs through guard(), which reports the
// failure and ends the program instead of letting it escape into Qt.
class Shell final : public QObject {
    Q_OBJECT
public:
    using Reporter = std::function<void(const QString &message)>;
    using Ender = std::function<void(int status)>;

    explicit Shell(Reporter reporter = showErrorBox, Ender ender = leaveEventLoop);
    ~Shell() override;

    // Start-up: load the main window and show it.
    void start();

    // The window operations.
    QWidget *load(WindowKind kind);
    QWidget *loaded(WindowKind kind) const;
    void show(QWidget *window);
    void unload(QWidget *window);
    void endProgram(int status);

    // The commands of the spread windows' menu bars.
    void navigate(QWidget *from, WindowKind to);
    void information();
    void exitFrom(QWidget *window);

    template <typename Action> void guard(Action &&action) noexcept;

    bool hasEnded() const { return m_ended; }
    int loadedCount() const;

    static void showErrorBox(const QString &message);
    static void leaveEventLoop(int status);

private:
    QWidget *build(WindowKind kind);
    void fail(const QString &message) noexcept;
    void windowDestroyed(QObject *window);

    Reporter m_reporter;
    Ender m_ender;
    std::array<QPointer<QWidget>, 4> m_loaded;
    QList<QPointer<QWidget>> m_built; // every window not yet destroyed, unloaded ones included
    bool m_ended = false;
};

template <typename Action> void Shell::guard(Action &&action) noexcept
{
    if (m_ended)
        return;
    try {
        action();
    } catch (const FatalError &error) {
        fail(error.message());
    } catch (const std::bad_alloc &) {
        fail(QStringLiteral("The program ran out of memory."));
    } catch (const std::exception &error) {
        fail(QString::fromLocal8Bit(error.what()));
    }
}

} // namespace quillmere
