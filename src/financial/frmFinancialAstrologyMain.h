#pragma once

#include "birth/modBirthData.h"
#include "widgets/ToolWindow.h"

#include "frmFinancialAstrologyDisplay.h"

#include <QPointer>
#include <optional>

namespace orbika {

class BirthEntryControls;
class frmFinancialAstrologyDisplay;

// Financial Astrology entry window: name and birth date; Proceed makes the reading.
class frmFinancialAstrologyMain : public ToolWindow {
    Q_OBJECT
public:
    explicit frmFinancialAstrologyMain(ToolHost& host);

    // Open with the file already chosen, as when the program is started with it; with no path it
    // asks for the file, as the Open button does.
    void openSavedFile(const QString& path);
    void cmdProceed_Click();
    void cmdOpen_Click();
    // The tool's one result window, loaded from the current reading if none is.
    frmFinancialAstrologyDisplay* loadDisplayWindow();
    ToolWindow* ensureResultWindow() override { return loadDisplayWindow(); }

private:
    // A saved reading that was opened goes into the entry controls and is worked out.

    BirthEntryControls* m_entry;
    QPointer<frmFinancialAstrologyDisplay> m_display;
};

} // namespace orbika
