#include "shell/controls/frame_look.h"

#include <QImage>
#include <QSet>
#include <gtest/gtest.h>

namespace {

constexpr QRgb grey(int value)
{
    return qRgb(value, value, value);
}

// The settings window's frame: 7515 × 2595 twips (501 × 173 pixels) on 224 grey, depth 7.
constexpr int w = 501, h = 173, d = 7;

QImage painted(const FrameLook& look, QSize size = QSize(w, h))
{
    QImage image(size, QImage::Format_RGB32);
    look.paint(image);
    return image;
}

FrameLook dialogFrame()
{
    FrameLook look;
    look.shadowDepth = d;
    look.background = grey(224);
    look.fillColour = grey(224);
    return look;
}

TEST(FrameLook, BlendTruncatesEachStepBeforeMultiplying)
{
    for (int i = 0; i <= 7; ++i)
        EXPECT_EQ(FrameLook::blend(grey(100), grey(224), 7, i), grey(100 + 17 * i));
    EXPECT_EQ(FrameLook::blend(grey(224), grey(100), 7, 7), grey(224 - 119));
    EXPECT_EQ(FrameLook::blend(qRgb(0, 10, 255), qRgb(255, 0, 0), 100, 100), qRgb(200, 10, 55));
    // Shadow colours at opacity 50, 100 and 0.
    EXPECT_EQ(FrameLook::blend(grey(0), grey(224), 100, 50), grey(100));
    EXPECT_EQ(FrameLook::blend(grey(0), grey(224), 100, 0), grey(0));
    EXPECT_EQ(FrameLook::blend(grey(0), grey(224), 100, 100), grey(200));
    EXPECT_EQ(FrameLook::blend(grey(30), grey(224), 0, 5), grey(30));
}

TEST(FrameLook, DialogFrameShadowFadesFrom117To219OverSevenPixels)
{
    const QImage image = painted(dialogFrame());
    EXPECT_EQ(image.pixel(w - d - 1, h / 2), grey(0));
    EXPECT_EQ(image.pixel(w / 2, h - d - 1), grey(0));
    EXPECT_EQ(image.pixel(w - d, h / 2), grey(117));
    EXPECT_EQ(image.pixel(w - 1, h / 2), grey(219));
    for (int i = 1; i <= d; ++i) {
        EXPECT_EQ(image.pixel(w - d - 1 + i, h / 2), grey(100 + 17 * i)) << i;
        EXPECT_EQ(image.pixel(w / 2, h - d - 1 + i), grey(100 + 17 * i)) << i;
        // Ring i's top-right and bottom-left corners, the next ring (or background) beyond.
        const int x = w - d + i - 1, y = h - d + i - 1, start = 2 * d - i;
        const QRgb beyond = i == d ? grey(224) : grey(100 + 17 * (i + 1));
        EXPECT_EQ(image.pixel(x, start), grey(100 + 17 * i)) << i;
        EXPECT_EQ(image.pixel(x, start - 1), beyond) << i;
        EXPECT_EQ(image.pixel(start, y), grey(100 + 17 * i)) << i;
        EXPECT_EQ(image.pixel(start - 1, y), beyond) << i;
    }
    EXPECT_EQ(image.pixel(w - 1, 0), grey(224));
    EXPECT_EQ(image.pixel((w - d) / 2, (h - d) / 2), grey(224));
}

TEST(FrameLook, WithoutShadowOrFrameStyleOnlyTheirRectangleOrBackgroundShows)
{
    FrameLook look = dialogFrame();
    look.showShadow = false;
    look.fillColour = qRgb(10, 20, 30);
    look.borderColour = qRgb(200, 0, 0);
    const QImage plain = painted(look, QSize(40, 30));
    for (const QPoint edge : {QPoint(0, 0), QPoint(39, 0), QPoint(0, 29), QPoint(39, 29),
                              QPoint(20, 29)})
        EXPECT_EQ(plain.pixel(edge), qRgb(200, 0, 0));
    EXPECT_EQ(plain.pixel(1, 1), qRgb(10, 20, 30));
    EXPECT_EQ(plain.pixel(38, 28), qRgb(10, 20, 30));

    for (const int style : {2, -1}) {
        look.frameStyle = style;
        look.showShadow = true;
        QImage background(60, 40, QImage::Format_RGB32);
        background.fill(grey(224));
        EXPECT_EQ(painted(look, QSize(60, 40)), background) << style;
    }
}

TEST(FrameLook, RoundedShadowCornersAreSmoothedOnlyInTheirRegions)
{
    FrameLook look = dialogFrame();
    look.frameStyle = 0;
    const int w = 200, h = 120, k = 10;
    const QImage rounded = painted(look, QSize(w, h));

    QSet<QRgb> drawn = {grey(0), grey(224)};
    for (int i = 0; i <= d; ++i)
        drawn.insert(grey(100 + 17 * i));
    auto averaged = [&](int xFrom, int xTo, int yFrom, int yTo) {
        int count = 0;
        for (int x = xFrom; x <= xTo; ++x)
            for (int y = yFrom; y <= yTo; ++y)
                count += drawn.contains(rounded.pixel(x, y)) ? 0 : 1;
        return count;
    };
    EXPECT_GT(averaged(w - 2 * k, w - 3, h - 2 * k, h - 3), 0);
    EXPECT_GT(averaged(w - 2 * k, w - 3, d, 4 * d), 0);
    EXPECT_GT(averaged(d, 4 * d, h - 2 * k, h - 3), 0);
    EXPECT_EQ(averaged(0, w - 2 * k - 1, 0, h - 2 * k - 1), 0);
    EXPECT_EQ(averaged(0, w - 1, h - 2, h - 1), 0);
    EXPECT_EQ(rounded.pixel(0, 0), grey(224));
}

TEST(FrameLook, ControlsSmallerThanTheirShadowPaintSafelyAndAlike)
{
    FrameLook look = dialogFrame();
    look.shadowDepth = 50;
    look.cornerDepth = 50;
    for (const int style : {0, 1}) {
        look.frameStyle = style;
        for (const QSize size : {QSize(0, 0), QSize(1, 1), QSize(30, 7), QSize(101, 99)}) {
            const QImage image = painted(look, size);
            EXPECT_EQ(image.size(), size);
            EXPECT_EQ(image, painted(look, size));
        }
    }
}

}
