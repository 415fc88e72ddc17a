#include "Messages.h"

#include "content/ShellTexts.h"
#include "platform/Text.h"

namespace orbika {

MessageResult ShowMessage(Platform& platform, QWidget* parent, std::string_view text,
                          MessageIcon icon, MessageButtons buttons) {
    return platform.showMessage(parent, Q(text), icon, buttons, Q(kApplicationTitle));
}

} // namespace orbika
