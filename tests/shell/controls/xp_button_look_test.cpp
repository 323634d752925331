#include "shell/controls/xp_button_look.h"
#include "tests/support/test_application.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

constexpr int w = 75;
constexpr int h = 23;

class XPButtonLookTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { EnsureApplication(); }

    static XPButtonLook look(XPButtonState state, const QString& caption = "&OK")
    {
        XPButtonLook look;
        look.state = state;
        look.size = QSize(w, h);
        look.caption = caption;
        look.enabled = state != XPButtonState::Disabled;
        look.background = QColor(224, 224, 224);
        return look;
    }

    static QImage painted(const XPButtonLook& look)
    {
        QImage image(look.size, QImage::Format_RGB32);
        image.fill(Qt::magenta);
        QPainter painter(&image);
        look.paint(painter);
        return image;
    }
};

// The push button's colour table as published, one column per state; 0 where never drawn.
struct Column {
    QRgb outline, cornerEnd, cornerMiddle, cornerInner, topLine1, topLine2, bottomLine1, bottomLine2, rimTop, flatFill;
};

Column column(XPButtonState state)
{
    const QRgb outline = qRgb(0, 60, 116), end = qRgb(33, 85, 132), middle = qRgb(123, 150, 173), inner = qRgb(82, 125, 165);
    switch (state) {
    case XPButtonState::Disabled:
        return {qRgb(201, 199, 186), qRgb(196, 177, 140), qRgb(206, 199, 189), qRgb(196, 177, 140), 0, 0, 0, 0, 0,
                qRgb(245, 244, 234)};
    case XPButtonState::Normal:
        return {outline, end, middle, inner, qRgb(255, 255, 255), qRgb(254, 254, 254), qRgb(226, 223, 214),
                qRgb(214, 208, 197), qRgb(252, 252, 251), 0};
    case XPButtonState::Focused:
        return {outline, end, middle, inner, qRgb(206, 231, 255), qRgb(189, 215, 247), qRgb(140, 174, 231),
                qRgb(107, 130, 239), qRgb(189, 211, 247), 0};
    case XPButtonState::Hot:
        return {outline, end, middle, inner, qRgb(255, 243, 206), qRgb(255, 219, 140), qRgb(255, 178, 49),
                qRgb(230, 150, 0), qRgb(225, 223, 156), 0};
    case XPButtonState::Pressed:
        return {outline, end, middle, inner, 0, 0, 0, 0, 0, qRgb(231, 227, 222)};
    }
    return {};
}

constexpr QRgb faceTop = qRgb(252, 252, 251);
constexpr QRgb disabledCaption = qRgb(161, 161, 146);

constexpr XPButtonState allStates[] = {XPButtonState::Disabled, XPButtonState::Normal,
                                       XPButtonState::Focused, XPButtonState::Hot,
                                       XPButtonState::Pressed};

TEST_F(XPButtonLookTest, OutlineAndCornersFollowTheStateColumn)
{
    for (const XPButtonState state : allStates) {
        const QImage image = painted(look(state));
        const Column c = column(state);
        // Lines include their start and leave out their end.
        for (const QPoint p : {QPoint(3, 0), QPoint(w - 4, 0), QPoint(0, 3), QPoint(0, h - 4),
                               QPoint(3, h - 1), QPoint(w - 1, h - 4)})
            EXPECT_EQ(image.pixel(p), c.outline) << int(state);
        for (const QPoint p : {QPoint(2, 0), QPoint(0, 2), QPoint(w - 3, 0), QPoint(w - 1, h - 3)})
            EXPECT_EQ(image.pixel(p), c.cornerEnd) << int(state);
        for (const QPoint p : {QPoint(1, 0), QPoint(0, h - 2), QPoint(w - 2, h - 1)})
            EXPECT_EQ(image.pixel(p), c.cornerMiddle) << int(state);
        for (const QPoint p : {QPoint(1, 1), QPoint(w - 2, 1), QPoint(1, h - 2),
                               QPoint(w - 2, h - 2)})
            EXPECT_EQ(image.pixel(p), c.cornerInner) << int(state);
        // The four corner pixels are cut off by the window shape; they keep the cleared colour.
        EXPECT_EQ(image.pixel(0, 0), qRgb(224, 224, 224)) << int(state);
        EXPECT_EQ(image.pixel(w - 1, h - 1), qRgb(224, 224, 224)) << int(state);
    }
}

TEST_F(XPButtonLookTest, RaisedStatesDrawRimsLinesAndFaceGradient)
{
    for (const XPButtonState state :
         {XPButtonState::Normal, XPButtonState::Focused, XPButtonState::Hot}) {
        const QImage image = painted(look(state));
        const Column c = column(state);
        EXPECT_EQ(image.pixel(5, 1), c.topLine1);
        EXPECT_EQ(image.pixel(w - 2, 2), c.topLine2);
        EXPECT_EQ(image.pixel(w - 2, h - 3), c.bottomLine1);
        EXPECT_EQ(image.pixel(5, h - 2), c.bottomLine2);
        // The rim shows in the two columns either side of the face.
        for (const int x : {1, 2, w - 3, w - 2})
            EXPECT_EQ(image.pixel(x, 3), c.rimTop) << x;
        EXPECT_EQ(image.pixel(3, 3), faceTop);
        EXPECT_EQ(image.pixel(w - 4, 3), faceTop);
    }
}

TEST_F(XPButtonLookTest, GradientsRunMonotonicallyAndRoundToTheNearest)
{
    XPButtonLook tall = look(XPButtonState::Hot, "");
    tall.size = QSize(20, 60);
    const QImage image = painted(tall);
    for (int y = 4; y < 60 - 3; ++y) {
        EXPECT_GE(qRed(image.pixel(4, y - 1)), qRed(image.pixel(4, y)));
        EXPECT_GE(qBlue(image.pixel(4, y - 1)), qBlue(image.pixel(4, y)));
    }
    // Row 56 is two rows above the rim's bottom row 58: red falls and green rises downwards.
    const int n = (60 - 2) - 3;
    EXPECT_EQ(qRed(image.pixel(1, 56)), qRound(255 - 2 * 30.0 / n));
    EXPECT_EQ(qGreen(image.pixel(1, 56)), qRound(182 + 2 * 41.0 / n));
}

TEST_F(XPButtonLookTest, FlatStatesFillEvenlyAndTheDisabledCaptionIsGrey)
{
    for (const XPButtonState state : {XPButtonState::Disabled, XPButtonState::Pressed}) {
        const QImage image = painted(look(state, ""));
        for (const QPoint p : {QPoint(3, 1), QPoint(w - 4, 1), QPoint(1, 3), QPoint(w - 2, h - 4),
                               QPoint(w / 2, h / 2), QPoint(5, h - 2)})
            EXPECT_EQ(image.pixel(p), column(state).flatFill) << int(state);
    }
    XPButtonLook disabled = look(XPButtonState::Disabled, "WWW");
    disabled.foreColour = Qt::red;
    const QImage image = painted(disabled);
    int grey = 0;
    for (int y = 3; y < h - 3; ++y) {
        for (int x = 3; x < w - 3; ++x) {
            grey += image.pixel(x, y) == disabledCaption ? 1 : 0;
            EXPECT_GE(qGreen(image.pixel(x, y)), 161) << x << "," << y;
        }
    }
    EXPECT_GT(grey, 3);
}

TEST_F(XPButtonLookTest, FocusRectangleInvertsEveryOtherPixelOfTheFaceBorder)
{
    for (const XPButtonState state : allStates) {
        XPButtonLook plain = look(state, "");
        XPButtonLook focused = plain;
        focused.focused = true;
        const QImage a = painted(plain);
        const QImage b = painted(focused);
        const bool drawn = state == XPButtonState::Focused || state == XPButtonState::Hot
            || state == XPButtonState::Pressed;
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                const bool border = x >= 3 && x <= w - 4 && y >= 3 && y <= h - 4
                    && (x == 3 || x == w - 4 || y == 3 || y == h - 4);
                const QRgb expected = drawn && border && (x + y) % 2 == 0
                    ? (~a.pixel(x, y) & 0x00ffffff) | 0xff000000
                    : a.pixel(x, y);
                EXPECT_EQ(b.pixel(x, y), expected) << int(state) << " at " << x << "," << y;
            }
        }
        focused.showFocusRectangle = false;
        EXPECT_EQ(painted(focused), a);
    }
}

TEST_F(XPButtonLookTest, WindowShapeCutsOnlyTheFourCornerPixels)
{
    const QRegion shape = XPButtonLook::windowShape(QSize(w, h));
    EXPECT_EQ(shape, QRegion(0, 0, w, h) - QRegion(0, 0, 1, 1) - QRegion(w - 1, 0, 1, 1)
                         - QRegion(0, h - 1, 1, 1) - QRegion(w - 1, h - 1, 1, 1));
    EXPECT_TRUE(shape.contains(QPoint(1, 0)));
    EXPECT_FALSE(shape.contains(QPoint(w - 1, h - 1)));
}

}
