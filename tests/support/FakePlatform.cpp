#include "FakePlatform.h"

#include <QDialog>
#include <QTextDocument>

namespace orbika::test {

MessageResult FakePlatform::showMessage(QWidget*, const QString& text, MessageIcon icon,
                                        MessageButtons buttons, const QString& title) {
    messages.append({text, icon, buttons, title});
    if (!messageAnswers.isEmpty())
        return messageAnswers.takeFirst();
    return buttons == MessageButtons::Ok ? MessageResult::Ok : MessageResult::No;
}

void FakePlatform::runModal(QDialog& dialog) {
    modalDialogs.append({dialog.objectName(), dialog.windowTitle(), dialog.isModal()});
    dialog.show();
    if (onModal)
        onModal(dialog);
    dialog.close();
}

QString FakePlatform::openFileName(QWidget*, const FileDialogRequest& request) {
    openRequests.append(request);
    return openAnswers.isEmpty() ? QString() : openAnswers.takeFirst();
}

QString FakePlatform::saveFileName(QWidget*, const FileDialogRequest& request) {
    saveRequests.append(request);
    return saveAnswers.isEmpty() ? QString() : saveAnswers.takeFirst();
}

bool FakePlatform::handToRunningInstance(const QString& file) {
    handedOver.append(file);
    return runningInstanceAnswers;
}

bool FakePlatform::openUrl(const QUrl& url) {
    openedUrls.append(url);
    return urlOpens;
}

QString FakePlatform::readSetting(const QString& application, const QString& section,
                                  const QString& key) {
    return settings.value(application + QLatin1Char('/') + section + QLatin1Char('/') + key);
}

bool FakePlatform::writeSetting(const QString& application, const QString& section,
                                const QString& key, const QString& value) {
    if (!settingsWritable)
        return false;
    settings.insert(application + QLatin1Char('/') + section + QLatin1Char('/') + key, value);
    return true;
}

bool FakePlatform::print(const QTextDocument& document, QString* error) {
    if (!printSucceeds) {
        if (error)
            *error = printError;
        return false;
    }
    printedTexts.append(document.toPlainText());
    lastPrinted.reset(document.clone());
    return true;
}

} // namespace orbika::test
