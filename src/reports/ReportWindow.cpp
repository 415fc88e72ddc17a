#include "ReportWindow.h"

#include "ReportColours.h"
#include "ReportPdf.h"
#include "links/BrandLinks.h"
#include "links/modBanners.h"
#include "modRTB.h"
#include "platform/ClipboardEmptier.h"
#include "platform/FileNames.h"
#include "platform/Platform.h"
#include "platform/Text.h"
#include "tools/ReadingState.h"
#include "widgets/LinkLabel.h"
#include "widgets/Messages.h"
#include "widgets/ToolHost.h"
#include "widgets/Widgets.h"

#include <QCloseEvent>
#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>

namespace orbika {

namespace {

QColor ToQColor(RgbColour colour) {
    return QColor(colour.red, colour.green, colour.blue);
}

} // namespace

ReportWindow::ReportWindow(ToolHost& host, ReadingKind kind, const QString& objectName,
                           const QString& bannerName, const QString& bannerText,
                           const SavedFileKind& fileKind, const std::vector<ReportRun>& runs,
                           BirthEntries saved)
    : ToolWindow(host, kind, ToolWindowRole::Report, objectName), m_fileKind(fileKind),
      m_saved(std::move(saved)) {
    QWidget* page = body();

    m_rtb = new QTextEdit(page);
    m_rtb->setObjectName(QStringLiteral("RTB"));
    m_rtb->setAccessibleName(tr("Report"));
    // Read-only but selectable; the report is composed, not edited.
    m_rtb->setReadOnly(true);
    m_rtb->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard |
                                   Qt::LinksAccessibleByMouse);
    m_rtb->setAcceptRichText(false);
    m_rtb->setMinimumSize(640, 320);
    QFont verdana(QStringLiteral("Verdana"));
    verdana.setPointSizeF(9.75);
    verdana.setBold(false);
    verdana.setItalic(false);
    m_rtb->document()->setDefaultFont(verdana);
    m_rtb->setCurrentFont(verdana);
    EmptyClipboardOnUse(m_rtb, host.platform());
    InstallLinkHandler(m_rtb, host.platform());

    auto* save = MakeButton(page, "cmdSave", tr("&Save"));
    auto* savePdf = MakeButton(page, "cmdSavePdf", tr("Save as P&DF"));
    auto* print = MakeButton(page, "cmdPrint", tr("&Print"));
    connect(save, &QPushButton::clicked, this, &ReportWindow::cmdSave_Click);
    connect(savePdf, &QPushButton::clicked, this, &ReportWindow::cmdSavePdf_Click);
    connect(print, &QPushButton::clicked, this, &ReportWindow::cmdPrint_Click);
    QHBoxLayout* buttons = ButtonRow({save, savePdf, print});
    addKey(QKeySequence::Save, save);
    addKey(QKeySequence::Print, print);
    buttons->setObjectName(QStringLiteral("buttonRow"));

    QVBoxLayout* layout = bodyLayout();
    layout->addWidget(m_rtb, 1);
    layout->addLayout(buttons);
    layout->addWidget(CreateForumBanner(page, host.platform(), bannerName, bannerText));
    layout->addWidget(CreateBrandFrame(page, host.platform()));

    InsertReportRuns(*m_rtb->document(), runs);
    FollowPalette(m_rtb);
    m_rtb->moveCursor(QTextCursor::Start);
}

void InsertReportRuns(QTextDocument& document, const std::vector<ReportRun>& runs) {
    QTextCursor cursor(&document);
    cursor.movePosition(QTextCursor::End);
    for (const ReportRun& run : runs) {
        QTextCharFormat format;
        format.setFontWeight(run.bold ? QFont::Bold : QFont::Normal);
        SetDesignedColour(format,
                          ToQColor(run.labelColour ? kReportLabelColour : kReportTextColour));
        // A CR LF in a run is a paragraph break in the document.
        cursor.insertText(Q(run.text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")),
                          format);
    }
}

void ReportWindow::cmdPrint_Click() {
    QTextCursor cursor = m_rtb->textCursor();
    cursor.clearSelection();
    m_rtb->setTextCursor(cursor);
    QString reason;
    if (!host().platform().print(*PaperCopy(*m_rtb->document()), &reason)) {
        ShowMessage(host().platform(), this,
                    U8(tr("The report could not be printed.\n%1").arg(reason)), MessageIcon::Error);
    }
}

void ReportWindow::cmdSave_Click() {
    SaveReading(host().platform(), this, m_fileKind, m_saved);
}

void ReportWindow::cmdSavePdf_Click() {
    Platform& platform = host().platform();
    const QString path = platform.saveFileName(
        this, {tr("Save Report as PDF"), tr("PDF documents (*.pdf)"), QStringLiteral("pdf"),
               SuggestedFileName(Q(m_saved.name), QStringLiteral("pdf"))});
    if (path.isEmpty())
        return;
    QString reason;
    if (!WriteReportPdf(*PaperCopy(*m_rtb->document()), path, &reason)) {
        ShowMessage(platform, this,
                    U8(tr("The report could not be saved to \"%1\".\n%2")
                           .arg(QDir::toNativeSeparators(path), reason)),
                    MessageIcon::Error);
    }
}

void ReportWindow::closeEvent(QCloseEvent* event) {
    ToolWindow::closeEvent(event);
    if (!event->isAccepted())
        return;
    if (LinkHandlerTarget() == m_rtb)
        RemoveLinkHandler();
    // Closing the report brings the tool's result window back: the one that is loaded, whichever
    // opened the report, or a new one from the entry window when Back or Exit closed it
    // meanwhile. Not when the whole tool is being closed.
    if (host().closingAllTools())
        return;
    ToolWindow* result = host().loadedWindow(kind(), ToolWindowRole::Result);
    if (!result) {
        if (ToolWindow* entry = host().loadedWindow(kind(), ToolWindowRole::Entry))
            result = entry->ensureResultWindow();
    }
    if (result)
        host().bringIntoView(result);
}

frmFinancialAstrologySave::frmFinancialAstrologySave(ToolHost& host,
                                                     const FinancialReading& reading)
    : ReportWindow(host, ReadingKind::Financial, QStringLiteral("frmFinancialAstrologySave"),
                   QStringLiteral("Label61"), Q(ForumBannerText()), FinancialFileKind(),
                   ComposeReport(FinancialReportEntries(reading)),
                   {reading.Name, reading.Month, std::to_string(reading.Day),
                    std::to_string(reading.Year)}) {}

frmCareerAstrologySave::frmCareerAstrologySave(ToolHost& host, const CareerReading& reading)
    : ReportWindow(host, ReadingKind::Career, QStringLiteral("frmCareerAstrologySave"),
                   QStringLiteral("Label14"), Q(CareerForumBannerText()), CareerFileKind(),
                   ComposeReport(CareerReportEntries(reading)),
                   {reading.Name, reading.Month, reading.Day, reading.Year}) {}

} // namespace orbika
