#pragma once

class QPlainTextEdit;
class QTextEdit;

namespace orbika {

class Platform;

// Empties the system clipboard whenever the box's text changes and whenever the mouse moves,
// is pressed or released over it: what the reading shows is not meant to be copied out.
void EmptyClipboardOnUse(QTextEdit* box, Platform& platform);
void EmptyClipboardOnUse(QPlainTextEdit* box, Platform& platform);

} // namespace orbika
