#pragma once
// A folder of things that look like saved readings and are not safe to treat as files: a named
// pipe, a folder, a device, a socket, an over-long name line, a symbolic link, a read-only and a
// private file. Both front ends are run against the same set.

#include "reports/modSavedReading.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace orbika::test {

class HostileFiles {
public:
    HostileFiles() {
        Made(mkfifo(path("fifo.zod").c_str(), 0600), "fifo.zod");
        QDir(m_dir.path()).mkdir(QStringLiteral("folder.zod"));
        Made(symlink("/dev/null", path("device.zod").c_str()), "device.zod");
        m_socket = socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const std::string socketPath = path("socket.zod");
        if (socketPath.size() < sizeof address.sun_path) {
            socketPath.copy(address.sun_path, socketPath.size());
            Made(bind(m_socket, reinterpret_cast<const sockaddr*>(&address), sizeof address),
                 "socket.zod");
        }
        write("long-name.zod",
              FormatSavedReading({std::string(kMaxSavedLineBytes + 1, 'L'), "June", "3", "1971"}));
        write("good.zod", FormatSavedReading({"Ada", "June", "3", "1971"}));
        Made(symlink("good.zod", path("link.zod").c_str()), "link.zod");
        write("read-only.zod", "unchanged");
        Made(chmod(path("read-only.zod").c_str(), 0444), "read-only.zod");
        write("private.zod", FormatSavedReading({"Ada", "June", "3", "1971"}));
        Made(chmod(path("private.zod").c_str(), 0600), "private.zod");
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
    // A fixture that could not be made would let a test pass for the wrong reason.
    static void Made(int result, const char* name) {
        if (result != 0)
            ADD_FAILURE() << "cannot make " << name << ": " << std::strerror(errno);
    }

    void write(const char* name, const std::string& bytes) {
        QFile file(m_dir.filePath(name));
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes.data(), qint64(bytes.size()));
    }

    QTemporaryDir m_dir;
    int m_socket = -1;
};

} // namespace orbika::test
