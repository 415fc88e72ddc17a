#include "frmCareerAstrologyDisplay.h"

#include "birth/modBirthData.h"
#include "content/Pictures.h"
#include "links/BrandLinks.h"
#include "links/modHelp.h"
#include "platform/Text.h"
#include "reports/ReportWindow.h"
#include "tools/ReadingState.h"
#include "widgets/LinkLabel.h"
#include "widgets/ToolHost.h"
#include "widgets/Widgets.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QVBoxLayout>

namespace orbika {

namespace {
constexpr int kPictureSize = 200;
constexpr int kTextWidth = 416;  // 6240 twips
constexpr int kTextHeight = 200; // 3000 twips
} // namespace

frmCareerAstrologyDisplay::frmCareerAstrologyDisplay(ToolHost& host, ToolWindow* entry)
    : ToolWindow(host, ReadingKind::Career, ToolWindowRole::Result,
                 QStringLiteral("frmCareerAstrologyDisplay")) {
    setEntryWindow(entry);
    QWidget* page = body();

    QMenuBar* bar = createMenuBar();
    QMenu* file = bar->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    connect(AddNamedAction(file, "mnuPrint", tr("&Print")), &QAction::triggered, this,
            &frmCareerAstrologyDisplay::cmdPrint_Click);
    connect(AddNamedAction(file, "mnuBack", tr("&Back")), &QAction::triggered, this,
            &frmCareerAstrologyDisplay::cmdBack_Click);
    file->addSeparator()->setObjectName(QStringLiteral("mnuFileSep1"));
    connect(AddNamedAction(file, "mnuExit", tr("E&xit")), &QAction::triggered, this,
            &frmCareerAstrologyDisplay::cmdExit_Click);
    AddSharedMenus(bar, host.platform(), kResultHelpNames, [&host] { host.showAbout(); });

    auto* frame = new QGroupBox(tr("Orbika Career Astrology Result"), page);
    frame->setObjectName(QStringLiteral("Frame1"));

    auto* heading = MakeLabel(frame, IndexedName("lblLabel", 0), tr("Your Career Profile"));
    QFont headingFont = heading->font();
    headingFont.setBold(true);
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.3);
    heading->setFont(headingFont);
    m_lblSunSign = MakeLabel(frame, IndexedName("lblSunSign", 0), tr("Your Sun Sign"));
    m_lblSunSign->setFont(headingFont);
    m_lblSunSign->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    m_lblDisplay[0] = MakeLabel(frame, IndexedName("lblDisplay", 0),
                                tr("Your career profile is shown here once you have asked for a "
                                   "reading."));
    m_lblDisplay[0]->setWordWrap(true);
    m_lblDisplay[0]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_lblDisplay[0]->setMinimumSize(kTextWidth, kTextHeight);

    m_picSunSign = MakeLabel(frame, IndexedName("picSunSign", 0));
    m_picSunSign->setFixedSize(kPictureSize, kPictureSize);
    m_picSunSign->setPixmap(AppIconPixmap(kPictureSize));
    m_picSunSign->setAccessibleName(tr("Sign picture"));

    auto* top = new QGridLayout;
    top->addWidget(heading, 0, 0);
    top->addWidget(m_lblSunSign, 0, 1);
    top->addWidget(m_lblDisplay[0], 1, 0);
    top->addWidget(m_picSunSign, 1, 1, Qt::AlignRight | Qt::AlignTop);
    top->setColumnStretch(0, 1);

    auto* attributes = new QGridLayout;
    for (int k = 1; k <= 12; ++k) {
        auto* label = MakeLabel(frame, IndexedName("lblLabel", k),
                                Q(modCareerAstrology::kAttributeLabels[std::size_t(k - 1)]));
        QFont bold = label->font();
        bold.setBold(true);
        label->setFont(bold);
        CachedLabel* sentence = MakeLabel(frame, IndexedName("lblDisplay", k), tr("-"));
        sentence->setWordWrap(true);
        sentence->setPrefersOneLine(true);
        m_lblDisplay[std::size_t(k)] = sentence;
        // Each sentence beside its label, in two columns of six: dense enough for the whole
        // result to fit a 1366 x 768 screen.
        const int column = k <= 6 ? 0 : 2;
        const int row = (k - 1) % 6;
        attributes->addWidget(label, row, column, Qt::AlignTop);
        attributes->addWidget(sentence, row, column + 1);
    }
    attributes->setHorizontalSpacing(8);
    attributes->setVerticalSpacing(2);
    attributes->setColumnMinimumWidth(2, 0);
    attributes->setColumnStretch(1, 1);
    attributes->setColumnStretch(3, 1);

    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->addLayout(top);
    frameLayout->addLayout(attributes);

    auto* print = MakeButton(page, "cmdPrint", tr("&Print"));
    auto* back = MakeButton(page, "cmdBack", tr("&Back"));
    auto* exit = MakeButton(page, "cmdExit", tr("E&xit"));
    connect(print, &QPushButton::clicked, this, &frmCareerAstrologyDisplay::cmdPrint_Click);
    connect(back, &QPushButton::clicked, this, &frmCareerAstrologyDisplay::cmdBack_Click);
    connect(exit, &QPushButton::clicked, this, &frmCareerAstrologyDisplay::cmdExit_Click);
    // The banner shares the buttons' row: a line less, so that the result fits a 768-pixel-high
    // screen.
    QHBoxLayout* buttons = ButtonRow(
        {print, back, exit}, CreateForumBanner(page, host.platform(), QStringLiteral("Label14"),
                                               Q(CareerResultBannerText())));
    addKey(QKeySequence::Print, print);

    QVBoxLayout* layout = bodyLayout();
    layout->addWidget(frame);
    layout->addLayout(buttons);
    layout->addWidget(CreateBrandFrame(page, host.platform()));
    page->setMinimumWidth(900);

    // Loaded again after its report closes, it shows the reading the report showed.
    if (const auto profile = LookUpCareerProfile(host.readings().career.Sign))
        showProfile(*profile);
}

void frmCareerAstrologyDisplay::showProfile(const CareerProfile& profile) {
    const auto sign = SignIndex(profile.Sign);
    if (!sign)
        return;
    m_lblSunSign->setText(Q(profile.Sign));
    m_picSunSign->setPixmap(SignPicture(*sign, kPictureSize));
    m_picSunSign->setAccessibleName(tr("Picture of %1").arg(Q(profile.Sign)));
    // Paragraphs are held with CR LF between them; a label breaks lines at LF alone.
    m_lblDisplay[0]->setText(Q(profile.Text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    for (std::size_t a = 0; a < 12; ++a)
        m_lblDisplay[a + 1]->setText(Q(profile.Attributes[a].Sentence));
}

void frmCareerAstrologyDisplay::cmdPrint_Click() {
    // While the tool's report is open, Print only brings it back into view.
    ToolWindow* report = host().loadedWindow(kind(), ToolWindowRole::Report);
    if (!report) {
        report = new frmCareerAstrologySave(host(), host().readings().career);
        host().addToolWindow(report);
    }
    host().bringIntoView(report);
}

} // namespace orbika
