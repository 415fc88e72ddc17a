#include "frmCareerAstrologyMain.h"

#include "birth/BirthEntryControls.h"
#include "content/ShellTexts.h"
#include "frmCareerAstrologyDisplay.h"
#include "links/BrandLinks.h"
#include "links/modHelp.h"
#include "platform/Text.h"
#include "reports/SavedReadingFiles.h"
#include "tools/ReadingState.h"
#include "tools/Tools.h"
#include "widgets/LinkLabel.h"
#include "widgets/ToolHost.h"
#include "widgets/Widgets.h"

#include <QGroupBox>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QVBoxLayout>

namespace orbika {

frmCareerAstrologyMain::frmCareerAstrologyMain(ToolHost& host)
    : ToolWindow(host, ReadingKind::Career, ToolWindowRole::Entry,
                 QStringLiteral("frmCareerAstrologyMain")) {
    QWidget* page = body();

    QMenuBar* bar = createMenuBar();
    QMenu* file = bar->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    connect(AddNamedAction(file, "mnuExit", tr("E&xit")), &QAction::triggered, this,
            &QWidget::close);
    AddSharedMenus(bar, host.platform(), kCareerEntryHelpNames, [&host] { host.showAbout(); });

    auto* frame = new QGroupBox(tr("Personal Details"), page);
    frame->setObjectName(QStringLiteral("Frame1"));
    auto* details = new QGroupBox(tr("Your Personal Details"), frame);
    details->setObjectName(QStringLiteral("fraDetails1"));
    const YearRange years = YearsOf(ToolOf(ReadingKind::Career));
    m_entry = new BirthEntryControls(details, host.platform(), years.first, years.last,
                                     BirthEntryControls::Arrangement::MonthDayYear);
    auto* detailsLayout = new QVBoxLayout(details);
    detailsLayout->addWidget(m_entry->widget());

    auto* proceed = MakeButton(frame, "cmdProceed", tr("&Get My Career Astrology Reading"));
    proceed->setDefault(true);
    connect(proceed, &QPushButton::clicked, this, &frmCareerAstrologyMain::cmdProceed_Click);
    QWidget::setTabOrder(m_entry->lastInTabOrder(), proceed);
    // Enter in the name box asks for the reading, as the button does.
    connect(m_entry->txtName(), &QLineEdit::returnPressed, proceed, &QPushButton::click);
    auto* intro = MakeLabel(frame, QStringLiteral("Label3"), Q(content::kCareerIntro));
    intro->setWordWrap(true);

    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->addWidget(intro);
    frameLayout->addWidget(details);
    frameLayout->addWidget(proceed, 0, Qt::AlignRight);

    auto* open = MakeButton(page, "cmdOpen", tr("&Open Previously Saved Reading"));
    connect(open, &QPushButton::clicked, this, &frmCareerAstrologyMain::cmdOpen_Click);
    addKey(QKeySequence::Open, open);
    QWidget::setTabOrder(proceed, open);

    auto* banner = CreateForumBanner(page, host.platform(), QStringLiteral("Label14"),
                                     Q(CareerForumBannerText()));

    QVBoxLayout* layout = bodyLayout();
    layout->addWidget(frame);
    layout->addWidget(open, 0, Qt::AlignRight);
    layout->addWidget(banner);
    layout->addWidget(CreateBrandFrame(page, host.platform()));
    setBodyWidth(kEntryWindowColumns);
    m_entry->txtName()->setFocus();
}

frmCareerAstrologyDisplay* frmCareerAstrologyMain::loadDisplayWindow() {
    if (!m_display || m_display->isUnloaded()) {
        m_display = new frmCareerAstrologyDisplay(host(), this);
        host().addToolWindow(m_display);
    }
    return m_display;
}

void frmCareerAstrologyMain::DisplayCareerProfile(const std::string& sign) {
    frmCareerAstrologyDisplay* display = loadDisplayWindow();
    if (const auto profile = LookUpCareerProfile(sign))
        display->showProfile(*profile);
}

void frmCareerAstrologyMain::openSavedFile(const QString& path) {
    const YearRange years = YearsOf(ToolOf(kind()));
    const auto opened = path.isEmpty() ? OpenReading(host().platform(), this, CareerFileKind(),
                                                     years.first, years.last)
                                       : OpenReadingFile(host().platform(), this, CareerFileKind(),
                                                         path, years.first, years.last);
    if (!opened)
        return;
    m_entry->setEntries(*opened);
    cmdProceed_Click();
}

void frmCareerAstrologyMain::cmdOpen_Click() {
    openSavedFile({});
}

void frmCareerAstrologyMain::cmdProceed_Click() {
    if (!m_entry->validate(ToolOf(kind()).nameRule))
        return;

    CareerReading& reading = host().readings().career;
    reading.Name = U8(m_entry->nameText());
    reading.Day = U8(m_entry->dayText());
    reading.Month = U8(m_entry->monthText());
    reading.Year = U8(m_entry->yearText());
    reading.Sign = FindSunSign(reading.Month, m_entry->dayText().toInt());

    DisplayCareerProfile(reading.Sign);
    host().bringIntoView(m_display);
    hide();
    host().setWelcomeVisible(false);
}

} // namespace orbika
