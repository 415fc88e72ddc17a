#pragma once

#include "shell/ReadingKinds.h"

namespace orbika {

class ToolHost;
class ToolWindow;

// A fresh entry window of the tool, not yet added to the client area.
ToolWindow* CreateEntryWindow(ReadingKind kind, ToolHost& host);

} // namespace orbika
