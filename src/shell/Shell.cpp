#include "Shell.h"

#include "documents/Form2.h"
#include "windows/Form1.h"
#include "windows/Form3.h"
#include "windows/Form4.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <algorithm>
#include <memory>

namespace quillmere {

namespace {

std::size_t indexOf(WindowKind kind)
{
    return static_cast<std::size_t>(kind);
}

template <typename Window> QWidget *loadBuilt(std::unique_ptr<Window> window)
{
    // A window whose opening fails is destroyed here, never shown.
    window->Form_Load();
    return window.release();
}

} // namespace

Shell::Shell(Reporter reporter, Ender ender) : m_reporter(std::move(reporter)), m_ender(std::move(ender)) {}

Shell::~Shell()
{
    m_ended = true; // windows going now must not end the program a second time
    const auto windows = std::exchange(m_built, {});
    for (const QPointer<QWidget> &window : windows)
        delete window.data();
}

void Shell::start()
{
    guard([this] { show(load(WindowKind::Main)); });
}

QWidget *Shell::build(WindowKind kind)
{
    switch (kind) {
    case WindowKind::Main:
        return loadBuilt(std::make_unique<Form1>(*this));
    case WindowKind::Information:
        return loadBuilt(std::make_unique<Form2>());
    case WindowKind::Celtic:
        return loadBuilt(std::make_unique<Form3>(*this));
    case WindowKind::Qabalistic:
        return loadBuilt(std::make_unique<Form4>(*this));
    }
    Q_UNREACHABLE();
}

QWidget *Shell::load(WindowKind kind)
{
    QPointer<QWidget> &slot = m_loaded[indexOf(kind)];
    if (slot)
        return slot;
    QWidget *window = build(kind);
    window->setAttribute(Qt::WA_DeleteOnClose); // closing through the window manager unloads it
    connect(window, &QObject::destroyed, this, &Shell::windowDestroyed);
    slot = window;
    m_built.append(window);
    return window;
}

QWidget *Shell::loaded(WindowKind kind) const
{
    return m_loaded[indexOf(kind)];
}

void Shell::show(QWidget *window)
{
    if (window->isMinimized())
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}

void Shell::unload(QWidget *window)
{
    for (QPointer<QWidget> &slot : m_loaded) {
        if (slot == window)
            slot.clear();
    }
    // The window may be the one whose menu command is running: it goes once
    // that command has returned.
    window->hide();
    window->deleteLater();
}

void Shell::endProgram(int status)
{
    if (m_ended)
        return;
    m_ended = true;
    for (QPointer<QWidget> &slot : m_loaded) {
        if (QWidget *window = slot) {
            slot.clear();
            window->hide();
            window->deleteLater();
        }
    }
    m_ender(status);
}

int Shell::loadedCount() const
{
    return int(std::count_if(m_loaded.begin(), m_loaded.end(), [](const auto &w) { return !w.isNull(); }));
}

void Shell::navigate(QWidget *from, WindowKind to)
{
    guard([&] {
        QWidget *target = load(to);
        show(target);
        unload(from);
    });
}

void Shell::information()
{
    guard([this] { show(load(WindowKind::Information)); });
}

void Shell::exitFrom(QWidget *window)
{
    unload(window);
    endProgram(0);
}

void Shell::fail(const QString &message) noexcept
{
    try {
        m_reporter(message);
    } catch (...) {
        // Nothing more can be told: the program still ends.
    }
    endProgram(1);
}

void Shell::windowDestroyed(QObject *window)
{
    // A widget announces its end before its guards are cleared: forget it by address.
    for (QPointer<QWidget> &slot : m_loaded) {
        if (slot.data() == window)
            slot.clear();
    }
    m_built.removeIf([window](const QPointer<QWidget> &built) { return built.isNull() || built.data() == window; });
    if (!m_ended && loadedCount() == 0)
        endProgram(0);
}

void Shell::showErrorBox(const QString &message)
{
    QMessageBox::critical(nullptr, QStringLiteral("Quillmere Tarot"), message);
}

void Shell::leaveEventLoop(int status)
{
    // Queued, so that an end decided before the event loop runs still takes effect.
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [status] { QCoreApplication::exit(status); }, Qt::QueuedConnection);
}

} // namespace quillmere
