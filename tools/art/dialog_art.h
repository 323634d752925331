#pragma once

#include <QImage>

// The settings dialog's pictures, all drawn from the Earth map that the engine wraps on its planet.

inline constexpr int BannerFrameCount = 24;

// Frame 1 to 24 of the banner, 120 x 50 pixels: a car rides the track towards the turning
// planet and uncovers the product name, which a glint then crosses; the last frame is the still
// that each box keeps while the other one plays.
QImage BannerFrame(const QImage& map, int frame);

// The 12 x 12 radio picture, unselected or selected, on a transparent background.
QImage RadioPicture(bool selected);

// The 32 x 32 window icon: the planet in a ring of track, on a transparent background.
QImage WindowIcon(const QImage& map);
