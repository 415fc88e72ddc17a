#include "widgets/CachedLabel.h"
#include "widgets/LinkLabel.h"

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

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

QImage Rendered(QWidget& widget) {
    QImage image(widget.size(), QImage::Format_ARGB32);
    image.fill(Qt::white);
    widget.render(&image, {}, {}, QWidget::DrawChildren);
    return image;
}

// The label lays its text out itself; it must answer and draw as QLabel does, or windows
// would change shape and look.
TEST(CachedLabel, SizesAndDrawsLikeQLabel) {
    const QString paragraph = QStringLiteral(
        "Enter your name and birth date below to find your personal profile. Your sun sign "
        "reveals how you earn, save and spend money.");
    struct Case {
        const char* what;
        QString text;
        bool wrap;
        Qt::Alignment alignment;
    };
    const Case cases[] = {
        {"wrapped paragraph", paragraph, true, Qt::AlignLeft | Qt::AlignVCenter},
        {"wrapped, centred", paragraph, true, Qt::AlignCenter},
        {"short wrapped text", QStringLiteral("Now"), true, Qt::AlignLeft | Qt::AlignVCenter},
        {"two hand-broken lines", QStringLiteral("First line of two\nand the second one"), false,
         Qt::AlignLeft | Qt::AlignTop},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QLabel reference(c.text);
        CachedLabel label(c.text);
        for (QLabel* each : {&reference, static_cast<QLabel*>(&label)}) {
            each->setWordWrap(c.wrap);
            each->setAlignment(c.alignment);
        }
        EXPECT_EQ(label.sizeHint(), reference.sizeHint());
        EXPECT_EQ(label.minimumSizeHint(), reference.minimumSizeHint());
        for (int width : {40, 180, 333, 900})
            EXPECT_EQ(label.heightForWidth(width), reference.heightForWidth(width)) << width;

        const QSize size(260, reference.heightForWidth(260) + 12);
        reference.resize(size);
        label.resize(size);
        EXPECT_EQ(Rendered(label), Rendered(reference));
    }
}

// A sentence that prefers one line asks for one line, however long, and still wraps when
// given less; QLabel would ask for a narrow block of two or three lines.
TEST(CachedLabel, ASentenceThatPrefersOneLineAsksForOneLine) {
    CachedLabel sentence(QStringLiteral("You do not know the meaning of saving money and it is "
                                        "spent before it comes in."));
    sentence.setWordWrap(true);
    const int lineHeight = sentence.heightForWidth(QWIDGETSIZE_MAX);
    ASSERT_GT(sentence.sizeHint().height(), lineHeight) << "QLabel's own answer, for contrast";

    sentence.setPrefersOneLine(true);
    EXPECT_EQ(sentence.sizeHint().height(), lineHeight);
    EXPECT_EQ(sentence.heightForWidth(sentence.sizeHint().width()), lineHeight);
    EXPECT_GT(sentence.heightForWidth(sentence.sizeHint().width() / 2), lineHeight);
    EXPECT_LT(sentence.minimumSizeHint().width(), sentence.sizeHint().width() / 4);
}

// A focused link is drawn with a frame around its text, so that keyboard users see it.
TEST(CachedLabel, FocusedLinkShowsAFrame) {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* other = new QLineEdit(&window);
    auto* link = new LinkLabel(QStringLiteral("lblLink"), QStringLiteral("Visit our forum"));
    layout->addWidget(other);
    layout->addWidget(link);
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    other->setFocus();
    const QImage unfocused = Rendered(*link);

    QTest::keyClick(other, Qt::Key_Tab);
    ASSERT_TRUE(link->hasFocus());
    EXPECT_NE(Rendered(*link), unfocused);
}

} // namespace
} // namespace orbika
