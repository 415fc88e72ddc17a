#pragma once

#include <QString>

class QTextDocument;

namespace orbika {

// Writes the document as a PDF, all or nothing: the file appears only once it is complete, and
// an existing file stays as it was when writing fails. On failure says why in `error`.
bool WriteReportPdf(const QTextDocument& document, const QString& path, QString* error);

} // namespace orbika
