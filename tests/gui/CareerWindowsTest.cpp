#include "GuiFixture.h"

#include "birth/modBirthData.h"
#include "career/frmCareerAstrologyMain.h"
#include "career/modCareerAstrology.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace orbika::test {
namespace {

class CareerWindows : public GuiTest {
protected:
    ToolWindow* proceed(const QString& name, int day, const QString& month, int year) {
        ToolWindow* entry = toolWindow("frmCareerAstrologyMain");
        if (!entry)
            entry = openTool(1);
        enterBirthData(entry, name, day, month, year);
        click("cmdProceed", entry);
        return toolWindow("frmCareerAstrologyDisplay");
    }
    QString label(ToolWindow* window, const QString& name) {
        return find<QLabel>(name, window)->text();
    }
};

TEST_F(CareerWindows, ProceedShowsTheProfileAndKeepsTheNameAsTyped) {
    ToolWindow* result = proceed("  Bob  ", 5, "July", 1960);
    ASSERT_NE(result, nullptr);
    const CareerReading& reading = main->readings().career;
    EXPECT_EQ(reading.Name, "  Bob  ");
    EXPECT_EQ(reading.Day, "5");
    EXPECT_EQ(reading.Month, "July");
    EXPECT_EQ(reading.Year, "1960");
    EXPECT_EQ(reading.Sign, "Cancer");

    EXPECT_TRUE(result->isVisible());
    EXPECT_FALSE(toolWindow("frmCareerAstrologyMain")->isVisible());
    EXPECT_FALSE(welcomeVisible());
    EXPECT_EQ(find<QGroupBox>("Frame1", result)->title(), "Orbika Career Astrology Result");
    EXPECT_EQ(label(result, "lblLabel_0"), "Your Career Profile");
    EXPECT_EQ(label(result, "lblSunSign_0"), "Cancer");
    EXPECT_EQ(label(result, "lblDisplay_0").count('\n'), 2) << "three paragraphs";
    EXPECT_FALSE(label(result, "lblDisplay_0").contains('\r'));
    EXPECT_FALSE(find<QLabel>("picSunSign_0", result)->pixmap().isNull());
    EXPECT_TRUE(find<QAction>("mnuPrint", result)->isEnabled());
    EXPECT_EQ(platform.clipboardClears, 0);
    EXPECT_FALSE(label(result, "Label14").endsWith('.'));
}

TEST_F(CareerWindows, EveryRowShowsOneOfItsOwnAttributesSentences) {
    for (std::size_t s = 0; s < 12; ++s) {
        SCOPED_TRACE(std::string(kSignNames[s]));
        ToolWindow* result = proceed("Bob", 5, kMonthInSign[s], 1971);
        ASSERT_NE(result, nullptr);
        EXPECT_EQ(label(result, "lblSunSign_0").toStdString(), kSignNames[s]);
        const auto profile = LookUpCareerProfile(kSignNames[s]);
        for (int k = 1; k <= 12; ++k) {
            EXPECT_EQ(label(result, QStringLiteral("lblLabel_%1").arg(k)).toStdString(),
                      modCareerAstrology::kAttributeLabels[std::size_t(k - 1)]);
            EXPECT_EQ(label(result, QStringLiteral("lblDisplay_%1").arg(k)).toStdString(),
                      profile->Attributes[std::size_t(k - 1)].Sentence);
        }
        const int breaks = label(result, "lblDisplay_0").count('\n');
        EXPECT_EQ(breaks, s == 3 ? 2 : (s == 0 || s == 4) ? 1 : 0);
        click("cmdBack", result);
    }
}

TEST_F(CareerWindows, BackProceedAndExitFollowTheWindowModel) {
    ToolWindow* result = proceed("Bob", 25, "March", 1970);
    EXPECT_EQ(label(result, "lblSunSign_0"), "Aries");
    trigger("mnuBack", result);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ToolWindow* entry = toolWindow("frmCareerAstrologyMain");
    EXPECT_TRUE(entry->isVisible());
    EXPECT_EQ(find<QLineEdit>("txtName", entry)->text(), "Bob");
    EXPECT_EQ(find<QComboBox>("cboDate", entry)->currentText(), "25");

    ToolWindow* second = proceed("Bob", 25, "February", 1970);
    EXPECT_EQ(label(second, "lblSunSign_0"), "Pisces");
    EXPECT_EQ(label(second, "lblDisplay_0").count('\n'), 0);

    click("cmdExit", second);
    EXPECT_TRUE(welcomeVisible());
    EXPECT_EQ(loadedToolWindows(), QStringList{"frmCareerAstrologyMain"});
    EXPECT_FALSE(toolWindow("frmCareerAstrologyMain")->isVisible());
}

TEST_F(CareerWindows, AnUnknownSignWritesNothingIntoTheResultWindow) {
    auto* entry = qobject_cast<frmCareerAstrologyMain*>(openTool(1));
    ASSERT_NE(entry, nullptr);
    entry->DisplayCareerProfile("aries");
    ToolWindow* result = toolWindow("frmCareerAstrologyDisplay");
    ASSERT_NE(result, nullptr);
    EXPECT_EQ(label(result, "lblSunSign_0"), "Your Sun Sign");
    EXPECT_EQ(label(result, "lblDisplay_1"), "-");
}

} // namespace
} // namespace orbika::test
