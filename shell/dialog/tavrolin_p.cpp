#include "tavrolin_p.h"

#include "animated_outline.h"
#include "dialog_font.h"
#include "outline_shape.h"
#include "picture_box.h"
#include "shell/controls/gfx_frame.h"
#include "shell/controls/twips.h"
#include "shell/controls/xp_button.h"
#include "shell/path_text.h"
#include "shell/settings_file.h"
#include "shell/shell_settings.h"
#include "files/work_folder.h"
#include "track_number.h"
#include "value_text.h"

#include <QComboBox>
#include <QCursor>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QScreen>
#include <QScrollBar>
#include <QUrl>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <utility>

namespace {

// Client area, twips.
constexpr int FormWidth = 7830;
constexpr int FormHeight = 3975;
constexpr QColor FormColour(224, 224, 224);
constexpr double FontPoints = 9.75;
constexpr int TitleBoxOffset = 15; // twips between a title box's black and white outlines
constexpr int SliderMinimum = -5;
constexpr int SliderMaximum = 5;
constexpr int TrackListLast = 30;

// Title boxes inside the frame: left, top of the black outline; all 1695 x 315 twips.
constexpr std::array<QPoint, 3> TitleBoxes {QPoint(300, 240), QPoint(3480, 240), QPoint(3480, 960)};

// Sets a slider to an offset it can take; any other offset leaves it where it is.
void setOffset(QScrollBar& slider, int offset)
{
    if (offset >= slider.minimum() && offset <= slider.maximum())
        slider.setValue(offset);
}

}

Tavrolin_P::Tavrolin_P(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                          | Qt::MSWindowsFixedSizeDialogHint)
{
    setWindowTitle(QString::fromUtf8(Caption));
    setWindowIcon(QIcon(QStringLiteral(":/art/icon.png")));
    QPalette background = palette();
    background.setColor(QPalette::Window, FormColour);
    setPalette(background);
    setAutoFillBackground(true);
    setFont(DialogFont(FontPoints));
    setFixedSize(pixels(FormWidth), pixels(FormHeight));

    for (int frame = 1; frame <= 24; ++frame)
        Pic_t[frame] = QPixmap(QStringLiteral(":/art/banner%1.jpg").arg(frame, 2, 10, QLatin1Char('0')));
    Img_Ra[0] = QPixmap(QStringLiteral(":/art/radio0.png"));
    Img_Ra[1] = QPixmap(QStringLiteral(":/art/radio1.png"));

    createControls();
    Load();
}

int Tavrolin_P::pixels(int twips) const
{
    return static_cast<int>(std::lround(twips / TwipsPerPixelX(*this)));
}

QRect Tavrolin_P::pixels(int left, int top, int width, int height) const
{
    return QRect(pixels(left), pixels(top), pixels(width), pixels(height));
}

QLabel* Tavrolin_P::addLabel(QWidget* parent, const QString& text, QRect twips, bool centred)
{
    auto* label = new QLabel(text, parent);
    // A path may hold anything, markup-like text included; every label shows its text as it is.
    label->setTextFormat(Qt::PlainText);
    label->setAlignment((centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
    QRect place = pixels(twips.x(), twips.y(), twips.width(), twips.height());
    // The layout was made for a font whose glyphs run a little narrower than the ones found here;
    // a fixed text grows its box rather than losing its last letter.
    if (!text.isEmpty()) {
        const QSize needed = label->fontMetrics().size(Qt::TextSingleLine, text);
        const int grow = std::max(0, needed.width() - place.width());
        place.adjust(centred ? -(grow / 2) : 0, 0, centred ? grow - grow / 2 : grow, std::max(0, needed.height() - place.height()));
    }
    label->setGeometry(place);
    return label;
}

void Tavrolin_P::createControls()
{
    const QFont font = DialogFont(FontPoints);
    auto button = [&](QWidget* parent, const char* name, const QString& caption, QRect twips) {
        auto* control = new ccXPButton(parent);
        control->setObjectName(QString::fromLatin1(name));
        control->setCaption(caption);
        control->setFont(font);
        control->setGeometry(pixels(twips.x(), twips.y(), twips.width(), twips.height()));
        return control;
    };
    auto slider = [&](QWidget* parent, const char* name, QRect twips) {
        auto* control = new QScrollBar(Qt::Horizontal, parent);
        control->setObjectName(QString::fromLatin1(name));
        control->setRange(SliderMinimum, SliderMaximum);
        control->setSingleStep(1);
        control->setPageStep(1);
        control->setValue(0);
        control->setFocusPolicy(Qt::StrongFocus);
        control->setGeometry(pixels(twips.x(), twips.y(), twips.width(), twips.height()));
        control->installEventFilter(this);
        return control;
    };

    GFXFrameX1 = new GFXFrameX(this);
    GFXFrameX1->setObjectName(QStringLiteral("GFXFrameX1"));
    GFXFrameX1->setShadowDepth(7);
    GFXFrameX1->setGeometry(pixels(180, 180, 7515, 2595));
    QWidget* frame = GFXFrameX1;

    for (int i = 0; i < 6; ++i) {
        Sh[i] = new OutlineShape(i % 2 == 0 ? Qt::black : Qt::white, frame);
        Sh[i]->setObjectName(QStringLiteral("Sh(%1)").arg(i));
        const QPoint at = TitleBoxes[i / 2];
        Sh[i]->setGeometry(pixels(at.x(), at.y(), 1695, 315));
    }
    auto fixedLabel = [&](int index, const QString& text, QRect twips, bool centred) {
        lbl[index] = addLabel(frame, text, twips, centred);
        lbl[index]->setObjectName(QStringLiteral("lbl(%1)").arg(index));
    };

    fixedLabel(15, tr("BGM"), {300, 300, 1665, 195}, true);
    const std::array<QString, 3> kindNames {tr("なし"), tr("音楽CD"), tr("MP3、WAV")};
    const std::array<QRect, 3> kindLabels {QRect(660, 1080, 330, 195), QRect(660, 780, 645, 195), QRect(660, 1380, 900, 195)};
    const std::array<int, 3> kindTops {1080, 780, 1380};
    for (int kind = 0; kind < 3; ++kind) {
        Img_BGM[kind] = new QLabel(frame);
        Img_BGM[kind]->setObjectName(QStringLiteral("Img_BGM(%1)").arg(kind));
        Img_BGM[kind]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        Img_BGM[kind]->setGeometry(pixels(420, kindTops[kind], 195, 195));
        Img_BGM[kind]->installEventFilter(this);
        lbl_BGM[kind] = addLabel(frame, kindNames[kind], kindLabels[kind], false);
        lbl_BGM[kind]->setObjectName(QStringLiteral("lbl_BGM(%1)").arg(kind));
        lbl_BGM[kind]->installEventFilter(this);
    }

    BGM_Repeat = new QComboBox(frame);
    BGM_Repeat->setObjectName(QStringLiteral("BGM_Repeat"));
    BGM_Repeat->setEditable(true);
    BGM_Repeat->setInsertPolicy(QComboBox::NoInsert);
    QPalette white = BGM_Repeat->palette();
    white.setColor(QPalette::Base, Qt::white);
    BGM_Repeat->setPalette(white);
    BGM_Repeat->setGeometry(pixels(1440, 720, 615, 300));
    fixedLabel(14, tr("曲目をﾘﾋﾟｰﾄ"), {2100, 780, 990, 195}, false);

    Cmd_File = button(frame, "Cmd_File", QStringLiteral("..."), {360, 1680, 675, 375});
    lbl_Fname = addLabel(frame, QString(), {1080, 1680, 5955, 495}, false);
    lbl_Fname->setObjectName(QStringLiteral("lbl_Fname"));
    lbl_Fname->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    lbl_Fname->setLineWidth(1);
    lbl_Fname->setWordWrap(true);

    fixedLabel(0, tr("地球の大きさ"), {3480, 300, 1665, 195}, true);
    fixedLabel(1, tr("小"), {5400, 360, 195, 195}, false);
    HS_V = slider(frame, "HS_V", {5640, 300, 1155, 255});
    fixedLabel(2, tr("大"), {6840, 360, 195, 195}, false);
    lbl_V = addLabel(frame, SliderValueText(0), {5640, 600, 1155, 195}, true);
    lbl_V->setObjectName(QStringLiteral("lbl_V"));

    fixedLabel(3, tr("移動ｽﾋﾟｰﾄﾞ"), {3480, 1020, 1665, 195}, true);
    fixedLabel(4, tr("遅"), {5400, 1080, 195, 195}, false);
    HS_S = slider(frame, "HS_S", {5640, 1020, 1155, 255});
    fixedLabel(5, tr("速"), {6840, 1080, 195, 195}, false);
    lbl_S = addLabel(frame, SliderValueText(0), {5640, 1320, 1155, 195}, true);
    lbl_S->setObjectName(QStringLiteral("lbl_S"));

    for (int i = 0; i < 2; ++i) {
        Pic_m[i] = new PictureBox(this);
        Pic_m[i]->setObjectName(QStringLiteral("Pic_m(%1)").arg(i));
        Pic_m[i]->setCursor(Qt::PointingHandCursor);
        Pic_m[i]->setGeometry(pixels(i == 0 ? 180 : 5760, 2880, 1845, 780));
        connect(Pic_m[i], &PictureBox::Click, this, &Tavrolin_P::Pic_mClick);
    }
    Cmd_Set = button(this, "Cmd_Set", tr("設定"), {2160, 2880, 1695, 495});
    Cmd_Can = button(this, "Cmd_Can", tr("ｷｬﾝｾﾙ"), {3900, 2880, 1695, 495});

    // The label follows the thumb while it is dragged as well as after every change.
    for (auto [bar, label] : {std::pair {HS_V, lbl_V}, std::pair {HS_S, lbl_S}}) {
        connect(bar, &QScrollBar::valueChanged, label, [label](int value) { label->setText(SliderValueText(value)); });
        connect(bar, &QScrollBar::sliderMoved, label, [label](int value) { label->setText(SliderValueText(value)); });
    }
    connect(Cmd_File, &ccXPButton::Click, this, &Tavrolin_P::Cmd_FileClick);
    connect(Cmd_Set, &ccXPButton::Click, this, &Tavrolin_P::Cmd_SetClick);
    connect(Cmd_Can, &ccXPButton::Click, this, &Tavrolin_P::reject);
    connect(&Timer1, &QTimer::timeout, this, &Tavrolin_P::Timer1Tick);
    Timer1.setInterval(100);

    const std::array<QWidget*, 8> focusOrder {BGM_Repeat, Cmd_File, Cmd_Set, Cmd_Can, HS_V, Pic_m[0], HS_S, Pic_m[1]};
    for (std::size_t i = 1; i < focusOrder.size(); ++i)
        setTabOrder(focusOrder[i - 1], focusOrder[i]);
}

void Tavrolin_P::Load()
{
    const ShellSettingsRecord& settings = ShellSettings;
    m_bannerTick = 0;

    const QRect screen = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->geometry() : QRect();
    const QSize outline = frameGeometry().size();
    move(screen.x() + (screen.width() - outline.width()) / 2, screen.y() + (screen.height() - outline.height()) / 3);

    for (std::size_t box = 0; box < TitleBoxes.size(); ++box)
        Sh[2 * box + 1]->move(pixels(TitleBoxes[box].x() + TitleBoxOffset), pixels(TitleBoxes[box].y() + TitleBoxOffset));

    setOffset(*HS_V, settings.ScalePos);
    lbl_V->setText(SliderValueText(HS_V->value()));
    setOffset(*HS_S, settings.FastPos);
    lbl_S->setText(SliderValueText(HS_S->value()));

    BGM_Repeat->setEnabled(false);
    showRadioPictures(settings.BgmKind);
    if (settings.BgmKind == BgmKindCd)
        BGM_Repeat->setEnabled(true);
    Cmd_File->setEnabled(settings.BgmKind == BgmKindFile);

    // Adding the first entry would put its text into the box, so the entries go in first.
    for (int track = 0; track <= TrackListLast; ++track)
        BGM_Repeat->addItem(QString::fromStdString(TrackText(track)));
    BGM_Repeat->setEditText(QString::fromStdString(TrackText(settings.BgmRepeat)));

    lbl_Fname->setText(QString::fromUtf8(settings.BgmFile));

    ZoomPoint = QCursor::pos();
    ZoomOpen(*this);
    while (QGuiApplication::overrideCursor())
        QGuiApplication::restoreOverrideCursor();

    Timer1.start();
}

void Tavrolin_P::showRadioPictures(int kind)
{
    for (QLabel* picture : Img_BGM)
        picture->setPixmap(Img_Ra[0]);
    // A kind from a damaged file has no picture of its own: then none is selected.
    if (kind >= 0 && kind < static_cast<int>(Img_BGM.size()))
        Img_BGM[kind]->setPixmap(Img_Ra[1]);
}

void Tavrolin_P::selectBgmKind(int kind)
{
    ShellSettings.BgmKind = static_cast<std::int16_t>(kind);
    Cmd_File->setEnabled(false);
    BGM_Repeat->setEnabled(false);
    showRadioPictures(kind);
    if (kind == BgmKindCd)
        BGM_Repeat->setEnabled(true);
    if (kind == BgmKindFile)
        Cmd_File->setEnabled(true);
}

bool Tavrolin_P::eventFilter(QObject* watched, QEvent* event)
{
    // Qt's scroll bar takes Right as a step back; a horizontal bar steps towards the key's side.
    if (event->type() == QEvent::KeyPress && (watched == HS_V || watched == HS_S)) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Left || key == Qt::Key_Right) {
            static_cast<QScrollBar*>(watched)->triggerAction(
                key == Qt::Key_Right ? QAbstractSlider::SliderSingleStepAdd : QAbstractSlider::SliderSingleStepSub);
            return true;
        }
    }
    if (event->type() == QEvent::MouseButtonPress) {
        for (int kind = 0; kind < 3; ++kind) {
            if (watched == Img_BGM[kind] || watched == lbl_BGM[kind]) {
                selectBgmKind(kind);
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void Tavrolin_P::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Without a window manager nothing else makes the window active, and the buttons follow the
    // mouse only in an active window.
    activateWindow();
}

void Tavrolin_P::Cmd_FileClick()
{
    OpenFileRequest request;
    request.owner = this;
    request.filterDescription = tr("BGMﾌｧｲﾙ (MP3 WAV)");
    request.patterns = {QStringLiteral("*.MP3"), QStringLiteral("*.WAV")};
    request.title = tr("ﾌｧｲﾙを開く");
    request.folder = QString::fromUtf8(ShellSettings.BgmFolder);
    const std::optional<std::string> chosen = GetOpenFileName(request);
    // Without a window manager nobody hands the focus back when the chooser goes.
    activateWindow();
    // A path the settings file could not hold on one line, or could not give back whole, is
    // turned down like a cancelled choice.
    if (!chosen || chosen->empty() || chosen->size() > LongestMusicPath
        || chosen->find_first_of(std::string_view("\r\n\0", 3)) != std::string::npos)
        return;
    ShellSettings.BgmFile = *chosen;
    lbl_Fname->setText(QString::fromUtf8(ShellSettings.BgmFile));
    ShellSettings.BgmFolder = FolderOfPath(ShellSettings.BgmFile);
}

void Tavrolin_P::Cmd_SetClick()
{
    ShellSettingsRecord& settings = ShellSettings;
    const std::filesystem::path file = SettingsFilePath();
    settings.BgmRepeat = TrackNumberOfText(BGM_Repeat->currentText().toStdString());
    const std::pair<std::string_view, std::string> entries[] = {
        {ScaleKey, std::to_string(HS_V->value() + 6)},
        {FastKey, std::to_string(HS_S->value() + 6)},
        {BgmKindKey, std::to_string(settings.BgmKind)},
        {BgmRepeatKey, std::to_string(settings.BgmRepeat)},
        {BgmFileKey, settings.BgmFile},
    };
    // Without a private work folder there is nowhere the settings may go.
    int failure = file.empty() ? EPERM : 0;
    for (const auto& [key, value] : entries) {
        if (failure == 0 && !PutIniString(SettingsSectionName, key, value, file))
            failure = errno;
    }
    if (failure != 0) {
        // The dialog stays open with the changes, so nothing is lost without a word.
        const QString reason = QString::fromLocal8Bit(std::strerror(failure));
        QMessageBox message(QMessageBox::Warning, QStringLiteral("Tavrolin"),
                            QCoreApplication::translate("Tavrolin_P", "設定を保存できませんでした。\n%1").arg(reason),
                            QMessageBox::Ok, this);
        message.exec();
        return;
    }
    accept();
}

void Tavrolin_P::Pic_mClick()
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    QDesktopServices::openUrl(QUrl(QString::fromLatin1(HomePage)));
    QGuiApplication::restoreOverrideCursor();
}

void Tavrolin_P::Timer1Tick()
{
    const int n = ++m_bannerTick;
    if (n >= 1 && n <= 24)
        Pic_m[0]->setPicture(Pic_t[n]);
    else if (n >= 25 && n <= 48)
        Pic_m[1]->setPicture(Pic_t[n - 24]);
    else if (n >= 49)
        m_bannerTick = 0;
}

void Tavrolin_P::ZoomOpen(QWidget& window)
{
    DrawAnimatedRects(QRect(ZoomPoint, QSize(0, 0)), window.frameGeometry());
}

void Tavrolin_P::ZoomClose(QWidget& window)
{
    DrawAnimatedRects(window.frameGeometry(), QRect(ZoomPoint, QSize(0, 0)));
}

void Tavrolin_P::done(int result)
{
    if (!m_closing) {
        m_closing = true;
        Timer1.stop();
        ZoomClose(*this);
    }
    QDialog::done(result);
}
