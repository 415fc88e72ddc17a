#pragma once
// Just enough JSON output for orbika-reading: objects and arrays of strings and numbers, written
// in the order given so that the keys stay stable.

#include <string>
#include <string_view>

namespace orbika::cli {

std::string JsonString(std::string_view text);

class JsonObject {
public:
    JsonObject& add(std::string_view key, std::string_view value);
    JsonObject& addNumber(std::string_view key, long value);
    JsonObject& addRaw(std::string_view key, std::string_view json); // an object or array
    std::string str() const { return "{" + m_body + "}"; }

private:
    void key(std::string_view name);
    std::string m_body;
};

} // namespace orbika::cli
