#include "modHelp.h"

#include "platform/Platform.h"
#include "widgets/LinkLabel.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QUrl>

namespace orbika {

void OpenPage(Platform& platform, Page page) {
    const std::string_view address = PageAddress(page);
    // Whether a browser opened is not reported: the program goes on as before either way.
    platform.openUrl(QUrl(QString::fromUtf8(address.data(), qsizetype(address.size()))));
}

void OpenHomePage(Platform& platform) {
    OpenPage(platform, Page::Home);
}
void OpenDownloadPage(Platform& platform) {
    OpenPage(platform, Page::Download);
}

QAction* AddNamedAction(QMenu* menu, const char* objectName, const QString& text) {
    QAction* action = menu->addAction(text);
    action->setObjectName(QString::fromLatin1(objectName));
    return action;
}

void AddSharedMenus(QMenuBar* bar, Platform& platform, const HelpMenuNames& names,
                    const std::function<void()>& showAbout) {
    QMenu* help = bar->addMenu(QObject::tr("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    auto opens = [&platform, help](QAction* action, Page page) {
        QObject::connect(action, &QAction::triggered, help,
                         [&platform, page] { OpenPage(platform, page); });
    };
    QAction* online = AddNamedAction(help, "mnuOnline", QObject::tr("&Online Help"));
    online->setShortcut(QKeySequence::HelpContents);
    opens(online, Page::OnlineHelp);
    opens(AddNamedAction(help, "mnuVisit", QObject::tr("&Visit Us Online")), Page::Home);
    help->addSeparator()->setObjectName(QString::fromLatin1(names.firstSeparator));
    opens(AddNamedAction(help, "mnuUpdate",
                         names.updateKeyOnC ? QObject::tr("&Check for Software Update")
                                            : QObject::tr("Check for Software &Update")),
          Page::Download);
    help->addSeparator()->setObjectName(QString::fromLatin1(names.secondSeparator));
    QAction* about = AddNamedAction(help, "mnuAbout", QObject::tr("&About Software"));
    QObject::connect(about, &QAction::triggered, help, [showAbout] { showAbout(); });

    QAction* donate = bar->addAction(QObject::tr("&Donate"));
    donate->setObjectName(QStringLiteral("mnuDonate"));
    opens(donate, Page::Donation);

    QAction* makeMoney = bar->addAction(QObject::tr("Make Money &Online"));
    makeMoney->setObjectName(QString::fromLatin1(names.makeMoney));
    opens(makeMoney, Page::FullBrand);
    makeMoney->setEnabled(false);
    makeMoney->setVisible(false);
}

void ConnectLink(LinkLabel* label, Platform& platform, Page page) {
    QObject::connect(label, &LinkLabel::clicked, label,
                     [&platform, page] { OpenPage(platform, page); });
}

} // namespace orbika
