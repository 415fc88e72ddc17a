#include "CachedLabel.h"

#include <QEvent>

namespace orbika {

namespace {
constexpr int kWidthsKept = 8;
}

void CachedLabel::dropHints() const {
    m_valid = false;
    m_sizeHint = {};
    m_minimumSizeHint = {};
    m_heightForWidth.clear();
}

void CachedLabel::dropStaleHints() const {
    if (m_valid && m_hintedText == text() && m_hintedWrap == wordWrap() &&
        m_hintedAlignment == alignment())
        return;
    dropHints();
    m_valid = true;
    m_hintedText = text();
    m_hintedWrap = wordWrap();
    m_hintedAlignment = alignment();
}

QSize CachedLabel::sizeHint() const {
    dropStaleHints();
    if (!m_sizeHint.isValid())
        m_sizeHint = QLabel::sizeHint();
    return m_sizeHint;
}

QSize CachedLabel::minimumSizeHint() const {
    dropStaleHints();
    if (!m_minimumSizeHint.isValid())
        m_minimumSizeHint = QLabel::minimumSizeHint();
    return m_minimumSizeHint;
}

int CachedLabel::heightForWidth(int width) const {
    dropStaleHints();
    if (const auto found = m_heightForWidth.constFind(width); found != m_heightForWidth.cend())
        return *found;
    const int height = QLabel::heightForWidth(width);
    if (m_heightForWidth.size() >= kWidthsKept)
        m_heightForWidth.clear();
    m_heightForWidth.insert(width, height);
    return height;
}

void CachedLabel::changeEvent(QEvent* event) {
    switch (event->type()) {
    case QEvent::FontChange:
    case QEvent::StyleChange:
    case QEvent::ContentsRectChange:
        dropHints();
        break;
    default:
        break;
    }
    QLabel::changeEvent(event);
}

} // namespace orbika
