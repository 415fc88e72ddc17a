#pragma once
// Clickable web addresses in a report's rich-text box. While a report window is open, every
// http or https address in its text is shown as a link (also text inserted later). A left button
// press on one opens it with the desktop's browser; Tab and Shift+Tab step from link to link and
// Enter opens the one selected. Other schemes stay plain text: a name typed by the user or read
// from a saved file must never become something the system opens.

class QTextEdit;

namespace orbika {

class Platform;

// At most one report window is open at a time, so one handler serves the program; installing
// again moves it to the new box.
void InstallLinkHandler(QTextEdit* richText, Platform& platform);
// Harmless when nothing is installed.
void RemoveLinkHandler();
// The box the handler serves now, or null.
QTextEdit* LinkHandlerTarget();

} // namespace orbika
