#pragma once

#include "birth/modBirthData.h"

#include <QObject>
#include <QStringList>

class QComboBox;
class QLineEdit;
class QWidget;

namespace orbika {

class Platform;

// The four entry controls every entry window shares: the name box and the day, month and year
// lists, with their captions, start contents, tab order and check.
class BirthEntryControls : public QObject {
    Q_OBJECT
public:
    enum class Arrangement {
        MonthDayYear, // Financial and Career: one caption "Birth Day" for the three lists
        DayMonthYear, // planet-sign windows: "Date Of Birth" over "Date", "Month" and "Year"
    };

    BirthEntryControls(QWidget* parent, Platform& platform, int firstYear, int lastYear,
                       Arrangement arrangement);

    QWidget* widget() const { return m_widget; }
    QLineEdit* txtName() const { return m_txtName; }
    QComboBox* cboDate() const { return m_cboDate; }
    QComboBox* cboMonth() const { return m_cboMonth; }
    QComboBox* cboYear() const { return m_cboYear; }
    // The last of the four in tab order, for chaining the window's buttons after it.
    QWidget* lastInTabOrder() const;

    QString nameText() const;
    QString dayText() const;
    QString monthText() const;
    QString yearText() const;

    // Puts the name into the name box and selects month, day and year in their lists; each must
    // be one of its list's texts (see IsListedDate), or that list stays as it was.
    void setEntries(const BirthEntries& entries);

    // Runs the name and date check; on refusal shows its one message and returns false.
    bool validate(NameRule rule);

    // The planet-sign windows' keystroke filter: letters only, shown as capitals.
    void installLetterFilter();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Platform& m_platform;
    QWidget* m_widget;
    QLineEdit* m_txtName;
    QComboBox* m_cboDate;
    QComboBox* m_cboMonth;
    QComboBox* m_cboYear;
    bool m_letterFilter = false;
};

} // namespace orbika
