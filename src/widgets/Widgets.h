#pragma once
// Small factories so that every control is created with its object name and accessible name.

#include "widgets/CachedLabel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QString>

#include <initializer_list>

namespace orbika {

inline QPushButton* MakeButton(QWidget* parent, const char* objectName, const QString& text) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(objectName));
    QString name = text;
    button->setAccessibleName(name.remove(QLatin1Char('&')));
    // Outside a dialog a push button answers only Space; Enter presses it too.
    button->setAutoDefault(true);
    return button;
}

inline CachedLabel* MakeLabel(QWidget* parent, const QString& objectName,
                              const QString& text = {}) {
    auto* label = new CachedLabel(text, parent);
    label->setObjectName(objectName);
    return label;
}

// A row of buttons standing at its right end, in the order given; `lead`, when given, takes the
// rest of the row before them.
inline QHBoxLayout* ButtonRow(std::initializer_list<QPushButton*> buttons,
                              QWidget* lead = nullptr) {
    auto* row = new QHBoxLayout;
    if (lead)
        row->addWidget(lead, 1);
    else
        row->addStretch(1);
    for (QPushButton* button : buttons)
        row->addWidget(button);
    return row;
}

// The text on two lines, broken at the blank nearest its middle. Used for the main window's long
// texts: a label that does not wrap is laid out once instead of once per trial width, which
// keeps start-up quick, and two balanced lines read well at any font size.
inline QString TwoLines(const QString& text) {
    const int middle = int(text.size()) / 2;
    const int before = int(text.lastIndexOf(QLatin1Char(' '), middle));
    const int after = int(text.indexOf(QLatin1Char(' '), middle));
    int at = before;
    if (at < 0 || (after >= 0 && after - middle < middle - before))
        at = after;
    if (at < 0)
        return text;
    QString lines = text;
    lines[at] = QLatin1Char('\n');
    return lines;
}

inline QString IndexedName(const char* base, int index) {
    return QStringLiteral("%1_%2").arg(QLatin1String(base)).arg(index);
}

// A label caption shows "&&" as one "&"; Qt labels in plain-text mode show it doubled, so
// captions that hold an ampersand go through this.
inline QString CaptionText(QString stored) {
    return stored.replace(QStringLiteral("&&"), QStringLiteral("&"));
}

} // namespace orbika
