#include "FakePlatform.h"

#include "app/UpdateReminder.h"
#include "links/PageAddresses.h"
#include "reports/modCodePage.h"
#include "reports/modSavedReading.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

namespace orbika::test {
namespace {

QString Scrambled(const QString& text) {
    return QString::fromStdString(
        Windows1252ToUtf8(ScrambleText(Utf8ToWindows1252(text.toStdString()))));
}

class UpdateReminderTest : public ::testing::Test {
protected:
    QString storeKey() const {
        return QCoreApplication::applicationName() + "/Settings/" + Scrambled("Duration");
    }
    void storeDate(const QDate& date) {
        platform.settings[storeKey()] = Scrambled(date.toString(Qt::ISODate));
    }
    QString stored() const { return platform.settings.value(storeKey()); }

    FakePlatform platform;
};

TEST_F(UpdateReminderTest, FirstStartStoresTodayWithoutAMessage) {
    UpdateReminder(platform);
    EXPECT_TRUE(platform.messages.isEmpty());
    EXPECT_EQ(stored(), Scrambled("2026-12-10"));
    EXPECT_NE(stored(), "2026-12-10") << "the date is kept scrambled";
}

TEST_F(UpdateReminderTest, RemindsOnlyFifteenOrMoreDaysApart) {
    struct Case {
        int daysFromToday;
        bool reminds;
    };
    for (const Case& c : {Case{-14, false}, Case{-15, true}, Case{14, false}, Case{15, true},
                          Case{0, false}, Case{-400, true}}) {
        SCOPED_TRACE(c.daysFromToday);
        platform.messages.clear();
        const QDate storedDate = platform.todayDate.addDays(c.daysFromToday);
        storeDate(storedDate);
        UpdateReminder(platform);
        ASSERT_EQ(platform.messages.size(), c.reminds ? 1 : 0);
        if (c.reminds) {
            EXPECT_EQ(platform.messages[0].text, "There maybe an update to this software "
                                                 "available\nDo you want to check for an update?");
            EXPECT_EQ(platform.messages[0].icon, MessageIcon::Information);
            EXPECT_EQ(platform.messages[0].buttons, MessageButtons::YesNo);
            EXPECT_EQ(platform.messages[0].title, "Orbika Finance Astrology");
            EXPECT_EQ(stored(), Scrambled("2026-12-10")) << "stored whatever the answer";
        } else {
            EXPECT_EQ(stored(), Scrambled(storedDate.toString(Qt::ISODate)));
        }
    }
    EXPECT_TRUE(platform.openedUrls.isEmpty()) << "every answer was No";
}

TEST_F(UpdateReminderTest, YesOpensTheDownloadPage) {
    storeDate(platform.todayDate.addDays(-30));
    platform.messageAnswers = {MessageResult::Yes};
    UpdateReminder(platform);
    EXPECT_EQ(platform.openedUrls,
              QList<QUrl>{QUrl(QString::fromUtf8(kDownloadPageAddress.data()))});
}

TEST_F(UpdateReminderTest, AnUnreadableDateKeepsTheReminderSilent) {
    platform.settings[storeKey()] = Scrambled("not a date");
    UpdateReminder(platform);
    EXPECT_TRUE(platform.messages.isEmpty());
    EXPECT_EQ(stored(), Scrambled("not a date"));
}

} // namespace
} // namespace orbika::test
