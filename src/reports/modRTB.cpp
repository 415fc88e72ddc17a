#include "modRTB.h"

#include "ReportColours.h"
#include "platform/Platform.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QUrl>

namespace orbika {

namespace {

bool IsWebAddress(const QUrl& url) {
    return url.isValid() &&
           (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https"));
}

struct LinkSpan {
    int start = -1;
    int end = -1;
    QString href;
};

// The links of the document in reading order, each fragment run of one address joined.
QList<LinkSpan> Links(const QTextDocument& document) {
    QList<LinkSpan> links;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            if (!format.isAnchor() || format.anchorHref().isEmpty())
                continue;
            const int start = fragment.position();
            if (!links.isEmpty() && links.last().end == start &&
                links.last().href == format.anchorHref()) {
                links.last().end = start + fragment.length();
            } else {
                links.append({start, start + fragment.length(), format.anchorHref()});
            }
        }
    }
    return links;
}

class LinkHandler : public QObject {
public:
    LinkHandler(QTextEdit* richText, Platform& platform)
        : m_richText(richText), m_platform(platform) {
        m_richText->viewport()->installEventFilter(this);
        m_richText->installEventFilter(this);
        m_connection = connect(m_richText->document(), &QTextDocument::contentsChange, this,
                               &LinkHandler::markAddresses);
        markAddresses(0, 0, m_richText->document()->characterCount());
    }

    ~LinkHandler() override {
        if (m_richText) {
            m_richText->viewport()->removeEventFilter(this);
            m_richText->removeEventFilter(this);
            disconnect(m_connection);
        }
    }

    QTextEdit* richText() const { return m_richText; }
    // The box is being destroyed: touch it no more.
    void abandon() { m_richText = nullptr; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (m_richText && watched == m_richText) {
            if (event->type() == QEvent::KeyPress)
                return keyPress(static_cast<QKeyEvent*>(event));
            if (event->type() == QEvent::FocusIn)
                focusIn(static_cast<QFocusEvent*>(event)->reason());
            return false;
        }
        if (m_richText && watched == m_richText->viewport() &&
            event->type() == QEvent::MouseButtonPress) {
            auto* press = static_cast<QMouseEvent*>(event);
            if (press->button() == Qt::LeftButton) {
                const QUrl url(m_richText->anchorAt(press->position().toPoint()));
                if (IsWebAddress(url))
                    m_platform.openUrl(url);
            }
        }
        return false; // the press still reaches the text box
    }

private:
    // Tab and Shift+Tab step through the links before leaving the box; Enter opens the link
    // that is selected, under the same rule as a click.
    bool keyPress(QKeyEvent* key) {
        const auto modifiers = key->modifiers() & ~Qt::KeypadModifier;
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            modifiers == Qt::NoModifier) {
            const QUrl url(selectedLink().href);
            if (!IsWebAddress(url))
                return false;
            m_platform.openUrl(url);
            return true;
        }
        const bool forward = key->key() == Qt::Key_Tab && modifiers == Qt::NoModifier;
        const bool backward = key->key() == Qt::Key_Backtab ||
                              (key->key() == Qt::Key_Tab && modifiers == Qt::ShiftModifier);
        if (!forward && !backward)
            return false;
        const QTextCursor cursor = m_richText->textCursor();
        const QList<LinkSpan> links = Links(*m_richText->document());
        const LinkSpan* next = nullptr;
        if (forward) {
            const int after = cursor.hasSelection() ? cursor.selectionEnd() : cursor.position();
            for (const LinkSpan& link : links) {
                if (link.start >= after) {
                    next = &link;
                    break;
                }
            }
        } else {
            const int before = cursor.hasSelection() ? cursor.selectionStart() : cursor.position();
            for (auto it = links.crbegin(); it != links.crend(); ++it) {
                if (it->end <= before) {
                    next = &*it;
                    break;
                }
            }
        }
        if (!next)
            return false; // past the last link: the focus moves on
        QTextCursor select(m_richText->document());
        select.setPosition(next->start);
        select.setPosition(next->end, QTextCursor::KeepAnchor);
        m_richText->setTextCursor(select);
        m_richText->ensureCursorVisible();
        return true;
    }

    // Coming in by Tab starts before the first link, by Shift+Tab after the last.
    void focusIn(Qt::FocusReason reason) {
        if (reason != Qt::TabFocusReason && reason != Qt::BacktabFocusReason)
            return;
        QTextCursor cursor(m_richText->document());
        cursor.movePosition(reason == Qt::TabFocusReason ? QTextCursor::Start : QTextCursor::End);
        m_richText->setTextCursor(cursor);
    }

    LinkSpan selectedLink() const {
        const QTextCursor cursor = m_richText->textCursor();
        if (!cursor.hasSelection())
            return {};
        for (const LinkSpan& link : Links(*m_richText->document())) {
            if (link.start == cursor.selectionStart() && link.end == cursor.selectionEnd())
                return link;
        }
        return {};
    }

    // Formats every web address in the changed blocks as a link.
    void markAddresses(int position, int /*removed*/, int added) {
        if (m_marking || !m_richText)
            return;
        m_marking = true;
        static const QRegularExpression address(QStringLiteral(R"(https?://[^\s<>"]+)"),
                                                QRegularExpression::CaseInsensitiveOption);
        QTextDocument* document = m_richText->document();
        QTextBlock block = document->findBlock(position);
        const QTextBlock last = document->findBlock(position + added);
        while (block.isValid()) {
            const QString text = block.text();
            for (auto match = address.globalMatch(text); match.hasNext();) {
                const auto found = match.next();
                const QUrl url(found.captured(), QUrl::StrictMode);
                if (!IsWebAddress(url))
                    continue;
                QTextCursor cursor(document);
                cursor.setPosition(block.position() + int(found.capturedStart()));
                cursor.setPosition(block.position() + int(found.capturedEnd()),
                                   QTextCursor::KeepAnchor);
                QTextCharFormat link;
                link.setAnchor(true);
                link.setAnchorHref(found.captured());
                link.setFontUnderline(true);
                SetDesignedColour(link, QColor(0, 0, 238));
                cursor.mergeCharFormat(link);
            }
            if (block == last)
                break;
            block = block.next();
        }
        m_marking = false;
    }

    QTextEdit* m_richText;
    Platform& m_platform;
    QMetaObject::Connection m_connection;
    bool m_marking = false;
};

QPointer<LinkHandler>& Installed() {
    static QPointer<LinkHandler> handler;
    return handler;
}

} // namespace

void InstallLinkHandler(QTextEdit* richText, Platform& platform) {
    RemoveLinkHandler();
    auto* handler = new LinkHandler(richText, platform);
    Installed() = handler;
    // Not a child of the box: a child would be deleted while the box is half destroyed.
    QObject::connect(richText, &QObject::destroyed, handler, [handler = handler] {
        if (Installed() == handler)
            Installed() = nullptr;
        handler->abandon();
        delete handler;
    });
}

void RemoveLinkHandler() {
    delete Installed().data();
    Installed() = nullptr;
}

QTextEdit* LinkHandlerTarget() {
    return Installed() ? Installed()->richText() : nullptr;
}

} // namespace orbika
