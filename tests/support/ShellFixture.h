#pragma once

#include "TestFolder.h"
#include "shell/Shell.h"
#include "windows/SpreadWindow.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QMenuBar>
#include <QStringList>
#include <functional>

// A shell whose error box and end of program are recorded instead of shown,
// in a folder holding both text documents.
struct ShellFixture {
    TestFolder folder;
    QStringList reported;
    QList<int> endings;
    std::function<void()> whileReporting; // runs as the error box would be showing
    quillmere::Shell shell{[this](const QString &message) {
                               reported.append(message);
                               if (whileReporting)
                                   whileReporting();
                           },
                           [this](int status) { endings.append(status); }};

    static QByteArray meanings() { return "THE FOOL\r\nA first step.\r\n"; }
    static QByteArray about() { return "Quillmere Tarot\r\nAbout it.\r\n"; }

    explicit ShellFixture(bool withMeanings = true, bool withAbout = true)
    {
        if (withMeanings)
            folder.write(QStringLiteral("meanings.txt"), meanings());
        if (withAbout)
            folder.write(QStringLiteral("about.txt"), about());
    }

    // The spread windows that are loaded: one, while the program runs.
    QList<quillmere::SpreadWindow *> spreadWindows() const
    {
        QList<quillmere::SpreadWindow *> loaded;
        for (auto kind :
             {quillmere::WindowKind::Main, quillmere::WindowKind::Celtic, quillmere::WindowKind::Qabalistic}) {
            if (auto *window = qobject_cast<quillmere::SpreadWindow *>(shell.loaded(kind)))
                loaded << window;
        }
        return loaded;
    }
    quillmere::SpreadWindow *openSpread() const
    {
        const auto loaded = spreadWindows();
        return loaded.isEmpty() ? nullptr : loaded.first();
    }

    // Top-level windows on the screen, whoever made them (error boxes too).
    static int visibleWindows()
    {
        const auto all = QApplication::topLevelWidgets();
        return int(std::count_if(all.begin(), all.end(), [](QWidget *w) { return w->isVisible(); }));
    }

    template <typename Window> Window *window(quillmere::WindowKind kind) const
    {
        return qobject_cast<Window *>(shell.loaded(kind));
    }

    // Chooses a command of a spread window's menu bar by its name ("ccs", "info").
    static bool runCommand(quillmere::SpreadWindow *window, const QString &command)
    {
        for (QAction *action : window->menuBar()->actions()) {
            if (action->objectName() == command) {
                action->trigger();
                return true;
            }
        }
        return false;
    }

    // Does what the event loop would between two user actions: handles what is
    // pending and lets windows that were unloaded go.
    static void settle()
    {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};
