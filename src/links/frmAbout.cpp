#include "frmAbout.h"

#include "content/Pictures.h"
#include "content/ShellTexts.h"
#include "modHelp.h"
#include "platform/Text.h"
#include "widgets/LinkLabel.h"
#include "widgets/Widgets.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace orbika {

frmAbout::frmAbout(Platform& platform, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(Q(kMainWindowCaption));
    setWindowIcon(AppIcon());
    setModal(true);

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Picture1"));
    picture->setPixmap(AppIconPixmap(32));
    picture->setAccessibleName(tr("Program icon"));

    auto* title = new QLabel(Q(kMainWindowCaption), this);
    title->setObjectName(QStringLiteral("Label2"));
    QFont titleFont = title->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.25);
    title->setFont(titleFont);

    auto* description = new QLabel(Q(content::kAboutDescription), this);
    description->setObjectName(QStringLiteral("Label1"));
    description->setWordWrap(true);

    auto* line = new QFrame(this);
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    auto* offer = new QLabel(tr("Home Business Opportunity. Start your own Internet business and "
                                "make money online. Get this software fully branded for your "
                                "website. "),
                             this);
    offer->setObjectName(QStringLiteral("Label3"));
    offer->setWordWrap(true);

    auto* details =
        new LinkLabel(QStringLiteral("lblCobrand"), tr("Click here for more details."), this);
    ConnectLink(details, platform, Page::FullBrand);
    auto* homePage = new LinkLabel(QStringLiteral("lblHomePage"), Q(AboutHomePageText()), this);
    ConnectLink(homePage, platform, Page::Home);

    auto* ok = new QPushButton(tr("&OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* header = new QHBoxLayout;
    header->addWidget(picture, 0, Qt::AlignTop);
    header->addWidget(title, 1);
    QHBoxLayout* buttons = ButtonRow({ok});

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(header);
    layout->addWidget(description);
    layout->addWidget(line);
    layout->addWidget(offer);
    layout->addWidget(details);
    layout->addWidget(homePage);
    layout->addLayout(buttons);
    setMinimumWidth(460);
    setMaximumWidth(560);
}

} // namespace orbika
