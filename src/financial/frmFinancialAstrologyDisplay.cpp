#include "frmFinancialAstrologyDisplay.h"

#include "birth/modBirthData.h"
#include "content/Pictures.h"
#include "links/BrandLinks.h"
#include "links/modHelp.h"
#include "platform/ClipboardEmptier.h"
#include "platform/Platform.h"
#include "platform/Text.h"
#include "reports/ReportWindow.h"
#include "tools/ReadingState.h"
#include "widgets/LinkLabel.h"
#include "widgets/ToolHost.h"
#include "widgets/Widgets.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace orbika {

namespace {

constexpr int kPictureSize = 200;

QLineEdit* ReadOnlyLine(QWidget* parent, const char* objectName) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(objectName));
    box->setReadOnly(true);
    return box;
}

QPlainTextEdit* ReadOnlyText(QWidget* parent, const QString& objectName, int lines) {
    auto* box = new QPlainTextEdit(parent);
    box->setObjectName(objectName);
    box->setReadOnly(true);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setFixedHeight(box->fontMetrics().lineSpacing() * lines + 12);
    return box;
}

// Field captions and the text boxes beside them, in the order the page shows them.
struct Field {
    const char* caption;
    const char* box;
    std::string SunSignProfile::*value;
    bool multiLine;
};

constexpr std::array<Field, 11> kFields = {{
    {"Element", "txtElement", &SunSignProfile::Element, false},
    {"Ruling Planet", "txtRulingPlanet", &SunSignProfile::RulingPlanet, false},
    {"Lucky Number", "txtLuckyNumber", &SunSignProfile::LuckyNumber, false},
    {"Lucky Color", "txtLuckyColor", &SunSignProfile::LuckyColor, false},
    {"Lucky Day", "txtLuckyDay", &SunSignProfile::LuckyDay, false},
    {"Compatibility", "txtCompatibility", &SunSignProfile::Compatibility, false},
    {"BirthStone", "txtBirthStone", &SunSignProfile::BirthStone, false},
    {"Quality", "txtQuality", &SunSignProfile::Quality, false},
    {"Famous Personalities Born Under this Sign", "txtFamousPersons",
     &SunSignProfile::FamousPersons, true},
    {"Positive Traits", "txtPositiveTraits", &SunSignProfile::PositiveTraits, true},
    {"Negative Traits", "txtNegativeTraits", &SunSignProfile::NegativeTraits, true},
}};

} // namespace

frmFinancialAstrologyDisplay::frmFinancialAstrologyDisplay(ToolHost& host, ToolWindow* entry)
    : ToolWindow(host, ReadingKind::Financial, ToolWindowRole::Result,
                 QStringLiteral("frmFinancialAstrologyDisplay")) {
    setEntryWindow(entry);
    QWidget* page = body();

    QMenuBar* bar = createMenuBar();
    QMenu* file = bar->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction* print = AddNamedAction(file, "mnuPrint", tr("&Print"));
    print->setEnabled(false); // offered on the button only
    connect(print, &QAction::triggered, this, &frmFinancialAstrologyDisplay::cmdPrint_Click);
    connect(AddNamedAction(file, "mnuBack", tr("&Back")), &QAction::triggered, this,
            &frmFinancialAstrologyDisplay::cmdBack_Click);
    file->addSeparator()->setObjectName(QStringLiteral("mnuFileSep1"));
    connect(AddNamedAction(file, "mnuExit", tr("E&xit")), &QAction::triggered, this,
            &frmFinancialAstrologyDisplay::cmdExit_Click);
    AddSharedMenus(bar, host.platform(), kResultHelpNames, [&host] { host.showAbout(); });

    m_tabs = new QTabWidget(page);
    m_tabs->setObjectName(QStringLiteral("TS"));
    m_tabs->setAccessibleName(tr("Profile pages"));
    m_tabs->addTab(buildSunSignPage(), tr("Sun Sign Profile"));
    m_tabs->addTab(buildFinancialPage(), tr("Financial Profile"));

    auto* printButton = MakeButton(page, "cmdPrint", tr("&Print"));
    auto* back = MakeButton(page, "cmdBack", tr("&Back"));
    auto* exit = MakeButton(page, "cmdExit", tr("E&xit"));
    connect(printButton, &QPushButton::clicked, this,
            &frmFinancialAstrologyDisplay::cmdPrint_Click);
    connect(back, &QPushButton::clicked, this, &frmFinancialAstrologyDisplay::cmdBack_Click);
    connect(exit, &QPushButton::clicked, this, &frmFinancialAstrologyDisplay::cmdExit_Click);
    auto* banner =
        CreateForumBanner(page, host.platform(), QStringLiteral("Label61"), Q(ForumBannerText()));
    // A small caption-less hot spot beside the banner.
    auto* hotSpot = new LinkLabel(QStringLiteral("Label13"), QString(), page);
    hotSpot->setFixedSize(5, 13);
    hotSpot->setAccessibleName(tr("Full-brand offer"));
    ConnectLink(hotSpot, host.platform(), Page::FullBrand);
    // The banner shares the buttons' row: a line less, so that the result fits a 768-pixel-high
    // screen.
    QHBoxLayout* buttons = ButtonRow({printButton, back, exit}, banner);
    buttons->insertWidget(1, hotSpot);
    addKey(QKeySequence::Print, printButton);

    QVBoxLayout* layout = bodyLayout();
    layout->addWidget(m_tabs);
    layout->addLayout(buttons);
    layout->addWidget(CreateBrandFrame(page, host.platform()));
    page->setMinimumWidth(900);

    Form_Load();
}

QWidget* frmFinancialAstrologyDisplay::buildSunSignPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("fraStarUserSignDetails"));

    m_picSign = MakeLabel(page, QStringLiteral("picSign"));
    m_picSign->setFixedSize(kPictureSize, kPictureSize);
    m_picSign->setAccessibleName(tr("Sign picture"));
    m_lblStarSign = MakeLabel(page, QStringLiteral("lblStarSign"), tr("Star Sign"));
    m_lblStarSign->setAlignment(Qt::AlignCenter);
    QFont signFont = m_lblStarSign->font();
    signFont.setBold(true);
    signFont.setPointSizeF(signFont.pointSizeF() * 1.6);
    m_lblStarSign->setFont(signFont);

    auto* picture = new QVBoxLayout;
    picture->addWidget(m_picSign, 0, Qt::AlignHCenter);
    picture->addStretch(1);

    // The sign's name and the eight one-line fields in two columns beside the picture, then the
    // famous people, then the two trait paragraphs side by side: compact enough for a
    // 1366 x 768 screen.
    auto* fields = new QGridLayout;
    fields->addWidget(m_lblStarSign, 0, 0, 1, 4);
    auto* traits = new QGridLayout;
    int lineFields = 0;
    int traitColumn = 0;
    int fieldRows = 0;
    for (const Field& field : kFields) {
        auto* caption = MakeLabel(page, QStringLiteral("lbl%1").arg(QLatin1String(field.box + 3)),
                                  tr(field.caption));
        const bool famous = field.box == std::string_view("txtFamousPersons");
        QWidget* box = field.multiLine ? static_cast<QWidget*>(ReadOnlyText(
                                             page, QLatin1String(field.box), famous ? 2 : 6))
                                       : static_cast<QWidget*>(ReadOnlyLine(page, field.box));
        caption->setBuddy(box);
        box->setAccessibleName(tr(field.caption));
        if (!field.multiLine) {
            const int row = 1 + lineFields % 4;
            const int column = (lineFields / 4) * 2;
            fields->addWidget(caption, row, column);
            fields->addWidget(box, row, column + 1);
            ++lineFields;
            fieldRows = std::max(fieldRows, row + 1);
        } else if (famous) {
            fields->addWidget(caption, fieldRows, 0, 1, 4);
            fields->addWidget(box, fieldRows + 1, 0, 1, 4);
        } else {
            traits->addWidget(caption, 0, traitColumn);
            traits->addWidget(box, 1, traitColumn);
            ++traitColumn;
        }
    }
    fields->setColumnStretch(1, 1);
    fields->setColumnStretch(3, 1);
    fields->setRowStretch(fieldRows + 2, 1);

    auto* top = new QHBoxLayout;
    top->addLayout(picture);
    top->addLayout(fields, 1);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(top);
    layout->addLayout(traits);
    layout->addStretch(1);
    return page;
}

QWidget* frmFinancialAstrologyDisplay::buildFinancialPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("fraFinancialAstrology"));

    m_txtFinancialProfile = ReadOnlyText(page, QStringLiteral("txtFinancialProfile"), 5);
    m_txtFinancialProfile->setAccessibleName(tr("Financial profile"));
    EmptyClipboardOnUse(m_txtFinancialProfile, host().platform());

    auto* rows = new QGridLayout;
    rows->setVerticalSpacing(2);
    for (int i = 0; i < 12; ++i) {
        auto* label = MakeLabel(page, IndexedName("lblLabel", i));
        QFont bold = label->font();
        bold.setBold(true);
        label->setFont(bold);
        auto* sentence = MakeLabel(page, IndexedName("lblFinancialProfileAttributes", i));
        sentence->setWordWrap(true);
        sentence->setPrefersOneLine(true);
        rows->addWidget(label, i, 0);
        rows->addWidget(sentence, i, 1);
        m_lblLabel[std::size_t(i)] = label;
        m_lblAttributes[std::size_t(i)] = sentence;
    }
    rows->setColumnStretch(0, 1);
    rows->setColumnStretch(1, 5);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(m_txtFinancialProfile);
    layout->addLayout(rows);
    layout->addStretch(1);
    return page;
}

void frmFinancialAstrologyDisplay::Form_Load() {
    const FinancialReading& reading = host().readings().financial;
    m_lblStarSign->setText(Q(reading.Sign));
    for (const Field& field : kFields) {
        const QString text = Q(reading.SunSign.*field.value);
        if (auto* line = findChild<QLineEdit*>(QLatin1String(field.box)))
            line->setText(text);
        else if (auto* box = findChild<QPlainTextEdit*>(QLatin1String(field.box)))
            box->setPlainText(text);
    }
    if (const auto sign = SignIndex(reading.Sign)) {
        m_picSign->setVisible(true);
        m_picSign->setPixmap(SignPicture(*sign, kPictureSize));
        m_picSign->setAccessibleName(tr("Picture of %1").arg(Q(reading.Sign)));
    }
    m_txtFinancialProfile->setPlainText(Q(reading.Financial.Text));
    for (std::size_t i = 0; i < 12; ++i) {
        m_lblLabel[i]->setText(CaptionText(Q(reading.Financial.Attributes[i].Label)));
        m_lblAttributes[i]->setText(Q(reading.Financial.Attributes[i].Sentence));
    }
    m_tabs->setCurrentIndex(0);
}

void frmFinancialAstrologyDisplay::cmdPrint_Click() {
    // While the tool's report is open, Print only brings it back into view.
    ToolWindow* report = host().loadedWindow(kind(), ToolWindowRole::Report);
    if (!report) {
        report = new frmFinancialAstrologySave(host(), host().readings().financial);
        host().addToolWindow(report);
    }
    host().bringIntoView(report);
}

} // namespace orbika
