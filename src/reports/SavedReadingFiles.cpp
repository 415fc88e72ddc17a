#include "SavedReadingFiles.h"

#include "modCodePage.h"
#include "modSavedFileAccess.h"
#include "modSavedReading.h"
#include "platform/FileNames.h"
#include "platform/Platform.h"
#include "platform/Text.h"
#include "widgets/Messages.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace orbika {

namespace {

QString Describe(const QString& path) {
    return QDir::toNativeSeparators(path);
}

std::string LocalPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

void ReportSaveFailure(Platform& platform, QWidget* window, const QString& path,
                       const QString& reason) {
    const QString text =
        QObject::tr("The reading could not be saved to \"%1\".\n%2").arg(Describe(path), reason);
    ShowMessage(platform, window, U8(text), MessageIcon::Error);
}

} // namespace

const SavedFileKind& FinancialFileKind() {
    static const SavedFileKind kind{QStringLiteral("zod"),
                                    QStringLiteral("Save Your Zodiac Signs Result ...."),
                                    QStringLiteral("Rich Text Format (*.zod)"),
                                    QStringLiteral("Orbika Free Zodiac Signs (*.zod)")};
    return kind;
}

const SavedFileKind& CareerFileKind() {
    static const SavedFileKind kind{QStringLiteral("cwc"),
                                    QStringLiteral("Save Your Coworker Compatibility Result ...."),
                                    QStringLiteral("Rich Text Format (*.cwc)"),
                                    QStringLiteral("Orbika Free Coworker Compatibility (*.cwc)")};
    return kind;
}

bool SaveReading(Platform& platform, QWidget* window, const SavedFileKind& kind,
                 const BirthEntries& entries) {
    const QString path =
        platform.saveFileName(window, {kind.saveTitle, kind.saveFilter, kind.extension,
                                       SuggestedFileName(Q(entries.name), kind.extension)});
    if (path.isEmpty())
        return false;

    const SaveTarget target = CheckSaveTarget(LocalPath(path));
    if (target.readOnly) {
        // As the save dialog refuses a read-only choice.
        ShowMessage(platform, window,
                    U8(QObject::tr("%1\nThis file is set to read-only.\nTry again with a "
                                   "different file name.")
                           .arg(Describe(path))),
                    MessageIcon::Warning);
        return false;
    }
    if (!target.error.empty()) {
        ReportSaveFailure(platform, window, path, Q(target.error));
        return false;
    }

    const QString unsavable = Q(UnsavableCharacters(entries.name));
    if (!unsavable.isEmpty()) {
        const QString question = QObject::tr("The name contains characters that a saved reading "
                                             "cannot hold: %1. Save the reading without them?")
                                     .arg(unsavable);
        if (ShowMessage(platform, window, U8(question), MessageIcon::Warning,
                        MessageButtons::YesNo) != MessageResult::Yes)
            return false;
    }

    const std::string content =
        FormatSavedReading({Utf8ToWindows1252(entries.name), Utf8ToWindows1252(entries.month),
                            Utf8ToWindows1252(entries.day), Utf8ToWindows1252(entries.year)});

    // All or nothing: an existing file stays as it was until the new one is complete. A symbolic
    // link stays a link; its target is what gets replaced, with its permissions kept.
    QSaveFile file(QFile::decodeName(QByteArray::fromStdString(target.path)));
    if (!file.open(QIODevice::WriteOnly)) {
        ReportSaveFailure(platform, window, path, file.errorString());
        return false;
    }
    if (file.write(content.data(), qint64(content.size())) != qint64(content.size())) {
        const QString reason = file.errorString();
        file.cancelWriting();
        ReportSaveFailure(platform, window, path, reason);
        return false;
    }
    if (!file.commit()) {
        ReportSaveFailure(platform, window, path, file.errorString());
        return false;
    }
    return true;
}

std::optional<BirthEntries> OpenReading(Platform& platform, QWidget* window,
                                        const SavedFileKind& kind, int firstYear, int lastYear) {
    const QString path = platform.openFileName(
        window, {QStringLiteral("Select the source file"), kind.openFilter, kind.extension});
    if (path.isEmpty())
        return std::nullopt;
    return OpenReadingFile(platform, window, kind, path, firstYear, lastYear);
}

std::optional<BirthEntries> OpenReadingFile(Platform& platform, QWidget* window,
                                            const SavedFileKind& kind, const QString& path,
                                            int firstYear, int lastYear) {
    auto refuse = [&]() -> std::optional<BirthEntries> {
        ShowMessage(platform, window, kMsgCheckFile, MessageIcon::Error);
        return std::nullopt;
    };
    if (!path.endsWith(kind.extension, Qt::CaseSensitive))
        return refuse();

    // Only a regular file is read, and never waited on: a pipe or a device is refused at once.
    const ReadOutcome read = ReadRegularFile(LocalPath(path), kMaxSavedFileRead);
    if (!read.error.empty())
        return refuse();
    const ParsedSavedReading parsed = ParseSavedReading(read.bytes);
    if (parsed.overlong || parsed.lineCount < 4)
        return refuse();

    BirthEntries entries{Windows1252ToUtf8(parsed.lines[0]), Windows1252ToUtf8(parsed.lines[1]),
                         Windows1252ToUtf8(parsed.lines[2]), Windows1252ToUtf8(parsed.lines[3])};
    if (!IsListedDate(entries.day, entries.month, entries.year, firstYear, lastYear))
        return refuse();
    return entries;
}

} // namespace orbika
