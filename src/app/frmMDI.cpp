#include "frmMDI.h"

#include "ToolRegistry.h"
#include "content/Pictures.h"
#include "content/ShellTexts.h"
#include "links/frmAbout.h"
#include "links/modHelp.h"
#include "platform/Platform.h"
#include "platform/Text.h"
#include "reports/SavedReadingFiles.h"
#include "tools/Tools.h"
#include "widgets/LinkLabel.h"
#include "widgets/Messages.h"
#include "widgets/ToolWindow.h"
#include "widgets/Widgets.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QStackedWidget>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

namespace orbika {

namespace {

// Designed sizes, in pixels at 96 dpi (the design's twips divided by 15).
constexpr int kBannerHeight = 37;
constexpr int kToolStripHeight = 92;
constexpr int kToolButtonWidth = 206;
constexpr int kToolButtonHeight = 33;
constexpr int kBottomStripHeight = 49;
constexpr int kDecorationSize = 28;

// The tool buttons' frame. It paints the small sign pictures beside the buttons itself: they are
// decoration only, and a picture widget would be announced by screen readers.
class ButtonContainer : public QWidget {
public:
    using QWidget::QWidget;

    void addDecoration(QSpacerItem* place, QPixmap picture) {
        m_decorations.emplace_back(place, std::move(picture));
    }

protected:
    void paintEvent(QPaintEvent* /*event*/) override {
        QPainter painter(this);
        for (const auto& [place, picture] : m_decorations) {
            const QSize size = picture.deviceIndependentSize().toSize();
            painter.drawPixmap(
                QStyle::alignedRect(layoutDirection(), Qt::AlignCenter, size, place->geometry()),
                picture);
        }
    }

private:
    std::vector<std::pair<QSpacerItem*, QPixmap>> m_decorations;
};

} // namespace

frmMDI::frmMDI(Platform& platform, QWidget* parent) : QMainWindow(parent), m_platform(platform) {
    setObjectName(QStringLiteral("frmMDI"));
    setWindowTitle(Q(kMainWindowCaption));

    buildMenus();

    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("centralWidget"));
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_mdiArea = new QMdiArea(central);
    m_mdiArea->setObjectName(QStringLiteral("mdiArea"));
    m_mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);

    m_stack = new QStackedWidget(central);
    m_stack->setObjectName(QStringLiteral("clientArea"));
    m_stack->addWidget(buildWelcomePanel());
    m_stack->addWidget(m_mdiArea);

    layout->addWidget(buildBannerStrip());
    layout->addWidget(buildToolStrip());
    layout->addWidget(m_stack, 1);
    layout->addWidget(buildBottomStrip());
    setCentralWidget(central);

    // The designed 800 x 600, but never more than the screen offers: at a large scale factor
    // the logical screen can be smaller, and tool windows then scroll inside the client area.
    const QSize available = screen() ? screen()->availableSize() : QSize(800, 600);
    setMinimumSize(std::min(800, available.width()), std::min(600, available.height()));
    resize(std::min(1024, available.width()), std::min(768, available.height()));

    auto* closeTool = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_W), this);
    connect(closeTool, &QShortcut::activated, this, [this] {
        QMdiSubWindow* active = m_mdiArea->activeSubWindow();
        if (!isWelcomeVisible() && active && active->isVisible())
            active->close();
    });
    m_focusWatch = connect(qApp, &QApplication::focusChanged, this,
                           [this](QWidget*, QWidget* now) { focusChanged(now); });
    m_cmdSelectOption[0]->setFocus();
}

frmMDI::~frmMDI() {
    // Hiding the children while QWidget's destructor runs moves the focus; by then this is no
    // longer a frmMDI to tell.
    disconnect(m_focusWatch);
}

void frmMDI::buildMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("menuBar"));
    QMenu* file = bar->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction* exit = AddNamedAction(file, "mnuExit", tr("E&xit"));
    exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    exit->setShortcutContext(Qt::WindowShortcut);
    connect(exit, &QAction::triggered, this, &QWidget::close);
    AddSharedMenus(bar, m_platform, kMainHelpNames, [this] { showAbout(); });
    for (QAction* title : bar->actions()) {
        if (!title->isSeparator())
            m_menuTitles << title;
    }
    m_mnuOnline = bar->findChild<QAction*>(QStringLiteral("mnuOnline"));
}

QWidget* frmMDI::buildBannerStrip() {
    m_bannerStrip = new QWidget(this);
    m_bannerStrip->setObjectName(QStringLiteral("Picture6"));
    m_bannerStrip->setMinimumHeight(kBannerHeight);
    m_bannerStrip->setAutoFillBackground(true);
    m_bannerStrip->setCursor(Qt::PointingHandCursor);
    QPalette palette = m_bannerStrip->palette();
    palette.setColor(QPalette::Window, QColor(0x1b, 0x24, 0x4a));
    palette.setColor(QPalette::WindowText, QColor(0xf3, 0xd3, 0x7a));
    palette.setColor(QPalette::Link, QColor(0xf3, 0xd3, 0x7a));
    m_bannerStrip->setPalette(palette);
    m_bannerStrip->installEventFilter(this);

    auto* banner =
        new LinkLabel(QStringLiteral("lblOrbikaBanner"), Q(MainBannerText()), m_bannerStrip);
    banner->setWordWrap(false);
    banner->setAlignment(Qt::AlignCenter);
    ConnectLink(banner, m_platform, Page::Home);

    auto* layout = new QHBoxLayout(m_bannerStrip);
    layout->setContentsMargins(8, 4, 8, 4);
    layout->addWidget(banner, 1, Qt::AlignCenter);
    return m_bannerStrip;
}

QWidget* frmMDI::buildToolStrip() {
    auto* strip = new QWidget(this);
    strip->setObjectName(QStringLiteral("Picture1"));
    strip->setMinimumHeight(kToolStripHeight);
    strip->setAutoFillBackground(true);
    QPalette palette = strip->palette();
    palette.setColor(QPalette::Window, QColor(0x2b, 0x36, 0x68));
    strip->setPalette(palette);

    auto* container = new ButtonContainer(strip);
    container->setObjectName(QStringLiteral("picButtonContainer"));
    auto* grid = new QGridLayout(container);
    grid->setContentsMargins(0, 6, 0, 6);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(8);
    for (const Tool& tool : Tools()) {
        const int index = int(IndexOf(tool.kind));
        auto* button = new QPushButton(Q(tool.caption), container);
        button->setObjectName(IndexedName("cmdSelectOption", index));
        button->setMinimumSize(kToolButtonWidth, kToolButtonHeight);
        button->setAccessibleName(button->text());
        button->setAutoDefault(true); // Enter presses it, as Space does
        connect(button, &QPushButton::clicked, this,
                [this, index] { cmdSelectOption_Click(index); });
        m_cmdSelectOption[std::size_t(index)] = button;

        auto* picture = new QSpacerItem(kDecorationSize, kDecorationSize, QSizePolicy::Fixed,
                                        QSizePolicy::Fixed);
        container->addDecoration(picture, SignDecoration(tool.decorationSign, kDecorationSize));

        grid->addItem(picture, tool.place.row, tool.place.column * 2);
        grid->addWidget(button, tool.place.row, tool.place.column * 2 + 1);
    }
    // Tab goes along the rows, whatever the order of the tools.
    std::array<const Tool*, kToolCount> byPlace{};
    std::transform(Tools().begin(), Tools().end(), byPlace.begin(),
                   [](const Tool& tool) { return &tool; });
    std::sort(byPlace.begin(), byPlace.end(), [](const Tool* a, const Tool* b) {
        return std::pair(a->place.row, a->place.column) < std::pair(b->place.row, b->place.column);
    });
    for (std::size_t i = 1; i < byPlace.size(); ++i)
        setTabOrder(m_cmdSelectOption[IndexOf(byPlace[i - 1]->kind)],
                    m_cmdSelectOption[IndexOf(byPlace[i]->kind)]);

    auto* layout = new QHBoxLayout(strip);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(container, 0, Qt::AlignCenter);
    return strip;
}

QWidget* frmMDI::buildWelcomePanel() {
    m_picMain = new QWidget(this);
    m_picMain->setObjectName(QStringLiteral("picMain"));
    m_picMain->setMouseTracking(true);
    m_picMain->setAutoFillBackground(true);
    QPalette palette = m_picMain->palette();
    palette.setColor(QPalette::Window, QColor(0xf6, 0xf3, 0xea));
    palette.setColor(QPalette::WindowText, QColor(0x22, 0x22, 0x33));
    palette.setColor(QPalette::Link, QColor(0x1a, 0x55, 0x9e));
    m_picMain->setPalette(palette);
    m_picMain->installEventFilter(this);

    QStringList texts = {tr("Welcome to Orbika Finance Astrology"),
                         TwoLines(Q(content::kWelcomeIntro)),
                         tr("Orbika Finance Astrology includes the following programs")};
    for (const Tool& tool : Tools())
        texts << Q(tool.caption);

    // The captions stand in a centred column; the columns beside it take the spare width.
    auto* layout = new QGridLayout(m_picMain);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->setVerticalSpacing(10);
    layout->setColumnStretch(0, 1);
    layout->setColumnStretch(2, 1);
    layout->setColumnMinimumWidth(1, 620);
    layout->setRowStretch(0, 1);
    int row = 1;
    for (int index = 0; index < int(texts.size()); ++index) {
        const bool toolCaption = index >= kCaptionIndexOffset;
        CachedLabel* caption = nullptr;
        if (toolCaption) {
            // A link for screen readers, whose press action opens the tool; the keyboard has the
            // tool buttons, so it takes no focus.
            auto* link = new LinkLabel(IndexedName("lblCaption", index), texts[index], m_picMain);
            link->setWordWrap(false);
            link->setFocusPolicy(Qt::NoFocus);
            connect(link, &LinkLabel::clicked, this, [this, index] { lblCaption_Click(index); });
            caption = link;
        } else {
            caption = new CachedLabel(texts[index], m_picMain);
            caption->setObjectName(IndexedName("lblCaption", index));
        }
        caption->setAlignment(Qt::AlignCenter);
        caption->setMouseTracking(true);
        caption->installEventFilter(this);
        QFont font = caption->font();
        if (index == 0) {
            font.setBold(true);
            font.setPointSizeF(font.pointSizeF() * 1.6);
        } else if (toolCaption) {
            caption->setAccessibleDescription(tr("Opens %1").arg(texts[index]));
        }
        caption->setFont(font);
        m_lblCaption[std::size_t(index)] = caption;
        if (toolCaption) {
            // A tool caption is only as wide as its text, so the bare panel beside it counts as
            // panel for the hover rule.
            caption->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
            layout->addWidget(caption, row++, 1, Qt::AlignHCenter);
        } else {
            layout->addWidget(caption, row++, 1);
        }
        if (index == 1 || index == 2)
            layout->setRowMinimumHeight(row++, 12);
    }
    layout->setRowStretch(row, 2);
    return m_picMain;
}

QWidget* frmMDI::buildBottomStrip() {
    auto* strip = new QWidget(this);
    strip->setObjectName(QStringLiteral("PicCoBrand"));
    strip->setMinimumHeight(kBottomStripHeight);

    auto* offer =
        new LinkLabel(QStringLiteral("Label7"), TwoLines(Q(content::kFullBrandOffer)), strip);
    offer->setWordWrap(false);
    offer->setAccessibleName(Q(content::kFullBrandOffer));
    ConnectLink(offer, m_platform, Page::FullBrand);

    auto* exit = new QPushButton(tr("&Exit"), strip);
    exit->setObjectName(QStringLiteral("cmdMdiExit"));
    exit->setAccessibleName(tr("Exit"));
    exit->setAutoDefault(true);
    m_cmdMdiExit = exit;
    connect(exit, &QPushButton::clicked, this, &QWidget::close);

    auto* layout = new QHBoxLayout(strip);
    layout->setContentsMargins(12, 6, 8, 6);
    layout->addWidget(offer, 1);
    layout->addSpacing(24);
    layout->addWidget(exit, 0, Qt::AlignVCenter);
    return strip;
}

void frmMDI::setWelcomeVisible(bool visible) {
    m_stack->setCurrentWidget(visible ? m_picMain : static_cast<QWidget*>(m_mdiArea));
}

bool frmMDI::isWelcomeVisible() const {
    return m_stack->currentWidget() == m_picMain;
}

void frmMDI::addToolWindow(ToolWindow* window) {
    m_mdiArea->addSubWindow(window);
    const ReadingKind kind = window->kind();
    connect(window, &ToolWindow::unloaded, this, [this, kind] {
        // Queued: the window that comes forward is shown only after this one has closed.
        QTimer::singleShot(0, this, [this, kind] { settleFocus(kind); });
    });
    window->adjustSize();
    const int left = std::max(0, (m_mdiArea->viewport()->width() - window->width()) / 2);
    window->move(left, 0);
}

void frmMDI::bringIntoView(ToolWindow* window) {
    setWelcomeVisible(false);
    window->show();
    window->raise();
    m_mdiArea->setActiveSubWindow(window);
}

ToolWindow* frmMDI::loadedWindow(ReadingKind kind, ToolWindowRole role) const {
    for (ToolWindow* window : toolWindows()) {
        if (window->kind() == kind && window->role() == role)
            return window;
    }
    return nullptr;
}

bool frmMDI::otherToolWindowShown(const ToolWindow* except) const {
    const QList<ToolWindow*> windows = toolWindows();
    return std::any_of(windows.begin(), windows.end(), [except](const ToolWindow* window) {
        return window != except && window->isVisible();
    });
}

void frmMDI::showAbout() {
    frmAbout about(m_platform);
    m_platform.runModal(about);
}

QList<ToolWindow*> frmMDI::toolWindows() const {
    QList<ToolWindow*> windows;
    for (QMdiSubWindow* sub : m_mdiArea->subWindowList(QMdiArea::CreationOrder)) {
        auto* window = qobject_cast<ToolWindow*>(sub);
        if (window && !window->isUnloaded())
            windows << window;
    }
    return windows;
}

void frmMDI::closeAllToolWindows() {
    m_closingAll = true;
    for (const ToolWindowRole role :
         {ToolWindowRole::Report, ToolWindowRole::Result, ToolWindowRole::Entry}) {
        for (ToolWindow* window : toolWindows()) {
            if (window->role() == role)
                window->close();
        }
    }
    m_closingAll = false;
}

void frmMDI::cmdSelectOption_Click(int index) {
    openTool(index);
}

ToolWindow* frmMDI::openTool(int index) {
    if (index < 0 || index >= int(kToolCount))
        return nullptr;
    closeAllToolWindows();
    setWelcomeVisible(false);
    ToolWindow* entry = CreateEntryWindow(Tools()[std::size_t(index)].kind, *this);
    addToolWindow(entry);
    bringIntoView(entry);
    return entry;
}

void frmMDI::openSavedReading(const QString& path) {
    const std::optional<ReadingKind> kind = ToolOfSavedReading(path);
    if (!kind) {
        // No tool takes the file: the message Open gives for a wrong extension, nothing else.
        ShowMessage(m_platform, this, kMsgCheckFile, MessageIcon::Error);
        return;
    }
    if (ToolWindow* entry = openTool(int(*kind)))
        OpenSavedReading(*entry, path);
}

void frmMDI::comeForward() {
    setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    show();
    raise();
    activateWindow();
    if (QWidget* modal = QApplication::activeModalWidget()) {
        modal->raise();
        modal->activateWindow();
    }
}

void frmMDI::laterStart(const QString& file) {
    comeForward();
    if (file.isEmpty())
        return;
    // Opening a tool under an open message box or About box would close windows beneath it.
    m_pendingFile = file;
    openPendingFile();
}

void frmMDI::openPendingFile() {
    if (m_pendingFile.isEmpty())
        return;
    if (QApplication::activeModalWidget()) {
        if (!m_pendingTimer) {
            m_pendingTimer = new QTimer(this);
            m_pendingTimer->setInterval(250);
            connect(m_pendingTimer, &QTimer::timeout, this, &frmMDI::openPendingFile);
        }
        m_pendingTimer->start();
        return;
    }
    if (m_pendingTimer)
        m_pendingTimer->stop();
    const QString file = m_pendingFile;
    m_pendingFile.clear();
    openSavedReading(file);
}

void frmMDI::lblCaption_Click(int index) {
    if (index >= kCaptionIndexOffset && index < kCaptionIndexOffset + int(kToolCount))
        cmdSelectOption_Click(index - kCaptionIndexOffset);
}

void frmMDI::setCaptionUnderlined(QLabel* caption, bool underlined) {
    QFont font = caption->font();
    if (font.underline() == underlined)
        return;
    font.setUnderline(underlined);
    caption->setFont(font);
}

bool frmMDI::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_bannerStrip && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        OpenHomePage(m_platform);
        return true;
    }
    if (watched == m_picMain && event->type() == QEvent::MouseMove) {
        for (QLabel* caption : m_lblCaption)
            setCaptionUnderlined(caption, false);
        return false;
    }
    for (int index = 0; index < int(m_lblCaption.size()); ++index) {
        if (watched != m_lblCaption[std::size_t(index)])
            continue;
        const bool toolCaption = index >= kCaptionIndexOffset;
        if (event->type() == QEvent::MouseMove) {
            if (toolCaption)
                setCaptionUnderlined(m_lblCaption[std::size_t(index)], true);
            return true; // the panel underneath must not see it, or it would clear the underline
        }
        if (!toolCaption)
            break;
        if (event->type() == QEvent::MouseButtonRelease &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            lblCaption_Click(index);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

ToolWindow* frmMDI::toolWindowOf(QWidget* widget) const {
    for (QWidget* at = widget; at; at = at->parentWidget()) {
        if (auto* window = qobject_cast<ToolWindow*>(at))
            return window->mdiArea() == m_mdiArea ? window : nullptr;
    }
    return nullptr;
}

void frmMDI::focusChanged(QWidget* now) {
    if (!now || now->window() != this)
        return;
    const bool inToolWindow = toolWindowOf(now) != nullptr;
    setOwnKeysLive(!inToolWindow);
    if (inToolWindow)
        scrollIntoView(now);
}

void frmMDI::setOwnKeysLive(bool live) {
    if (live == m_ownKeysLive)
        return;
    m_ownKeysLive = live;
    m_cmdMdiExit->setShortcut(live ? QKeySequence::mnemonic(m_cmdMdiExit->text()) : QKeySequence());
    // A menu bar takes its access keys from its titles' texts.
    for (QAction* title : m_menuTitles) {
        if (live) {
            title->setText(title->property("designedText").toString());
        } else {
            title->setProperty("designedText", title->text());
            title->setText(title->text().remove(QLatin1Char('&')));
        }
    }
    if (m_mnuOnline)
        m_mnuOnline->setShortcut(live ? QKeySequence(QKeySequence::HelpContents) : QKeySequence());
}

void frmMDI::settleFocus(ReadingKind kind) {
    QWidget* focus = QApplication::focusWidget();
    if (focus && focus->isVisible() && focus->window() == this)
        return;
    QMdiSubWindow* active = m_mdiArea->activeSubWindow();
    if (!isWelcomeVisible() && active && active->isVisible()) {
        active->setFocus();
        return;
    }
    m_cmdSelectOption[IndexOf(kind)]->setFocus(Qt::OtherFocusReason);
}

// A tool window taller or wider than the client area scrolls inside it; the control that takes
// the focus is scrolled into view.
void frmMDI::scrollIntoView(QWidget* widget) {
    QWidget* viewport = m_mdiArea->viewport();
    const QRect area = viewport->rect();
    const QRect target(widget->mapTo(viewport, QPoint(0, 0)), widget->size());
    constexpr int margin = 8;
    auto shift = [](int start, int length, int areaLength) {
        if (length + 2 * margin > areaLength || start < margin)
            return start - margin;
        if (start + length + margin > areaLength)
            return start + length + margin - areaLength;
        return 0;
    };
    const int dx = shift(target.left(), target.width(), area.width());
    const int dy = shift(target.top(), target.height(), area.height());
    if (dx != 0)
        m_mdiArea->horizontalScrollBar()->setValue(m_mdiArea->horizontalScrollBar()->value() + dx);
    if (dy != 0)
        m_mdiArea->verticalScrollBar()->setValue(m_mdiArea->verticalScrollBar()->value() + dy);
}

void frmMDI::closeEvent(QCloseEvent* event) {
    closeAllToolWindows();
    event->accept();
}

} // namespace orbika
