#include "UpdateReminder.h"

#include "links/modHelp.h"
#include "modUpdateReminder.h"
#include "platform/Platform.h"
#include "platform/Text.h"
#include "reports/modCodePage.h"
#include "reports/modSavedReading.h"
#include "widgets/Messages.h"

#include <QCoreApplication>

namespace orbika {

namespace {

const QString kSection = QStringLiteral("Settings");

// The settings store holds text; the scrambled bytes are read as Windows-1252 characters.
QString Scrambled(const QString& text) {
    return Q(Windows1252ToUtf8(ScrambleText(Utf8ToWindows1252(U8(text)))));
}

QString Unscrambled(const QString& text) {
    return Q(Windows1252ToUtf8(UnscrambleText(Utf8ToWindows1252(U8(text)))));
}

} // namespace

void UpdateReminder(Platform& platform) {
    const QString application = QCoreApplication::applicationName();
    const QString key = Scrambled(QStringLiteral("Duration"));
    const QDate today = platform.today();
    const QString todayValue = Scrambled(today.toString(Qt::ISODate));

    const QString stored = Unscrambled(platform.readSetting(application, kSection, key));
    if (stored.isEmpty()) {
        platform.writeSetting(application, kSection, key, todayValue);
        return;
    }
    const QDate last = QDate::fromString(stored, Qt::ISODate);
    // A date that cannot be read back keeps the reminder silent, and is left as it is.
    if (!last.isValid() || !IsReminderDue(today.daysTo(last)))
        return;

    const MessageResult answer = ShowMessage(platform, nullptr, kUpdateReminderMessage,
                                             MessageIcon::Information, MessageButtons::YesNo);
    platform.writeSetting(application, kSection, key, todayValue);
    if (answer == MessageResult::Yes)
        OpenDownloadPage(platform);
}

} // namespace orbika
