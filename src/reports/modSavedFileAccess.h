#pragma once
// Reading and replacing saved reading files safely, for the windows and the command line alike:
// only regular files are read, nothing blocks on a pipe or a device, and a save never replaces
// anything but a writable regular file.

#include <cstddef>
#include <optional>
#include <string>

namespace orbika {

struct ReadOutcome {
    std::string bytes; // at most the requested number
    std::string error; // empty when read; otherwise why not, as a sentence
};

// Reads up to `maxBytes` from the start of a regular file (following symbolic links). A folder, a
// named pipe, a device or a socket is refused at once, without being opened for long enough to
// wait on it.
ReadOutcome ReadRegularFile(const std::string& path, std::size_t maxBytes);

struct SaveTarget {
    std::string path;                 // where to write: a symbolic link's final target
    std::optional<unsigned> replaces; // permission bits of the file replaced, if one exists
    std::string error;                // empty when the save may go ahead
    bool readOnly = false;            // the refusal is of a read-only file
};

// Checks a name chosen for saving: an empty name, "." or "..", a name ending in a folder
// separator, anything that is not a regular file and a file without write permission are
// refused. Permission bits decide read-only, so root is refused a 0444 file like anyone else.
SaveTarget CheckSaveTarget(const std::string& path);

// Replaces `target` all or nothing: the bytes go to a new file beside it, which is renamed over
// it once complete. The new file gets the replaced file's permission bits, or the user's default
// for a new one. Empty when done; otherwise why not.
std::string WriteFileAtomically(const SaveTarget& target, const std::string& bytes);

} // namespace orbika
