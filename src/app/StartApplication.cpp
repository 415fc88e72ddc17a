#include "StartApplication.h"

#include "UpdateReminder.h"
#include "frmMDI.h"
#include "platform/Platform.h"
#include "widgets/Messages.h"

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <memory>
#include <utility>

namespace orbika {

std::unique_ptr<frmMDI> StartApplication(Platform& platform, const QString& file) {
    if (platform.otherInstanceRunning()) {
        // Without a file the message comes first: the running copy, coming forward, would take
        // the keyboard from the message box.
        if (file.isEmpty()) {
            ShowMessage(platform, nullptr, kAlreadyRunningMessage, MessageIcon::Information);
            platform.handToRunningInstance(file);
        } else if (!platform.handToRunningInstance(file)) {
            ShowMessage(platform, nullptr, kAlreadyRunningMessage, MessageIcon::Information);
        }
        return nullptr;
    }
    // Listen at once: a later start may knock while the update reminder is still up, and its
    // file then waits for the main window.
    struct LaterStarts {
        QPointer<frmMDI> window;
        QString waitingFile;
    };
    const auto later = std::make_shared<LaterStarts>();
    platform.listenForLaterStarts([later](const QString& laterFile) {
        if (later->window)
            later->window->laterStart(laterFile);
        else if (!laterFile.isEmpty())
            later->waitingFile = laterFile;
    });

    UpdateReminder(platform);
    auto window = std::make_unique<frmMDI>(platform);
    // Fill the screen even where no window manager honours the maximised state.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window->setGeometry(screen->availableGeometry());
    window->showMaximized();
    later->window = window.get();
    if (!file.isEmpty())
        window->openSavedReading(file);
    if (!later->waitingFile.isEmpty())
        window->laterStart(std::exchange(later->waitingFile, QString()));
    return window;
}

} // namespace orbika
