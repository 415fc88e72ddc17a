#include "frmMDI.h"

#include "ToolRegistry.h"
#include "ToolWindow.h"
#include "content/Pictures.h"
#include "content/ShellTexts.h"
#include "links/LinkLabel.h"
#include "links/frmAbout.h"
#include "links/modHelp.h"
#include "platform/Platform.h"
#include "platform/Text.h"
#include "shell/Widgets.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QStackedWidget>
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

// The buttons' places: two rows of three, in button-index order per row.
struct ButtonPlace {
    int buttonIndex;
    int row;
    int column;
};
constexpr std::array<ButtonPlace, 6> kButtonPlaces = {{
    {0, 0, 0},
    {1, 0, 1},
    {5, 0, 2},
    {2, 1, 0},
    {3, 1, 1},
    {4, 1, 2},
}};

// The sign picture shown beside each tool button, for decoration only.
constexpr std::array<int, 6> kDecorationSigns = {7, 9, 8, 3, 2, 4};

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

    setMinimumSize(800, 600);
    resize(1024, 768);
}

frmMDI::~frmMDI() = default;

void frmMDI::buildMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("menuBar"));
    QMenu* file = bar->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction* exit = AddNamedAction(file, "mnuExit", tr("E&xit"));
    connect(exit, &QAction::triggered, this, &QWidget::close);
    AddSharedMenus(bar, m_platform, kMainHelpNames, [this] { showAbout(); });
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

    auto* container = new QWidget(strip);
    container->setObjectName(QStringLiteral("picButtonContainer"));
    auto* grid = new QGridLayout(container);
    grid->setContentsMargins(0, 6, 0, 6);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(8);
    for (const ButtonPlace& place : kButtonPlaces) {
        const int index = place.buttonIndex;
        auto* button = new QPushButton(Q(kReadingKinds[std::size_t(index)].caption), container);
        button->setObjectName(IndexedName("cmdSelectOption", index));
        button->setMinimumSize(kToolButtonWidth, kToolButtonHeight);
        button->setAccessibleName(button->text());
        connect(button, &QPushButton::clicked, this,
                [this, index] { cmdSelectOption_Click(index); });
        m_cmdSelectOption[std::size_t(index)] = button;

        auto* picture = new QLabel(container);
        picture->setObjectName(IndexedName("picDecoration", index));
        picture->setPixmap(SignDecoration(kDecorationSigns[std::size_t(index)], kDecorationSize));
        picture->setAccessibleName(tr("Decoration"));

        grid->addWidget(picture, place.row, place.column * 2);
        grid->addWidget(button, place.row, place.column * 2 + 1);
    }
    setTabOrder(m_cmdSelectOption[0], m_cmdSelectOption[1]);
    setTabOrder(m_cmdSelectOption[1], m_cmdSelectOption[5]);
    setTabOrder(m_cmdSelectOption[5], m_cmdSelectOption[2]);
    setTabOrder(m_cmdSelectOption[2], m_cmdSelectOption[3]);
    setTabOrder(m_cmdSelectOption[3], m_cmdSelectOption[4]);

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
    for (const ReadingKindInfo& info : kReadingKinds)
        texts << Q(info.caption);

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
        auto* caption = new CachedLabel(texts[index], m_picMain);
        caption->setObjectName(IndexedName("lblCaption", index));
        caption->setAlignment(Qt::AlignCenter);
        caption->setMouseTracking(true);
        caption->installEventFilter(this);
        QFont font = caption->font();
        if (index == 0) {
            font.setBold(true);
            font.setPointSizeF(font.pointSizeF() * 1.6);
        } else if (index >= kCaptionIndexOffset) {
            caption->setForegroundRole(QPalette::Link);
            caption->setCursor(Qt::PointingHandCursor);
            caption->setAccessibleDescription(tr("Opens %1").arg(texts[index]));
        }
        caption->setFont(font);
        m_lblCaption[std::size_t(index)] = caption;
        if (index >= kCaptionIndexOffset) {
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
    if (index < 0 || index >= int(kReadingKinds.size()))
        return;
    closeAllToolWindows();
    setWelcomeVisible(false);
    ToolWindow* entry = CreateEntryWindow(kReadingKinds[std::size_t(index)].kind, *this);
    addToolWindow(entry);
    bringIntoView(entry);
}

void frmMDI::lblCaption_Click(int index) {
    if (index >= kCaptionIndexOffset && index < kCaptionIndexOffset + int(kReadingKinds.size()))
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

void frmMDI::closeEvent(QCloseEvent* event) {
    closeAllToolWindows();
    event->accept();
}

} // namespace orbika
