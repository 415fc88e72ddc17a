#pragma once

#include "tools/ReadingKind.h"

namespace orbika {

class Platform;
class ToolWindow;
enum class ToolWindowRole;
struct ReadingState;

// What a tool window needs from the main window: the platform, the process-wide readings, the
// welcome panel and the client area it lives in.
class ToolHost {
public:
    virtual ~ToolHost() = default;

    virtual Platform& platform() = 0;
    virtual ReadingState& readings() = 0;

    virtual void setWelcomeVisible(bool visible) = 0;
    // Adds a freshly created tool window to the client area and places it: top of the area,
    // centred horizontally.
    virtual void addToolWindow(ToolWindow* window) = 0;
    // Shows a tool window and hides the welcome panel.
    virtual void bringIntoView(ToolWindow* window) = 0;
    // The loaded window of that tool and role, or null: each tool has at most one of each.
    virtual ToolWindow* loadedWindow(ReadingKind kind, ToolWindowRole role) const = 0;
    // True when a tool window other than `except` is in view.
    virtual bool otherToolWindowShown(const ToolWindow* except) const = 0;
    // True while the main window closes the windows of every tool.
    virtual bool closingAllTools() const = 0;
    // The About box, modal.
    virtual void showAbout() = 0;
};

} // namespace orbika
