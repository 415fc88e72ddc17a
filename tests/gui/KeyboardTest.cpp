#include "GuiFixture.h"

#include "links/PageAddresses.h"
#include "links/frmAbout.h"

#include <QApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QScrollBar>
#include <QTextEdit>

namespace orbika::test {
namespace {

QUrl Url(std::string_view address) {
    return QUrl(QString::fromUtf8(address.data(), qsizetype(address.size())));
}

class Keyboard : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        QApplication::setActiveWindow(main.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
    }

    // Keys go where a person's keys go: to the widget that has the focus.
    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : main.get(), Qt::Key(key), modifiers);
        QApplication::processEvents(); // focus settles after a window closes
    }
    std::string focusName() const {
        QWidget* focus = QApplication::focusWidget();
        return focus ? focus->objectName().toStdString() : "(nothing)";
    }
    ToolWindow* result(int tool, const QString& window) {
        ToolWindow* entry = openTool(tool);
        const Tool& row = Tools()[std::size_t(tool)];
        enterBirthData(entry, "Ada", 5, "March", YearOffered(row));
        click(ProceedButton(row), entry);
        return toolWindow(window);
    }
};

TEST_F(Keyboard, StartsOnTheFirstToolButton) {
    EXPECT_EQ(focusName(), "cmdSelectOption_0");
}

// The main window's Exit is also "&Exit": a tool window's access key must not reach it, so that
// no key quits by surprise.
TEST_F(Keyboard, AccessKeysStayInTheirToolWindow) {
    ToolWindow* entry = openTool(5);
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(focusName(), "txtName");
    // A button pressed by its access key shows itself pressed for a moment first.
    press(Qt::Key_E, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([this] { return loadedToolWindows().isEmpty(); }))
        << "the entry window's Exit closes it";
    EXPECT_TRUE(main->isVisible());
    QApplication::processEvents();
    EXPECT_EQ(focusName(), "cmdSelectOption_5") << "focus returns to the tool's button";
    // Back on the main window its own Exit answers.
    press(Qt::Key_E, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([this] { return !main->isVisible(); }));
}

TEST_F(Keyboard, MenuAccessKeysOpenTheFocusedWindowsMenu) {
    ToolWindow* entry = openTool(2);
    ASSERT_NE(entry, nullptr);
    press(Qt::Key_F, Qt::AltModifier);
    QWidget* popup = QApplication::activePopupWidget();
    ASSERT_NE(popup, nullptr);
    EXPECT_TRUE(entry->isAncestorOf(popup->parentWidget()))
        << "opened " << popup->objectName().toStdString();
    popup->close();
}

TEST_F(Keyboard, EnterPressesTheFocusedButton) {
    find<QWidget>("cmdSelectOption_1")->setFocus();
    press(Qt::Key_Return);
    ToolWindow* entry = toolWindow("frmCareerAstrologyMain");
    ASSERT_NE(entry, nullptr);
    enterBirthData(entry, "Ada", 5, "March", 2000);
    find<QWidget>("cmdProceed", entry)->setFocus();
    press(Qt::Key_Enter, Qt::KeypadModifier);
    ToolWindow* shown = toolWindow("frmCareerAstrologyDisplay");
    ASSERT_NE(shown, nullptr);
    find<QWidget>("cmdBack", shown)->setFocus();
    press(Qt::Key_Return);
    EXPECT_EQ(loadedToolWindows(), QStringList{"frmCareerAstrologyMain"});
    EXPECT_TRUE(entry->isVisible());
}

TEST_F(Keyboard, ReportLinksTakeTabAndOpenWithEnter) {
    ToolWindow* report = openReport(0, "Ada", 5, "March", 2000);
    ASSERT_NE(report, nullptr);
    auto* box = find<QTextEdit>("RTB", report);
    find<QWidget>("cmdPrint", report)->setFocus();
    // From the last button Tab wraps round to the report's first control: the text box.
    while (QApplication::focusWidget() != box && report->isAncestorOf(QApplication::focusWidget()))
        press(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), box) << focusName();
    press(Qt::Key_Tab);
    EXPECT_EQ(box->textCursor().selectedText().toStdString(), kHomePageAddress);
    press(Qt::Key_Return);
    EXPECT_EQ(platform.openedUrls, QList<QUrl>{Url(kHomePageAddress)});
    // Past the last link Tab leaves the box.
    for (int i = 0; i < 100 && QApplication::focusWidget() == box; ++i)
        press(Qt::Key_Tab);
    EXPECT_NE(QApplication::focusWidget(), box);
    EXPECT_EQ(platform.openedUrls.size(), 1);
}

TEST_F(Keyboard, EscapeOnEachWindowKind) {
    // Entry window: Escape is the name box's own business; the window stays.
    ToolWindow* entry = openTool(0);
    press(Qt::Key_Escape);
    EXPECT_EQ(loadedToolWindows(), QStringList{"frmFinancialAstrologyMain"});

    // Report: closes, and its result window comes back with the focus.
    ToolWindow* report = openReport(0, "Ada", 5, "March", 2000);
    ASSERT_NE(report, nullptr);
    find<QWidget>("RTB", report)->setFocus();
    press(Qt::Key_Escape);
    ToolWindow* shown = toolWindow("frmFinancialAstrologyDisplay");
    ASSERT_NE(shown, nullptr);
    EXPECT_FALSE(loadedToolWindows().contains("frmFinancialAstrologySave"));
    EXPECT_TRUE(shown->isAncestorOf(QApplication::focusWidget())) << focusName();

    // Result: Back to the entry window.
    press(Qt::Key_Escape);
    entry = toolWindow("frmFinancialAstrologyMain");
    ASSERT_NE(entry, nullptr);
    EXPECT_TRUE(entry->isVisible());
    EXPECT_EQ(toolWindow("frmFinancialAstrologyDisplay"), nullptr);
    EXPECT_TRUE(entry->isAncestorOf(QApplication::focusWidget())) << focusName();

    // Planet-sign result: Back too.
    ToolWindow* planet = result(4, "frmZodiacEnergySignDisplay");
    ASSERT_NE(planet, nullptr);
    press(Qt::Key_Escape);
    EXPECT_EQ(loadedToolWindows(), QStringList{"frmZodiacEnergySignMain"});

    // About box.
    frmAbout about(platform);
    about.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&about));
    QTest::keyClick(&about, Qt::Key_Escape);
    EXPECT_FALSE(about.isVisible());
}

// On a small screen a tool window scrolls inside the client area, and the control that takes the
// focus is scrolled into view.
TEST_F(Keyboard, FocusScrollsIntoViewOnASmallScreen) {
    main->resize(960, 540);
    ToolWindow* shown = result(1, "frmCareerAstrologyDisplay");
    ASSERT_NE(shown, nullptr);
    QApplication::processEvents();
    QWidget* viewport = clientArea()->viewport();
    ASSERT_GT(shown->height(), viewport->height()) << "the window must be taller than the area";
    auto* exit = find<QWidget>("cmdExit", shown);
    clientArea()->verticalScrollBar()->setValue(0);
    const QRect before(exit->mapTo(viewport, QPoint(0, 0)), exit->size());
    ASSERT_FALSE(viewport->rect().contains(before)) << "Exit starts out of view";
    exit->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    const QRect after(exit->mapTo(viewport, QPoint(0, 0)), exit->size());
    EXPECT_TRUE(viewport->rect().contains(after));
}

TEST_F(Keyboard, ShortcutsOfEachWindow) {
    // F1 from the main window and from a tool window, without the two competing.
    press(Qt::Key_F1);
    openTool(3);
    press(Qt::Key_F1);
    EXPECT_EQ(platform.openedUrls,
              (QList<QUrl>{Url(kOnlineHelpPageAddress), Url(kOnlineHelpPageAddress)}));

    ToolWindow* entry = openTool(0);
    platform.openAnswers = {QString()};
    press(Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(platform.openRequests.size(), 1);

    enterBirthData(entry, "Ada", 5, "March", 2000);
    click("cmdProceed", entry);
    press(Qt::Key_P, Qt::ControlModifier);
    ToolWindow* report = toolWindow("frmFinancialAstrologySave");
    ASSERT_NE(report, nullptr);
    EXPECT_TRUE(report->isAncestorOf(QApplication::focusWidget())) << focusName();
    platform.saveAnswers = {QString()};
    press(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(platform.saveRequests.size(), 1);
    press(Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(platform.printedTexts.size(), 1);

    // Ctrl+W closes the window in front; the one that comes forward takes the focus.
    press(Qt::Key_W, Qt::ControlModifier);
    ToolWindow* shown = toolWindow("frmFinancialAstrologyDisplay");
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(toolWindow("frmFinancialAstrologySave"), nullptr);
    EXPECT_TRUE(shown->isAncestorOf(QApplication::focusWidget())) << focusName();
    press(Qt::Key_W, Qt::ControlModifier);
    EXPECT_TRUE(welcomeVisible());
    EXPECT_EQ(focusName(), "cmdSelectOption_0");

    press(Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(main->isVisible());
}

} // namespace
} // namespace orbika::test
