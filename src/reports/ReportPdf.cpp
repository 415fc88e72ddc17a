#include "ReportPdf.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>

namespace orbika {

bool WriteReportPdf(const QTextDocument& document, const QString& path, QString* error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    {
        // The same paged output as printing: the document laid out on the printer's page size.
        QPdfWriter writer(&file);
        writer.setTitle(QStringLiteral("Orbika Finance Astrology report"));
        writer.setCreator(QStringLiteral("Orbika Finance Astrology 1.15"));
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        document.print(&writer);
    }
    if (file.error() != QFileDevice::NoError || file.size() == 0) {
        if (error)
            *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace orbika
