#pragma once

#include <memory>

namespace orbika {

class Platform;
class frmMDI;

inline constexpr const char* kAlreadyRunningMessage = "Application is already running";

// The start-up sequence: the single-instance test, the update reminder, then the main window,
// shown maximised. Returns no window when another instance is running (after saying so).
std::unique_ptr<frmMDI> StartApplication(Platform& platform);

} // namespace orbika
