#pragma once

#include "birth/modBirthData.h"
#include "reports/SavedReadingFiles.h"
#include "reports/modReports.h"
#include "widgets/ToolWindow.h"

#include <vector>

class QTextDocument;
class QTextEdit;

namespace orbika {

// Inserts the runs at the end of the document, each in its format: labels bold and dark cyan,
// the rest black.
void InsertReportRuns(QTextDocument& document, const std::vector<ReportRun>& runs);

// What the two report windows share: the rich-text report `RTB`, Save and Print, the links, and
// bringing the tool's result window back when the report closes. A report window shows the runs
// and saves the entries it was given, whatever reading the tool holds later.
class ReportWindow : public ToolWindow {
    Q_OBJECT
public:
    void cmdPrint_Click();
    void cmdSave_Click();
    void cmdSavePdf_Click();

protected:
    ReportWindow(ToolHost& host, ReadingKind kind, const QString& objectName,
                 const QString& bannerName, const QString& bannerText,
                 const SavedFileKind& fileKind, const std::vector<ReportRun>& runs,
                 BirthEntries saved);

    void closeEvent(QCloseEvent* event) override;

private:
    QTextEdit* m_rtb = nullptr;
    const SavedFileKind& m_fileKind;
    BirthEntries m_saved;
};

class frmFinancialAstrologySave : public ReportWindow {
    Q_OBJECT
public:
    frmFinancialAstrologySave(ToolHost& host, const FinancialReading& reading);
};

class frmCareerAstrologySave : public ReportWindow {
    Q_OBJECT
public:
    frmCareerAstrologySave(ToolHost& host, const CareerReading& reading);
};

} // namespace orbika
