#include "files/work_folder.h"
#include "shell/controls/gfx_frame.h"
#include "shell/controls/xp_button.h"
#include "shell/dialog/outline_shape.h"
#include "shell/dialog/picture_box.h"
#include "shell/dialog/tavrolin_p.h"
#include "shell/entry.h"
#include "shell/settings_file.h"
#include "shell/shell_settings.h"
#include "shell/translation.h"
#include "shell/user_language.h"
#include "tests/support/temporary_folder.h"

#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QDesktopServices>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <QUrl>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <fstream>
#include <optional>
#include <gtest/gtest.h>

namespace {

// Stands in for the browser: records the addresses it is asked to open and the pointer shape
// at that moment.
class BrowserRecorder : public QObject {
    Q_OBJECT

public:
    QList<QUrl> opened;
    Qt::CursorShape pointer = Qt::ArrowCursor;

public slots:
    void open(const QUrl& url)
    {
        opened << url;
        pointer = QGuiApplication::overrideCursor() ? QGuiApplication::overrideCursor()->shape() : Qt::ArrowCursor;
    }
};

void ensureApplication()
{
    static int argc = 1;
    static char name[] = "dialog_tests";
    static char* argv[] = {name, nullptr};
    // Never destroyed: Qt's own globals may be gone by the time statics are torn down.
    static QApplication* const instance = new QApplication(argc, argv);
    (void)instance;
}

std::string key(std::string_view name, const std::string& value)
{
    return std::string(name) + "=" + value + "\r\n";
}

class DialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ensureApplication();
        ShellSettings = {};
        MakeWorkFolder();
    }

    static std::string settingsBytes() { return TemporaryFolder::read(SettingsFilePath()); }
    static std::string stored(std::string_view name) { return GetIniString(SettingsSectionName, name, SettingsFilePath()); }

    static bool shows(QLabel* picture, const QPixmap& expected)
    {
        return picture->pixmap().toImage() == expected.toImage();
    }

    // Which kind's radio picture is the selected one; -1 when none is.
    static int selectedKind(const Tavrolin_P& dialog)
    {
        int selected = -1;
        for (int kind = 0; kind < 3; ++kind) {
            if (shows(dialog.Img_BGM[kind], dialog.Img_Ra[1]))
                selected = selected == -1 ? kind : -2;
            else
                EXPECT_TRUE(shows(dialog.Img_BGM[kind], dialog.Img_Ra[0]));
        }
        return selected;
    }

    TemporaryHome home;
};

TEST_F(DialogTest, WithoutASettingsFileOpensCentredAndSavesTheStandardValues)
{
    LoadSettings();
    Tavrolin_P dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("■Tavrolin■"));
    EXPECT_EQ(dialog.size(), QSize(522, 265));
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(dialog.pos(), screen.topLeft() + QPoint((screen.width() - 522) / 2, (screen.height() - 265) / 3));
    EXPECT_GT(dialog.pos().y(), 0);
    EXPECT_EQ(dialog.GFXFrameX1->geometry(), QRect(12, 12, 501, 173));
    EXPECT_EQ(dialog.Cmd_Set->geometry(), QRect(144, 192, 113, 33));
    EXPECT_EQ(dialog.Sh[1]->pos(), dialog.Sh[0]->pos() + QPoint(1, 1));
    EXPECT_EQ(dialog.lbl_BGM[1]->font().family(), QStringLiteral("IPAPGothic"));

    EXPECT_EQ(dialog.lbl_V->text(), QStringLiteral("標準"));
    EXPECT_EQ(dialog.lbl_S->text(), QStringLiteral("標準"));
    EXPECT_EQ(selectedKind(dialog), 0);
    EXPECT_FALSE(dialog.BGM_Repeat->isEnabled());
    EXPECT_FALSE(dialog.Cmd_File->isEnabled());
    EXPECT_EQ(dialog.BGM_Repeat->currentText(), QString());
    ASSERT_EQ(dialog.BGM_Repeat->count(), 31);
    EXPECT_EQ(dialog.BGM_Repeat->itemText(0), QString());
    EXPECT_EQ(dialog.BGM_Repeat->itemText(30), QStringLiteral("30"));
    EXPECT_TRUE(dialog.Timer1.isActive());
    EXPECT_EQ(dialog.Timer1.interval(), 100);

    emit dialog.Cmd_Set->Click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.Timer1.isActive());
    EXPECT_EQ(settingsBytes(), "[Section]\r\n" + key(ScaleKey, "6") + key(FastKey, "6") + key(BgmKindKey, "0")
                                   + key(BgmRepeatKey, "0") + key(BgmFileKey, ""));
}

TEST_F(DialogTest, StoredSettingsFillTheControls)
{
    TemporaryFolder music;
    const std::string song = music.write("song.mp3", "ID3").string();
    std::ofstream(SettingsFilePath(), std::ios::binary)
        << "[Section]\r\n" + key(ScaleKey, "9") + key(FastKey, "2") + key(BgmKindKey, "1") + key(BgmRepeatKey, "7")
            + key(BgmFileKey, song);
    LoadSettings();
    Tavrolin_P dialog;
    EXPECT_EQ(dialog.HS_V->value(), 3);
    EXPECT_EQ(dialog.lbl_V->text(), QStringLiteral("+3"));
    EXPECT_EQ(dialog.HS_S->value(), -4);
    EXPECT_EQ(dialog.lbl_S->text(), QStringLiteral("-4"));
    EXPECT_EQ(selectedKind(dialog), 1);
    EXPECT_TRUE(dialog.BGM_Repeat->isEnabled());
    EXPECT_FALSE(dialog.Cmd_File->isEnabled());
    EXPECT_EQ(dialog.BGM_Repeat->currentText(), QStringLiteral("7"));
    EXPECT_EQ(dialog.lbl_Fname->text(), QString::fromStdString(song));
}

TEST_F(DialogTest, OffsetsAndKindsOutOfRangeLeaveTheControlsAtRestAndTheKindIsWrittenBack)
{
    ShellSettings.ScalePos = 6;
    ShellSettings.FastPos = -9;
    ShellSettings.BgmKind = 7;
    Tavrolin_P dialog;
    EXPECT_EQ(dialog.HS_V->value(), 0);
    EXPECT_EQ(dialog.lbl_V->text(), QStringLiteral("標準"));
    EXPECT_EQ(dialog.HS_S->value(), 0);
    EXPECT_EQ(selectedKind(dialog), -1);
    EXPECT_FALSE(dialog.BGM_Repeat->isEnabled());
    EXPECT_FALSE(dialog.Cmd_File->isEnabled());

    emit dialog.Cmd_Set->Click();
    EXPECT_EQ(stored(ScaleKey), "6");
    EXPECT_EQ(stored(FastKey), "6");
    EXPECT_EQ(stored(BgmKindKey), "7");
}

TEST_F(DialogTest, SlidersAtTheirEndsShowAndSaveTheOuterLevels)
{
    Tavrolin_P dialog;
    dialog.HS_V->triggerAction(QAbstractSlider::SliderToMinimum);
    dialog.HS_S->triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_EQ(dialog.lbl_V->text(), QStringLiteral("-5"));
    EXPECT_EQ(dialog.lbl_S->text(), QStringLiteral("+5"));

    // While the thumb is dragged the label follows it.
    dialog.HS_S->setSliderDown(true);
    dialog.HS_S->setSliderPosition(2);
    EXPECT_EQ(dialog.lbl_S->text(), QStringLiteral("+2"));
    dialog.HS_S->triggerAction(QAbstractSlider::SliderToMaximum);
    dialog.HS_S->setSliderDown(false);

    emit dialog.Cmd_Set->Click();
    EXPECT_EQ(stored(ScaleKey), "1");
    EXPECT_EQ(stored(FastKey), "11");
}

TEST_F(DialogTest, SliderKeysStepAsOnAHorizontalScrollBar)
{
    Tavrolin_P dialog;
    for (QScrollBar* slider : {dialog.HS_V, dialog.HS_S}) {
        QLabel* label = slider == dialog.HS_V ? dialog.lbl_V : dialog.lbl_S;
        const std::pair<Qt::Key, int> steps[] = {{Qt::Key_Right, 1}, {Qt::Key_Right, 2}, {Qt::Key_Left, 1},
                                                 {Qt::Key_Up, 0},    {Qt::Key_Down, 1},  {Qt::Key_PageUp, 0},
                                                 {Qt::Key_PageDown, 1}, {Qt::Key_End, 5}, {Qt::Key_Right, 5},
                                                 {Qt::Key_Home, -5}, {Qt::Key_Left, -5}};
        for (const auto& [key, expected] : steps) {
            QTest::keyClick(slider, key);
            EXPECT_EQ(slider->value(), expected) << slider->objectName().toStdString() << " key " << key;
        }
        QTest::keyClick(slider, Qt::Key_Right);
        EXPECT_EQ(label->text(), QStringLiteral("-4"));
    }
    QTest::keyClick(dialog.HS_V, Qt::Key_End);
    QTest::keyClick(dialog.HS_V, Qt::Key_Left);
    QTest::keyClick(dialog.HS_V, Qt::Key_Left);
    QTest::keyClick(dialog.HS_V, Qt::Key_Left);
    QTest::keyClick(dialog.HS_V, Qt::Key_Left);
    EXPECT_EQ(dialog.lbl_V->text(), QStringLiteral("+1"));
    emit dialog.Cmd_Set->Click();
    EXPECT_EQ(stored(ScaleKey), "7");
    EXPECT_EQ(stored(FastKey), "2");
}

TEST_F(DialogTest, TrackBoxTextIsSavedAsATrackEvenWhileTheBoxIsDisabled)
{
    const std::pair<QString, std::string> cases[] = {{"", "0"}, {"12", "12"}, {"abc", "0"}};
    for (const auto& [text, saved] : cases) {
        Tavrolin_P dialog;
        ASSERT_FALSE(dialog.BGM_Repeat->isEnabled());
        dialog.BGM_Repeat->setEditText(text);
        emit dialog.Cmd_Set->Click();
        EXPECT_EQ(stored(BgmRepeatKey), saved) << text.toStdString();
        EXPECT_EQ(std::to_string(ShellSettings.BgmRepeat), saved);
    }
}

TEST_F(DialogTest, PressingAKindMovesTheSelectionAndTheEnabledControls)
{
    Tavrolin_P dialog;
    QTest::mousePress(dialog.lbl_BGM[1], Qt::LeftButton);
    EXPECT_EQ(ShellSettings.BgmKind, BgmKindCd);
    EXPECT_EQ(selectedKind(dialog), 1);
    EXPECT_TRUE(dialog.BGM_Repeat->isEnabled());
    EXPECT_FALSE(dialog.Cmd_File->isEnabled());

    QTest::mousePress(dialog.Img_BGM[2], Qt::RightButton);
    EXPECT_EQ(selectedKind(dialog), 2);
    EXPECT_FALSE(dialog.BGM_Repeat->isEnabled());
    EXPECT_TRUE(dialog.Cmd_File->isEnabled());

    QTest::mousePress(dialog.Img_BGM[0], Qt::LeftButton);
    EXPECT_EQ(selectedKind(dialog), 0);
    EXPECT_FALSE(dialog.BGM_Repeat->isEnabled());
    EXPECT_FALSE(dialog.Cmd_File->isEnabled());

    // File music without a file is saved as it is.
    QTest::mousePress(dialog.lbl_BGM[2], Qt::LeftButton);
    emit dialog.Cmd_Set->Click();
    EXPECT_EQ(stored(BgmKindKey), "2");
    EXPECT_EQ(stored(BgmFileKey), "");
}

TEST_F(DialogTest, ChosenFileIsShownAndSavedByteForByteWithItsFolder)
{
    ShellSettings.BgmKind = BgmKindFile;
    ShellSettings.BgmFolder = "/start";
    Tavrolin_P dialog;
    OpenFileRequest asked;
    const std::string chosen = "/music/\"曲\" \xF0\x9F\x8E\xB5.Mp3";
    dialog.GetOpenFileName = [&](const OpenFileRequest& request) {
        asked = request;
        return std::optional<std::string>(chosen);
    };
    emit dialog.Cmd_File->Click();
    EXPECT_EQ(asked.owner, &dialog);
    EXPECT_EQ(asked.title, QStringLiteral("ﾌｧｲﾙを開く"));
    EXPECT_EQ(asked.filterDescription, QStringLiteral("BGMﾌｧｲﾙ (MP3 WAV)"));
    EXPECT_EQ(asked.patterns, QStringList({"*.MP3", "*.WAV"}));
    EXPECT_EQ(asked.folder, QStringLiteral("/start"));
    EXPECT_EQ(dialog.lbl_Fname->text(), QString::fromStdString(chosen));
    EXPECT_EQ(ShellSettings.BgmFolder, "/music");

    emit dialog.Cmd_Set->Click();
    EXPECT_EQ(settingsBytes().substr(settingsBytes().size() - chosen.size() - 2), chosen + "\r\n");
}

TEST_F(DialogTest, CancelledOrUnstorableChoicesChangeNothing)
{
    // Bytes that are not UTF-8 are shown as well as can be and kept exactly.
    ShellSettings.BgmFile = "/old/\xFF\xFE.wav";
    ShellSettings.BgmFolder = "/old";
    ShellSettings.BgmKind = BgmKindFile;
    Tavrolin_P dialog;
    const QString shown = dialog.lbl_Fname->text();
    EXPECT_TRUE(shown.startsWith(QStringLiteral("/old/")));

    const std::optional<std::string> answers[] = {std::nullopt, std::string("/new/a\nScale=11.mp3"),
                                                  "/" + std::string(Tavrolin_P::LongestMusicPath, 'a')};
    for (const std::optional<std::string>& answer : answers) {
        dialog.GetOpenFileName = [&](const OpenFileRequest&) { return answer; };
        emit dialog.Cmd_File->Click();
        EXPECT_EQ(ShellSettings.BgmFile, "/old/\xFF\xFE.wav");
        EXPECT_EQ(ShellSettings.BgmFolder, "/old");
        EXPECT_EQ(dialog.lbl_Fname->text(), shown);
    }
    emit dialog.Cmd_Set->Click();
    EXPECT_EQ(stored(BgmFileKey), "/old/\xFF\xFE.wav");
    EXPECT_EQ(stored(ScaleKey), "6");
}

TEST_F(DialogTest, CancelWritesNothing)
{
    {
        Tavrolin_P dialog;
        dialog.HS_V->setValue(4);
        emit dialog.Cmd_Can->Click();
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
        EXPECT_FALSE(dialog.Timer1.isActive());
    }
    EXPECT_FALSE(std::filesystem::exists(SettingsFilePath()));
}

// Answers the next message box that shows with its OK button; what it said lands in the fields.
class MessageAnswerer : public QObject {
public:
    MessageAnswerer() { m_timer.callOnTimeout(this, &MessageAnswerer::look); m_timer.start(10); }

    QString title;
    QString text;
    int buttons = 0;
    bool answered = false;

private:
    void look()
    {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(widget);
            if (!box || !box->isVisible() || answered)
                continue;
            title = box->windowTitle();
            text = box->text();
            buttons = static_cast<int>(box->buttons().size());
            answered = true;
            if (QAbstractButton* ok = box->button(QMessageBox::Ok))
                ok->click();
            else
                box->reject();
            m_timer.stop();
        }
    }

    QTimer m_timer;
};

TEST_F(DialogTest, AFailedSaveSaysWhyAndKeepsTheDialogOpenWithTheChanges)
{
    const std::string old = "[Section]\r\n" + key(ScaleKey, "2");
    std::ofstream(SettingsFilePath(), std::ios::binary) << old;
    std::filesystem::permissions(SettingsFilePath(), std::filesystem::perms::owner_read);
    {
        Tavrolin_P dialog;
        dialog.show();
        dialog.HS_V->setValue(4);
        MessageAnswerer answerer;
        emit dialog.Cmd_Set->Click();
        EXPECT_TRUE(answerer.answered);
        EXPECT_EQ(answerer.title, QStringLiteral("Tavrolin"));
        EXPECT_EQ(answerer.text, QStringLiteral("設定を保存できませんでした。\n") + QString::fromLocal8Bit(std::strerror(EACCES)));
        EXPECT_EQ(answerer.buttons, 1);
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_NE(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(dialog.HS_V->value(), 4);
    }
    EXPECT_EQ(settingsBytes(), old);

    std::filesystem::remove(SettingsFilePath());
    std::filesystem::create_directory(SettingsFilePath());
    Tavrolin_P dialog;
    dialog.show();
    MessageAnswerer answerer;
    emit dialog.Cmd_Set->Click();
    EXPECT_EQ(answerer.text, QStringLiteral("設定を保存できませんでした。\n") + QString::fromLocal8Bit(std::strerror(EISDIR)));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(std::filesystem::is_directory(SettingsFilePath()));
    std::filesystem::remove(SettingsFilePath());

    // A work folder others can write is no place for the settings.
    std::filesystem::permissions(WorkFolderPath(), std::filesystem::perms::all);
    MessageAnswerer refusal;
    emit dialog.Cmd_Set->Click();
    EXPECT_EQ(refusal.text, QStringLiteral("設定を保存できませんでした。\n") + QString::fromLocal8Bit(std::strerror(EPERM)));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(std::filesystem::is_empty(WorkFolderPath()));
}

TEST_F(DialogTest, BannerPlaysLeftThenRightThenRestsForOneTick)
{
    Tavrolin_P dialog;
    for (int frame = 1; frame <= 24; ++frame) {
        EXPECT_EQ(dialog.Pic_t[frame].size(), QSize(120, 50));
        EXPECT_NE(dialog.Pic_t[frame].toImage(), dialog.Pic_t[frame == 1 ? 24 : frame - 1].toImage());
    }
    const auto left = [&] { return dialog.Pic_m[0]->Picture(); };
    const auto right = [&] { return dialog.Pic_m[1]->Picture(); };
    EXPECT_TRUE(left().isNull() && right().isNull());

    for (int tick = 1; tick <= 49; ++tick) {
        dialog.Timer1Tick();
        if (tick <= 24) {
            EXPECT_EQ(left().cacheKey(), dialog.Pic_t[tick].cacheKey()) << tick;
            EXPECT_TRUE(right().isNull()) << tick;
        } else if (tick <= 48) {
            EXPECT_EQ(left().cacheKey(), dialog.Pic_t[24].cacheKey()) << tick;
            EXPECT_EQ(right().cacheKey(), dialog.Pic_t[tick - 24].cacheKey()) << tick;
        } else {
            EXPECT_EQ(dialog.bannerTick(), 0);
            EXPECT_EQ(left().cacheKey(), dialog.Pic_t[24].cacheKey());
            EXPECT_EQ(right().cacheKey(), dialog.Pic_t[24].cacheKey());
        }
    }
    dialog.Timer1Tick();
    EXPECT_EQ(left().cacheKey(), dialog.Pic_t[1].cacheKey());
    EXPECT_EQ(right().cacheKey(), dialog.Pic_t[24].cacheKey());
}

TEST_F(DialogTest, BannerClickOpensTheHomePageUnderTheHourglass)
{
    BrowserRecorder browser;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &browser, "open");
    Tavrolin_P dialog;
    EXPECT_EQ(dialog.Pic_m[0]->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseClick(dialog.Pic_m[1], Qt::LeftButton);
    QTest::mouseClick(dialog.Pic_m[0], Qt::RightButton);
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    ASSERT_EQ(browser.opened.size(), 1);
    EXPECT_EQ(browser.opened[0], QUrl(QString::fromLatin1(Tavrolin_P::HomePage)));
    EXPECT_EQ(browser.pointer, Qt::WaitCursor);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

// The outline's places while it runs, read between its steps (it lets timers run).
class OutlineRecorder {
public:
    OutlineRecorder()
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                if (widget->isVisible() && widget->windowType() == Qt::ToolTip)
                    places.push_back(widget->geometry());
            }
        });
        m_timer.start(0);
    }

    std::vector<QRect> places;

private:
    QTimer m_timer;
};

TEST_F(DialogTest, TheOutlineZoomsOpenFromThePointerAndShutBackToIt)
{
    QCursor::setPos(40, 30);
    std::optional<OutlineRecorder> opening(std::in_place);
    Tavrolin_P dialog;
    const std::vector<QRect> opened = opening->places;
    opening.reset();
    const QRect frame = dialog.frameGeometry();
    const QPoint zoomPoint = dialog.ZoomPoint;

    OutlineRecorder closing;
    dialog.done(QDialog::Rejected);
    const std::vector<QRect>& closed = closing.places;

    ASSERT_FALSE(opened.empty());
    ASSERT_FALSE(closed.empty());
    EXPECT_EQ(opened.back(), frame);
    EXPECT_EQ(closed.back().topLeft(), zoomPoint);
    EXPECT_LE(closed.back().width() * closed.back().height(), 1);
    // How many steps a busy machine lets through varies; that it only shrinks does not.
    for (std::size_t i = 1; i < closed.size(); ++i)
        EXPECT_LE(closed[i].width(), closed[i - 1].width()) << "step " << i;
}

TEST_F(DialogTest, FocusMovesInTheGivenOrder)
{
    Tavrolin_P dialog;
    const QList<QWidget*> order {dialog.BGM_Repeat, dialog.Cmd_File, dialog.Cmd_Set, dialog.Cmd_Can,
                                 dialog.HS_V,       dialog.Pic_m[0], dialog.HS_S,    dialog.Pic_m[1]};
    QList<QWidget*> seen;
    QWidget* widget = dialog.BGM_Repeat;
    do {
        if (order.contains(widget) && !seen.contains(widget))
            seen << widget;
        widget = widget->nextInFocusChain();
    } while (widget != dialog.BGM_Repeat);
    EXPECT_EQ(seen, order);
    for (QWidget* control : order)
        EXPECT_TRUE(control->focusPolicy() & Qt::TabFocus) << control->objectName().toStdString();
}

TEST(UserLanguageTest, LocaleVariablesAreReadAsGettextReadsThem)
{
    using enum UserLanguage;
    // LANGUAGE, LC_ALL, LC_MESSAGES, LANG.
    const std::pair<LocaleVariables, UserLanguage> cases[] = {
        {{"", "", "", "ja_JP.UTF-8"}, Japanese},
        {{"", "", "", "de_DE.UTF-8"}, English},
        {{"", "", "", "jv_ID"}, English},
        {{"", "", "", ""}, English},
        {{"", "C", "", "ja_JP.UTF-8"}, English},
        {{"", "en_GB.UTF-8", "ja_JP.UTF-8", ""}, English},
        {{"", "", "ja_JP.eucJP@cjk", "en_US.UTF-8"}, Japanese},
        // LANGUAGE comes first, but not under C or POSIX; C.UTF-8 is neither.
        {{"ja", "", "", ""}, English},
        {{"ja", "", "", "POSIX"}, English},
        {{"ja:en", "", "", "C.UTF-8"}, Japanese},
        {{"en_GB:ja", "", "", "ja_JP.UTF-8"}, English},
        // Entries without a translation are passed over; without any the locale decides.
        {{"fr::ja", "", "", "en_US.UTF-8"}, Japanese},
        {{"fr", "", "", "ja_JP.UTF-8"}, Japanese},
    };
    for (const auto& [variables, expected] : cases)
        EXPECT_EQ(UserLanguageOf(variables), expected) << variables.language << " " << variables.all << " "
                                                       << variables.messages << " " << variables.lang;
}

// LANG for this process as a user's session sets it, with the translation the program installs
// for it; both undone at the end.
class SessionLanguage {
public:
    explicit SessionLanguage(const char* lang)
    {
        for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
            if (const char* value = std::getenv(name))
                m_saved.emplace_back(name, value);
            unsetenv(name);
        }
        setenv("LANG", lang, 1);
        m_translator.reset(InstallTranslation(*QCoreApplication::instance(), UserLanguageFromEnvironment()));
    }
    ~SessionLanguage()
    {
        unsetenv("LANG");
        for (const auto& [name, value] : m_saved)
            setenv(name.c_str(), value.c_str(), 1);
    }

private:
    std::vector<std::pair<std::string, std::string>> m_saved;
    std::unique_ptr<QTranslator> m_translator; // a deleted translator removes itself
};

// Every text of the dialog with the place the layout gives it (twips inside its parent).
struct DialogText {
    std::function<QWidget*(const Tavrolin_P&)> widget;
    QRect place;
    const char* japanese;
    const char* english;
};

std::vector<DialogText> dialogTexts()
{
    const auto label = [](int index) { return [index](const Tavrolin_P& d) -> QWidget* { return d.lbl.at(index); }; };
    const auto kind = [](int index) { return [index](const Tavrolin_P& d) -> QWidget* { return d.lbl_BGM[index]; }; };
    return {
        {label(15), {300, 300, 1665, 195}, "BGM", "Music"},
        {kind(1), {660, 780, 645, 195}, "音楽CD", "CD"},
        {label(14), {2100, 780, 990, 195}, "曲目をﾘﾋﾟｰﾄ", "on repeat"},
        {kind(0), {660, 1080, 330, 195}, "なし", "Off"},
        {kind(2), {660, 1380, 900, 195}, "MP3、WAV", "File"},
        {label(0), {3480, 300, 1665, 195}, "地球の大きさ", "Planet size"},
        {label(1), {5400, 360, 195, 195}, "小", "−"},
        {label(2), {6840, 360, 195, 195}, "大", "+"},
        {[](const Tavrolin_P& d) { return d.lbl_V; }, {5640, 600, 1155, 195}, "標準", "Normal"},
        {label(3), {3480, 1020, 1665, 195}, "移動ｽﾋﾟｰﾄﾞ", "Travel speed"},
        {label(4), {5400, 1080, 195, 195}, "遅", "−"},
        {label(5), {6840, 1080, 195, 195}, "速", "+"},
        {[](const Tavrolin_P& d) { return d.lbl_S; }, {5640, 1320, 1155, 195}, "標準", "Normal"},
        {[](const Tavrolin_P& d) { return d.Cmd_Set; }, {2160, 2880, 1695, 495}, "設定", "Save"},
        {[](const Tavrolin_P& d) { return d.Cmd_Can; }, {3900, 2880, 1695, 495}, "ｷｬﾝｾﾙ", "Cancel"},
        {[](const Tavrolin_P& d) { return d.Cmd_File; }, {360, 1680, 675, 375}, "...", "..."},
    };
}

QString shownText(QWidget* widget)
{
    if (auto* label = qobject_cast<QLabel*>(widget))
        return label->text();
    return static_cast<ccXPButton*>(widget)->Caption();
}

TEST_F(DialogTest, TextsAreTheUserLanguagesAndTheWindowTitlesStayAsTheyAre)
{
    for (const char* lang : {"ja_JP.UTF-8", "en_US.UTF-8"}) {
        SCOPED_TRACE(lang);
        const SessionLanguage session(lang);
        const bool english = lang[0] == 'e';
        const auto expected = [english](const char* japanese, const char* inEnglish) {
            return QString::fromUtf8(english ? inEnglish : japanese);
        };
        Tavrolin_P dialog;
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("■Tavrolin■"));
        // The font database names families in the locale's language when it is first filled.
        EXPECT_EQ(dialog.lbl_BGM[1]->font().family(), QStringLiteral("IPAPGothic"));
        for (const DialogText& text : dialogTexts())
            EXPECT_EQ(shownText(text.widget(dialog)), expected(text.japanese, text.english))
                << text.widget(dialog)->objectName().toStdString();
        dialog.HS_V->setValue(-1);
        dialog.HS_V->setValue(0);
        EXPECT_EQ(dialog.lbl_V->text(), expected("標準", "Normal"));

        OpenFileRequest asked;
        dialog.GetOpenFileName = [&](const OpenFileRequest& request) {
            asked = request;
            return std::nullopt;
        };
        emit dialog.Cmd_File->Click();
        EXPECT_EQ(asked.title, expected("ﾌｧｲﾙを開く", "Open File"));
        EXPECT_EQ(asked.filterDescription, expected("BGMﾌｧｲﾙ (MP3 WAV)", "Music files (MP3 WAV)"));
        EXPECT_EQ(MissingEngineText(), expected("Tavrolin.dll が同じﾌｫﾙﾀﾞに見つかりません！",
                                                "Tavrolin.dll was not found in the same folder!"));
        EXPECT_EQ(QCoreApplication::translate("Tavrolin_P", "設定を保存できませんでした。\n%1").arg("x"),
                  expected("設定を保存できませんでした。\nx", "The settings could not be saved.\nx"));
    }
}

TEST_F(DialogTest, EnglishTextsFitTheirPlacesInTheDialogsFontAndInTheFallbackFont)
{
    const SessionLanguage session("en_US.UTF-8");
    Tavrolin_P dialog;
    ASSERT_EQ(dialog.logicalDpiX(), 96);
    // A desktop without Japanese fonts shows the dialog in the application's font, DejaVu Sans
    // on Debian.
    QFont fallback(QStringLiteral("DejaVu Sans"));
    fallback.setPointSizeF(9.75);
    ASSERT_EQ(QFontInfo(fallback).family(), QStringLiteral("DejaVu Sans"));
    for (const DialogText& text : dialogTexts()) {
        QWidget* widget = text.widget(dialog);
        SCOPED_TRACE(widget->objectName().toStdString());
        ASSERT_EQ(widget->font().family(), QStringLiteral("IPAPGothic"));
        // 15 twips make a pixel at 96 dpi.
        const QRect place(text.place.topLeft() / 15, text.place.size() / 15);
        // A label too narrow for its text would have grown beyond its place.
        EXPECT_EQ(widget->x(), place.x());
        EXPECT_EQ(widget->width(), place.width());
        // A button's caption needs room for its edges as well.
        const int room = qobject_cast<QLabel*>(widget) ? place.width() : place.width() - 16;
        for (const QFont& font : {widget->font(), fallback})
            EXPECT_LE(QFontMetrics(font).size(Qt::TextSingleLine | Qt::TextShowMnemonic, shownText(widget)).width(), room)
                << font.family().toStdString() << ": " << shownText(widget).toStdString();
    }
}

}

#include "tavrolin_p_test.moc"
