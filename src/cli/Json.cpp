#include "Json.h"

#include <cstdio>

namespace orbika::cli {

std::string JsonString(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned char>(c));
                out += escaped;
            } else {
                out += c; // UTF-8 passes through
            }
        }
    }
    return out + "\"";
}

void JsonObject::key(std::string_view name) {
    if (!m_body.empty())
        m_body += ",";
    m_body += JsonString(name) + ":";
}

JsonObject& JsonObject::add(std::string_view name, std::string_view value) {
    key(name);
    m_body += JsonString(value);
    return *this;
}

JsonObject& JsonObject::addNumber(std::string_view name, long value) {
    key(name);
    m_body += std::to_string(value);
    return *this;
}

JsonObject& JsonObject::addRaw(std::string_view name, std::string_view json) {
    key(name);
    m_body += json;
    return *this;
}

} // namespace orbika::cli
