#pragma once
// A folder of things that look like saved readings and are not safe to treat as files: a named
// pipe, a folder, a device, a socket, an over-long name line, a symbolic link, a read-only and a
// private file. Both front ends are run against the same set.

#include "reports/modSavedReading.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <string>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace orbika::test {

class HostileFiles {
public:
    HostileFiles() {
        mkfifo(path("fifo.zod").c_str(), 0600);
        QDir(m_dir.path()).mkdir(QStringLiteral("folder.zod"));
        symlink("/dev/null", path("device.zod").c_str());
        m_socket = socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const std::string socketPath = path("socket.zod");
        if (socketPath.size() < sizeof address.sun_path) {
            socketPath.copy(address.sun_path, socketPath.size());
            bind(m_socket, reinterpret_cast<const sockaddr*>(&address), sizeof address);
        }
        write("long-name.zod",
              FormatSavedReading({std::string(kMaxSavedLineBytes + 1, 'L'), "June", "3", "1971"}));
        write("good.zod", FormatSavedReading({"Ada", "June", "3", "1971"}));
        symlink("good.zod", path("link.zod").c_str());
        write("read-only.zod", "unchanged");
        chmod(path("read-only.zod").c_str(), 0444);
        write("private.zod", FormatSavedReading({"Ada", "June", "3", "1971"}));
        chmod(path("private.zod").c_str(), 0600);
    }
    ~HostileFiles() {
        if (m_socket >= 0)
            close(m_socket);
    }
    HostileFiles(const HostileFiles&) = delete;
    HostileFiles& operator=(const HostileFiles&) = delete;

    std::string path(const char* name) const { return m_dir.filePath(name).toStdString(); }
    QString qpath(const char* name) const { return m_dir.filePath(name); }

    // Permission bits and kind of a path, without following a last symbolic link.
    static mode_t Mode(const std::string& path) {
        struct stat info {};
        return lstat(path.c_str(), &info) == 0 ? info.st_mode : 0;
    }

    static QByteArray Read(const std::string& path) {
        QFile file(QString::fromStdString(path));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // The things that Open must refuse without reading, and Save must not replace.
    static constexpr const char* kNotFiles[] = {"fifo.zod", "folder.zod", "device.zod",
                                                "socket.zod"};

private:
    void write(const char* name, const std::string& bytes) {
        QFile file(m_dir.filePath(name));
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes.data(), qint64(bytes.size()));
    }

    QTemporaryDir m_dir;
    int m_socket = -1;
};

} // namespace orbika::test
