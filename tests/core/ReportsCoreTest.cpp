#include "app/modUpdateReminder.h"
#include "reports/modCodePage.h"
#include "reports/modReports.h"
#include "reports/modSavedReading.h"

#include <gtest/gtest.h>

namespace orbika {
namespace {

std::string Bytes(std::initializer_list<int> codes) {
    std::string out;
    for (int code : codes)
        out += static_cast<char>(code);
    return out;
}

TEST(Scrambling, ShiftsBy85AndDropsWhatWouldLeaveTheByteRange) {
    struct Case {
        std::string plain;
        std::string scrambled;
    };
    const Case cases[] = {
        {"abc", Bytes({0xB6, 0xB7, 0xB8})},
        {"", ""},
        {Bytes({0, 170}), Bytes({85, 255})},
        {Bytes({'A', 171, 'B', 255}), Bytes({150, 151})}, // 171 and up cannot be held
        {"March\r\n", Bytes({0xA2, 0xB6, 0xC7, 0xB8, 0xBD, 0x62, 0x5F})},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ScrambleText(c.plain), c.scrambled);
    EXPECT_EQ(UnscrambleText(Bytes({84, 85, 255})), Bytes({0, 170})) << "below 85 is dropped";

    std::string every;
    for (int code = 0; code <= 170; ++code)
        every += static_cast<char>(code);
    EXPECT_EQ(UnscrambleText(ScrambleText(every)), every);
    for (const char byte : ScrambleText(every))
        EXPECT_GE(static_cast<unsigned char>(byte), 0x55);
}

TEST(SavedReadingFile, FourScrambledLinesEachEndingInCrLf) {
    const std::string file = FormatSavedReading({"Ada", "March", "5", "2000"});
    EXPECT_EQ(file, ScrambleText("Ada") + "\r\n" + ScrambleText("March") + "\r\n" +
                        ScrambleText("5") + "\r\n" + ScrambleText("2000") + "\r\n");
    const ParsedSavedReading parsed = ParseSavedReading(file);
    EXPECT_EQ(parsed.lineCount, 4);
    EXPECT_EQ(parsed.lines, (SavedReadingLines{"Ada", "March", "5", "2000"}));
}

TEST(SavedReadingFile, LinesEndAtCrOrCrLfButNotAtLfAlone) {
    struct Case {
        const char* name;
        std::string bytes;
        int lines;
        SavedReadingLines expected;
    };
    const std::string a = ScrambleText("Ada"), m = ScrambleText("May"), d = ScrambleText("7"),
                      y = ScrambleText("1999");
    const Case cases[] = {
        {"cr only", a + "\r" + m + "\r" + d + "\r" + y + "\r", 4, {"Ada", "May", "7", "1999"}},
        {"mixed", a + "\r\n" + m + "\r" + d + "\r\n" + y, 4, {"Ada", "May", "7", "1999"}},
        {"lf only", a + "\n" + m + "\n", 1, {UnscrambleText(a + "\n" + m + "\n"), "", "", ""}},
        {"short", a + "\r\n" + m + "\r\n", 2, {"Ada", "May", "", ""}},
        {"empty", "", 0, {"", "", "", ""}},
        {"five lines",
         a + "\r" + m + "\r" + d + "\r" + y + "\r" + a + "\r",
         4,
         {"Ada", "May", "7", "1999"}},
    };
    for (const Case& c : cases) {
        const ParsedSavedReading parsed = ParseSavedReading(c.bytes);
        EXPECT_EQ(parsed.lineCount, c.lines) << c.name;
        EXPECT_EQ(parsed.lines, c.expected) << c.name;
    }
}

TEST(SavedReadingFile, ALineAsLongAsANameBoxHoldsComesBackWholeAndALongerOneIsRefused) {
    const std::string full(kMaxSavedLineBytes, 'L');
    const SavedReadingLines saved{full, "May", "7", "1999"};
    const ParsedSavedReading whole = ParseSavedReading(FormatSavedReading(saved));
    EXPECT_FALSE(whole.overlong);
    EXPECT_EQ(whole.lines, saved);

    for (const std::size_t length :
         {kMaxSavedLineBytes + 1, std::size_t(1500), std::size_t(100000)}) {
        const ParsedSavedReading parsed =
            ParseSavedReading(FormatSavedReading({std::string(length, 'L'), "May", "7", "1999"}));
        EXPECT_TRUE(parsed.overlong) << length;
    }
    // Over-long in the last line, or without any line ending.
    EXPECT_TRUE(
        ParseSavedReading(FormatSavedReading({"Ada", "May", "7", std::string(300, '9')})).overlong);
    EXPECT_TRUE(ParseSavedReading(std::string(10 * kMaxSavedFileRead, 'z')).overlong);
}

TEST(CodePage, EveryByteSurvivesTheRoundTripAndTheHighControlsMapToTheirCharacters) {
    std::string every;
    for (int code = 0; code < 256; ++code)
        every += static_cast<char>(code);
    EXPECT_EQ(Utf8ToWindows1252(Windows1252ToUtf8(every)), every);
    EXPECT_EQ(Windows1252ToUtf8(Bytes({0x80, 0x99, 0xE9})), "\u20AC\u2122\u00E9");
    std::u32string missing;
    EXPECT_EQ(Utf8ToWindows1252("Zo\u00EB \u2713 \u4E2D", &missing), "Zo\xEB  ");
    EXPECT_EQ(missing, U"\u2713\u4E2D");
}

TEST(FinancialReport, HasItsTwentySixEntriesWithTheDesignedValues) {
    FinancialReading reading;
    reading.Name = "Ada King";
    reading.Day = 5;
    reading.Month = "March";
    reading.Year = 2000;
    reading.Sign = "Pisces";
    StarSignDescription("Pisces", reading.SunSign);
    Financial_Profile("Pisces", reading.Financial);
    const auto entries = FinancialReportEntries(reading);
    ASSERT_EQ(entries.size(), 26u);
    EXPECT_EQ(entries[0].label, "Name: ");
    EXPECT_EQ(entries[0].value, "Ada King");
    EXPECT_EQ(entries[1].value, "March 5, 2000");
    EXPECT_EQ(entries[10].label, "Famous Personalities Born Under this Sign: ");
    EXPECT_EQ(entries[12].label, "Quality: ");
    EXPECT_EQ(entries[13].label, "Financial Profile: \r\n");
    EXPECT_EQ(entries[15].label, "No Worry\r\n");
    EXPECT_EQ(entries[16].label, "Pacts && Contracts\r\n");
    EXPECT_EQ(entries[25].value, reading.Financial.Attributes[11].Sentence);

    const auto runs = ComposeReport(entries);
    ASSERT_EQ(runs.size(), 78u);
    EXPECT_TRUE(runs[0].bold && runs[0].labelColour);
    EXPECT_EQ(runs[1].text, "Ada King\r\n\r\n\r\n");
    EXPECT_FALSE(runs[1].bold || runs[1].labelColour);
    EXPECT_EQ(runs.back().text, "Report Generated By https://www.orbika.example/\r\n\r\n");
}

TEST(CareerReport, HasItsSixteenEntriesFromTheReadingAndItsSignsProfile) {
    CareerReading reading{" Bob ", "05", "July", "1960", "Cancer"};
    const auto entries = CareerReportEntries(reading);
    ASSERT_EQ(entries.size(), 16u);
    EXPECT_EQ(entries[0].value, " Bob ");
    EXPECT_EQ(entries[1].value, "July 05, 1960");
    EXPECT_EQ(entries[2].label, "Your Sun Sign: ");
    EXPECT_EQ(entries[2].value, "Cancer");
    EXPECT_EQ(entries[3].label, "Your Career Profile: ");
    // The text keeps its CR LF paragraph breaks, as a report run holds them.
    EXPECT_EQ(entries[3].value, LookUpCareerProfile("Cancer")->Text);
    EXPECT_NE(entries[3].value.find("\r\n"), std::string::npos);
    EXPECT_EQ(entries[4].label, "Motivation: ");
    EXPECT_EQ(entries[4].value, "You will be motivated only if you know it is feasible.");
    EXPECT_EQ(entries[15].label, "Planning: ");
    EXPECT_EQ(entries[15].value, "You are not very good with planning.");
}

TEST(UpdateReminderRule, FifteenDaysApartInEitherDirection) {
    EXPECT_FALSE(IsReminderDue(0));
    EXPECT_FALSE(IsReminderDue(-14));
    EXPECT_TRUE(IsReminderDue(-15));
    EXPECT_FALSE(IsReminderDue(14));
    EXPECT_TRUE(IsReminderDue(15));
}

} // namespace
} // namespace orbika
