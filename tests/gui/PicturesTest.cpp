#include "content/Pictures.h"
#include "tools/Tools.h"

#include <QImage>

#include <gtest/gtest.h>

namespace orbika {
namespace {

// Opaque pixels in the middle of the picture: something was drawn, not an empty canvas.
bool DrawnAtCentre(const QPixmap& pixmap) {
    const QImage image = pixmap.toImage();
    return qAlpha(image.pixel(image.width() / 2, image.height() / 2)) > 0;
}

// The large pictures come from SVG through Qt's image plugin; a missing plugin would leave the
// result windows without their picture.
TEST(Pictures, EverySignAndTheIconAreDrawnAtTheSizeAsked) {
    for (int sign = 0; sign < 12; ++sign) {
        const QPixmap picture = SignPicture(sign, 200);
        ASSERT_EQ(picture.deviceIndependentSize().toSize(), QSize(200, 200)) << sign;
        EXPECT_TRUE(DrawnAtCentre(picture)) << sign;
    }
    EXPECT_TRUE(SignPicture(12, 200).isNull());
    EXPECT_TRUE(SignPicture(-1, 200).isNull());

    for (int size : {32, 200}) {
        const QPixmap icon = AppIconPixmap(size);
        ASSERT_EQ(icon.deviceIndependentSize().toSize(), QSize(size, size)) << size;
        EXPECT_TRUE(DrawnAtCentre(icon)) << size;
    }
}

// Only some signs have a small picture; a tool's button must use one of them.
TEST(Pictures, EveryToolButtonHasItsDecoration) {
    for (const Tool& tool : Tools()) {
        const QPixmap decoration = SignDecoration(tool.decorationSign, 28);
        ASSERT_FALSE(decoration.isNull()) << tool.caption;
        EXPECT_TRUE(DrawnAtCentre(decoration)) << tool.caption;
    }
}

} // namespace
} // namespace orbika
