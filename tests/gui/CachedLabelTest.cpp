#include "shell/CachedLabel.h"

#include <gtest/gtest.h>

namespace orbika {
namespace {

// The remembered hints must follow every change that moves them.
TEST(CachedLabel, HintsFollowTextWrappingAndFont) {
    CachedLabel label(QStringLiteral("Short"));
    const QSize shortHint = label.sizeHint();
    EXPECT_EQ(label.sizeHint(), shortHint);

    label.setText(QStringLiteral("A much longer text than before, to be sure it is wider"));
    EXPECT_GT(label.sizeHint().width(), shortHint.width());

    label.setWordWrap(true);
    const int oneWidth = label.heightForWidth(400);
    EXPECT_GT(label.heightForWidth(60), oneWidth) << "narrower wraps onto more lines";
    EXPECT_EQ(label.heightForWidth(400), oneWidth);

    QFont bigger = label.font();
    bigger.setPointSizeF(bigger.pointSizeF() * 2);
    label.setFont(bigger);
    EXPECT_GT(label.heightForWidth(400), oneWidth);
}

} // namespace
} // namespace orbika
