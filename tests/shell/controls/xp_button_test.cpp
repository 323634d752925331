#include "shell/controls/twips.h"
#include "shell/controls/xp_button.h"
#include "tests/support/test_application.h"

#include <QApplication>
#include <QEnterEvent>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

class XPButtonTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { EnsureApplication(); }

    void SetUp() override
    {
        window = std::make_unique<QWidget>();
        window->resize(300, 100);
        // Takes the focus when the window opens, so the buttons start without it.
        auto* focusSink = new QWidget(window.get());
        focusSink->setFocusPolicy(Qt::StrongFocus);
        focusSink->setGeometry(0, 60, 20, 20);
        button = new ccXPButton(window.get());
        button->setGeometry(10, 10, 75, 23);
        other = new ccXPButton(window.get());
        other->setGeometry(100, 10, 75, 23);
        other->setCaption("&Cancel");
        window->show();
        activate(window.get());
        clicks = std::make_unique<QSignalSpy>(button, &ccXPButton::Click);
    }

    static void activate(QWidget* target)
    {
        target->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(target));
    }

    // Moves go straight to the button, as they do while it holds the mouse; the pointer the
    // offscreen platform keeps would otherwise carry over from test to test.
    void moveTo(QPoint at, Qt::MouseButtons held = Qt::NoButton)
    {
        QMouseEvent move(QEvent::MouseMove, at, button->mapToGlobal(at), Qt::NoButton, held,
                         Qt::NoModifier);
        QApplication::sendEvent(button, &move);
    }

    void leave()
    {
        QEvent leaving(QEvent::Leave);
        QApplication::sendEvent(button, &leaving);
    }

    const QPoint inside{30, 10};
    const QPoint outside{120, 60};
    std::unique_ptr<QWidget> window;
    ccXPButton* button = nullptr;
    ccXPButton* other = nullptr;
    std::unique_ptr<QSignalSpy> clicks;
};

TEST_F(XPButtonTest, HoverPressAndReleaseClickOnce)
{
    EXPECT_EQ(button->visualState(), XPButtonState::Normal);
    moveTo(inside);
    EXPECT_EQ(button->visualState(), XPButtonState::Hot);
    QTest::mousePress(button, Qt::LeftButton, {}, inside);
    EXPECT_EQ(button->visualState(), XPButtonState::Pressed);
    EXPECT_TRUE(button->hasFocus());
    QTest::mouseRelease(button, Qt::LeftButton, {}, inside);
    EXPECT_EQ(button->visualState(), XPButtonState::Hot);
    EXPECT_EQ(clicks->count(), 1);
    leave();
    EXPECT_EQ(button->visualState(), XPButtonState::Focused);
    // The far edges still count as over.
    moveTo(QPoint(75, 23));
    EXPECT_EQ(button->visualState(), XPButtonState::Hot);
    moveTo(QPoint(76, 23));
    EXPECT_EQ(button->visualState(), XPButtonState::Focused);
}

TEST_F(XPButtonTest, ReleaseOutsideGivesNoClickButMovingBackInDoes)
{
    moveTo(inside);
    QTest::mousePress(button, Qt::LeftButton, {}, inside);
    moveTo(outside, Qt::LeftButton);
    EXPECT_EQ(button->visualState(), XPButtonState::Focused);
    QTest::mouseRelease(button, Qt::LeftButton, {}, outside);
    EXPECT_EQ(clicks->count(), 0);

    moveTo(inside);
    QTest::mousePress(button, Qt::LeftButton, {}, inside);
    moveTo(outside, Qt::LeftButton);
    moveTo(inside, Qt::LeftButton);
    EXPECT_EQ(button->visualState(), XPButtonState::Pressed);
    QTest::mouseRelease(button, Qt::LeftButton, {}, inside);
    EXPECT_EQ(clicks->count(), 1);

    // Leaving while pressed: an armed press shows focused, an unarmed pressed look normal.
    QTest::mousePress(button, Qt::LeftButton, {}, inside);
    leave();
    EXPECT_EQ(button->visualState(), XPButtonState::Focused);
    QTest::mouseRelease(button, Qt::LeftButton, {}, outside);
    moveTo(inside);
    QTest::mouseDClick(button, Qt::LeftButton, {}, inside);
    EXPECT_EQ(button->visualState(), XPButtonState::Pressed);
    leave();
    EXPECT_EQ(button->visualState(), XPButtonState::Normal);
}

TEST_F(XPButtonTest, SpaceClicksOnReleaseUnlessTheMouseButtonIsHeld)
{
    button->setFocus();
    QTest::keyPress(button, Qt::Key_Space);
    EXPECT_EQ(button->visualState(), XPButtonState::Pressed);
    EXPECT_EQ(clicks->count(), 0);
    // X repeats a held key as release and press pairs marked as repeats.
    QKeyEvent repeatRelease(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, " ", true);
    QApplication::sendEvent(button, &repeatRelease);
    EXPECT_EQ(clicks->count(), 0);
    QTest::keyRelease(button, Qt::Key_Space);
    EXPECT_EQ(button->visualState(), XPButtonState::Focused);
    EXPECT_EQ(clicks->count(), 1);

    moveTo(inside);
    QTest::mousePress(button, Qt::LeftButton, {}, inside);
    QTest::keyClick(button, Qt::Key_Space);
    EXPECT_EQ(button->visualState(), XPButtonState::Pressed);
    moveTo(outside, Qt::LeftButton);
    QTest::mouseRelease(button, Qt::LeftButton, {}, outside);
    EXPECT_EQ(clicks->count(), 1);
}

TEST_F(XPButtonTest, EnterClicksOnKeyDownWithoutAPressedLook)
{
    button->setFocus();
    const XPButtonState before = button->visualState();
    QTest::keyPress(button, Qt::Key_Return);
    EXPECT_EQ(clicks->count(), 1);
    EXPECT_EQ(button->visualState(), before);
    QTest::keyRelease(button, Qt::Key_Return);
    QTest::keyClick(button, Qt::Key_Enter);
    EXPECT_EQ(clicks->count(), 2);
}

TEST_F(XPButtonTest, AccessKeyFocusesThenClicksOncePendingEventsRanUnlessSpaceIsHeld)
{
    EXPECT_EQ(button->accessKey(), QChar(u'o'));
    QSignalSpy otherClicks(other, &ccXPButton::Click);
    QTest::keyClick(window.get(), Qt::Key_C, Qt::AltModifier);
    EXPECT_TRUE(other->hasFocus());
    EXPECT_EQ(otherClicks.count(), 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(otherClicks.count(), 1);
    EXPECT_EQ(clicks->count(), 0);

    // While Space is held the access key only cancels the press.
    button->setFocus();
    QTest::keyPress(button, Qt::Key_Space);
    QTest::keyClick(window.get(), Qt::Key_O, Qt::AltModifier);
    QCoreApplication::processEvents();
    EXPECT_EQ(button->visualState(), XPButtonState::Focused);
    QTest::keyRelease(button, Qt::Key_Space);
    EXPECT_EQ(clicks->count(), 0);

    button->setCaption("Fish && Chips");
    EXPECT_TRUE(button->accessKey().isNull());
    QTest::keyClick(window.get(), Qt::Key_O, Qt::AltModifier);
    QCoreApplication::processEvents();
    EXPECT_EQ(clicks->count(), 0);
}

TEST_F(XPButtonTest, DisabledButtonLooksGreyAndNeverClicks)
{
    button->setFocus();
    button->setEnabled(false);
    EXPECT_EQ(button->visualState(), XPButtonState::Disabled);
    EXPECT_FALSE(button->hasFocus());
    moveTo(inside);
    QTest::mouseClick(button, Qt::LeftButton, {}, inside);
    QTest::keyClick(button, Qt::Key_Return);
    QTest::keyClick(window.get(), Qt::Key_O, Qt::AltModifier);
    QCoreApplication::processEvents();
    EXPECT_EQ(clicks->count(), 0);
    leave();
    EXPECT_EQ(button->visualState(), XPButtonState::Disabled);
    // The pointer entering on its own, as X reports it, neither lights nor revives the button.
    QEnterEvent entering(inside, button->mapToGlobal(inside), button->mapToGlobal(inside));
    QApplication::sendEvent(button, &entering);
    EXPECT_EQ(button->visualState(), XPButtonState::Disabled);
    leave();
    EXPECT_EQ(button->visualState(), XPButtonState::Disabled);

    button->setDisplayAsDefault(true);
    button->setEnabled(true);
    EXPECT_EQ(button->visualState(), XPButtonState::Focused);
}

TEST_F(XPButtonTest, DoubleClickRaisesDblClickAndNoSecondClick)
{
    QSignalSpy doubles(button, &ccXPButton::DblClick);
    moveTo(inside);
    QTest::mouseClick(button, Qt::LeftButton, {}, inside);
    QTest::mouseDClick(button, Qt::LeftButton, {}, inside);
    EXPECT_EQ(doubles.count(), 1);
    EXPECT_EQ(clicks->count(), 1);
}

TEST_F(XPButtonTest, ArrowKeysMoveTheFocusLikeTab)
{
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Right);
    EXPECT_TRUE(other->hasFocus());
    EXPECT_EQ(button->visualState(), XPButtonState::Normal);
    QTest::keyClick(other, Qt::Key_Up);
    EXPECT_TRUE(button->hasFocus());
}

TEST_F(XPButtonTest, MouseMoveReportsButtonsAndTwips)
{
    QSignalSpy moves(button, &ccXPButton::MouseMove);
    moveTo(QPoint(4, 2), Qt::LeftButton | Qt::RightButton);
    ASSERT_EQ(moves.count(), 1);
    EXPECT_EQ(moves[0][0].value<short>(), 3);
    EXPECT_FLOAT_EQ(moves[0][2].toFloat(), float(4 * TwipsPerPixelX(*button)));
    EXPECT_FLOAT_EQ(moves[0][3].toFloat(), float(2 * TwipsPerPixelX(*button)));
}

TEST_F(XPButtonTest, InactiveWindowShowsNormalUntilActivated)
{
    button->setFocus();
    QSignalSpy activations(button, &ccXPButton::FormActivate);
    QWidget elsewhere;
    elsewhere.show();
    activate(&elsewhere);
    EXPECT_EQ(button->visualState(), XPButtonState::Normal);
    ASSERT_GE(activations.count(), 1);
    EXPECT_EQ(activations.last()[0].toInt(), 0);
    // Moves over a button in an inactive window change nothing.
    moveTo(inside);
    EXPECT_EQ(button->visualState(), XPButtonState::Normal);
    leave();

    activate(window.get());
    EXPECT_EQ(button->visualState(), XPButtonState::Focused);
    EXPECT_EQ(activations.last()[0].toInt(), 1);

    other->setDisplayAsDefault(true);
    EXPECT_EQ(other->visualState(), XPButtonState::Focused);
    activate(&elsewhere);
    EXPECT_EQ(other->visualState(), XPButtonState::Normal);
    activate(window.get());
    EXPECT_EQ(other->visualState(), XPButtonState::Focused);
}

TEST_F(XPButtonTest, NeverSmallerThanOneHundredTwips)
{
    const int smallest = PixelsCovering(100, *button);
    EXPECT_EQ(smallest, 7) << "at 96 dots per inch";
    button->resize(50 / 15, 50 / 15);
    EXPECT_EQ(button->size(), QSize(smallest, smallest));
    EXPECT_EQ(button->grab().size(), QSize(smallest, smallest));
    button->resize(40, 3);
    EXPECT_EQ(button->size(), QSize(40, smallest));
}

}
