// Orbika Finance Astrology.
//
// How a reading flows: an entry window reads its controls, asks the core (pure C++, no Qt) for the
// sign and profile, and writes the result into the process-wide reading state that the main
// window owns; the result and report windows then read that state. Every request to the
// operating system (message boxes, dialogs, clipboard, browser, settings, printer, clock) goes
// through the Platform interface, which QtPlatform implements here and a fake implements in tests.

#include "content/Pictures.h"
#include "platform/QtPlatform.h"
#include "shell/StartApplication.h"
#include "shell/frmMDI.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The settings store is kept under the program file's name, "orbika".
    QApplication::setWindowIcon(orbika::AppIcon());

    orbika::QtPlatform platform;
    const std::unique_ptr<orbika::frmMDI> window = orbika::StartApplication(platform);
    if (!window)
        return 0;
    return QApplication::exec();
}
