#pragma once

#include "widgets/ToolWindow.h"

#include <array>

class QLabel;
class QPlainTextEdit;
class QTabWidget;

namespace orbika {

// Financial Astrology result window: the sun-sign profile and the financial profile on two tabs,
// filled from the current Financial reading when the window loads.
class frmFinancialAstrologyDisplay : public ToolWindow {
    Q_OBJECT
public:
    frmFinancialAstrologyDisplay(ToolHost& host, ToolWindow* entry);

    void cmdPrint_Click();
    void cmdBack_Click() { backToEntry(); }
    void cmdExit_Click() { close(); }

private:
    QWidget* buildSunSignPage();
    QWidget* buildFinancialPage();
    void Form_Load();

    QTabWidget* m_tabs = nullptr;
    QLabel* m_picSign = nullptr;
    QLabel* m_lblStarSign = nullptr;
    QPlainTextEdit* m_txtFinancialProfile = nullptr;
    std::array<QLabel*, 12> m_lblLabel{};
    std::array<QLabel*, 12> m_lblAttributes{};
};

} // namespace orbika
