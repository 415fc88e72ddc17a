#pragma once
// A fresh main window on the fake platform for every GUI test, and helpers to find and click
// controls by object name.

#include "FakePlatform.h"
#include "app/frmMDI.h"
#include "tools/Tools.h"
#include "widgets/ToolWindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QTest>
#include <array>
#include <gtest/gtest.h>
#include <memory>

class QMdiArea;

namespace orbika::test {

// A month whose 5th lies in each sign, Aries first.
inline constexpr std::array<const char*, 12> kMonthInSign = {
    "April",   "May",      "June",     "July",    "August",   "September",
    "October", "November", "December", "January", "February", "March"};

// The entry window's button that makes the reading.
inline const char* ProceedButton(const Tool& tool) {
    return tool.planet ? "cmdNext" : "cmdProceed";
}
// A year the tool's year list offers: the middle of its range.
inline int YearOffered(const Tool& tool) {
    const YearRange years = YearsOf(tool);
    return (years.first + years.last) / 2;
}

class GuiTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The named child of `parent` (the main window when null); fails the test when missing.
    template <typename T = QWidget> T* find(const QString& name, QObject* parent = nullptr) {
        QObject* root = parent ? parent : static_cast<QObject*>(main.get());
        T* found = root->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << "no control named " << name.toStdString();
        return found;
    }

    void click(const QString& name, QObject* parent = nullptr);
    // Triggers a menu item, after checking that the user could choose it.
    void trigger(const QString& name, QObject* parent = nullptr);
    void clickLabel(QWidget* label);

    // Opens tool `index` from its button and returns its entry window.
    ToolWindow* openTool(int index);
    // The one tool window of that object name that is loaded, or null.
    ToolWindow* toolWindow(const QString& name) const;
    QStringList loadedToolWindows() const;
    bool welcomeVisible() const { return main->isWelcomeVisible(); }
    // The main window's client area, in which the tool windows open.
    QMdiArea* clientArea() const;

    // Makes a Financial (tool 0) or Career (tool 1) reading and opens its report from the result
    // window's Print button; returns the report window.
    ToolWindow* openReport(int tool, const QString& name, int day, const QString& month, int year);

    // Fills the four entry controls of an entry window.
    void enterBirthData(ToolWindow* entry, const QString& name, int day, const QString& month,
                        int year);

    FakePlatform platform;
    std::unique_ptr<frmMDI> main;
};

} // namespace orbika::test
