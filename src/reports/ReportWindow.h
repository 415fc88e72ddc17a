#pragma once

#include "reports/SavedReadingFiles.h"
#include "reports/modReports.h"
#include "shell/ToolWindow.h"

#include <functional>

class QTextDocument;
class QTextEdit;

namespace orbika {

// Inserts the runs at the end of the document, each in its format: labels bold and dark cyan,
// the rest black.
void InsertReportRuns(QTextDocument& document, const std::vector<ReportRun>& runs);

// What the two report windows share: the rich-text report `RTB`, Save and Print, the links, and
// bringing the tool's result window back when the report closes.
class ReportWindow : public ToolWindow {
    Q_OBJECT
public:
    void cmdPrint_Click();
    void cmdSave_Click();
    void cmdSavePdf_Click();

protected:
    // Loads the tool's result window anew, added to the main window, when none is loaded.
    using ResultOpener = std::function<ToolWindow*()>;

    ReportWindow(ToolHost& host, ReadingKind kind, const QString& objectName,
                 const QString& bannerName, const QString& bannerText, ResultOpener reopenResult);

    // Inserts the runs at the end of the report, each in its format.
    void compose(const std::vector<ReportRun>& runs);
    // Name, month, day and year as the saved file holds them.
    virtual std::array<QString, 4> savedLines() const = 0;
    virtual const SavedFileKind& fileKind() const = 0;

    void closeEvent(QCloseEvent* event) override;

private:
    QTextEdit* m_rtb = nullptr;
    ResultOpener m_reopenResult;
};

class frmFinancialAstrologySave : public ReportWindow {
    Q_OBJECT
public:
    frmFinancialAstrologySave(ToolHost& host, ResultOpener reopenResult);

protected:
    std::array<QString, 4> savedLines() const override;
    const SavedFileKind& fileKind() const override { return FinancialFileKind(); }
};

class frmCareerAstrologySave : public ReportWindow {
    Q_OBJECT
public:
    frmCareerAstrologySave(ToolHost& host, ResultOpener reopenResult);

protected:
    std::array<QString, 4> savedLines() const override;
    const SavedFileKind& fileKind() const override { return CareerFileKind(); }
};

} // namespace orbika
