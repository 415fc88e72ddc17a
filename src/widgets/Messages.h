#pragma once

#include "platform/Platform.h"

#include <string_view>

namespace orbika {

// A message box titled with the application title.
MessageResult ShowMessage(Platform& platform, QWidget* parent, std::string_view text,
                          MessageIcon icon, MessageButtons buttons = MessageButtons::Ok);

} // namespace orbika
