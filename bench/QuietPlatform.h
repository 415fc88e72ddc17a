#pragma once
// A platform for the benchmarks: answers every request without showing anything; the open and
// save dialogs "choose" the paths set here.

#include "platform/Platform.h"

#include <QDate>

namespace orbika {

class QuietPlatform : public Platform {
public:
    MessageResult showMessage(QWidget*, const QString&, MessageIcon, MessageButtons,
                              const QString&) override {
        ++messages;
        return MessageResult::Ok;
    }
    void runModal(QDialog&) override {}
    QString openFileName(QWidget*, const FileDialogRequest&) override { return openAnswer; }
    QString saveFileName(QWidget*, const FileDialogRequest&) override { return saveAnswer; }
    bool clipboardHoldsOurText() override { return false; }
    void clearClipboard() override {}
    bool openUrl(const QUrl&) override { return true; }
    QString readSetting(const QString&, const QString&, const QString&) override { return {}; }
    bool writeSetting(const QString&, const QString&, const QString&, const QString&) override {
        return true;
    }
    bool print(const QTextDocument&, QString*) override { return true; }
    QDate today() override { return {2026, 12, 10}; }
    bool otherInstanceRunning() override { return false; }
    bool handToRunningInstance(const QString&) override { return false; }
    void listenForLaterStarts(std::function<void(const QString&)>) override {}

    QString openAnswer;
    QString saveAnswer;
    int messages = 0; // message boxes asked for
};

} // namespace orbika
