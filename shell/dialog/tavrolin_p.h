#pragma once

#include "open_file_request.h"

#include <QDialog>
#include <QPixmap>
#include <QPoint>
#include <QTimer>
#include <array>
#include <functional>
#include <map>

class ccXPButton;
class GFXFrameX;
class OutlineShape;
class PictureBox;
class QComboBox;
class QLabel;
class QScrollBar;

// The settings dialog: planet size and travel speed (slider offsets -5..5), the music kind with
// its CD track or file, and the banner that opens the project's home page. It reads ShellSettings
// when it is created, changes it while the user works, and writes the settings file when "設定"
// is clicked. Positions are laid out in twips and shown in pixels at the screen's dpi.
class Tavrolin_P : public QDialog {
    Q_OBJECT

public:
    // Runs the load: reads ShellSettings into the controls, places the window centred
    // horizontally and a third of the way down the primary screen, zooms it open from the mouse
    // pointer and starts the banner. Show it with exec().
    explicit Tavrolin_P(QWidget* parent = nullptr);

    // The caption; its presence also tells other starts of the shell that the dialog is open.
    static constexpr const char* Caption = "■Tavrolin■";
    // Where a click on the banner leads.
    static constexpr const char* HomePage = "https://tavrolin.example/";
    // The longest music path (bytes) the chooser hands back, as its 255-character buffer holds.
    static constexpr std::size_t LongestMusicPath = 254;

    // The file chooser behind "..."; the real one unless a test answers in its place.
    std::function<std::optional<std::string>(const OpenFileRequest&)> GetOpenFileName = ChooseOpenFile;

    // The outline animations between ZoomPoint and the window's outline (screen pixels).
    void ZoomOpen(QWidget& window);
    void ZoomClose(QWidget& window);
    // The mouse position when the dialog was loaded, (0, 0) if unknown.
    QPoint ZoomPoint;

    // One banner step (Timer1 runs it every 100 ms): ticks 1-24 show frames 1-24 in the left
    // box, 25-48 frames 1-24 in the right box, tick 49 starts over; each box keeps its last frame.
    void Timer1Tick();
    // 0..48 between ticks.
    int bannerTick() const { return m_bannerTick; }

    // Closing in any way stops the banner and zooms the window shut before it goes.
    void done(int result) override;

    GFXFrameX* GFXFrameX1 = nullptr;
    std::array<PictureBox*, 2> Pic_m {};
    ccXPButton* Cmd_Set = nullptr;
    ccXPButton* Cmd_Can = nullptr;
    QTimer Timer1;
    std::array<QPixmap, 25> Pic_t; // banner frames 1..24; item 0 is unused
    std::array<QPixmap, 2> Img_Ra; // radio pictures: 0 not selected, 1 selected

    // Inside GFXFrameX1.
    std::array<OutlineShape*, 6> Sh {};    // title boxes: even items black, odd items white
    std::map<int, QLabel*> lbl;           // fixed texts: items 0-5, 14 and 15
    std::array<QLabel*, 3> Img_BGM {};    // radio picture of each music kind
    std::array<QLabel*, 3> lbl_BGM {};    // name of each music kind
    QComboBox* BGM_Repeat = nullptr;      // the CD track, "" or 1-30, also typed
    ccXPButton* Cmd_File = nullptr;
    QLabel* lbl_Fname = nullptr;          // the music file's path
    QScrollBar* HS_V = nullptr;           // planet-size offset, -5..5
    QLabel* lbl_V = nullptr;
    QScrollBar* HS_S = nullptr;           // speed offset, -5..5
    QLabel* lbl_S = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void createControls();
    void Load();
    int pixels(int twips) const;
    QRect pixels(int left, int top, int width, int height) const;
    QLabel* addLabel(QWidget* parent, const QString& text, QRect twips, bool centred);
    void showRadioPictures(int kind);
    void selectBgmKind(int kind);
    void Cmd_FileClick();
    void Cmd_SetClick();
    void Pic_mClick();

    int m_bannerTick = 0;
    bool m_closing = false;
};
