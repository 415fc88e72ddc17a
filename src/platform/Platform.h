#pragma once
// Everything the windows ask of the operating system goes through this interface, so that every
// window runs headless in the tests with a recording fake in place of QtPlatform.

#include <QDate>
#include <QString>
#include <functional>

class QDialog;
class QTextDocument;
class QUrl;
class QWidget;

namespace orbika {

enum class MessageIcon { Information, Warning, Error, Question };
enum class MessageButtons { Ok, YesNo };
enum class MessageResult { Ok, Yes, No };

struct FileDialogRequest {
    QString title;
    QString filter;             // one filter, "Description (*.ext)"
    QString defaultSuffix;      // added to a typed name that has no extension
    QString suggestedName = {}; // the file name the save dialog offers; empty for none
};

class Platform {
public:
    virtual ~Platform() = default;

    virtual MessageResult showMessage(QWidget* parent, const QString& text, MessageIcon icon,
                                      MessageButtons buttons, const QString& title) = 0;
    // Runs a dialog modally and returns when it is closed.
    virtual void runModal(QDialog& dialog) = 0;

    // The chosen path, or an empty text when the user cancels. The save dialog asks before
    // overwriting; the open dialog accepts only an existing file. Both start in the folder last
    // chosen in this run, or else in the user's documents folder.
    virtual QString openFileName(QWidget* parent, const FileDialogRequest& request) = 0;
    virtual QString saveFileName(QWidget* parent, const FileDialogRequest& request) = 0;

    // True when the system clipboard (or the selection) holds what this program put there; text
    // copied in other programs is not ours to empty.
    virtual bool clipboardHoldsOurText() = 0;
    virtual void clearClipboard() = 0;
    virtual bool openUrl(const QUrl& url) = 0;

    // Per-user settings by application, section and key; a missing key reads as empty.
    virtual QString readSetting(const QString& application, const QString& section,
                                const QString& key) = 0;
    virtual bool writeSetting(const QString& application, const QString& section,
                              const QString& key, const QString& value) = 0;

    // Prints to the default printer; on failure returns false and says why in `error`.
    virtual bool print(const QTextDocument& document, QString* error) = 0;

    virtual QDate today() = 0;

    // True when another instance of the program holds the single-instance lock. The first caller
    // takes the lock and keeps it until the platform object goes away.
    virtual bool otherInstanceRunning() = 0;
    // Asks the running instance to come forward and, when `file` is not empty, to open it. False
    // when no running instance took the request.
    virtual bool handToRunningInstance(const QString& file) = 0;
    // Once this instance holds the lock: calls `onRequest` for each request a later start hands
    // over, with the absolute path of the file to open, or an empty text for none.
    virtual void listenForLaterStarts(std::function<void(const QString& file)> onRequest) = 0;
};

} // namespace orbika
