#include "frmFinancialAstrologyMain.h"

#include "birth/BirthEntryControls.h"
#include "content/ShellTexts.h"
#include "frmFinancialAstrologyDisplay.h"
#include "links/BrandLinks.h"
#include "links/modBanners.h"
#include "platform/Text.h"
#include "reports/SavedReadingFiles.h"
#include "tools/ReadingState.h"
#include "tools/Tools.h"
#include "widgets/LinkLabel.h"
#include "widgets/ToolHost.h"
#include "widgets/Widgets.h"

#include <QComboBox>
#include <QGroupBox>
#include <QKeySequence>
#include <QLineEdit>
#include <QVBoxLayout>

namespace orbika {

frmFinancialAstrologyMain::frmFinancialAstrologyMain(ToolHost& host)
    : ToolWindow(host, ReadingKind::Financial, ToolWindowRole::Entry,
                 QStringLiteral("frmFinancialAstrologyMain")) {
    QWidget* page = body();

    auto* intro = MakeLabel(page, QStringLiteral("Label3"), Q(content::kFinancialIntro));
    intro->setWordWrap(true);

    auto* details = new QGroupBox(tr("Personal Details"), page);
    details->setObjectName(QStringLiteral("fraDetails"));
    const YearRange years = YearsOf(ToolOf(ReadingKind::Financial));
    m_entry = new BirthEntryControls(details, host.platform(), years.first, years.last,
                                     BirthEntryControls::Arrangement::MonthDayYear);
    auto* proceed = MakeButton(details, "cmdProceed", tr("&Get My Financial Astrology Reading"));
    proceed->setDefault(true);
    connect(proceed, &QPushButton::clicked, this, &frmFinancialAstrologyMain::cmdProceed_Click);
    auto* detailsLayout = new QVBoxLayout(details);
    detailsLayout->addWidget(m_entry->widget());
    detailsLayout->addWidget(proceed, 0, Qt::AlignRight);
    QWidget::setTabOrder(m_entry->lastInTabOrder(), proceed);
    // Enter in the name box asks for the reading, as the button does.
    connect(m_entry->txtName(), &QLineEdit::returnPressed, proceed, &QPushButton::click);

    auto* open = MakeButton(page, "cmdOpen", tr("&Open Previously Saved Reading"));
    connect(open, &QPushButton::clicked, this, &frmFinancialAstrologyMain::cmdOpen_Click);
    addKey(QKeySequence::Open, open);
    QWidget::setTabOrder(proceed, open);

    auto* banner =
        CreateForumBanner(page, host.platform(), QStringLiteral("Label61"), Q(ForumBannerText()));

    QVBoxLayout* layout = bodyLayout();
    layout->addWidget(intro);
    layout->addWidget(details);
    layout->addWidget(open, 0, Qt::AlignRight);
    layout->addWidget(banner);
    layout->addWidget(CreateBrandFrame(page, host.platform()));
    setBodyWidth(kEntryWindowColumns);
    m_entry->txtName()->setFocus();
}

void frmFinancialAstrologyMain::openSavedFile(const QString& path) {
    const YearRange years = YearsOf(ToolOf(kind()));
    const auto opened =
        path.isEmpty()
            ? OpenReading(host().platform(), this, FinancialFileKind(), years.first, years.last)
            : OpenReadingFile(host().platform(), this, FinancialFileKind(), path, years.first,
                              years.last);
    if (!opened)
        return;
    m_entry->setEntries(*opened);
    cmdProceed_Click();
}

void frmFinancialAstrologyMain::cmdOpen_Click() {
    openSavedFile({});
}

frmFinancialAstrologyDisplay* frmFinancialAstrologyMain::loadDisplayWindow() {
    if (!m_display || m_display->isUnloaded()) {
        m_display = new frmFinancialAstrologyDisplay(host(), this);
        host().addToolWindow(m_display);
    }
    return m_display;
}

void frmFinancialAstrologyMain::cmdProceed_Click() {
    if (!m_entry->validate(ToolOf(kind()).nameRule))
        return;

    FinancialReading& reading = host().readings().financial;
    reading.Name = TrimBlanks(U8(m_entry->nameText()));
    reading.Day = static_cast<std::int16_t>(m_entry->dayText().toInt());
    reading.Month = U8(m_entry->monthText());
    reading.Year = static_cast<std::int16_t>(m_entry->yearText().toInt());
    reading.Sign = FindSunSign(reading.Month, reading.Day);
    StarSignDescription(reading.Sign, reading.SunSign);
    Financial_Profile(reading.Sign, reading.Financial);

    // The result window shows the reading it was loaded with: a new reading needs a new one.
    if (m_display)
        m_display->close();
    host().bringIntoView(loadDisplayWindow());
    hide();
    host().setWelcomeVisible(false);
}

} // namespace orbika
