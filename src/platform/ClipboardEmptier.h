#pragma once

class QPlainTextEdit;
class QTextEdit;

namespace orbika {

class Platform;

// Empties the system clipboard whenever the box's text changes and whenever the mouse moves,
// is pressed or released over it, if it holds text this program put there: what the reading
// shows is not meant to be copied out, and what the user copied elsewhere is left alone.
void EmptyClipboardOnUse(QTextEdit* box, Platform& platform);
void EmptyClipboardOnUse(QPlainTextEdit* box, Platform& platform);

} // namespace orbika
