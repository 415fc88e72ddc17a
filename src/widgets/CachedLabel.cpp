#include "CachedLabel.h"

#include <QEvent>
#include <QPainter>
#include <QStyle>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace orbika {

namespace {
constexpr int kWidthsKept = 8;

// The room the contents margins take, across and down.
QSize MarginsSize(const QWidget& widget) {
    const QMargins margins = widget.contentsMargins();
    return {margins.left() + margins.right(), margins.top() + margins.bottom()};
}
} // namespace

CachedLabel::CachedLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {}

CachedLabel::~CachedLabel() = default;

void CachedLabel::dropHints() const {
    m_valid = false;
    m_sizeHint = {};
    m_minimumSizeHint = {};
    m_heightForWidth.clear();
    m_layout.reset();
    m_laidOutWidth = -1;
}

void CachedLabel::dropStaleHints() const {
    if (m_valid && m_hintedText == text() && m_hintedWrap == wordWrap() &&
        m_hintedAlignment == alignment() && m_hintedFormat == textFormat())
        return;
    dropHints();
    m_valid = true;
    m_hintedText = text();
    m_hintedWrap = wordWrap();
    m_hintedAlignment = alignment();
    m_hintedFormat = textFormat();
    m_hintedPlain = textFormat() == Qt::PlainText ||
                    (textFormat() == Qt::AutoText && !Qt::mightBeRichText(m_hintedText));
}

bool CachedLabel::drawsOwnText() const {
    dropStaleHints();
    constexpr auto selectable = Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard;
    return m_hintedPlain && !m_hintedText.isEmpty() && frameWidth() == 0 && margin() == 0 &&
           indent() <= 0 && buddy() == nullptr && !(textInteractionFlags() & selectable);
}

QSize CachedLabel::layOut(int width) const {
    width = std::max(width, 0);
    if (m_layout && width == m_laidOutWidth)
        return m_laidOutSize;
    if (!m_layout) {
        QString shown = m_hintedText;
        shown.replace(QLatin1Char('\n'), QChar::LineSeparator);
        m_layout = std::make_unique<QTextLayout>(shown, font(), this);
        QTextOption option(QStyle::visualAlignment(layoutDirection(), alignment()) &
                           Qt::AlignHorizontal_Mask);
        option.setWrapMode(wordWrap() ? QTextOption::WordWrap : QTextOption::ManualWrap);
        option.setTextDirection(layoutDirection());
        m_layout->setTextOption(option);
        // Keeps the shaped glyphs after endLayout(), so that the next width reuses them.
        m_layout->setCacheEnabled(true);
    }
    // Lines stand as QPainter::drawText() would put them: leading above each, on whole pixels.
    const qreal leading = QFontMetricsF(font(), this).leading();
    qreal height = 0;
    qreal widest = 0;
    m_layout->beginLayout();
    for (QTextLine line = m_layout->createLine(); line.isValid(); line = m_layout->createLine()) {
        line.setLineWidth(width);
        height = std::ceil(height + leading);
        line.setPosition(QPointF(0, height));
        height += line.height();
        widest = std::max(widest, line.naturalTextWidth());
    }
    m_layout->endLayout();
    m_laidOutWidth = width;
    m_laidOutSize = QSize(int(std::ceil(widest)), int(std::ceil(height)));
    return m_laidOutSize;
}

// The same answers QLabel gives for wrapped text: about 80 characters wide, narrowed to a half
// or a quarter while the text would take fewer than four or two lines.
QSize CachedLabel::ownSizeHint() const {
    const QSize extra = MarginsSize(*this);
    QSize size;
    if (!wordWrap() || m_prefersOneLine) {
        size = layOut(QWIDGETSIZE_MAX);
    } else {
        const QFontMetrics metrics(font(), this);
        const int width = std::min(metrics.averageCharWidth() * 80, maximumWidth()) - extra.width();
        size = layOut(width);
        if (size.height() < 4 * metrics.lineSpacing() && size.width() > width / 2)
            size = layOut(width / 2);
        if (size.height() < 2 * metrics.lineSpacing() && size.width() > width / 4)
            size = layOut(width / 4);
    }
    return (size + extra).expandedTo(minimumSize());
}

// Wrapped: as wide as the widest word, as high as one line.
QSize CachedLabel::ownMinimumSizeHint() const {
    const QSize hint = sizeHint();
    if (!wordWrap())
        return hint;
    const QSize extra = MarginsSize(*this);
    QSize size(layOut(0).width(), layOut(QWIDGETSIZE_MAX).height());
    size = (size + extra).expandedTo(minimumSize());
    size.setHeight(std::min(size.height(), hint.height()));
    return size;
}

QSize CachedLabel::sizeHint() const {
    dropStaleHints();
    if (!m_sizeHint.isValid())
        m_sizeHint = drawsOwnText() ? ownSizeHint() : QLabel::sizeHint();
    return m_sizeHint;
}

QSize CachedLabel::minimumSizeHint() const {
    dropStaleHints();
    if (!m_minimumSizeHint.isValid())
        m_minimumSizeHint = drawsOwnText() ? ownMinimumSizeHint() : QLabel::minimumSizeHint();
    return m_minimumSizeHint;
}

int CachedLabel::heightForWidth(int width) const {
    dropStaleHints();
    if (const auto found = m_heightForWidth.constFind(width); found != m_heightForWidth.cend())
        return *found;
    int height = 0;
    if (drawsOwnText()) {
        const QSize extra = MarginsSize(*this);
        const int textWidth = wordWrap() ? width - extra.width() : QWIDGETSIZE_MAX;
        height = std::max(layOut(textWidth).height() + extra.height(), minimumHeight());
    } else {
        height = QLabel::heightForWidth(width);
    }
    if (m_heightForWidth.size() >= kWidthsKept)
        m_heightForWidth.clear();
    m_heightForWidth.insert(width, height);
    return height;
}

void CachedLabel::setPrefersOneLine(bool prefers) {
    if (prefers == m_prefersOneLine)
        return;
    m_prefersOneLine = prefers;
    dropHints();
    updateGeometry();
}

QRect CachedLabel::textRect() const {
    const QRect area = contentsRect();
    if (!drawsOwnText())
        return area;
    const QSize size = layOut(area.width());
    return QStyle::alignedRect(layoutDirection(), alignment(), size, area);
}

void CachedLabel::paintEvent(QPaintEvent* event) {
    if (!drawsOwnText()) {
        QLabel::paintEvent(event);
        return;
    }
    const QRect area = contentsRect();
    const QRect box = textRect(); // lays the lines out across the whole width, aligned in it
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    m_layout->draw(&painter, QPointF(area.left(), box.top()));
}

// QLabel would build a rich-text document for its own focus handling; text drawn here needs
// only the repaint that QWidget gives.
void CachedLabel::focusInEvent(QFocusEvent* event) {
    if (drawsOwnText())
        QFrame::focusInEvent(event);
    else
        QLabel::focusInEvent(event);
}

void CachedLabel::focusOutEvent(QFocusEvent* event) {
    if (drawsOwnText())
        QFrame::focusOutEvent(event);
    else
        QLabel::focusOutEvent(event);
}

void CachedLabel::changeEvent(QEvent* event) {
    switch (event->type()) {
    case QEvent::FontChange:
    case QEvent::StyleChange:
    case QEvent::ContentsRectChange:
    case QEvent::LayoutDirectionChange:
        dropHints();
        break;
    default:
        break;
    }
    QLabel::changeEvent(event);
}

} // namespace orbika
