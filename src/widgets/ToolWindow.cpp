#include "ToolWindow.h"

#include "ToolHost.h"
#include "tools/Tools.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QVBoxLayout>

#include <algorithm>

namespace orbika {

ToolWindow::ToolWindow(ToolHost& host, ReadingKind kind, ToolWindowRole role,
                       const QString& objectName)
    : m_host(host), m_kind(kind), m_role(role), m_body(new QWidget),
      m_layout(new QVBoxLayout(m_body)) {
    setObjectName(objectName);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString::fromUtf8(ToolOf(kind).windowCaption.data(),
                                     qsizetype(ToolOf(kind).windowCaption.size())));
    setWindowFlags(Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    m_body->setObjectName(objectName + QStringLiteral("_body"));
    setWidget(m_body);
    // Ctrl+W belongs to the main window, which closes whichever tool window is in front; the
    // system menu's own Close keeps Ctrl+F4.
    for (QAction* action : systemMenu()->actions()) {
        QList<QKeySequence> keys = action->shortcuts();
        if (keys.removeAll(QKeySequence(Qt::CTRL | Qt::Key_W)) > 0)
            action->setShortcuts(keys);
    }

    // Escape closes a report and goes Back from a result. Entry windows keep Escape for their
    // name box's keystroke rule.
    if (role != ToolWindowRole::Entry) {
        auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
        escape->setContext(Qt::WidgetWithChildrenShortcut);
        connect(escape, &QShortcut::activated, this, [this] {
            if (m_role == ToolWindowRole::Report) {
                close();
            } else if (auto* back = findChild<QAbstractButton*>(QStringLiteral("cmdBack"))) {
                back->click();
            }
        });
    }
}

void ToolWindow::addKey(const QKeySequence& key, QAbstractButton* button) {
    auto* shortcut = new QShortcut(key, this);
    shortcut->setContext(Qt::WidgetWithChildrenShortcut);
    connect(shortcut, &QShortcut::activated, button, [button] {
        if (button->isVisible() && button->isEnabled())
            button->click();
    });
    button->setToolTip(
        tr("%1 (%2)").arg(button->accessibleName(), key.toString(QKeySequence::NativeText)));
}

QMenuBar* ToolWindow::createMenuBar() {
    auto* bar = new QMenuBar(m_body);
    bar->setObjectName(QStringLiteral("menuBar"));
    bar->setNativeMenuBar(false);
    m_layout->setMenuBar(bar);
    return bar;
}

void ToolWindow::setBodyWidth(int columns) {
    // Never narrower than what must stand on one line, such as the banners.
    m_body->setFixedWidth(std::max(m_body->fontMetrics().averageCharWidth() * columns,
                                   m_layout->minimumSize().width()));
}

void ToolWindow::closeEvent(QCloseEvent* event) {
    QMdiSubWindow::closeEvent(event);
    if (!event->isAccepted() || m_unloaded)
        return;
    m_unloaded = true;
    // A report left open (Exit or Back on its result window) stays in view.
    if (m_role != ToolWindowRole::Report && !m_host.otherToolWindowShown(this))
        m_host.setWelcomeVisible(true);
    emit unloaded();
}

} // namespace orbika

namespace orbika {

void ToolWindow::backToEntry() {
    QPointer<ToolWindow> entry = m_entry;
    close();
    if (entry && !entry->isUnloaded())
        m_host.bringIntoView(entry);
}

} // namespace orbika
