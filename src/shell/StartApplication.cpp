#include "StartApplication.h"

#include "UpdateReminder.h"
#include "frmMDI.h"
#include "platform/Platform.h"

#include <QGuiApplication>
#include <QScreen>

namespace orbika {

std::unique_ptr<frmMDI> StartApplication(Platform& platform) {
    if (platform.otherInstanceRunning()) {
        ShowMessage(platform, nullptr, kAlreadyRunningMessage, MessageIcon::Information);
        return nullptr;
    }
    UpdateReminder(platform);
    auto window = std::make_unique<frmMDI>(platform);
    // Fill the screen even where no window manager honours the maximised state.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window->setGeometry(screen->availableGeometry());
    window->showMaximized();
    return window;
}

} // namespace orbika
