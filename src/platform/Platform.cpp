#include "Platform.h"

#include "shell/ReadingKinds.h"

namespace orbika {

MessageResult ShowMessage(Platform& platform, QWidget* parent, std::string_view text,
                          MessageIcon icon, MessageButtons buttons) {
    return platform.showMessage(
        parent, QString::fromUtf8(text.data(), qsizetype(text.size())), icon, buttons,
        QString::fromUtf8(kApplicationTitle.data(), qsizetype(kApplicationTitle.size())));
}

} // namespace orbika
