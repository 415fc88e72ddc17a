#pragma once

#include "tools/ReadingKind.h"

#include <QMdiSubWindow>
#include <QPointer>

class QAbstractButton;
class QKeySequence;
class QMenuBar;
class QVBoxLayout;

namespace orbika {

class ToolHost;

enum class ToolWindowRole { Entry, Result, Report };

inline constexpr int kEntryWindowColumns = 96;

// Base of every entry, result and report window: a child of the main window's client area that
// is deleted when closed ("unloaded"). Closing an entry or result window shows the welcome panel
// unless another tool window is still in view.
class ToolWindow : public QMdiSubWindow {
    Q_OBJECT
public:
    ToolWindow(ToolHost& host, ReadingKind kind, ToolWindowRole role, const QString& objectName);

    ReadingKind kind() const { return m_kind; }
    ToolWindowRole role() const { return m_role; }
    bool isUnloaded() const { return m_unloaded; }

    // The entry window a result window goes back to.
    void setEntryWindow(ToolWindow* entry) { m_entry = entry; }
    // Back: unload this window and show the entry window again as the user left it.
    void backToEntry();
    // An entry window's tool result window, loaded with the tool's current reading if none is;
    // null from windows that have none.
    virtual ToolWindow* ensureResultWindow() { return nullptr; }

signals:
    void unloaded();

protected:
    ToolHost& host() const { return m_host; }
    QWidget* body() const { return m_body; }
    QVBoxLayout* bodyLayout() const { return m_layout; }
    QMenuBar* createMenuBar();
    // Fixes the window's width to about that many average characters of its font: the wrapped
    // texts are then laid out for one width only, and the window grows with the font.
    void setBodyWidth(int columns);
    // A key that presses `button` while the focus is anywhere in this window.
    void addKey(const QKeySequence& key, QAbstractButton* button);

    void closeEvent(QCloseEvent* event) override;

private:
    ToolHost& m_host;
    ReadingKind m_kind;
    ToolWindowRole m_role;
    QWidget* m_body;
    QVBoxLayout* m_layout;
    QPointer<ToolWindow> m_entry;
    bool m_unloaded = false;
};

} // namespace orbika
