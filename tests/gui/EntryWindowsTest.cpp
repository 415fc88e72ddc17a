#include "GuiFixture.h"

#include "birth/modBirthData.h"
#include "links/PageAddresses.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace orbika::test {
namespace {

struct EntryWindow {
    int button;
    const char* name;
    const char* caption;
    const char* action; // the reading button
    int firstYear;
    int lastYear;
    bool dayFirst;
    NameRule rule;
};

constexpr EntryWindow kEntryWindows[] = {
    {0, "frmFinancialAstrologyMain", "Orbika Financial Astrology", "cmdProceed", 1900, 2050, false,
     NameRule::Financial},
    {1, "frmCareerAstrologyMain", "Orbika Career Astrology", "cmdProceed", 1900, 2050, false,
     NameRule::Career},
    {2, "frmZodiacLuckySignMain", "Orbika Zodiac Lucky Sign", "cmdNext", 1900, 2024, true,
     NameRule::PlanetSign},
    {3, "frmZodiacCommunicationSignMain", "Orbika Zodiac Communication Sign", "cmdNext", 1930, 2012,
     true, NameRule::PlanetSign},
    {4, "frmZodiacEnergySignMain", "Orbika Zodiac Energy Sign", "cmdNext", 1930, 2012, true,
     NameRule::PlanetSign},
    {5, "frmZodiacPowerSignMain", "Orbika Zodiac Power Sign", "cmdNext", 1900, 2022, true,
     NameRule::PlanetSign},
};

void PrintTo(const EntryWindow& window, std::ostream* os) {
    *os << window.name;
}

class EntryWindowTest : public GuiTest, public ::testing::WithParamInterface<EntryWindow> {
protected:
    ToolWindow* open() {
        ToolWindow* window = openTool(GetParam().button);
        EXPECT_EQ(window->objectName(), GetParam().name);
        return window;
    }
    // Presses the reading button and returns the messages it showed.
    QList<RecordedMessage> ask(ToolWindow* window) {
        platform.messages.clear();
        click(QLatin1String(GetParam().action), window);
        return platform.messages;
    }
};

TEST_P(EntryWindowTest, StartsWithEmptyNameAndFirstEntriesOfFilledLists) {
    ToolWindow* window = open();
    EXPECT_EQ(window->windowTitle(), GetParam().caption);
    EXPECT_EQ(find<QLineEdit>("txtName", window)->text(), "");
    auto* days = find<QComboBox>("cboDate", window);
    auto* months = find<QComboBox>("cboMonth", window);
    auto* years = find<QComboBox>("cboYear", window);
    ASSERT_EQ(days->count(), 31);
    EXPECT_EQ(days->itemText(0), "1");
    EXPECT_EQ(days->itemText(30), "31");
    ASSERT_EQ(months->count(), 12);
    EXPECT_EQ(months->itemText(0), "January");
    EXPECT_EQ(months->itemText(11), "December");
    EXPECT_EQ(years->count(), GetParam().lastYear - GetParam().firstYear + 1);
    EXPECT_EQ(years->itemText(0), QString::number(GetParam().firstYear));
    EXPECT_EQ(years->itemText(years->count() - 1), QString::number(GetParam().lastYear));
    for (QComboBox* list : {days, months, years}) {
        EXPECT_EQ(list->currentIndex(), 0);
        EXPECT_FALSE(list->isEditable());
        EXPECT_FALSE(list->accessibleName().isEmpty());
    }
    EXPECT_FALSE(find<QLineEdit>("txtName", window)->accessibleName().isEmpty());

    // Tab order: name, then the lists from left to right.
    QWidget* second = GetParam().dayFirst ? static_cast<QWidget*>(days) : months;
    QWidget* third = GetParam().dayFirst ? static_cast<QWidget*>(months) : days;
    EXPECT_EQ(find<QLineEdit>("txtName", window)->nextInFocusChain(), second);
    EXPECT_EQ(second->nextInFocusChain(), third);
    EXPECT_EQ(third->nextInFocusChain(), years);
    EXPECT_LT(second->x(), third->x());
    EXPECT_LT(third->x(), years->x());
}

TEST_P(EntryWindowTest, StartContentsFailOnlyOnTheName) {
    ToolWindow* window = open();
    const auto messages = ask(window);
    ASSERT_EQ(messages.size(), 1);
    const bool career = GetParam().rule == NameRule::Career;
    EXPECT_EQ(messages[0].text, career ? "Please enter your name" : "Please Enter Your Name");
    EXPECT_EQ(messages[0].icon, GetParam().rule == NameRule::PlanetSign ? MessageIcon::Information
                                                                        : MessageIcon::Error);
    EXPECT_EQ(messages[0].title, "Orbika Finance Astrology");
    EXPECT_EQ(loadedToolWindows(), QStringList{GetParam().name});
    EXPECT_TRUE(window->isVisible());
}

TEST_P(EntryWindowTest, BlankNameIsRefusedExceptInPlanetSignWindows) {
    ToolWindow* window = open();
    enterBirthData(window, "   ", 30, "April", 2004);
    const auto messages = ask(window);
    if (GetParam().rule == NameRule::PlanetSign) {
        EXPECT_TRUE(messages.isEmpty());
        return;
    }
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(find<QLineEdit>("txtName", window)->text(),
              GetParam().rule == NameRule::Career ? "" : "   ");
}

TEST_P(EntryWindowTest, RefusedDatesShowExactlyOneMessageAndChangeNothing) {
    struct Case {
        int day;
        const char* month;
        int year;
        const char* message;
    };
    const Case cases[] = {
        {31, "April", 2000, "Please Enter Correct Date Or Month !"},
        {31, "November", 2000, "Please Enter Correct Date Or Month !"},
        {30, "February", 2004, "Please Enter Correct Date Or Month!"},
        {29, "February", 2001, "Please Enter Correct Date Or Month!"},
    };
    ToolWindow* window = open();
    for (const Case& c : cases) {
        SCOPED_TRACE(QStringLiteral("%1 %2 %3").arg(c.day).arg(c.month).arg(c.year).toStdString());
        enterBirthData(window, "MARIE", c.day, c.month, c.year);
        const auto messages = ask(window);
        ASSERT_EQ(messages.size(), 1);
        EXPECT_EQ(messages[0].text, c.message);
        EXPECT_EQ(messages[0].icon, MessageIcon::Information);
        EXPECT_EQ(loadedToolWindows(), QStringList{GetParam().name});
        EXPECT_EQ(find<QLineEdit>("txtName", window)->text(), "MARIE");
        EXPECT_EQ(find<QComboBox>("cboMonth", window)->currentText(), c.month);
    }
}

TEST_P(EntryWindowTest, LinkLabelsOpenTheirPages) {
    ToolWindow* window = open();
    const QString banner = GetParam().button == 1 ? "Label14" : "Label61";
    struct Case {
        QString label;
        std::string_view address;
    };
    for (const Case& c : {Case{banner, kHomePageAddress}, Case{"lblCobrand", kCoBrandPageAddress},
                          Case{"lblFullBrand", kFullBrandPageAddress}}) {
        platform.openedUrls.clear();
        clickLabel(find<QLabel>(c.label, window));
        ASSERT_EQ(platform.openedUrls.size(), 1) << c.label.toStdString();
        EXPECT_EQ(platform.openedUrls[0].toString().toStdString(), c.address);
    }
    EXPECT_TRUE(find<QLabel>(banner, window)->text().contains("www.orbika.example"));
}

INSTANTIATE_TEST_SUITE_P(AllTools, EntryWindowTest, ::testing::ValuesIn(kEntryWindows),
                         [](const auto& info) { return std::string(info.param.name); });

using PlanetNameFilter = GuiTest;

TEST_F(PlanetNameFilter, TypedLettersShowAsCapitalsAndOtherKeysAreRefused) {
    ToolWindow* window = openTool(5);
    auto* name = find<QLineEdit>("txtName", window);
    name->setFocus();
    QTest::keyClicks(name, "ada Lo");
    EXPECT_EQ(name->text(), "ADA LO");
    EXPECT_TRUE(platform.messages.isEmpty());

    QTest::keyClick(name, Qt::Key_1);
    QTest::keyClick(name, Qt::Key_Minus);
    QTest::keyClick(name, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(name->text(), "ADA LO");
    ASSERT_EQ(platform.messages.size(), 3);
    for (const RecordedMessage& message : platform.messages) {
        EXPECT_EQ(message.text, "Please Enter only Letters");
        EXPECT_EQ(message.icon, MessageIcon::Information);
    }

    platform.messages.clear();
    QTest::keyClick(name, Qt::Key_Backspace);
    QTest::keyClick(name, Qt::Key_Left);
    EXPECT_EQ(name->text(), "ADA L");
    EXPECT_TRUE(platform.messages.isEmpty());
}

TEST_F(PlanetNameFilter, FinancialAndCareerNamesAreNotFiltered) {
    for (int tool : {0, 1}) {
        ToolWindow* window = openTool(tool);
        auto* name = find<QLineEdit>("txtName", window);
        QTest::keyClicks(name, "jo-ann 2");
        EXPECT_EQ(name->text(), "jo-ann 2");
    }
    EXPECT_TRUE(platform.messages.isEmpty());
}

using CareerEntryMenu = GuiTest;

TEST_F(CareerEntryMenu, FileExitUnloadsTheEntryWindow) {
    ToolWindow* window = openTool(1);
    trigger("mnuExit", window);
    EXPECT_TRUE(loadedToolWindows().isEmpty());
    EXPECT_TRUE(welcomeVisible());
}

} // namespace
} // namespace orbika::test
