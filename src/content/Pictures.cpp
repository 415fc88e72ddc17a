#include "Pictures.h"

#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <array>

// The pictures live in a static library; make sure its resources are registered.
static void InitContentResources() {
    Q_INIT_RESOURCE(content);
}

namespace orbika {

namespace {

constexpr std::array<const char*, 12> kSignFiles = {
    "01-aries", "02-taurus",  "03-gemini",      "04-cancer",    "05-leo",      "06-virgo",
    "07-libra", "08-scorpio", "09-sagittarius", "10-capricorn", "11-aquarius", "12-pisces"};

// Every picture is read through this, so that the resources are registered first.
QString Resource(const QString& path) {
    static const bool registered = (InitContentResources(), true);
    Q_UNUSED(registered);
    return path;
}

// Drawn by Qt's SVG image plugin, which loads the SVG library the first time a large picture is
// needed instead of at every start.
QPixmap RenderSvg(const QString& path, int size) {
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    QImageReader reader(Resource(path), "svg");
    reader.setScaledSize(QSize(size, size) * ratio);
    QPixmap pixmap = QPixmap::fromImage(reader.read());
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

} // namespace

QPixmap SignPicture(int signIndex, int size) {
    if (signIndex < 0 || signIndex >= int(kSignFiles.size()))
        return {};
    return RenderSvg(
        QStringLiteral(":/signs/%1.svg").arg(QLatin1String(kSignFiles[std::size_t(signIndex)])),
        size);
}

QPixmap SignDecoration(int signIndex, int size) {
    if (signIndex < 0 || signIndex >= int(kSignFiles.size()))
        return {};
    const QString path = Resource(QStringLiteral(":/decorations/%1.png")
                                      .arg(QLatin1String(kSignFiles[std::size_t(signIndex)])));
    if (!QFile::exists(path))
        return {};
    return QIcon(path).pixmap(QSize(size, size)); // picks the @2x file where the screen needs it
}

QIcon AppIcon() {
    QIcon icon;
    for (const int size : {16, 32, 48, 64})
        icon.addFile(Resource(QStringLiteral(":/icons/orbika-%1.png").arg(size)),
                     QSize(size, size));
    return icon;
}

QPixmap AppIconPixmap(int size) {
    if (size <= 64)
        return AppIcon().pixmap(QSize(size, size));
    return RenderSvg(QStringLiteral(":/icons/orbika.svg"), size);
}

} // namespace orbika
