#pragma once

#include <QLabel>
#include <QMap>

namespace orbika {

// A label that remembers its size hints. Layouts ask a word-wrapped label for its sizes many
// times while they settle (once per trial width), and QLabel shapes the whole text anew each
// time; the answers only change with the text, the font or the style.
class CachedLabel : public QLabel {
public:
    explicit CachedLabel(const QString& text = {}, QWidget* parent = nullptr)
        : QLabel(text, parent) {}

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    int heightForWidth(int width) const override;

protected:
    void changeEvent(QEvent* event) override;

private:
    void dropStaleHints() const;
    void dropHints() const;

    // What the hints were computed for; QLabel's setters are not virtual, so compare instead.
    mutable bool m_valid = false;
    mutable QString m_hintedText;
    mutable bool m_hintedWrap = false;
    mutable Qt::Alignment m_hintedAlignment;
    mutable QSize m_sizeHint;
    mutable QSize m_minimumSizeHint;
    mutable QMap<int, int> m_heightForWidth;
};

} // namespace orbika
