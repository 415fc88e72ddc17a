#pragma once

namespace orbika {

class Platform;

inline constexpr const char* kUpdateReminderMessage =
    "There maybe an update to this software available\nDo you want to check for an update?";

// At start-up, once the stored reminder date and today lie fifteen or more days apart, offers to
// open the download page, and stores today's date whatever the answer. The first start only
// stores the date. The date lives in the settings store under the program's name, section
// "Settings", with key and value scrambled.
void UpdateReminder(Platform& platform);

} // namespace orbika
