#include "LinkLabel.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace orbika {

LinkLabel::LinkLabel(const QString& objectName, const QString& text, QWidget* parent)
    : CachedLabel(text, parent) {
    setObjectName(objectName);
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    setForegroundRole(QPalette::Link);
    setAccessibleName(text.isEmpty() ? objectName : text);
    setAccessibleDescription(tr("Link: opens a page in your web browser"));
}

void LinkLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        event->accept();
        return;
    }
    CachedLabel::mousePressEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        // Accepted, so that a banner strip around the label does not open the page a second time.
        event->accept();
        if (rect().contains(event->position().toPoint()))
            emit clicked();
        return;
    }
    CachedLabel::mouseReleaseEvent(event);
}

void LinkLabel::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        emit clicked();
        event->accept();
        return;
    default:
        CachedLabel::keyPressEvent(event);
    }
}

// A focused link shows the usual focus frame around its text.
void LinkLabel::paintEvent(QPaintEvent* event) {
    CachedLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QStylePainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = textRect().adjusted(-2, -1, 2, 1).intersected(rect());
    option.backgroundColor = palette().color(backgroundRole());
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}

} // namespace orbika
