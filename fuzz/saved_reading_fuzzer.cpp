// libFuzzer target: arbitrary bytes through the saved-reading reader and the scrambling pair.
// Whatever comes in, the reader must not crash, hang or keep more than four capped lines, and
// scrambling must stay the inverse of unscrambling for what survives it.

#include "reports/modCodePage.h"
#include "reports/modSavedReading.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    const orbika::ParsedSavedReading parsed = orbika::ParseSavedReading(bytes);
    if (parsed.lineCount < 0 || parsed.lineCount > 4)
        std::abort();
    for (const std::string& line : parsed.lines) {
        if (line.size() > orbika::kMaxSavedLineBytes)
            std::abort();
        // Each line goes on to the name box and the lists as text.
        (void)orbika::Windows1252ToUtf8(line);
    }

    const std::string unscrambled = orbika::UnscrambleText(bytes);
    if (orbika::ScrambleText(unscrambled).size() > bytes.size())
        std::abort();
    const std::string scrambled = orbika::ScrambleText(bytes);
    if (orbika::UnscrambleText(scrambled).size() != scrambled.size())
        std::abort();
    for (const unsigned char byte : scrambled) {
        if (byte < 0x55)
            std::abort();
    }

    (void)orbika::Utf8ToWindows1252(bytes);
    (void)orbika::UnsavableCharacters(bytes);
    return 0;
}
