#pragma once

#include <QString>

namespace orbika {

// A file name made from free text, such as a person's name, for a file dialog to offer: the
// characters no file name can hold on the common file systems (a slash, a backslash, : * ? " < >
// |, control characters) become "_", blanks around it go, a leading dot (a hidden file) becomes
// "_", and the whole name with ".extension" fits in 255 bytes. Empty when nothing is left.
QString SuggestedFileName(const QString& text, const QString& extension);

} // namespace orbika
