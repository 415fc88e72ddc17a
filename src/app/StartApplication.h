#pragma once

#include <QString>
#include <memory>

namespace orbika {

class Platform;
class frmMDI;

inline constexpr const char* kAlreadyRunningMessage = "Application is already running";

// The start-up sequence: the single-instance test, the update reminder, then the main window,
// shown maximised, and the saved reading `file` opened in its tool when one is given. When
// another instance is running, it is asked to open the file instead and no window is returned;
// without a file, the message says it runs and, once closed, the running copy comes forward.
// A running copy that cannot be reached is only reported.
std::unique_ptr<frmMDI> StartApplication(Platform& platform, const QString& file = {});

} // namespace orbika
