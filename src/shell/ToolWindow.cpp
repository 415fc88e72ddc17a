#include "ToolWindow.h"

#include "ToolHost.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QVBoxLayout>

namespace orbika {

ToolWindow::ToolWindow(ToolHost& host, ReadingKind kind, ToolWindowRole role,
                       const QString& objectName)
    : m_host(host), m_kind(kind), m_role(role), m_body(new QWidget),
      m_layout(new QVBoxLayout(m_body)) {
    setObjectName(objectName);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString::fromUtf8(InfoOf(kind).windowCaption.data(),
                                     qsizetype(InfoOf(kind).windowCaption.size())));
    setWindowFlags(Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    m_body->setObjectName(objectName + QStringLiteral("_body"));
    setWidget(m_body);
}

QMenuBar* ToolWindow::createMenuBar() {
    auto* bar = new QMenuBar(m_body);
    bar->setObjectName(QStringLiteral("menuBar"));
    bar->setNativeMenuBar(false);
    m_layout->setMenuBar(bar);
    return bar;
}

void ToolWindow::setBodyWidth(int columns) {
    m_body->setFixedWidth(m_body->fontMetrics().averageCharWidth() * columns);
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
