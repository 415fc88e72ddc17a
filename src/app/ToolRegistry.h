#pragma once

#include "tools/ReadingKind.h"

#include <QString>
#include <optional>

namespace orbika {

class ToolHost;
class ToolWindow;

// A fresh entry window of the tool, not yet added to the client area.
ToolWindow* CreateEntryWindow(ReadingKind kind, ToolHost& host);

// The tool whose saved readings have the file's extension, told apart as Open tells them.
std::optional<ReadingKind> ToolOfSavedReading(const QString& path);
// Runs Open on the tool's entry window with the file already chosen.
void OpenSavedReading(ToolWindow& entry, const QString& path);

} // namespace orbika
