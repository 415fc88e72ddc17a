#pragma once
// Saving a reading from a report window and opening it again from an entry window.

#include "birth/modBirthData.h"

#include <QString>
#include <optional>

class QWidget;

namespace orbika {

class Platform;

struct SavedFileKind {
    QString extension; // without the dot; compared case-sensitively
    QString saveTitle;
    QString saveFilter;
    QString openFilter;
};

const SavedFileKind& FinancialFileKind(); // ".zod"
const SavedFileKind& CareerFileKind();    // ".cwc"

inline constexpr const char* kMsgCheckFile = "Please Check The File.";

// Asks where to save and writes name, month, day and year. Cancelling is silent; a read-only
// file, anything that is not a regular file and a name that is no file name are refused; a name
// with characters the file cannot hold is saved only if the user agrees; a failed write says why
// and leaves any existing file as it was. A replaced file keeps its permissions; a symbolic link
// is written through to its target. True when the file was written.
bool SaveReading(Platform& platform, QWidget* window, const SavedFileKind& kind,
                 const BirthEntries& entries);

// Asks for a file and returns its four entries. A wrong extension, anything but a regular file
// (refused at once, never waited on), a missing or over-long line or a date line that is no entry
// of its list (the year list running from firstYear to lastYear) is refused with "Please Check
// The File.": nothing is returned. The caller puts what is returned into its entry controls and
// proceeds.
std::optional<BirthEntries> OpenReading(Platform& platform, QWidget* window,
                                        const SavedFileKind& kind, int firstYear, int lastYear);
// The same for a file already chosen, as when the program is started with one.
std::optional<BirthEntries> OpenReadingFile(Platform& platform, QWidget* window,
                                            const SavedFileKind& kind, const QString& path,
                                            int firstYear, int lastYear);

} // namespace orbika
