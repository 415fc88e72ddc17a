#include "FileNames.h"

namespace orbika {

namespace {

// The longest file name of ext4, and of most other file systems, in bytes.
constexpr qsizetype kMaxFileNameBytes = 255;

bool Unusable(QChar c) {
    return c.unicode() < 0x20 || c.unicode() == 0x7F || QStringView(u"/\\:*?\"<>|").contains(c);
}

} // namespace

QString SuggestedFileName(const QString& text, const QString& extension) {
    QString name = text.trimmed();
    for (QChar& c : name) {
        if (Unusable(c))
            c = u'_';
    }
    if (name.startsWith(u'.'))
        name[0] = u'_';
    if (name.isEmpty())
        return {};
    const QString suffix = u'.' + extension;
    const qsizetype room = kMaxFileNameBytes - suffix.toUtf8().size();
    // Cut whole characters only, never half of a surrogate pair.
    while (name.toUtf8().size() > room) {
        name.chop(name.size() > 1 && name.back().isLowSurrogate() ? 2 : 1);
    }
    return name.trimmed() + suffix;
}

} // namespace orbika
