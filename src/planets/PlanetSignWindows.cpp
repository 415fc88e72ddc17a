#include "PlanetSignWindows.h"

#include "birth/BirthEntryControls.h"
#include "links/BrandLinks.h"
#include "links/modHelp.h"
#include "platform/Text.h"
#include "widgets/LinkLabel.h"
#include "widgets/ToolHost.h"
#include "widgets/Widgets.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QVBoxLayout>

namespace orbika {

namespace {

QString Name(std::string_view name) {
    return Q(name);
}

} // namespace

PlanetSignEntryWindow::PlanetSignEntryWindow(ToolHost& host, const Tool& tool)
    : ToolWindow(host, tool.kind, ToolWindowRole::Entry, Name(tool.planet->entryWindow)),
      m_info(*tool.planet) {
    QWidget* page = body();
    const YearRange years = YearsOf(tool);

    QMenuBar* bar = createMenuBar();
    QMenu* file = bar->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    const std::string menuCommand(m_info.menuCommand);
    connect(AddNamedAction(file, menuCommand.c_str(), Q(m_info.buttonCaption)), &QAction::triggered,
            this, &PlanetSignEntryWindow::cmdNext_Click);
    connect(AddNamedAction(file, "mnuExit", tr("E&xit")), &QAction::triggered, this,
            &PlanetSignEntryWindow::cmdExit_Click);
    AddSharedMenus(bar, host.platform(), kPlanetEntryHelpNames, [&host] { host.showAbout(); });

    auto* intro = MakeLabel(page, QStringLiteral("Label3"), Q(m_info.intro));
    intro->setWordWrap(true);

    auto* details = new QGroupBox(page);
    details->setObjectName(QStringLiteral("fraDetails"));
    m_entry = new BirthEntryControls(details, host.platform(), years.first, years.last,
                                     BirthEntryControls::Arrangement::DayMonthYear);
    m_entry->installLetterFilter();

    auto* next = MakeButton(details, "cmdNext", Q(m_info.buttonCaption));
    next->setDefault(true);
    auto* exit = MakeButton(details, "cmdExit", tr("&Exit"));
    connect(next, &QPushButton::clicked, this, &PlanetSignEntryWindow::cmdNext_Click);
    connect(exit, &QPushButton::clicked, this, &PlanetSignEntryWindow::cmdExit_Click);
    QWidget::setTabOrder(m_entry->lastInTabOrder(), next);
    // Enter in the name box asks for the reading, as the button does.
    connect(m_entry->txtName(), &QLineEdit::returnPressed, next, &QPushButton::click);
    QWidget::setTabOrder(next, exit);
    QHBoxLayout* buttons = ButtonRow({next, exit});
    auto* detailsLayout = new QVBoxLayout(details);
    detailsLayout->addWidget(m_entry->widget());
    detailsLayout->addLayout(buttons);

    QVBoxLayout* layout = bodyLayout();
    layout->addWidget(intro);
    layout->addWidget(details);
    layout->addWidget(
        CreateForumBanner(page, host.platform(), QStringLiteral("Label61"), Q(ForumBannerText())));
    layout->addWidget(CreateBrandFrame(page, host.platform()));
    setBodyWidth(kEntryWindowColumns);
    m_entry->txtName()->setFocus();
}

PlanetSignResultWindow* PlanetSignEntryWindow::loadResultWindow() {
    if (!m_result || m_result->isUnloaded()) {
        m_result = new PlanetSignResultWindow(host(), ToolOf(kind()), this);
        host().addToolWindow(m_result);
    }
    return m_result;
}

void PlanetSignEntryWindow::cmdNext_Click() {
    if (!m_entry->validate(ToolOf(kind()).nameRule))
        return;

    // The lists offer only the table's years, so every accepted date has a sign.
    const auto sign = LookUpSign(TableOf(m_info.body), U8(m_entry->yearText()),
                                 U8(m_entry->monthText()), U8(m_entry->dayText()));
    const auto index = sign ? SignIndex(*sign) : std::nullopt;
    if (!index)
        return;

    PlanetSignResultWindow* result = loadResultWindow();
    result->showSign(*sign, m_info.interpretations[std::size_t(*index)]);
    hide();
    host().bringIntoView(result);
    host().setWelcomeVisible(false);
}

PlanetSignResultWindow::PlanetSignResultWindow(ToolHost& host, const Tool& tool, ToolWindow* entry)
    : ToolWindow(host, tool.kind, ToolWindowRole::Result, Name(tool.planet->resultWindow)) {
    setEntryWindow(entry);
    const PlanetTool& info = *tool.planet;
    QWidget* page = body();

    QMenuBar* bar = createMenuBar();
    QMenu* file = bar->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    connect(AddNamedAction(file, "mnuFileBack", tr("&Back")), &QAction::triggered, this,
            &PlanetSignResultWindow::cmdBack_Click);
    connect(AddNamedAction(file, "mnuExit", tr("E&xit")), &QAction::triggered, this,
            &PlanetSignResultWindow::cmdExit_Click);
    AddSharedMenus(bar, host.platform(), kPlanetResultHelpNames, [&host] { host.showAbout(); });

    auto* frame = new QGroupBox(Q(info.frameCaption), page);
    frame->setObjectName(Name(info.frameName));
    auto* bodyLine = MakeLabel(frame, Name(info.bodyLineName), Q(info.bodyLine));
    QFont bold = bodyLine->font();
    bold.setBold(true);
    bodyLine->setFont(bold);
    auto* placement = MakeLabel(frame, Name(info.placementName), Q(info.placementLine));
    m_signLabel = MakeLabel(frame, Name(info.signLabelName));
    QFont signFont = bold;
    signFont.setPointSizeF(signFont.pointSizeF() * 1.8);
    m_signLabel->setFont(signFont);
    // Described, not named: a name would stand in for the sign a screen reader should read.
    m_signLabel->setAccessibleDescription(tr("Sign"));
    m_signDesc = MakeLabel(frame, QStringLiteral("lblSignDesc"));
    m_signDesc->setWordWrap(true);
    m_signDesc->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_signDesc->setMinimumHeight(m_signDesc->fontMetrics().lineSpacing() * 5);
    m_signDesc->setAccessibleDescription(tr("Interpretation"));

    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->addWidget(bodyLine);
    frameLayout->addWidget(placement);
    frameLayout->addWidget(m_signLabel);
    frameLayout->addWidget(m_signDesc);

    auto* back = MakeButton(page, "cmdBack", tr("&Back"));
    auto* exit = MakeButton(page, "cmdExit", tr("&Exit"));
    connect(back, &QPushButton::clicked, this, &PlanetSignResultWindow::cmdBack_Click);
    connect(exit, &QPushButton::clicked, this, &PlanetSignResultWindow::cmdExit_Click);
    QHBoxLayout* buttons = ButtonRow({back, exit});

    QVBoxLayout* layout = bodyLayout();
    layout->addWidget(frame);
    layout->addLayout(buttons);
    layout->addWidget(
        CreateForumBanner(page, host.platform(), QStringLiteral("Label61"), Q(ForumBannerText())));
    layout->addWidget(CreateBrandFrame(page, host.platform()));
    setBodyWidth(kEntryWindowColumns);
}

void PlanetSignResultWindow::showSign(std::string_view sign, std::string_view interpretation) {
    m_signDesc->setText(Q(interpretation));
    m_signLabel->setText(Q(sign));
}

} // namespace orbika
