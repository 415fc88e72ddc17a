#pragma once
// The entry and result windows of the planet-sign tools: one design, and each tool's names and
// texts from its row of the tool table.

#include "tools/Tools.h"
#include "widgets/ToolWindow.h"

#include <QPointer>

class QLabel;

namespace orbika {

class BirthEntryControls;
class PlanetSignResultWindow;

class PlanetSignEntryWindow : public ToolWindow {
    Q_OBJECT
public:
    PlanetSignEntryWindow(ToolHost& host, const Tool& tool);

    const PlanetTool& info() const { return m_info; }
    BirthEntryControls& entry() const { return *m_entry; }

    void cmdNext_Click();
    void cmdExit_Click() { close(); }

private:
    PlanetSignResultWindow* loadResultWindow();

    const PlanetTool& m_info;
    BirthEntryControls* m_entry;
    QPointer<PlanetSignResultWindow> m_result;
};

class PlanetSignResultWindow : public ToolWindow {
    Q_OBJECT
public:
    PlanetSignResultWindow(ToolHost& host, const Tool& tool, ToolWindow* entry);

    QLabel* signLabel() const { return m_signLabel; }
    QLabel* lblSignDesc() const { return m_signDesc; }
    // Shows the sign and what it means for the tool's body.
    void showSign(std::string_view sign, std::string_view interpretation);

    void cmdBack_Click() { backToEntry(); }
    void cmdExit_Click() { close(); }

private:
    QLabel* m_signLabel;
    QLabel* m_signDesc;
};

} // namespace orbika
