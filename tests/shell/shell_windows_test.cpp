#include "shell/entry.h"
#include "shell/tavrolin_r.h"
#include "shell/tavrolin_s.h"
#include "tests/support/test_application.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class ShellWindowsTest : public ::testing::Test {
protected:
    void SetUp() override { EnsureApplication(); }
};

bool allBlack(const QImage& picture)
{
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if ((picture.pixel(x, y) & 0xFFFFFF) != 0)
                return false;
    return true;
}

TEST_F(ShellWindowsTest, HostPicturesAreTheCharacterSheetAndTheEarthMap)
{
    const QImage sheet = Tavrolin_S::Pic(1);
    ASSERT_EQ(sheet.size(), QSize(128, 128));
    EXPECT_TRUE(allBlack(sheet));
    const QImage earth = Tavrolin_S::Pic(2);
    ASSERT_EQ(earth.size(), QSize(256, 256));
    EXPECT_FALSE(allBlack(earth));
    EXPECT_TRUE(Tavrolin_S::Pic(0).isNull());
    EXPECT_TRUE(Tavrolin_S::Pic(3).isNull());
}

TEST_F(ShellWindowsTest, HostIsANativeWindowThatIsNeverShownWithItsTimersAtRest)
{
    Tavrolin_S host('S');
    EXPECT_EQ(host.windowTitle(), "Tavrolin_Main");
    EXPECT_TRUE(host.testAttribute(Qt::WA_WState_Created));
    EXPECT_FALSE(host.isVisible());
    EXPECT_FALSE(host.Timer1.isActive());
    EXPECT_FALSE(host.Timer2.isActive());
    EXPECT_FALSE(host.Timer3.isActive());
}

TEST_F(ShellWindowsTest, PreviewPictureIsNeverScaled)
{
    Tavrolin_R preview;
    const QImage picture = Tavrolin_R::PreviewPicture().convertToFormat(QImage::Format_RGB32);

    EXPECT_EQ(preview.windowTitle(), "Preview Window");
    EXPECT_EQ(preview.size(), QSize(152, 112));

    preview.resize(300, 200);
    preview.Img_Prev->setGeometry(0, 0, 300, 200);
    QImage shown = preview.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown.copy(0, 0, 152, 112), picture);
    EXPECT_TRUE(allBlack(shown.copy(152, 0, 148, 200)));
    EXPECT_TRUE(allBlack(shown.copy(0, 112, 300, 88)));

    preview.resize(100, 60);
    preview.Img_Prev->setGeometry(0, 0, 100, 60);
    shown = preview.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown, picture.copy(0, 0, 100, 60));
}

TEST_F(ShellWindowsTest, ClosingAPreviewShownOnItsOwnEndsTheProgram)
{
    Tavrolin_R preview;
    EXPECT_FALSE(preview.EndWithWindow(0));
    preview.show();
    bool closedItself = false;
    QTimer::singleShot(0, &preview, [&] { preview.close(); });
    // Only a guard against a hang; the close above ends the loop long before.
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    guard.start(10000);
    closedItself = QApplication::exec() == 0;
    EXPECT_TRUE(closedItself);
}

TEST_F(ShellWindowsTest, MissingEngineMessageHasTheExactTextAndOnlyAnOkButton)
{
    QString title;
    QString text;
    int buttons = 0;
    bool okButton = false;
    // Runs inside the box's own event loop.
    QTimer::singleShot(0, [&] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(widget);
            if (!box || !box->isVisible())
                continue;
            title = box->windowTitle();
            text = box->text();
            buttons = static_cast<int>(box->buttons().size());
            okButton = box->button(QMessageBox::Ok) != nullptr;
            box->done(QMessageBox::Ok);
        }
    });
    ShowMissingEngineMessage();
    EXPECT_EQ(title, "Tavrolin");
    EXPECT_EQ(text, QString::fromUtf8("Tavrolin.dll が同じﾌｫﾙﾀﾞに見つかりません！"));
    EXPECT_EQ(buttons, 1);
    EXPECT_TRUE(okButton);
}

}
