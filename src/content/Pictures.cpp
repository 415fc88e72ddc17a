#include "Pictures.h"

#include <QGuiApplication>
#include <QPainter>
#include <QSvgRenderer>
#include <array>

// The pictures live in a static library; make sure its resources are registered.
static void InitContentResources() {
    Q_INIT_RESOURCE(content);
}

namespace orbika {

namespace {

constexpr std::array<const char*, 12> kSignPictureFiles = {
    ":/signs/01-aries.svg",     ":/signs/02-taurus.svg",   ":/signs/03-gemini.svg",
    ":/signs/04-cancer.svg",    ":/signs/05-leo.svg",      ":/signs/06-virgo.svg",
    ":/signs/07-libra.svg",     ":/signs/08-scorpio.svg",  ":/signs/09-sagittarius.svg",
    ":/signs/10-capricorn.svg", ":/signs/11-aquarius.svg", ":/signs/12-pisces.svg"};

QPixmap RenderSvg(const QString& path, int size) {
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    QPixmap pixmap(QSize(size, size) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    static const bool registered = (InitContentResources(), true);
    Q_UNUSED(registered);
    QSvgRenderer renderer(path);
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(0, 0, size, size));
    return pixmap;
}

} // namespace

QPixmap SignPicture(int signIndex, int size) {
    if (signIndex < 0 || signIndex >= int(kSignPictureFiles.size()))
        return {};
    return RenderSvg(QString::fromLatin1(kSignPictureFiles[std::size_t(signIndex)]), size);
}

QPixmap AppIconPixmap(int size) {
    return RenderSvg(QStringLiteral(":/icons/orbika.svg"), size);
}

QIcon AppIcon() {
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256})
        icon.addPixmap(AppIconPixmap(size));
    return icon;
}

} // namespace orbika
