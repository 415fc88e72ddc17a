#include "GuiFixture.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>

namespace orbika::test {

void GuiTest::SetUp() {
    main = std::make_unique<frmMDI>(platform);
    main->resize(1280, 900);
    main->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(main.get()));
}

void GuiTest::TearDown() {
    main.reset();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    // Nothing a test opened may outlive it.
    for (QWidget* widget : QApplication::topLevelWidgets())
        EXPECT_FALSE(widget->isVisible()) << "left open: " << widget->objectName().toStdString();
}

void GuiTest::click(const QString& name, QObject* parent) {
    auto* button = find<QAbstractButton>(name, parent);
    ASSERT_NE(button, nullptr);
    ASSERT_TRUE(button->isEnabled()) << name.toStdString() << " is disabled";
    button->click();
}

void GuiTest::trigger(const QString& name, QObject* parent) {
    auto* action = find<QAction>(name, parent);
    ASSERT_NE(action, nullptr);
    ASSERT_TRUE(action->isEnabled() && action->isVisible())
        << name.toStdString() << " cannot be chosen";
    action->trigger();
}

void GuiTest::clickLabel(QWidget* label) {
    ASSERT_NE(label, nullptr);
    QTest::mouseClick(label, Qt::LeftButton, {}, label->rect().center());
}

ToolWindow* GuiTest::openTool(int index) {
    main->findChild<QAbstractButton*>(QStringLiteral("cmdSelectOption_%1").arg(index))->click();
    const auto windows = main->toolWindows();
    return windows.isEmpty() ? nullptr : windows.last();
}

ToolWindow* GuiTest::toolWindow(const QString& name) const {
    for (ToolWindow* window : main->toolWindows()) {
        if (window->objectName() == name)
            return window;
    }
    return nullptr;
}

QMdiArea* GuiTest::clientArea() const {
    return main->findChild<QMdiArea*>();
}

QStringList GuiTest::loadedToolWindows() const {
    QStringList names;
    for (ToolWindow* window : main->toolWindows())
        names << window->objectName();
    return names;
}

ToolWindow* GuiTest::openReport(int tool, const QString& name, int day, const QString& month,
                                int year) {
    const bool financial = tool == 0;
    ToolWindow* entry = openTool(tool);
    enterBirthData(entry, name, day, month, year);
    click("cmdProceed", entry);
    click("cmdPrint",
          toolWindow(financial ? "frmFinancialAstrologyDisplay" : "frmCareerAstrologyDisplay"));
    return toolWindow(financial ? "frmFinancialAstrologySave" : "frmCareerAstrologySave");
}

void GuiTest::enterBirthData(ToolWindow* entry, const QString& name, int day, const QString& month,
                             int year) {
    ASSERT_NE(entry, nullptr);
    entry->findChild<QLineEdit*>(QStringLiteral("txtName"))->setText(name);
    auto* date = entry->findChild<QComboBox*>(QStringLiteral("cboDate"));
    auto* months = entry->findChild<QComboBox*>(QStringLiteral("cboMonth"));
    auto* years = entry->findChild<QComboBox*>(QStringLiteral("cboYear"));
    date->setCurrentIndex(date->findText(QString::number(day)));
    months->setCurrentIndex(months->findText(month));
    const int yearIndex = years->findText(QString::number(year));
    ASSERT_GE(yearIndex, 0) << "year " << year << " is not offered";
    years->setCurrentIndex(yearIndex);
}

} // namespace orbika::test
