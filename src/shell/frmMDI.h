#pragma once

#include "ReadingState.h"
#include "ToolHost.h"

#include <QMainWindow>
#include <array>

class QLabel;
class QMdiArea;
class QPushButton;
class QStackedWidget;

namespace orbika {

class LinkLabel;

// The main window: banner, the six tool buttons, the welcome panel and the client area in which
// the tool windows live. It opens tools and keeps the rule that only one tool is in use at a time.
class frmMDI : public QMainWindow, public ToolHost {
    Q_OBJECT
public:
    explicit frmMDI(Platform& platform, QWidget* parent = nullptr);
    ~frmMDI() override;

    // ToolHost
    Platform& platform() override { return m_platform; }
    ReadingState& readings() override { return m_readings; }
    void setWelcomeVisible(bool visible) override;
    void addToolWindow(ToolWindow* window) override;
    void bringIntoView(ToolWindow* window) override;
    ToolWindow* loadedWindow(ReadingKind kind, ToolWindowRole role) const override;
    bool otherToolWindowShown(const ToolWindow* except) const override;
    bool closingAllTools() const override { return m_closingAll; }
    void showAbout() override;

    bool isWelcomeVisible() const;
    QMdiArea* mdiArea() const { return m_mdiArea; }
    // Every tool window that is loaded (shown or hidden), oldest first.
    QList<ToolWindow*> toolWindows() const;
    // Closes the windows of every tool: report windows first, then result windows, then entry
    // windows. A report closed this way brings no result window back.
    void closeAllToolWindows();

    void cmdSelectOption_Click(int index);
    void lblCaption_Click(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    QWidget* buildBannerStrip();
    QWidget* buildToolStrip();
    QWidget* buildWelcomePanel();
    QWidget* buildBottomStrip();
    void setCaptionUnderlined(QLabel* caption, bool underlined);

    Platform& m_platform;
    ReadingState m_readings;
    QStackedWidget* m_stack = nullptr;
    QWidget* m_picMain = nullptr;
    QWidget* m_bannerStrip = nullptr;
    QMdiArea* m_mdiArea = nullptr;
    std::array<QPushButton*, 6> m_cmdSelectOption{};
    std::array<QLabel*, 9> m_lblCaption{};
    bool m_closingAll = false;
};

} // namespace orbika
