#include "GuiFixture.h"

#include "birth/modBirthData.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>

namespace orbika::test {
namespace {

class FinancialWindows : public GuiTest {
protected:
    ToolWindow* proceed(const QString& name, int day, const QString& month, int year) {
        ToolWindow* entry = toolWindow("frmFinancialAstrologyMain");
        if (!entry)
            entry = openTool(0);
        if (!entry->isVisible())
            return nullptr;
        enterBirthData(entry, name, day, month, year);
        click("cmdProceed", entry);
        return toolWindow("frmFinancialAstrologyDisplay");
    }

    QString box(ToolWindow* window, const char* name) {
        if (auto* line = window->findChild<QLineEdit*>(QLatin1String(name)))
            return line->text();
        return find<QPlainTextEdit>(QLatin1String(name), window)->toPlainText();
    }
};

TEST_F(FinancialWindows, ProceedShowsTheReadingOnTheSunSignTab) {
    ToolWindow* result = proceed("  Ada King  ", 10, "December", 1915);
    ASSERT_NE(result, nullptr);
    const FinancialReading& reading = main->readings().financial;
    EXPECT_EQ(reading.Name, "Ada King");
    EXPECT_EQ(reading.Day, 10);
    EXPECT_EQ(reading.Month, "December");
    EXPECT_EQ(reading.Year, 1915);
    EXPECT_EQ(reading.Sign, "Sagittarius");

    EXPECT_TRUE(result->isVisible());
    EXPECT_FALSE(toolWindow("frmFinancialAstrologyMain")->isVisible());
    EXPECT_FALSE(welcomeVisible());
    EXPECT_EQ(find<QTabWidget>("TS", result)->currentIndex(), 0);
    EXPECT_EQ(find<QTabWidget>("TS", result)->tabText(0), "Sun Sign Profile");
    EXPECT_EQ(find<QTabWidget>("TS", result)->tabText(1), "Financial Profile");
    EXPECT_EQ(find<QLabel>("lblStarSign", result)->text(), "Sagittarius");
    EXPECT_FALSE(find<QLabel>("picSign", result)->pixmap().isNull());
    EXPECT_EQ(box(result, "txtElement"), "Fire");
    EXPECT_EQ(box(result, "txtRulingPlanet"), "Jupiter");
    EXPECT_EQ(box(result, "txtLuckyNumber"), "5 & 7");
    EXPECT_EQ(box(result, "txtCompatibility"), "Aries & Leo");
    EXPECT_EQ(box(result, "txtBirthStone"), "Turquoise");
    EXPECT_EQ(box(result, "txtFamousPersons").toStdString(), reading.SunSign.FamousPersons);
    EXPECT_EQ(box(result, "txtFinancialProfile").toStdString(), reading.Financial.Text);
    EXPECT_EQ(find<QLabel>("lblLabel_2", result)->text(), "Pacts & Contracts");
    EXPECT_EQ(find<QLabel>("lblFinancialProfileAttributes_0", result)->text(),
              "You are very poor at financial planning.");
    for (const char* name : {"txtElement", "txtFinancialProfile", "txtPositiveTraits"})
        EXPECT_TRUE(find<QWidget>(QLatin1String(name), result)->property("readOnly").toBool());
    EXPECT_FALSE(find<QAction>("mnuPrint", result)->isEnabled());
    EXPECT_TRUE(find<QAction>("mnuPrint", result)->isVisible());
}

TEST_F(FinancialWindows, EverySignFillsBothPagesWithNothingLeftOfTheSignBefore) {
    for (std::size_t s = 0; s < 12; ++s) {
        SCOPED_TRACE(std::string(kSignNames[s]));
        ToolWindow* result = proceed("Ada", 5, kMonthInSign[s], 1950);
        ASSERT_NE(result, nullptr);
        SunSignProfile profile;
        StarSignDescription(kSignNames[s], profile);
        FinancialProfile financial;
        Financial_Profile(kSignNames[s], financial);
        EXPECT_EQ(find<QLabel>("lblStarSign", result)->text().toStdString(), kSignNames[s]);
        EXPECT_EQ(box(result, "txtQuality").toStdString(), profile.Quality);
        EXPECT_EQ(box(result, "txtLuckyColor").toStdString(), profile.LuckyColor);
        EXPECT_EQ(box(result, "txtLuckyDay").toStdString(), profile.LuckyDay);
        EXPECT_EQ(box(result, "txtPositiveTraits").toStdString(), profile.PositiveTraits);
        EXPECT_EQ(box(result, "txtNegativeTraits").toStdString(), profile.NegativeTraits);
        EXPECT_EQ(box(result, "txtFinancialProfile").toStdString(), financial.Text);
        for (int a = 0; a < 12; ++a) {
            EXPECT_EQ(
                find<QLabel>(QStringLiteral("lblFinancialProfileAttributes_%1").arg(a), result)
                    ->text()
                    .toStdString(),
                financial.Attributes[std::size_t(a)].Sentence);
        }
        click("cmdBack", result);
    }
}

TEST_F(FinancialWindows, BackReturnsToTheEntryAsLeftAndTheNextResultOpensOnTabOne) {
    ToolWindow* result = proceed("Ada", 21, "March", 2000);
    find<QTabWidget>("TS", result)->setCurrentIndex(1);
    click("cmdBack", result);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ToolWindow* entry = toolWindow("frmFinancialAstrologyMain");
    EXPECT_EQ(loadedToolWindows(), QStringList{"frmFinancialAstrologyMain"});
    EXPECT_TRUE(entry->isVisible());
    EXPECT_FALSE(welcomeVisible());
    EXPECT_EQ(find<QLineEdit>("txtName", entry)->text(), "Ada");
    EXPECT_EQ(find<QComboBox>("cboDate", entry)->currentText(), "21");
    EXPECT_EQ(find<QComboBox>("cboMonth", entry)->currentText(), "March");
    EXPECT_EQ(find<QComboBox>("cboYear", entry)->currentText(), "2000");

    result = proceed("Ada", 20, "March", 2000);
    EXPECT_EQ(find<QTabWidget>("TS", result)->currentIndex(), 0);
    EXPECT_EQ(find<QLabel>("lblStarSign", result)->text(), "Pisces");

    trigger("mnuExit", result);
    EXPECT_TRUE(welcomeVisible());
    EXPECT_EQ(loadedToolWindows(), QStringList{"frmFinancialAstrologyMain"});
    EXPECT_FALSE(toolWindow("frmFinancialAstrologyMain")->isVisible());
}

TEST_F(FinancialWindows, TheFinancialParagraphEmptiesTheClipboardOfItsOwnTextOnly) {
    platform.clipboardText = "copied in another program";
    ToolWindow* result = proceed("Ada", 1, "May", 1980);
    find<QTabWidget>("TS", result)->setCurrentIndex(1);
    QWidget* viewport = find<QPlainTextEdit>("txtFinancialProfile", result)->viewport();
    struct Step {
        const char* what;
        std::function<void(QPoint)> act;
    };
    const Step steps[] = {
        {"move", [&](QPoint at) { QTest::mouseMove(viewport, at); }},
        {"press", [&](QPoint at) { QTest::mousePress(viewport, Qt::LeftButton, {}, at); }},
        {"release", [&](QPoint at) { QTest::mouseRelease(viewport, Qt::LeftButton, {}, at); }},
        {"click", [&](QPoint at) { QTest::mouseClick(viewport, Qt::LeftButton, {}, at); }},
    };
    for (const Step& step : steps) {
        platform.clipboardText = "copied in another program";
        platform.clipboardOurs = false;
        step.act(QPoint(20, 10));
        EXPECT_EQ(platform.clipboardText, "copied in another program") << step.what;
        platform.clipboardText = "Taurus";
        platform.clipboardOurs = true;
        step.act(QPoint(30, 12));
        EXPECT_EQ(platform.clipboardText, "") << step.what;
    }
    EXPECT_EQ(platform.clipboardClears, int(std::size(steps)));
}

} // namespace
} // namespace orbika::test
