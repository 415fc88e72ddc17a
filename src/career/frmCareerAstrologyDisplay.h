#pragma once

#include "career/modCareerAstrology.h"
#include "widgets/ToolWindow.h"

#include <array>

class QLabel;

namespace orbika {

// Career Astrology result window: the sign, its picture, the career text and the twelve rated
// work attributes.
class frmCareerAstrologyDisplay : public ToolWindow {
    Q_OBJECT
public:
    frmCareerAstrologyDisplay(ToolHost& host, ToolWindow* entry);

    void showProfile(const CareerProfile& profile);

    void cmdPrint_Click();
    void cmdBack_Click() { backToEntry(); }
    void cmdExit_Click() { close(); }

private:
    QLabel* m_lblSunSign = nullptr;
    QLabel* m_picSunSign = nullptr;
    std::array<QLabel*, 13> m_lblDisplay{};
};

} // namespace orbika
