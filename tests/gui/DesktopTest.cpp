// Saved readings opened as documents: from the command line, from a later start, and the names
// and folders the file dialogs offer.

#include "GuiFixture.h"

#include "app/StartApplication.h"
#include "platform/FileNames.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>

namespace orbika::test {
namespace {

QString Fixture(const char* name) {
    return QStringLiteral(ORBIKA_TEST_DATA "/") + name;
}

TEST(SuggestedFileName, KeepsWhatAFileNameCanHoldAndReplacesTheRest) {
    struct Case {
        const char* why;
        QString name;
        QString expected;
    };
    const QString longName(300, u'a');
    const QString longAccented(200, u'é'); // two bytes each in UTF-8
    for (const Case& c : {
             Case{"plain name", "Ada King", "Ada King.zod"},
             Case{"blanks around go", "  Bob  ", "Bob.zod"},
             Case{"slash", "AC/DC", "AC_DC.zod"},
             Case{"characters other systems refuse", R"(a\b:c*d?e"f<g>h|i)",
                  "a_b_c_d_e_f_g_h_i.zod"},
             Case{"control characters", QStringLiteral("tab\there\u0001"), "tab_here_.zod"},
             Case{"leading dot would hide the file", "..Ada", "_.Ada.zod"},
             Case{"letters beyond ASCII stay", "Zoë Ångström", "Zoë Ångström.zod"},
             Case{"nothing left", "   ", ""},
             Case{"cut to 255 bytes", longName, QString(251, u'a') + ".zod"},
             Case{"cut between whole characters", longAccented, QString(125, u'é') + ".zod"},
         }) {
        SCOPED_TRACE(c.why);
        const QString suggested = SuggestedFileName(c.name, "zod");
        EXPECT_EQ(suggested, c.expected);
        EXPECT_LE(suggested.toUtf8().size(), 255);
    }
    EXPECT_EQ(SuggestedFileName(QString::fromUtf8("😀").repeated(120), "zod").size(), 2 * 62 + 4)
        << "a character outside the basic plane is never cut in half";
}

class Desktop : public GuiTest {};

TEST_F(Desktop, TheSaveDialogsOfferThePersonsName) {
    ToolWindow* report = openReport(0, "Ada/King", 5, "March", 2000);
    click("cmdSave", report);
    click("cmdSavePdf", report);
    ASSERT_EQ(platform.saveRequests.size(), 2);
    EXPECT_EQ(platform.saveRequests[0].suggestedName, "Ada_King.zod");
    EXPECT_EQ(platform.saveRequests[1].suggestedName, "Ada_King.pdf");
}

TEST_F(Desktop, ASavedReadingOpensInItsToolAsOpenWouldOpenIt) {
    main->openSavedReading(Fixture("ada-5-march-2000.zod"));
    EXPECT_TRUE(platform.messages.isEmpty());
    EXPECT_TRUE(platform.openRequests.isEmpty()) << "no dialog: the file is chosen";
    ToolWindow* result = toolWindow("frmFinancialAstrologyDisplay");
    ASSERT_NE(result, nullptr);
    EXPECT_EQ(find<QLabel>("lblStarSign", result)->text(), "Pisces");
    EXPECT_EQ(find<QLineEdit>("txtName", toolWindow("frmFinancialAstrologyMain"))->text(),
              "Ada King");

    main->openSavedReading(Fixture("career-blanks.cwc"));
    EXPECT_EQ(toolWindow("frmFinancialAstrologyDisplay"), nullptr) << "one tool at a time";
    EXPECT_NE(toolWindow("frmCareerAstrologyDisplay"), nullptr);
    EXPECT_EQ(main->readings().career.Name, "  Bob  ");
}

TEST_F(Desktop, ARefusedFileGivesOpensMessageAndNothingElse) {
    struct Case {
        const char* fixture;
        QStringList windows; // what is loaded afterwards
    };
    for (const Case& c : {
             Case{"no-such-file.zod", {"frmFinancialAstrologyMain"}},
             Case{"short-file.zod", {"frmFinancialAstrologyMain"}},
             Case{"UPPER-CASE.ZOD", {}},
             Case{"no-such-file.txt", {}},
         }) {
        SCOPED_TRACE(c.fixture);
        main->closeAllToolWindows();
        platform.messages.clear();
        main->openSavedReading(Fixture(c.fixture));
        ASSERT_EQ(platform.messages.size(), 1);
        EXPECT_EQ(platform.messages[0].text, "Please Check The File.");
        EXPECT_EQ(platform.messages[0].icon, MessageIcon::Error);
        EXPECT_EQ(loadedToolWindows(), c.windows);
    }
}

TEST_F(Desktop, ALaterStartWaitsForAnOpenMessageBoxToClose) {
    QMessageBox box(QMessageBox::Information, "Orbika Finance Astrology", "modal", QMessageBox::Ok,
                    main.get());
    QTimer::singleShot(0, &box, [&] {
        main->laterStart(Fixture("ada-5-march-2000.zod"));
        EXPECT_TRUE(loadedToolWindows().isEmpty()) << "nothing changes under the message box";
        box.accept();
    });
    box.exec();
    EXPECT_TRUE(QTest::qWaitFor([&] { return toolWindow("frmFinancialAstrologyDisplay"); }));
}

TEST(StartApplicationWithFile, ASecondStartHandsItsFileOverAndSaysNothing) {
    FakePlatform platform;
    platform.anotherInstance = true;
    EXPECT_EQ(StartApplication(platform, "/home/ada/ada.zod"), nullptr);
    EXPECT_EQ(platform.handedOver, QStringList{"/home/ada/ada.zod"});
    EXPECT_TRUE(platform.messages.isEmpty());

    platform.handedOver.clear();
    EXPECT_EQ(StartApplication(platform), nullptr);
    EXPECT_EQ(platform.handedOver, QStringList{""}) << "the running copy still comes forward";
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_EQ(platform.messages[0].text, "Application is already running");

    // A running copy that cannot be reached: the second start still says so.
    platform.messages.clear();
    platform.runningInstanceAnswers = false;
    EXPECT_EQ(StartApplication(platform, "/home/ada/ada.zod"), nullptr);
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_EQ(platform.messages[0].text, "Application is already running");
}

TEST(StartApplicationWithFile, TheFirstStartOpensItsFileAndListensForLaterOnes) {
    FakePlatform platform;
    auto window = StartApplication(platform, Fixture("ada-5-march-2000.zod"));
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(platform.messages.isEmpty());
    EXPECT_EQ(window->readings().financial.Sign, "Pisces");
    ASSERT_TRUE(platform.laterStart);
    platform.laterStart(Fixture("career-blanks.cwc"));
    EXPECT_EQ(window->readings().career.Sign, "Cancer");
}

} // namespace
} // namespace orbika::test
