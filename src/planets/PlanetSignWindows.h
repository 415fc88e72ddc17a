#pragma once
// The entry and result windows of the planet-sign readings: one design, and the names and texts
// of each reading from its row in modPlanetReadings.h.

#include "planets/modPlanetReadings.h"
#include "widgets/ToolWindow.h"

#include <QPointer>

class QLabel;

namespace orbika {

class BirthEntryControls;
class PlanetSignResultWindow;

class PlanetSignEntryWindow : public ToolWindow {
    Q_OBJECT
public:
    PlanetSignEntryWindow(ToolHost& host, ReadingKind kind);

    const PlanetReadingInfo& info() const { return m_info; }
    BirthEntryControls& entry() const { return *m_entry; }

    void cmdNext_Click();
    void cmdExit_Click() { close(); }

private:
    PlanetSignResultWindow* loadResultWindow();

    const PlanetReadingInfo& m_info;
    BirthEntryControls* m_entry;
    QPointer<PlanetSignResultWindow> m_result;
};

class PlanetSignResultWindow : public ToolWindow {
    Q_OBJECT
public:
    PlanetSignResultWindow(ToolHost& host, const PlanetReadingInfo& info, ToolWindow* entry);

    QLabel* signLabel() const { return m_signLabel; }
    QLabel* lblSignDesc() const { return m_signDesc; }

    void cmdBack_Click() { backToEntry(); }
    void cmdExit_Click() { close(); }

private:
    QLabel* m_signLabel;
    QLabel* m_signDesc;
};

class frmZodiacPowerSignMain : public PlanetSignEntryWindow {
    Q_OBJECT
public:
    explicit frmZodiacPowerSignMain(ToolHost& host)
        : PlanetSignEntryWindow(host, ReadingKind::PowerSign) {}
};

class frmZodiacLuckySignMain : public PlanetSignEntryWindow {
    Q_OBJECT
public:
    explicit frmZodiacLuckySignMain(ToolHost& host)
        : PlanetSignEntryWindow(host, ReadingKind::LuckySign) {}
};

class frmZodiacCommunicationSignMain : public PlanetSignEntryWindow {
    Q_OBJECT
public:
    explicit frmZodiacCommunicationSignMain(ToolHost& host)
        : PlanetSignEntryWindow(host, ReadingKind::CommunicationSign) {}
};

class frmZodiacEnergySignMain : public PlanetSignEntryWindow {
    Q_OBJECT
public:
    explicit frmZodiacEnergySignMain(ToolHost& host)
        : PlanetSignEntryWindow(host, ReadingKind::EnergySign) {}
};

} // namespace orbika
