#include "ClipboardEmptier.h"

#include "Platform.h"

#include <QEvent>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace orbika {

namespace {

class ClipboardEmptier : public QObject {
public:
    ClipboardEmptier(QAbstractScrollArea* box, Platform& platform)
        : QObject(box), m_platform(platform) {
        box->viewport()->setMouseTracking(true);
        box->viewport()->installEventFilter(this);
    }

    void empty() {
        if (m_platform.clipboardHoldsOurText())
            m_platform.clearClipboard();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
            empty();
            break;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    Platform& m_platform;
};

} // namespace

void EmptyClipboardOnUse(QTextEdit* box, Platform& platform) {
    auto* emptier = new ClipboardEmptier(box, platform);
    QObject::connect(box, &QTextEdit::textChanged, emptier, &ClipboardEmptier::empty);
}

void EmptyClipboardOnUse(QPlainTextEdit* box, Platform& platform) {
    auto* emptier = new ClipboardEmptier(box, platform);
    QObject::connect(box, &QPlainTextEdit::textChanged, emptier, &ClipboardEmptier::empty);
}

} // namespace orbika
