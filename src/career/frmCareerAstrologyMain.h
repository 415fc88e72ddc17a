#pragma once

#include "birth/modBirthData.h"
#include "widgets/ToolWindow.h"

#include "frmCareerAstrologyDisplay.h"

#include <QPointer>
#include <optional>

namespace orbika {

class BirthEntryControls;
class frmCareerAstrologyDisplay;

// Career Astrology entry window.
class frmCareerAstrologyMain : public ToolWindow {
    Q_OBJECT
public:
    explicit frmCareerAstrologyMain(ToolHost& host);

    // Open with the file already chosen, as when the program is started with it; with no path it
    // asks for the file, as the Open button does.
    void openSavedFile(const QString& path);
    void cmdProceed_Click();
    void cmdOpen_Click();
    // Writes the sign's profile into the result window, loading it first if needed; an unknown
    // sign writes nothing.
    void DisplayCareerProfile(const std::string& sign);
    // The tool's one result window, loaded from the current reading if none is.
    frmCareerAstrologyDisplay* loadDisplayWindow();
    ToolWindow* ensureResultWindow() override { return loadDisplayWindow(); }

private:
    // A saved reading that was opened goes into the entry controls and is worked out.

    BirthEntryControls* m_entry;
    QPointer<frmCareerAstrologyDisplay> m_display;
};

} // namespace orbika
