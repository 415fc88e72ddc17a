#pragma once

#include "Platform.h"

#include <QLockFile>
#include <memory>

namespace orbika {

class InstanceServer;

class QtPlatform final : public Platform {
public:
    // `lockFolder` holds the single-instance lock; by default the user's runtime folder.
    explicit QtPlatform(QString lockFolder = {});
    ~QtPlatform() override;

    MessageResult showMessage(QWidget* parent, const QString& text, MessageIcon icon,
                              MessageButtons buttons, const QString& title) override;
    void runModal(QDialog& dialog) override;
    QString openFileName(QWidget* parent, const FileDialogRequest& request) override;
    QString saveFileName(QWidget* parent, const FileDialogRequest& request) override;
    bool clipboardHoldsOurText() override;
    void clearClipboard() override;
    bool openUrl(const QUrl& url) override;
    QString readSetting(const QString& application, const QString& section,
                        const QString& key) override;
    bool writeSetting(const QString& application, const QString& section, const QString& key,
                      const QString& value) override;
    bool print(const QTextDocument& document, QString* error) override;
    QDate today() override;
    bool otherInstanceRunning() override;
    bool handToRunningInstance(const QString& file) override;
    void listenForLaterStarts(std::function<void(const QString&)> onRequest) override;

    static QString defaultLockFolder();

private:
    QString runFileDialog(QWidget* parent, const FileDialogRequest& request, bool save);
    QString socketPath() const;

    QString m_lockFolder;
    std::unique_ptr<QLockFile> m_lock;
    std::unique_ptr<InstanceServer> m_server;
    QString m_dialogFolder; // where the file dialogs start; empty until first asked
};

} // namespace orbika
