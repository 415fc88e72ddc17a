#pragma once
// A platform that records what the windows ask for and answers from a script: the button to
// press, the path to choose, today's date. Nothing reaches the real desktop.

#include "platform/Platform.h"

#include <QDate>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QTextDocument>
#include <QUrl>

#include <memory>

namespace orbika::test {

struct RecordedMessage {
    QString text;
    MessageIcon icon;
    MessageButtons buttons;
    QString title;
};

struct RecordedDialog {
    QString objectName;
    QString title;
    bool modal;
};

class FakePlatform : public Platform {
public:
    MessageResult showMessage(QWidget* parent, const QString& text, MessageIcon icon,
                              MessageButtons buttons, const QString& title) override;
    void runModal(QDialog& dialog) override;
    QString openFileName(QWidget* parent, const FileDialogRequest& request) override;
    QString saveFileName(QWidget* parent, const FileDialogRequest& request) override;
    bool clipboardHoldsOurText() override { return clipboardOurs && !clipboardText.isEmpty(); }
    void clearClipboard() override {
        ++clipboardClears;
        clipboardText.clear();
        clipboardOurs = false;
    }
    bool openUrl(const QUrl& url) override;
    QString readSetting(const QString& application, const QString& section,
                        const QString& key) override;
    bool writeSetting(const QString& application, const QString& section, const QString& key,
                      const QString& value) override;
    bool print(const QTextDocument& document, QString* error) override;
    QDate today() override { return todayDate; }
    bool otherInstanceRunning() override { return anotherInstance; }
    bool handToRunningInstance(const QString& file) override;
    void listenForLaterStarts(std::function<void(const QString&)> onRequest) override {
        laterStart = std::move(onRequest);
    }

    // Script.
    QList<MessageResult> messageAnswers; // taken in turn; Ok / No when exhausted
    QStringList openAnswers;             // paths the open dialog "chooses"; "" cancels
    QStringList saveAnswers;
    bool urlOpens = true;
    bool printSucceeds = true;
    QString printError;
    QDate todayDate{2026, 12, 10};
    bool anotherInstance = false;
    bool runningInstanceAnswers = true;
    bool settingsWritable = true;
    // Called while a modal dialog runs, before it is closed: lets a test look at it or click it.
    std::function<void(QDialog&)> onModal;

    // Record.
    QList<RecordedMessage> messages;
    QList<RecordedDialog> modalDialogs;
    QList<FileDialogRequest> openRequests;
    QList<FileDialogRequest> saveRequests;
    QList<QUrl> openedUrls;
    QStringList printedTexts;
    std::shared_ptr<QTextDocument> lastPrinted; // with its formats, as the printer got it
    int clipboardClears = 0;
    // The clipboard's text, and whether this program put it there (the test says so).
    QString clipboardText;
    bool clipboardOurs = false;
    QMap<QString, QString> settings; // "application/section/key" -> value
    QStringList handedOver;          // files handed to the running instance ("" for none)
    std::function<void(const QString&)> laterStart; // call it to play a later start
};

} // namespace orbika::test
