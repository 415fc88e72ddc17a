#include "QtPlatform.h"

#include "InstanceChannel.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTextDocument>
#include <QUrl>

namespace orbika {

namespace {

QMessageBox::Icon ToQtIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Error:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

QString DocumentsFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    // Without xdg-user-dirs the documents folder may never have been made.
    if (!documents.isEmpty() && QFileInfo(documents).isDir())
        return documents;
    return QDir::homePath();
}

} // namespace

QString QtPlatform::runFileDialog(QWidget* parent, const FileDialogRequest& request, bool save) {
    if (m_dialogFolder.isEmpty())
        m_dialogFolder = DocumentsFolder();
    QFileDialog dialog(parent, request.title, m_dialogFolder);
    dialog.setNameFilter(request.filter);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        if (!request.suggestedName.isEmpty())
            dialog.selectFile(request.suggestedName);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const QString path = dialog.selectedFiles().constFirst();
    m_dialogFolder = QFileInfo(path).absolutePath();
    return path;
}

QtPlatform::QtPlatform(QString lockFolder) : m_lockFolder(std::move(lockFolder)) {
    if (m_lockFolder.isEmpty())
        m_lockFolder = defaultLockFolder();
}

QtPlatform::~QtPlatform() = default;

QString QtPlatform::defaultLockFolder() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder;
}

MessageResult QtPlatform::showMessage(QWidget* parent, const QString& text, MessageIcon icon,
                                      MessageButtons buttons, const QString& title) {
    QMessageBox box(ToQtIcon(icon), title, text,
                    buttons == MessageButtons::YesNo ? QMessageBox::Yes | QMessageBox::No
                                                     : QMessageBox::Ok,
                    parent);
    const int answer = box.exec();
    if (buttons == MessageButtons::Ok)
        return MessageResult::Ok;
    return answer == QMessageBox::Yes ? MessageResult::Yes : MessageResult::No;
}

void QtPlatform::runModal(QDialog& dialog) {
    dialog.exec();
}

QString QtPlatform::openFileName(QWidget* parent, const FileDialogRequest& request) {
    return runFileDialog(parent, request, false);
}

QString QtPlatform::saveFileName(QWidget* parent, const FileDialogRequest& request) {
    return runFileDialog(parent, request, true);
}

bool QtPlatform::clipboardHoldsOurText() {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    return clipboard && (clipboard->ownsClipboard() || clipboard->ownsSelection());
}

void QtPlatform::clearClipboard() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return;
    if (clipboard->ownsClipboard())
        clipboard->clear(QClipboard::Clipboard);
    if (clipboard->ownsSelection())
        clipboard->clear(QClipboard::Selection);
}

bool QtPlatform::openUrl(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

QString QtPlatform::readSetting(const QString& application, const QString& section,
                                const QString& key) {
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, application);
    settings.beginGroup(section);
    return settings.value(key).toString();
}

bool QtPlatform::writeSetting(const QString& application, const QString& section,
                              const QString& key, const QString& value) {
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, application);
    settings.beginGroup(section);
    settings.setValue(key, value);
    settings.endGroup();
    settings.sync();
    return settings.status() == QSettings::NoError;
}

bool QtPlatform::print(const QTextDocument& document, QString* error) {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        if (error)
            *error = QObject::tr("No default printer is set up on this computer.");
        return false;
    }
    QPrinter printer(info, QPrinter::HighResolution);
    document.print(&printer);
    if (printer.printerState() == QPrinter::Error || printer.printerState() == QPrinter::Aborted) {
        if (error)
            *error = QObject::tr("The printer %1 refused the job.").arg(info.printerName());
        return false;
    }
    return true;
}

QDate QtPlatform::today() {
    return QDate::currentDate();
}

bool QtPlatform::otherInstanceRunning() {
    if (m_lock)
        return false;
    auto lock =
        std::make_unique<QLockFile>(QDir(m_lockFolder).filePath(QStringLiteral("orbika.lock")));
    // A lock left by a crashed run names a process that no longer exists; QLockFile removes it.
    if (lock->tryLock(0)) {
        m_lock = std::move(lock);
        return false;
    }
    // Only a live holder counts; a folder we cannot write to must not keep the program from
    // starting.
    return lock->error() == QLockFile::LockFailedError;
}

QString QtPlatform::socketPath() const {
    return QDir(m_lockFolder).filePath(QStringLiteral("orbika.socket"));
}

bool QtPlatform::handToRunningInstance(const QString& file) {
    return SendHandOver(socketPath(), file);
}

void QtPlatform::listenForLaterStarts(std::function<void(const QString&)> onRequest) {
    if (!m_lock || m_server)
        return;
    m_server = std::make_unique<InstanceServer>(socketPath(), std::move(onRequest));
    // Without the socket the program still runs; later starts then only say it is running.
    m_server->listen();
}

} // namespace orbika
