#pragma once

#include <QLabel>
#include <QMap>

#include <memory>

class QTextLayout;

namespace orbika {

// A label that remembers its size hints and shapes its text once.
//
// Layouts ask a word-wrapped label for its sizes many times while they settle (once per trial
// width), and QLabel shapes the whole text anew for each answer and again for every paint; a
// label that takes keyboard focus even lays its text out as a rich-text document. For plain
// text without frame, margin, indent, buddy or selection (every label this program wraps),
// this label keeps one QTextLayout: the text is shaped once, and a new width only breaks the
// lines again. Anything else is left to QLabel, with its hints remembered.
class CachedLabel : public QLabel {
public:
    explicit CachedLabel(const QString& text = {}, QWidget* parent = nullptr);
    ~CachedLabel() override;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    int heightForWidth(int width) const override;

    // For a wrapped sentence that fits on one line where it stands: the label asks for the width
    // of its text on one line instead of QLabel's narrow block of lines (which makes a window
    // needlessly tall), and still wraps when it is given less.
    void setPrefersOneLine(bool prefers);

protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

    // Where the text stands inside the label, for a focus frame around it.
    QRect textRect() const;

private:
    bool drawsOwnText() const;
    void dropStaleHints() const;
    void dropHints() const;
    // Breaks the text into lines of at most `width` pixels (no limit without word wrap) and
    // returns the size the lines take.
    QSize layOut(int width) const;
    QSize ownSizeHint() const;
    QSize ownMinimumSizeHint() const;

    // What the hints were computed for; QLabel's setters are not virtual, so compare instead.
    bool m_prefersOneLine = false;
    mutable bool m_valid = false;
    mutable bool m_hintedPlain = false;
    mutable QString m_hintedText;
    mutable bool m_hintedWrap = false;
    mutable Qt::Alignment m_hintedAlignment;
    mutable Qt::TextFormat m_hintedFormat = Qt::AutoText;
    mutable QSize m_sizeHint;
    mutable QSize m_minimumSizeHint;
    mutable QMap<int, int> m_heightForWidth;

    mutable std::unique_ptr<QTextLayout> m_layout;
    mutable int m_laidOutWidth = -1;
    mutable QSize m_laidOutSize;
};

} // namespace orbika
