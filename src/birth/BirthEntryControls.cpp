#include "BirthEntryControls.h"

#include "platform/Platform.h"
#include "platform/Text.h"
#include "widgets/Messages.h"

#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include <array>
#include <tuple>

namespace orbika {

namespace {

QLabel* Caption(const QString& objectName, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(objectName);
    return label;
}

QComboBox* List(const QString& objectName, const QString& accessibleName, int columns,
                QWidget* parent) {
    auto* list = new QComboBox(parent);
    // Sized by its longest entry's length, not by measuring all of up to 151 entries.
    list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    list->setMinimumContentsLength(columns);
    list->setObjectName(objectName);
    list->setEditable(false); // pick an entry, never type one
    list->setAccessibleName(accessibleName);
    list->setMaxVisibleItems(16);
    return list;
}

// The character code a key press stands for, or -1 for keys that type nothing (arrows, Tab,
// Delete, Home ...): those are not filtered.
int TypedCode(const QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
        return -1;
    default:
        break;
    }
    const bool control = event->modifiers().testFlag(Qt::ControlModifier) &&
                         !event->modifiers().testFlag(Qt::AltModifier);
    if (control && event->key() >= Qt::Key_A && event->key() <= Qt::Key_Z)
        return event->key() - Qt::Key_A + 1; // Ctrl+C, Ctrl+V ...: control characters
    const QString text = event->text();
    if (text.isEmpty())
        return -1;
    return text.at(0).unicode();
}

} // namespace

BirthEntryControls::BirthEntryControls(QWidget* parent, Platform& platform, int firstYear,
                                       int lastYear, Arrangement arrangement)
    : QObject(parent), m_platform(platform), m_widget(new QWidget(parent)) {
    m_widget->setObjectName(QStringLiteral("birthEntry"));
    m_txtName = new QLineEdit(m_widget);
    m_txtName->setObjectName(QStringLiteral("txtName"));
    m_txtName->setAccessibleName(tr("Name"));
    m_txtName->setMaxLength(kMaxNameLength);
    m_txtName->setMinimumWidth(220);

    const bool dayFirst = arrangement == Arrangement::DayMonthYear;
    m_cboDate =
        List(QStringLiteral("cboDate"), dayFirst ? tr("Date") : tr("Birth day"), 2, m_widget);
    m_cboMonth =
        List(QStringLiteral("cboMonth"), dayFirst ? tr("Month") : tr("Birth month"), 9, m_widget);
    m_cboYear =
        List(QStringLiteral("cboYear"), dayFirst ? tr("Year") : tr("Birth year"), 4, m_widget);

    // Each list is filled in one call: one model insertion instead of one per entry.
    auto numbers = [](int first, int last) {
        QStringList texts;
        texts.reserve(last - first + 1);
        for (int number = first; number <= last; ++number)
            texts << QString::number(number);
        return texts;
    };
    auto fillDays = [&] { m_cboDate->addItems(numbers(1, 31)); };
    auto fillMonths = [this] {
        QStringList months;
        for (std::string_view month : kMonthNames)
            months << Q(month);
        m_cboMonth->addItems(months);
    };
    if (dayFirst) {
        fillDays();
        fillMonths();
    } else {
        fillMonths();
        fillDays();
    }
    m_cboYear->addItems(numbers(firstYear, lastYear));
    m_cboDate->setCurrentIndex(0);
    m_cboMonth->setCurrentIndex(0);
    m_cboYear->setCurrentIndex(0);

    auto* grid = new QGridLayout(m_widget);
    grid->setContentsMargins(0, 0, 0, 0);
    auto* nameCaption = Caption(QStringLiteral("Label1"), tr("Name"), m_widget);
    nameCaption->setBuddy(m_txtName);
    grid->addWidget(nameCaption, 0, 0);
    if (dayFirst) {
        grid->addWidget(m_txtName, 0, 1, 1, 4);
        auto* dateOfBirth =
            Caption(QStringLiteral("lblDateOfBirth"), tr("Date Of Birth"), m_widget);
        QFont bold = dateOfBirth->font();
        bold.setBold(true);
        dateOfBirth->setFont(bold);
        grid->addWidget(dateOfBirth, 1, 0, 1, 4);
        const std::array<std::pair<QComboBox*, QString>, 3> columns = {
            {{m_cboDate, tr("Date")}, {m_cboMonth, tr("Month")}, {m_cboYear, tr("Year")}}};
        const std::array<const char*, 3> names = {"lblDate", "lblMonth", "lblYear"};
        for (int column = 0; column < 3; ++column) {
            auto* caption = Caption(QString::fromLatin1(names[std::size_t(column)]),
                                    columns[std::size_t(column)].second, m_widget);
            caption->setBuddy(columns[std::size_t(column)].first);
            grid->addWidget(caption, 2, column + 1);
            grid->addWidget(columns[std::size_t(column)].first, 3, column + 1);
        }
        QWidget::setTabOrder(m_txtName, m_cboDate);
        QWidget::setTabOrder(m_cboDate, m_cboMonth);
        QWidget::setTabOrder(m_cboMonth, m_cboYear);
    } else {
        grid->addWidget(m_txtName, 0, 1, 1, 4);
        auto* birthDay = Caption(QStringLiteral("Label2"), tr("Birth Day"), m_widget);
        birthDay->setBuddy(m_cboMonth);
        grid->addWidget(birthDay, 2, 0);
        // A small caption over each list: screen readers name a list by the label whose buddy
        // it is, and one "Birth Day" can be the buddy of one list only.
        const std::array<std::tuple<const char*, QString, QComboBox*>, 3> lists = {
            {{"lblMonth", tr("Month"), m_cboMonth},
             {"lblDate", tr("Day"), m_cboDate},
             {"lblYear", tr("Year"), m_cboYear}}};
        for (int column = 0; column < 3; ++column) {
            const auto& [name, text, list] = lists[std::size_t(column)];
            auto* caption = Caption(QString::fromLatin1(name), text, m_widget);
            caption->setBuddy(list);
            grid->addWidget(caption, 1, column + 1);
            grid->addWidget(list, 2, column + 1);
        }
        QWidget::setTabOrder(m_txtName, m_cboMonth);
        QWidget::setTabOrder(m_cboMonth, m_cboDate);
        QWidget::setTabOrder(m_cboDate, m_cboYear);
    }
    grid->setColumnStretch(4, 1); // the lists keep their natural widths
}

QWidget* BirthEntryControls::lastInTabOrder() const {
    return m_cboYear;
}

QString BirthEntryControls::nameText() const {
    return m_txtName->text();
}
QString BirthEntryControls::dayText() const {
    return m_cboDate->currentText();
}
QString BirthEntryControls::monthText() const {
    return m_cboMonth->currentText();
}
QString BirthEntryControls::yearText() const {
    return m_cboYear->currentText();
}

namespace {

void SelectText(QComboBox& list, const std::string& text) {
    const int index = list.findText(Q(text), Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0)
        list.setCurrentIndex(index);
}

} // namespace

void BirthEntryControls::setEntries(const BirthEntries& entries) {
    m_txtName->setText(Q(entries.name));
    SelectText(*m_cboMonth, entries.month);
    SelectText(*m_cboDate, entries.day);
    SelectText(*m_cboYear, entries.year);
}

bool BirthEntryControls::validate(NameRule rule) {
    const BirthDataVerdict verdict =
        ValidateBirthData(rule, U8(nameText()), m_cboDate->currentIndex(),
                          m_cboMonth->currentIndex(), yearText().toInt());
    if (verdict.accepted)
        return true;
    QWidget* window = m_widget->window();
    ShowMessage(m_platform, window, verdict.message,
                verdict.icon == VerdictIcon::Error ? MessageIcon::Error : MessageIcon::Information);
    if (verdict.clearName)
        m_txtName->clear();
    if (verdict.focusName)
        m_txtName->setFocus();
    return false;
}

void BirthEntryControls::installLetterFilter() {
    if (m_letterFilter)
        return;
    m_letterFilter = true;
    m_txtName->installEventFilter(this);
}

bool BirthEntryControls::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_txtName || event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const int code = TypedCode(static_cast<QKeyEvent*>(event));
    if (code < 0)
        return false;
    const NameKeyVerdict verdict = FilterNameKey(code);
    if (verdict.warn) {
        ShowMessage(m_platform, m_widget->window(), kMsgOnlyLetters, MessageIcon::Information);
        return true;
    }
    if (verdict.code != code) {
        m_txtName->insert(QString(QChar(verdict.code)));
        return true;
    }
    return false;
}

} // namespace orbika
