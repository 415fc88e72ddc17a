#pragma once
// Small factories so that every control is created with its object name and accessible name.

#include <QLabel>
#include <QPushButton>
#include <QString>

namespace orbika {

inline QPushButton* MakeButton(QWidget* parent, const char* objectName, const QString& text) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(objectName));
    QString name = text;
    button->setAccessibleName(name.remove(QLatin1Char('&')));
    return button;
}

inline QLabel* MakeLabel(QWidget* parent, const QString& objectName, const QString& text = {}) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(objectName);
    return label;
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
