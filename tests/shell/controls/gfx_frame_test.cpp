#include "shell/controls/frame_look.h"
#include "shell/controls/gfx_frame.h"
#include "tests/support/test_application.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

class GFXFrameXTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { EnsureApplication(); }

    void SetUp() override
    {
        container.setPalette(QPalette(QColor(224, 224, 224)));
        frame = new GFXFrameX(&container);
        frame->setGeometry(12, 12, 501, 173);
    }

    QWidget container;
    GFXFrameX* frame = nullptr;
};

TEST_F(GFXFrameXTest, ColourDefaultsFollowTheContainerUntilSet)
{
    EXPECT_EQ(frame->FillColour(), QColor(224, 224, 224));
    EXPECT_EQ(frame->BackColour(), QColor(224, 224, 224));
    container.setPalette(QPalette(QColor(10, 20, 30)));
    EXPECT_EQ(frame->FillColour(), QColor(10, 20, 30));
    frame->setFillColour(Qt::white);
    container.setPalette(QPalette(QColor(200, 0, 0)));
    EXPECT_EQ(frame->FillColour(), QColor(Qt::white));
    EXPECT_EQ(frame->BackColour(), QColor(200, 0, 0));
}

TEST_F(GFXFrameXTest, SettersKeepValuesWithinTheirLimitsUnderTheirPersistedNames)
{
    const struct {
        const char* name;
        int given, kept;
    } cases[] = {{"ShadowDepth", 1, 2}, {"ShadowDepth", 41, 41}, {"ShadowDepth", 1000, 50},
                 {"CornerDepth", 80, 50}, {"CornerDepth", -5, 0}, {"ShadowOpacity", 150, 100},
                 {"ShadowOpacity", -1, 0}, {"FrameStyle", 7, 7}, {"BackColourIs", -3, -3}};
    for (const auto& c : cases) {
        EXPECT_TRUE(frame->setProperty(c.name, c.given)) << c.name;
        EXPECT_EQ(frame->property(c.name).toInt(), c.kept) << c.name << " " << c.given;
    }
}

TEST_F(GFXFrameXTest, ShowsWhatItsLookPaints)
{
    frame->setShadowDepth(7);
    frame->setBackColour(QColor(0, 0, 255));
    const QImage shown = frame->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QImage expected(frame->size(), QImage::Format_RGB32);
    frame->look().paint(expected);
    EXPECT_EQ(shown, expected);
    EXPECT_EQ(shown.pixel(500, 86), qRgb(219, 219, 219));

    frame->setBackColourIs(1);
    const QImage blue = frame->grab().toImage();
    EXPECT_EQ(blue.pixel(500, 0), qRgb(0, 0, 255));
    EXPECT_EQ(blue.pixel(250, 86), qRgb(224, 224, 224));
}

}
