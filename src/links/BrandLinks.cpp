#include "BrandLinks.h"

#include "content/ShellTexts.h"
#include "modHelp.h"
#include "platform/Text.h"
#include "widgets/LinkLabel.h"

#include <QGroupBox>
#include <QHBoxLayout>

namespace orbika {

QGroupBox* CreateBrandFrame(QWidget* parent, Platform& platform) {
    auto* frame = new QGroupBox(parent);
    frame->setObjectName(QStringLiteral("fraFullBrand"));
    auto* coBrand = new LinkLabel(QStringLiteral("lblCobrand"), Q(content::kCoBrandOffer), frame);
    ConnectLink(coBrand, platform, Page::CoBrand);
    auto* fullBrand =
        new LinkLabel(QStringLiteral("lblFullBrand"), Q(content::kFullBrandOffer), frame);
    ConnectLink(fullBrand, platform, Page::FullBrand);
    auto* layout = new QHBoxLayout(frame);
    layout->setSpacing(16);
    layout->addWidget(coBrand);
    layout->addWidget(fullBrand);
    return frame;
}

LinkLabel* CreateForumBanner(QWidget* parent, Platform& platform, const QString& objectName,
                             const QString& text) {
    auto* banner = new LinkLabel(objectName, text, parent);
    banner->setWordWrap(false); // a one-line banner: the window makes room for it
    banner->setAlignment(Qt::AlignCenter);
    QFont font = banner->font();
    font.setBold(true);
    banner->setFont(font);
    ConnectLink(banner, platform, Page::Home);
    return banner;
}

} // namespace orbika
