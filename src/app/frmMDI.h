#pragma once

#include "tools/ReadingState.h"
#include "widgets/ToolHost.h"

#include <QMainWindow>
#include <QTimer>
#include <array>

class QAction;
class QLabel;
class QMdiArea;
class QPushButton;
class QStackedWidget;

namespace orbika {

// The welcome panel's captions: three heading lines, then one caption per tool, so a tool's
// caption index is its button index plus this.
inline constexpr int kCaptionIndexOffset = 3;

// The main window: banner, the tool buttons, the welcome panel and the client area in which
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
    // Every tool window that is loaded (shown or hidden), oldest first.
    QList<ToolWindow*> toolWindows() const;
    // Closes the windows of every tool: report windows first, then result windows, then entry
    // windows. A report closed this way brings no result window back.
    void closeAllToolWindows();

    void cmdSelectOption_Click(int index);
    void lblCaption_Click(int index);

    // Opens a saved reading in its tool as the tool's Open button does, with the file chosen.
    void openSavedReading(const QString& path);
    // Brings the window to the front of the desktop and gives it the keyboard.
    void comeForward();
    // A later start of the program: come forward and open its file, if it gave one. While a
    // modal dialog is up, the file waits until it is closed.
    void laterStart(const QString& file);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    ToolWindow* openTool(int index);
    void openPendingFile();
    QWidget* buildBannerStrip();
    QWidget* buildToolStrip();
    QWidget* buildWelcomePanel();
    QWidget* buildBottomStrip();
    void setCaptionUnderlined(QLabel* caption, bool underlined);
    void focusChanged(QWidget* now);
    // The main window's own access keys and shortcuts are live only while the focus is outside
    // the tool windows: Qt matches them in the whole frame, so Alt+E in a tool window would
    // otherwise reach the main window's Exit too.
    void setOwnKeysLive(bool live);
    // After a tool window closes: focus to the tool window that came forward, else to the
    // tool's button.
    void settleFocus(ReadingKind kind);
    void scrollIntoView(QWidget* widget);
    ToolWindow* toolWindowOf(QWidget* widget) const;

    Platform& m_platform;
    ReadingState m_readings;
    QStackedWidget* m_stack = nullptr;
    QString m_pendingFile; // handed over by a later start, waiting for a modal dialog to close
    QTimer* m_pendingTimer = nullptr;
    QWidget* m_picMain = nullptr;
    QWidget* m_bannerStrip = nullptr;
    QMdiArea* m_mdiArea = nullptr;
    std::array<QPushButton*, kToolCount> m_cmdSelectOption{};
    std::array<QLabel*, std::size_t(kCaptionIndexOffset) + kToolCount> m_lblCaption{};
    QPushButton* m_cmdMdiExit = nullptr;
    QList<QAction*> m_menuTitles;
    QAction* m_mnuOnline = nullptr;
    bool m_ownKeysLive = true;
    bool m_closingAll = false;
    QMetaObject::Connection m_focusWatch;
};

} // namespace orbika
