#pragma once
// The update reminder's rule: once the stored date and today lie fifteen or more days apart, in
// either direction, the program offers to look for an update.

namespace orbika {

// Days from today to the stored date (negative for a date in the past).
constexpr bool IsReminderDue(long daysFromTodayToStored) {
    return daysFromTodayToStored < -14 || daysFromTodayToStored > 14;
}

} // namespace orbika
