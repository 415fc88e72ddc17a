#include "GuiFixture.h"

#include "content/PlanetTexts.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace orbika::test {
namespace {

struct PlanetReading {
    int button;
    const char* entry;
    const char* result;
    const char* menuTwin;
    const char* frame;
    const char* frameCaption;
    const char* signLabel;
    const char* bodyLine;
    const char* placementLine;
    int day;
    const char* month;
    int year;
    const char* sign;
    std::string_view interpretation;
};

void PrintTo(const PlanetReading& reading, std::ostream* os) {
    *os << reading.entry;
}

const PlanetReading kReadings[] = {
    {5, "frmZodiacPowerSignMain", "frmZodiacPowerSignDisplay", "mnuFindPowerSign", "fraPowerSign",
     "Zodiac Power Sign", "lblPowerSign", "Pluto is known as the Planet of Power",
     "Pluto in your Chart is Placed in", 1, "January", 1930, "Cancer", content::kPlutoTexts[3]},
    {2, "frmZodiacLuckySignMain", "frmZodiacLuckySignDisplay", "mnuFindMyLuckySign", "fraLuckySign",
     "Zodiac Lucky Sign", "lblLuckySign", "Jupiter is known as the Planet of Luck",
     "Jupiter in your Chart is Placed in", 18, "December", 1924, "Capricorn",
     content::kJupiterTexts[9]},
    {3, "frmZodiacCommunicationSignMain", "frmZodiacCommunicationSignDisplay", "mnuFind",
     "fraCommunicationSign", "Zodiac Communication Sign", "lblCommunicationSign",
     "Mercury is known as the Planet of Communication", "Mercury in your Chart is Placed in", 3,
     "January", 1930, "Aquarius", content::kMercuryTexts[10]},
    {4, "frmZodiacEnergySignMain", "frmZodiacEnergySignDisplay", "mnuFindSexualitySign",
     "fraSexualitySign", "Zodiac Energy Sign", "lblSexualitySign",
     "Vesta is known as the Asteroid of Energy", "Vesta in your Chart is Placed in", 1, "January",
     1930, "Leo", content::kVestaTexts[4]},
};

class PlanetWindows : public GuiTest, public ::testing::WithParamInterface<PlanetReading> {};

TEST_P(PlanetWindows, ReadingShowsTheSignAndItsInterpretation) {
    const PlanetReading& p = GetParam();
    ToolWindow* entry = openTool(p.button);
    enterBirthData(entry, "MARY ANN", p.day, p.month, p.year);
    click("cmdNext", entry);
    ToolWindow* result = toolWindow(p.result);
    ASSERT_NE(result, nullptr);
    EXPECT_TRUE(result->isVisible());
    EXPECT_FALSE(entry->isVisible());
    EXPECT_FALSE(welcomeVisible());
    EXPECT_EQ(result->windowTitle(), entry->windowTitle());
    auto* frame = find<QGroupBox>(p.frame, result);
    EXPECT_EQ(frame->title(), p.frameCaption);
    const QList<QLabel*> lines = frame->findChildren<QLabel*>();
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0]->text(), p.bodyLine);
    EXPECT_EQ(lines[1]->text(), p.placementLine);
    EXPECT_EQ(lines[2]->objectName(), p.signLabel);
    EXPECT_EQ(lines[2]->text(), p.sign);
    EXPECT_EQ(lines[3]->objectName(), "lblSignDesc");
    EXPECT_EQ(lines[3]->text().toStdString(), p.interpretation);
    for (int i = 1; i < 4; ++i)
        EXPECT_GT(lines[i]->y(), lines[i - 1]->y()) << "line " << i;
}

TEST_P(PlanetWindows, BackKeepsTheEntryAndTheFileMenuTwinReadsAgain) {
    const PlanetReading& p = GetParam();
    ToolWindow* entry = openTool(p.button);
    enterBirthData(entry, "MARY", p.day, p.month, p.year);
    trigger(QLatin1String(p.menuTwin), entry);
    ToolWindow* result = toolWindow(p.result);
    ASSERT_NE(result, nullptr);
    trigger("mnuFileBack", result);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(loadedToolWindows(), QStringList{p.entry});
    EXPECT_TRUE(entry->isVisible());
    EXPECT_FALSE(welcomeVisible());
    EXPECT_EQ(find<QLineEdit>("txtName", entry)->text(), "MARY");
    EXPECT_EQ(find<QComboBox>("cboMonth", entry)->currentText(), p.month);

    click("cmdNext", entry);
    result = toolWindow(p.result);
    ASSERT_NE(result, nullptr);
    EXPECT_EQ(find<QLabel>(p.signLabel, result)->text(), p.sign);
    click("cmdExit", result);
    EXPECT_TRUE(welcomeVisible());
    EXPECT_FALSE(entry->isVisible());
}

TEST_P(PlanetWindows, RefusedDateMakesNoResultWindow) {
    const PlanetReading& p = GetParam();
    ToolWindow* entry = openTool(p.button);
    enterBirthData(entry, "MARY", 31, "April", 1950);
    click("cmdNext", entry);
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_EQ(loadedToolWindows(), QStringList{p.entry});
    EXPECT_TRUE(entry->isVisible());
}

INSTANTIATE_TEST_SUITE_P(AllFour, PlanetWindows, ::testing::ValuesIn(kReadings),
                         [](const auto& info) { return std::string(info.param.entry); });

using PlanetWindowsEdge = GuiTest;

TEST_F(PlanetWindowsEdge, BoundaryDatesOfThePowerSign) {
    ToolWindow* entry = openTool(5);
    for (const auto& [day, sign] : {std::pair{10, "Gemini"}, std::pair{11, "Cancer"}}) {
        enterBirthData(entry, "ANN", day, "September", 1912);
        click("cmdNext", entry);
        ToolWindow* result = toolWindow("frmZodiacPowerSignDisplay");
        ASSERT_NE(result, nullptr);
        EXPECT_EQ(find<QLabel>("lblPowerSign", result)->text(), sign);
        click("cmdBack", result);
    }
}

} // namespace
} // namespace orbika::test
