#include "GuiFixture.h"
#include "HostileFiles.h"
#include "birth/modBirthData.h"

#include "reports/SavedReadingFiles.h"
#include "reports/modSavedReading.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>

namespace orbika::test {
namespace {

QString Fixture(const char* name) {
    return QStringLiteral(ORBIKA_TEST_DATA "/") + name;
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class SavedFiles : public GuiTest {
protected:
    // Makes a reading in tool 0 or 1 and saves it from its report to `path`.
    void saveFrom(int tool, const QString& name, int day, const QString& month, int year,
                  const QString& path) {
        ToolWindow* report = openReport(tool, name, day, month, year);
        platform.saveAnswers = {path};
        click("cmdSave", report);
    }
    // Opens `path` from a fresh entry window of tool 0 or 1.
    ToolWindow* openFrom(int tool, const QString& path) {
        ToolWindow* entry = openTool(tool);
        platform.openAnswers = {path};
        platform.messages.clear();
        click("cmdOpen", entry);
        return entry;
    }
    QTemporaryDir dir;
};

TEST_F(SavedFiles, FinancialReadingComesBackFromItsFile) {
    const QString path = dir.filePath("ada.zod");
    saveFrom(0, "  Ada King  ", 5, "March", 2000, path);
    ASSERT_EQ(platform.saveRequests.size(), 1);
    EXPECT_EQ(platform.saveRequests[0].title, "Save Your Zodiac Signs Result ....");
    EXPECT_EQ(platform.saveRequests[0].filter, "Rich Text Format (*.zod)");
    EXPECT_EQ(platform.saveRequests[0].defaultSuffix, "zod");
    EXPECT_TRUE(platform.messages.isEmpty());
    EXPECT_EQ(ReadAll(path), ReadAll(Fixture("ada-5-march-2000.zod"))) << "byte for byte";

    ToolWindow* entry = openFrom(0, path);
    EXPECT_EQ(platform.openRequests.last().title, "Select the source file");
    EXPECT_EQ(platform.openRequests.last().filter, "Orbika Free Zodiac Signs (*.zod)");
    EXPECT_TRUE(platform.messages.isEmpty());
    EXPECT_EQ(find<QLineEdit>("txtName", entry)->text(), "Ada King");
    ToolWindow* result = toolWindow("frmFinancialAstrologyDisplay");
    ASSERT_NE(result, nullptr);
    EXPECT_EQ(find<QLabel>("lblStarSign", result)->text(), "Pisces");
    EXPECT_EQ(main->readings().financial.Year, 2000);
}

TEST_F(SavedFiles, CareerReadingKeepsTheBlanksAroundTheName) {
    const QString path = dir.filePath("bob.cwc");
    saveFrom(1, "  Bob  ", 5, "July", 1960, path);
    EXPECT_EQ(platform.saveRequests[0].title, "Save Your Coworker Compatibility Result ....");
    EXPECT_EQ(ReadAll(path), ReadAll(Fixture("career-blanks.cwc")));
    ToolWindow* entry = openFrom(1, path);
    EXPECT_EQ(platform.openRequests.last().filter, "Orbika Free Coworker Compatibility (*.cwc)");
    EXPECT_EQ(find<QLineEdit>("txtName", entry)->text(), "  Bob  ");
    EXPECT_EQ(main->readings().career.Sign, "Cancer");
    EXPECT_NE(toolWindow("frmCareerAstrologyDisplay"), nullptr);
}

TEST_F(SavedFiles, AReportSavesTheReadingItShowsEvenAfterANewReadingInItsTool) {
    for (const int tool : {0, 1}) {
        SCOPED_TRACE(tool);
        ToolWindow* report = openReport(tool, "Ada", 5, "March", 2000);
        const bool financial = tool == 0;
        click("cmdBack",
              toolWindow(financial ? "frmFinancialAstrologyDisplay" : "frmCareerAstrologyDisplay"));
        ToolWindow* entry =
            toolWindow(financial ? "frmFinancialAstrologyMain" : "frmCareerAstrologyMain");
        enterBirthData(entry, "Bob", 7, "July", 1960);
        click("cmdProceed", entry);

        const QString path = dir.filePath(financial ? "shown.zod" : "shown.cwc");
        platform.saveAnswers = {path};
        click("cmdSave", report);
        const QByteArray bytes = ReadAll(path);
        EXPECT_EQ(ParseSavedReading(bytes.toStdString()).lines,
                  (SavedReadingLines{"Ada", "March", "5", "2000"}));
        report->close();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(SavedFiles, FilesThatCannotBeReadBackAreRefusedAndChangeNothing) {
    struct Case {
        int tool;
        const char* fixture;
    };
    for (const Case& c :
         {Case{0, "short-file.zod"}, Case{0, "bad-day.zod"}, Case{0, "year-not-listed.zod"},
          Case{0, "lf-only-endings.zod"}, Case{0, "UPPER-CASE.ZOD"},
          Case{0, "not-written-by-save.zod"}, Case{0, "career-blanks.cwc"},
          Case{1, "ada-5-march-2000.zod"}, Case{0, "no-such-file.zod"}}) {
        SCOPED_TRACE(c.fixture);
        ToolWindow* entry = openFrom(c.tool, Fixture(c.fixture));
        ASSERT_EQ(platform.messages.size(), 1);
        EXPECT_EQ(platform.messages[0].text, "Please Check The File.");
        EXPECT_EQ(platform.messages[0].icon, MessageIcon::Error);
        EXPECT_EQ(platform.messages[0].title, "Orbika Finance Astrology");
        EXPECT_EQ(find<QLineEdit>("txtName", entry)->text(), "");
        EXPECT_EQ(find<QComboBox>("cboMonth", entry)->currentIndex(), 0);
        EXPECT_EQ(loadedToolWindows().size(), 1) << "no reading was made";
    }
}

TEST_F(SavedFiles, CrOnlyEndingsOpen) {
    openFrom(0, Fixture("cr-only-endings.zod"));
    EXPECT_TRUE(platform.messages.isEmpty());
    EXPECT_EQ(main->readings().financial.Name, "Grace");
    EXPECT_EQ(main->readings().financial.Sign, "Leo");
}

TEST_F(SavedFiles, AnEmptyNameLineLetsTheNameCheckSpeak) {
    const QString path = dir.filePath("nameless.zod");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray::fromStdString(FormatSavedReading({"", "May", "1", "1950"})));
    file.close();
    openFrom(0, path);
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_EQ(platform.messages[0].text, "Please Enter Your Name");
}

TEST_F(SavedFiles, CancellingEitherDialogIsSilent) {
    openFrom(0, QString());
    EXPECT_TRUE(platform.messages.isEmpty());
    saveFrom(0, "Ada", 5, "March", 2000, QString());
    EXPECT_TRUE(platform.messages.isEmpty());
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

TEST_F(SavedFiles, AFailedSaveSaysWhyAndLeavesAnyFileAsItWas) {
    const QString missingFolder = dir.filePath("no-such-folder/ada.zod");
    saveFrom(0, "Ada", 5, "March", 2000, missingFolder);
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::Error);
    EXPECT_TRUE(platform.messages[0].text.contains(QDir::toNativeSeparators(missingFolder)));
    EXPECT_FALSE(QFile::exists(missingFolder));

    // A folder standing where the file should go cannot be replaced.
    const QString folder = dir.filePath("taken.zod");
    ASSERT_TRUE(QDir().mkdir(folder));
    ASSERT_TRUE(QFile(folder + "/keep").open(QIODevice::WriteOnly));
    platform.messages.clear();
    platform.saveAnswers = {folder};
    click("cmdSave", toolWindow("frmFinancialAstrologySave"));
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_TRUE(QFile::exists(folder + "/keep"));
}

TEST_F(SavedFiles, ANameTheFileCannotHoldIsSavedOnlyWithConsent) {
    const QString path = dir.filePath("zoe.zod");
    QFile existing(path);
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.write("old contents");
    existing.close();

    platform.messageAnswers = {MessageResult::No};
    saveFrom(0, "Zo\u00eb \u00dcnal \u2713", 5, "March", 2000, path);
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_EQ(platform.messages[0].text,
              "The name contains characters that a saved reading cannot hold: \u00eb, \u00dc, "
              "\u2713. Save the reading without them?");
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::Warning);
    EXPECT_EQ(platform.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(ReadAll(path), "old contents");

    platform.messageAnswers = {MessageResult::Yes};
    platform.saveAnswers = {path};
    click("cmdSave", toolWindow("frmFinancialAstrologySave"));
    const QByteArray saved = ReadAll(path);
    EXPECT_TRUE(saved.startsWith(QByteArray::fromStdString(ScrambleText("Zo nal ") + "\r\n")));
}

TEST_F(SavedFiles, HostileFilesAreRefusedAtOnceAndSavesKeepWhatTheyReplace) {
    HostileFiles files;
    for (const char* name :
         {"fifo.zod", "folder.zod", "device.zod", "socket.zod", "long-name.zod"}) {
        SCOPED_TRACE(name);
        openFrom(0, files.qpath(name));
        ASSERT_EQ(platform.messages.size(), 1);
        EXPECT_EQ(platform.messages[0].text, "Please Check The File.");
        EXPECT_EQ(loadedToolWindows().size(), 1) << "no reading was made";
    }
    openFrom(0, files.qpath("link.zod"));
    EXPECT_TRUE(platform.messages.isEmpty());
    EXPECT_EQ(main->readings().financial.Name, "Ada");

    ToolWindow* report = openReport(0, "Grace", 3, "June", 1971);
    auto save = [&](const char* name) {
        platform.messages.clear();
        platform.saveAnswers = {files.qpath(name)};
        click("cmdSave", report);
    };
    for (const char* name : HostileFiles::kNotFiles) {
        SCOPED_TRACE(name);
        const mode_t before = HostileFiles::Mode(files.path(name));
        save(name);
        ASSERT_EQ(platform.messages.size(), 1);
        EXPECT_TRUE(platform.messages[0].text.startsWith("The reading could not be saved"));
        EXPECT_EQ(HostileFiles::Mode(files.path(name)), before) << "left as it was";
    }

    save("read-only.zod");
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_EQ(platform.messages[0].text,
              QDir::toNativeSeparators(files.qpath("read-only.zod")) +
                  "\nThis file is set to read-only.\nTry again with a different file name.");
    EXPECT_EQ(HostileFiles::Read(files.path("read-only.zod")), "unchanged");

    save("private.zod");
    EXPECT_TRUE(platform.messages.isEmpty());
    EXPECT_EQ(HostileFiles::Mode(files.path("private.zod")) & 07777, 0600u);

    save("link.zod");
    EXPECT_TRUE(platform.messages.isEmpty());
    EXPECT_TRUE(S_ISLNK(HostileFiles::Mode(files.path("link.zod"))));
    EXPECT_TRUE(HostileFiles::Read(files.path("good.zod"))
                    .startsWith(QByteArray::fromStdString(ScrambleText("Grace"))));
}

TEST_F(SavedFiles, TheLongestNameTheBoxTakesComesBackWhole) {
    ToolWindow* entry = openTool(1);
    auto* name = find<QLineEdit>("txtName", entry);
    name->setText(QString(300, 'L'));
    EXPECT_EQ(name->text().size(), kMaxNameLength);
    enterBirthData(entry, QString(kMaxNameLength, 'L'), 3, "June", 1971);
    click("cmdProceed", entry);
    click("cmdPrint", toolWindow("frmCareerAstrologyDisplay"));
    const QString path = dir.filePath("long.cwc");
    platform.saveAnswers = {path};
    click("cmdSave", toolWindow("frmCareerAstrologySave"));

    ToolWindow* reopened = openFrom(1, path);
    EXPECT_TRUE(platform.messages.isEmpty());
    EXPECT_EQ(find<QLineEdit>("txtName", reopened)->text(), QString(kMaxNameLength, 'L'));
}

} // namespace
} // namespace orbika::test
