#include "GuiFixture.h"

#include "app/StartApplication.h"
#include "birth/modBirthData.h"
#include "links/PageAddresses.h"
#include "platform/Text.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>

namespace orbika::test {
namespace {

using ShellTest = GuiTest;

QUrl Url(std::string_view address) {
    return QUrl(QString::fromUtf8(address.data(), qsizetype(address.size())));
}

TEST_F(ShellTest, MainWindowShowsItsToolsAndWelcomePanel) {
    EXPECT_EQ(main->windowTitle(), "Orbika Finance Astrology v1.15");
    EXPECT_TRUE(welcomeVisible());
    const QStringList captions = {"Financial Astrology", "Career Astrology",
                                  "Zodiac Lucky Sign",   "Zodiac Communication Sign",
                                  "Zodiac Energy Sign",  "Zodiac Power Sign"};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(find<QAbstractButton>(QStringLiteral("cmdSelectOption_%1").arg(i))->text(),
                  captions[i]);
        EXPECT_EQ(find<QLabel>(QStringLiteral("lblCaption_%1").arg(i + 3))->text(), captions[i]);
    }
    // Two rows of three: Financial, Career, Power above Lucky, Communication, Energy.
    auto pos = [this](int i) {
        return find<QWidget>(QStringLiteral("cmdSelectOption_%1").arg(i))->geometry().topLeft();
    };
    EXPECT_EQ(pos(0).y(), pos(1).y());
    EXPECT_EQ(pos(1).y(), pos(5).y());
    EXPECT_LT(pos(0).x(), pos(1).x());
    EXPECT_LT(pos(1).x(), pos(5).x());
    EXPECT_GT(pos(2).y(), pos(0).y());
    EXPECT_EQ(pos(2).x(), pos(0).x());
    EXPECT_EQ(pos(3).x(), pos(1).x());
    EXPECT_EQ(pos(4).x(), pos(5).x());
    EXPECT_EQ(find<QLabel>("lblCaption_0")->text(), "Welcome to Orbika Finance Astrology");
    EXPECT_EQ(find<QLabel>("lblCaption_2")->text(),
              "Orbika Finance Astrology includes the following programs");
    EXPECT_FALSE(find<QAction>("mkmoney")->isVisible());
}

TEST_F(ShellTest, OpeningAToolClosesEveryWindowOfTheToolBefore) {
    ToolWindow* career = openTool(1);
    ASSERT_NE(career, nullptr);
    EXPECT_EQ(career->objectName(), "frmCareerAstrologyMain");
    EXPECT_FALSE(welcomeVisible());
    EXPECT_TRUE(career->isVisible());
    EXPECT_EQ(career->y(), 0);

    enterBirthData(career, "Ada", 10, "December", 1915);
    click("cmdProceed", career);
    EXPECT_EQ(loadedToolWindows(),
              QStringList({"frmCareerAstrologyMain", "frmCareerAstrologyDisplay"}));

    ToolWindow* power = openTool(5);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(loadedToolWindows(), QStringList({"frmZodiacPowerSignMain"}));
    EXPECT_FALSE(welcomeVisible());
    EXPECT_EQ(find<QLineEdit>("txtName", power)->text(), "");
}

TEST_F(ShellTest, OpeningTheSameToolAgainStartsAfresh) {
    ToolWindow* first = openTool(0);
    find<QLineEdit>("txtName", first)->setText("Grace");
    ToolWindow* second = openTool(0);
    EXPECT_NE(first, second);
    EXPECT_EQ(loadedToolWindows(), QStringList({"frmFinancialAstrologyMain"}));
    EXPECT_EQ(find<QLineEdit>("txtName", second)->text(), "");
}

TEST_F(ShellTest, ClosingAnEntryWindowShowsTheWelcomePanel) {
    ToolWindow* lucky = openTool(2);
    click("cmdExit", lucky);
    EXPECT_TRUE(welcomeVisible());
    EXPECT_TRUE(loadedToolWindows().isEmpty());

    ToolWindow* financial = openTool(0);
    financial->close(); // its close box
    EXPECT_TRUE(welcomeVisible());
}

TEST_F(ShellTest, ToolCaptionsOpenToolsAndTheOthersDoNothing) {
    for (int index : {0, 1, 2}) {
        clickLabel(find<QLabel>(QStringLiteral("lblCaption_%1").arg(index)));
        EXPECT_TRUE(loadedToolWindows().isEmpty());
    }
    clickLabel(find<QLabel>("lblCaption_6"));
    EXPECT_EQ(loadedToolWindows(), QStringList({"frmZodiacCommunicationSignMain"}));
}

TEST_F(ShellTest, HoveredToolCaptionsStayUnderlinedUntilTheMouseCrossesThePanel) {
    auto* lucky = find<QLabel>("lblCaption_5");
    auto* energy = find<QLabel>("lblCaption_7");
    QTest::mouseMove(lucky, lucky->rect().center());
    EXPECT_TRUE(lucky->font().underline());
    QTest::mouseMove(energy, energy->rect().center());
    EXPECT_TRUE(lucky->font().underline());
    EXPECT_TRUE(energy->font().underline());
    auto* heading = find<QLabel>("lblCaption_0");
    QTest::mouseMove(heading, heading->rect().center());
    EXPECT_FALSE(heading->font().underline());
    EXPECT_TRUE(energy->font().underline()) << "the heading is no bare panel";

    auto* panel = find<QWidget>("picMain");
    QTest::mouseMove(panel, QPoint(5, 5));
    for (int i = 0; i < 9; ++i)
        EXPECT_FALSE(find<QLabel>(QStringLiteral("lblCaption_%1").arg(i))->font().underline()) << i;
}

TEST_F(ShellTest, MainWindowMenusAndLinksOpenTheirPages) {
    struct Case {
        const char* name;
        std::string_view address;
    };
    for (const Case& c :
         {Case{"mnuOnline", kOnlineHelpPageAddress}, Case{"mnuVisit", kHomePageAddress},
          Case{"mnuUpdate", kDownloadPageAddress}, Case{"mnuDonate", kDonationPageAddress}}) {
        platform.openedUrls.clear();
        trigger(QLatin1String(c.name));
        EXPECT_EQ(platform.openedUrls, QList<QUrl>{Url(c.address)}) << c.name;
    }
    for (const Case& c :
         {Case{"lblOrbikaBanner", kHomePageAddress}, Case{"Picture6", kHomePageAddress},
          Case{"Label7", kFullBrandPageAddress}}) {
        platform.openedUrls.clear();
        clickLabel(find<QWidget>(QLatin1String(c.name)));
        EXPECT_EQ(platform.openedUrls, QList<QUrl>{Url(c.address)}) << c.name;
    }
    EXPECT_TRUE(platform.messages.isEmpty());
    EXPECT_TRUE(welcomeVisible());
}

TEST_F(ShellTest, AboutBoxIsModalAndShowsTheSameFromEveryWindowWithAMenu) {
    QStringList aboutTexts;
    platform.onModal = [&](QDialog& about) {
        EXPECT_EQ(about.objectName(), "frmAbout");
        EXPECT_EQ(about.windowTitle(), "Orbika Finance Astrology v1.15");
        EXPECT_EQ(about.findChild<QLabel*>("Label2")->text(), "Orbika Finance Astrology v1.15");
        EXPECT_EQ(about.findChild<QLabel*>("lblHomePage")->text(),
                  "Click here to visit " + QString::fromUtf8(kHomePageAddress.data()));
        platform.openedUrls.clear();
        clickLabel(about.findChild<QLabel*>("lblCobrand"));
        EXPECT_EQ(platform.openedUrls, QList<QUrl>{Url(kFullBrandPageAddress)});
        aboutTexts << about.findChild<QLabel*>("Label1")->text();
    };
    trigger("mnuAbout");

    ToolWindow* entry = openTool(1);
    trigger("mnuAbout", entry);
    enterBirthData(entry, "Ada", 10, "December", 1915);
    click("cmdProceed", entry);
    trigger("mnuAbout", toolWindow("frmCareerAstrologyDisplay"));
    ToolWindow* planet = openTool(3);
    trigger("mnuAbout", planet);

    ASSERT_EQ(platform.modalDialogs.size(), 4);
    for (const RecordedDialog& dialog : platform.modalDialogs)
        EXPECT_TRUE(dialog.modal);
    EXPECT_EQ(aboutTexts.size(), 4);
    EXPECT_EQ(aboutTexts.count(aboutTexts.first()), 4);
}

TEST_F(ShellTest, ClosingTheMainWindowClosesEverythingWithoutAPrompt) {
    ToolWindow* entry = openTool(0);
    enterBirthData(entry, "Ada", 10, "December", 1915);
    click("cmdProceed", entry);
    trigger("mnuExit", main.get()->menuBar());
    EXPECT_FALSE(main->isVisible());
    EXPECT_TRUE(loadedToolWindows().isEmpty());
    EXPECT_TRUE(platform.messages.isEmpty());
}

TEST(StartApplication, ASecondInstanceSaysSoAndOpensNoWindow) {
    FakePlatform platform;
    platform.anotherInstance = true;
    EXPECT_EQ(StartApplication(platform), nullptr);
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_EQ(platform.messages[0].text, "Application is already running");
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::Information);
    EXPECT_EQ(platform.messages[0].title, "Orbika Finance Astrology");
    for (QWidget* widget : QApplication::topLevelWidgets())
        EXPECT_FALSE(widget->isVisible());
}

TEST(StartApplication, TheFirstInstanceOpensTheMainWindow) {
    FakePlatform platform;
    auto window = StartApplication(platform);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->isWelcomeVisible());
    EXPECT_TRUE(platform.messages.isEmpty());
}

// Every tool of the table: its button opens its entry window, a birth date gives a result that
// shows a sign, and closing both windows brings the welcome panel back with nothing left loaded.
TEST_F(ShellTest, EveryToolOpensReadsAndCloses) {
    for (const Tool& tool : Tools()) {
        SCOPED_TRACE(std::string(tool.caption));
        ToolWindow* entry = openTool(int(IndexOf(tool.kind)));
        ASSERT_NE(entry, nullptr);
        EXPECT_EQ(entry->kind(), tool.kind);
        EXPECT_EQ(entry->windowTitle(), Q(tool.windowCaption));
        if (tool.planet) {
            EXPECT_EQ(entry->objectName(), Q(tool.planet->entryWindow));
        }
        EXPECT_FALSE(welcomeVisible());

        enterBirthData(entry, "Ann", 5, "March", YearOffered(tool));
        click(ProceedButton(tool), entry);
        ToolWindow* result = main->loadedWindow(tool.kind, ToolWindowRole::Result);
        ASSERT_NE(result, nullptr);
        EXPECT_TRUE(result->isVisible());
        EXPECT_FALSE(entry->isVisible());
        EXPECT_EQ(result->windowTitle(), Q(tool.windowCaption));
        QStringList shownSigns;
        for (QLabel* label : result->findChildren<QLabel*>()) {
            if (SignIndex(U8(label->text().trimmed())))
                shownSigns << label->text();
        }
        EXPECT_FALSE(shownSigns.isEmpty()) << "the result shows no sign";

        trigger("mnuExit", result);
        // Not every entry window has an Exit; closing it is what its title bar does.
        if (ToolWindow* back = main->loadedWindow(tool.kind, ToolWindowRole::Entry))
            back->close();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(loadedToolWindows().isEmpty());
        EXPECT_TRUE(welcomeVisible());
    }
}

// A short soak (the long one is bench/soak.cpp): every tool opened, read, reported and closed ten
// times leaves no widget behind.
TEST_F(ShellTest, ToolCyclesLeaveNoWidgetBehind) {
    auto cycle = [&] {
        for (const Tool& tool : Tools()) {
            ToolWindow* entry = openTool(int(IndexOf(tool.kind)));
            enterBirthData(entry, "Ann", 5, "March", YearOffered(tool));
            click(ProceedButton(tool), entry);
            ASSERT_EQ(loadedToolWindows().size(), 2) << tool.caption;
            if (!tool.planet) {
                click("cmdPrint", main->loadedWindow(tool.kind, ToolWindowRole::Result));
                ASSERT_EQ(loadedToolWindows().size(), 3) << tool.caption;
            }
            main->closeAllToolWindows();
            QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            ASSERT_TRUE(loadedToolWindows().isEmpty()) << tool.caption;
        }
    };
    cycle(); // the first round makes what Qt keeps for the whole run
    const qsizetype before = QApplication::allWidgets().size();
    for (int round = 0; round < 10; ++round)
        cycle();
    EXPECT_EQ(QApplication::allWidgets().size(), before);
}

} // namespace
} // namespace orbika::test
