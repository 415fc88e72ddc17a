#include "modRTB.h"

#include "platform/Platform.h"

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

class LinkHandler : public QObject {
public:
    LinkHandler(QTextEdit* richText, Platform& platform)
        : m_richText(richText), m_platform(platform) {
        m_richText->viewport()->installEventFilter(this);
        m_connection = connect(m_richText->document(), &QTextDocument::contentsChange, this,
                               &LinkHandler::markAddresses);
        markAddresses(0, 0, m_richText->document()->characterCount());
    }

    ~LinkHandler() override {
        if (m_richText) {
            m_richText->viewport()->removeEventFilter(this);
            disconnect(m_connection);
        }
    }

    QTextEdit* richText() const { return m_richText; }
    // The box is being destroyed: touch it no more.
    void abandon() { m_richText = nullptr; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
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
                link.setForeground(QColor(0, 0, 238));
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
