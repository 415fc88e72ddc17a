#pragma once

#include <QString>
#include <memory>

namespace orbika {

class Platform;
class frmMDI;

inline constexpr const char* kAlreadyRunningMessage = "Application is already running";

// The start-up sequence: the single-instance test, the update reminder, then the main window,
// shown maximised, and the saved reading `file` opened in its tool when one is given. When
// another instance is running, it is asked to come forward and open the file instead, and no
// window is returned; without a file, or when it cannot be reached, the message says it runs.
std::unique_ptr<frmMDI> StartApplication(Platform& platform, const QString& file = {});

} // namespace orbika
