#include "LinkLabel.h"

#include "widgets/Contrast.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace orbika {

namespace {

// Screen readers see a link label as a link they can activate, not as static text.
class LinkLabelAccessible : public QAccessibleWidget {
public:
    explicit LinkLabelAccessible(LinkLabel* label) : QAccessibleWidget(label, QAccessible::Link) {}

    QString text(QAccessible::Text kind) const override {
        QString shown = QAccessibleWidget::text(kind);
        if (kind == QAccessible::Name && shown.isEmpty())
            shown = label()->text().simplified();
        return shown;
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.linked = true;
        return state;
    }
    QStringList actionNames() const override {
        return QStringList(pressAction()) << QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == pressAction())
            label()->activate();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    LinkLabel* label() const { return static_cast<LinkLabel*>(widget()); }
};

QAccessibleInterface* LinkLabelInterface(const QString& className, QObject* object) {
    if (className == QLatin1String(LinkLabel::staticMetaObject.className()) && object &&
        object->isWidgetType())
        return new LinkLabelAccessible(static_cast<LinkLabel*>(object));
    return nullptr;
}

} // namespace

LinkLabel::LinkLabel(const QString& objectName, const QString& text, QWidget* parent)
    : CachedLabel(text, parent) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(LinkLabelInterface);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    setObjectName(objectName);
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    setForegroundRole(QPalette::Link);
    setAccessibleName(text.isEmpty() ? objectName : text.simplified());
    setAccessibleDescription(tr("Link: opens a page in your web browser"));
    followPalette();
}

void LinkLabel::followPalette() {
    if (m_followingPalette)
        return;
    m_followingPalette = true;
    const QPalette around =
        parentWidget() ? parentWidget()->palette() : QApplication::palette(this);
    const QColor link = around.color(QPalette::Link);
    const QColor shown = ReadableColour(link, around.color(backgroundRole()));
    if (shown != link) {
        QPalette own; // only the link colour is set: everything else still follows the parent
        own.setColor(QPalette::Link, shown);
        setPalette(own);
    } else if (palette().isBrushSet(QPalette::Active, QPalette::Link)) {
        setPalette(QPalette()); // inherit again
    }
    m_followingPalette = false;
}

void LinkLabel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::ParentChange)
        followPalette();
    CachedLabel::changeEvent(event);
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
