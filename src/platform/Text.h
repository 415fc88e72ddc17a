#pragma once
// Conversions between the core's UTF-8 texts and Qt's strings.

#include <QString>
#include <string>
#include <string_view>

namespace orbika {

inline QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

inline std::string U8(const QString& text) {
    return text.toStdString();
}

} // namespace orbika
