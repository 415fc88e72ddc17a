#include "modSavedFileAccess.h"

#ifndef _WIN32

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orbika {

namespace {

// Symbolic links followed before giving up, as the kernel's own limit.
constexpr int kMaxLinkDepth = 40;

std::string Reason(int error) {
    std::string text = std::strerror(error);
    return text + ".";
}

// What kind of thing a non-regular file is, for the refusal.
std::string NotRegular(mode_t mode) {
    if (S_ISDIR(mode))
        return "It is a folder, not a file.";
    if (S_ISFIFO(mode))
        return "It is a named pipe, not a file.";
    if (S_ISSOCK(mode))
        return "It is a socket, not a file.";
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return "It is a device, not a file.";
    return "It is not a regular file.";
}

std::string Folder(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string BaseName(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The final target of a chain of symbolic links, or the path itself; a link to nowhere gives
// the name it points at, so the save creates that file as editors do.
std::optional<std::string> FinalTarget(std::string path) {
    for (int depth = 0; depth < kMaxLinkDepth; ++depth) {
        struct stat info {};
        if (lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
            return path;
        std::string link(4096, '\0');
        const ssize_t length = readlink(path.c_str(), link.data(), link.size());
        if (length < 0 || std::size_t(length) >= link.size())
            return std::nullopt;
        link.resize(std::size_t(length));
        path = link.front() == '/' ? link : Folder(path) + "/" + link;
    }
    return std::nullopt;
}

} // namespace

ReadOutcome ReadRegularFile(const std::string& path, std::size_t maxBytes) {
    struct stat info {};
    if (stat(path.c_str(), &info) != 0)
        return {{}, Reason(errno)};
    if (!S_ISREG(info.st_mode))
        return {{}, NotRegular(info.st_mode)};
    // Non-blocking, in case the name was swapped for a pipe since the look above.
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return {{}, Reason(errno)};
    ReadOutcome outcome;
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        close(fd);
        return {{}, NotRegular(info.st_mode)};
    }
    outcome.bytes.resize(maxBytes);
    std::size_t got = 0;
    while (got < maxBytes) {
        const ssize_t n = read(fd, outcome.bytes.data() + got, maxBytes - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            outcome.error = Reason(errno);
            break;
        }
        if (n == 0)
            break;
        got += std::size_t(n);
    }
    close(fd);
    outcome.bytes.resize(outcome.error.empty() ? got : 0);
    return outcome;
}

SaveTarget CheckSaveTarget(const std::string& path) {
    SaveTarget target;
    const std::string base = BaseName(path);
    if (path.empty() || base.empty() || base == "." || base == "..") {
        target.error = "That is not a file name.";
        return target;
    }
    const auto final = FinalTarget(path);
    if (!final) {
        target.error = "Too many symbolic links lead to it.";
        return target;
    }
    target.path = *final;
    struct stat info {};
    if (stat(target.path.c_str(), &info) != 0) {
        if (errno != ENOENT)
            target.error = Reason(errno);
        return target;
    }
    if (!S_ISREG(info.st_mode)) {
        target.error = NotRegular(info.st_mode);
        return target;
    }
    target.replaces = unsigned(info.st_mode & 07777);
    if ((info.st_mode & 0222) == 0 || access(target.path.c_str(), W_OK) != 0) {
        target.error = "The file is read-only.";
        target.readOnly = true;
    }
    return target;
}

std::string WriteFileAtomically(const SaveTarget& target, const std::string& bytes) {
    std::string temporary = Folder(target.path) + "/." + BaseName(target.path) + ".XXXXXX";
    const int fd = mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        return Reason(errno);
    auto fail = [&](int error) {
        close(fd);
        unlink(temporary.c_str());
        return Reason(error);
    };
    mode_t mode = 0;
    if (target.replaces) {
        mode = mode_t(*target.replaces);
    } else {
        const mode_t mask = umask(0);
        umask(mask);
        mode = 0666 & ~mask;
    }
    if (fchmod(fd, mode) != 0)
        return fail(errno);
    for (std::size_t done = 0; done < bytes.size();) {
        const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return fail(errno);
        done += std::size_t(n);
    }
    if (fsync(fd) != 0)
        return fail(errno);
    if (close(fd) != 0) {
        const int error = errno;
        unlink(temporary.c_str());
        return Reason(error);
    }
    if (std::rename(temporary.c_str(), target.path.c_str()) != 0) {
        const int error = errno;
        unlink(temporary.c_str());
        return Reason(error);
    }
    return {};
}

} // namespace orbika

#else // Windows has no pipes or devices in its file system to wait on; std::filesystem serves.

#include <filesystem>
#include <fstream>
#include <random>

namespace orbika {

namespace fs = std::filesystem;

namespace {

std::string NotRegular(fs::file_type type) {
    return type == fs::file_type::directory ? "It is a folder, not a file."
                                            : "It is not a regular file.";
}

} // namespace

ReadOutcome ReadRegularFile(const std::string& path, std::size_t maxBytes) {
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (error)
        return {{}, error.message() + "."};
    if (status.type() != fs::file_type::regular)
        return {{}, NotRegular(status.type())};
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return {{}, "The file cannot be opened."};
    ReadOutcome outcome;
    outcome.bytes.resize(maxBytes);
    file.read(outcome.bytes.data(), std::streamsize(maxBytes));
    outcome.bytes.resize(std::size_t(file.gcount()));
    return outcome;
}

SaveTarget CheckSaveTarget(const std::string& path) {
    SaveTarget target;
    const std::string base = fs::path(path).filename().string();
    if (path.empty() || base.empty() || base == "." || base == "..") {
        target.error = "That is not a file name.";
        return target;
    }
    std::error_code error;
    fs::path final(path);
    for (int depth = 0; fs::is_symlink(final, error); ++depth) {
        if (depth == 40) {
            target.error = "Too many symbolic links lead to it.";
            return target;
        }
        const fs::path link = fs::read_symlink(final, error);
        final = link.is_absolute() ? link : final.parent_path() / link;
    }
    target.path = final.string();
    const fs::file_status status = fs::status(final, error);
    if (!fs::exists(status))
        return target;
    if (status.type() != fs::file_type::regular) {
        target.error = NotRegular(status.type());
        return target;
    }
    target.replaces = unsigned(status.permissions());
    if ((status.permissions() & fs::perms::owner_write) == fs::perms::none) {
        target.error = "The file is read-only.";
        target.readOnly = true;
    }
    return target;
}

std::string WriteFileAtomically(const SaveTarget& target, const std::string& bytes) {
    const fs::path final(target.path);
    fs::path temporary = final;
    temporary += ".tmp" + std::to_string(std::random_device{}());
    std::error_code error;
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        file.write(bytes.data(), std::streamsize(bytes.size()));
        file.close();
        if (!file) {
            fs::remove(temporary, error);
            return "The file cannot be written.";
        }
    }
    if (target.replaces)
        fs::permissions(temporary, fs::perms(*target.replaces), error);
    fs::rename(temporary, final, error);
    if (error) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        return error.message() + ".";
    }
    return {};
}

} // namespace orbika

#endif
