#include "ReportColours.h"

#include "widgets/Contrast.h"

#include <QEvent>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include <vector>

namespace orbika {

namespace {
constexpr int kDesignedColour = QTextFormat::UserProperty + 1;
} // namespace

void SetDesignedColour(QTextCharFormat& format, const QColor& colour) {
    format.setProperty(kDesignedColour, colour);
    format.setForeground(colour);
}

void ShowColoursOn(QTextDocument& document, const QColor& background, const QColor& text) {
    // Recolouring is no change of content: nothing that watches the text needs to hear of it.
    const QSignalBlocker quiet(&document);
    struct Run {
        int start;
        int end;
        QColor shown;
    };
    std::vector<Run> runs; // collected first: recolouring splits and joins fragments
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            if (!format.hasProperty(kDesignedColour))
                continue;
            const QColor designed = format.colorProperty(kDesignedColour);
            const QColor shown = designed == Qt::black && IsDarkBackground(background) &&
                                         ContrastRatio(text, background) >= kMinimumContrast
                                     ? text
                                     : ReadableColour(designed, background);
            if (format.foreground().color() != shown)
                runs.push_back(
                    {fragment.position(), fragment.position() + fragment.length(), shown});
        }
    }
    for (const Run& run : runs) {
        QTextCursor cursor(&document);
        cursor.setPosition(run.start);
        cursor.setPosition(run.end, QTextCursor::KeepAnchor);
        QTextCharFormat recolour;
        recolour.setForeground(run.shown);
        cursor.mergeCharFormat(recolour);
    }
}

namespace {
class PaletteFollower : public QObject {
public:
    explicit PaletteFollower(QTextEdit* box) : QObject(box), m_box(box) {
        box->installEventFilter(this);
        show();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // The box's own palette event: its parent's comes before the box has the new colours.
        if (watched == m_box && event->type() == QEvent::PaletteChange)
            show();
        return false;
    }

private:
    void show() {
        ShowColoursOn(*m_box->document(), m_box->palette().color(QPalette::Base),
                      m_box->palette().color(QPalette::Text));
        m_box->viewport()->update();
    }

    QTextEdit* m_box;
};
} // namespace

void FollowPalette(QTextEdit* box) {
    new PaletteFollower(box);
}

std::unique_ptr<QTextDocument> PaperCopy(const QTextDocument& document) {
    std::unique_ptr<QTextDocument> copy(document.clone());
    ShowColoursOn(*copy, Qt::white, Qt::black);
    return copy;
}

} // namespace orbika
