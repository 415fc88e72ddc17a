#pragma once
// Report text keeps its designed colour beside the colour it is shown in: on a dark palette the
// screen shows a readable variant, while print and PDF always get the designed colours on white
// paper.

#include <QTextFormat>

#include <memory>

class QColor;
class QTextDocument;
class QTextEdit;

namespace orbika {

void SetDesignedColour(QTextCharFormat& format, const QColor& colour);
// Shows every run that has a designed colour in a colour readable on `background`. Black text
// on a dark background takes the palette's `text` colour instead.
void ShowColoursOn(QTextDocument& document, const QColor& background, const QColor& text);
// Shows the box's document in colours readable on its base colour, now and whenever its palette
// changes.
void FollowPalette(QTextEdit* box);
// A copy of the document in its designed colours, for white paper.
std::unique_ptr<QTextDocument> PaperCopy(const QTextDocument& document);

} // namespace orbika
