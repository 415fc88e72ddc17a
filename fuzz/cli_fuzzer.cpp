// libFuzzer target: orbika-reading's whole Run on arbitrary arguments and an arbitrary saved file.
// The input is the arguments, each ended by a NUL byte, then a second NUL, a byte whose lowest
// bit picks ".cwc" over ".zod", and the file's bytes; the argument FILE stands for that file.
// Whatever comes in, Run must return 0, 1 or 2 without crashing or hanging; when it succeeds with
// --json, every line it prints is valid JSON; its plain text never carries a control character to
// the terminal.

#include "cli/ReadingCli.h"
#include "cli/Text.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

// Saves land in a folder of the fuzzer's own, and no argument may name anything outside it.
const std::string& WorkFolder() {
    static const std::string folder = [] {
        char name[] = "/tmp/orbika-cli-fuzz.XXXXXX";
        if (!mkdtemp(name) || chdir(name) != 0)
            std::abort();
        return std::string(name);
    }();
    return folder;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    WorkFolder();
    const std::string input(reinterpret_cast<const char*>(data), size);
    const auto split = input.find(std::string("\0\0", 2));
    const std::string argumentBytes = input.substr(0, split);
    const std::string tail = split == std::string::npos ? "" : input.substr(split + 2);
    const bool career = !tail.empty() && (tail[0] & 1);
    const std::string fileBytes = tail.empty() ? "" : tail.substr(1);

    std::vector<std::string> args;
    std::string::size_type start = 0;
    while (start < argumentBytes.size()) {
        auto end = argumentBytes.find('\0', start);
        if (end == std::string::npos)
            end = argumentBytes.size();
        args.push_back(argumentBytes.substr(start, end - start));
        start = end + 1;
    }
    if (args.size() > 12)
        return 0;
    const std::string file = career ? "reading.cwc" : "reading.zod";
    for (std::string& arg : args) {
        if (arg.find('/') != std::string::npos)
            return -1; // never reach outside the work folder
        if (arg == "FILE")
            arg = file;
    }
    {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out << fileBytes;
    }

    std::ostringstream out, err;
    const int status = orbika::cli::Run(args, out, err);
    if (status < 0 || status > 2)
        std::abort();
    const std::string text = out.str();
    if (!orbika::cli::Utf8Length(text))
        std::abort();
    // --help and --version are answered wherever they stand; --json only where it is no value:
    // the word after --name or --date is that option's value, whatever it says.
    bool json = false, help = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        help = help || args[i] == "--help" || args[i] == "-h" || args[i] == "--version";
        const bool value = i > 0 && (args[i - 1] == "--name" || args[i - 1] == "--date");
        json = json || (args[i] == "--json" && !value);
    }
    if (status == 0 && json && !help && !text.empty()) {
        std::istringstream lines(text);
        for (std::string line; std::getline(lines, line);) {
            if (!nlohmann::json::accept(line))
                std::abort();
        }
    }
    if (!json) {
        for (const unsigned char byte : text) {
            if (byte < 0x20 && byte != '\n')
                std::abort();
        }
    }
    // Whatever a save wrote goes, so that the folder stays small however long the run.
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(".", ignored))
        std::filesystem::remove_all(entry.path(), ignored);
    return 0;
}
