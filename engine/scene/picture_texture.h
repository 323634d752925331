#pragma once

#include <cstdio>

// Picture files are 24-bit bitmaps of size × size pixels (size 128 or 256) whose 54-byte header
// is skipped unread. The first stored row becomes the top texture row (t near 1).

// The alpha of one texel from the values read (0..255, or -1 for a byte past the end).
// alphaValue < 0: brightness, (r + g + b) / 3 truncated. Otherwise colour key: 0 when r, g and
// b are each below keyThreshold, else the low eight bits of alphaValue.
int pictureAlpha(int red, int green, int blue, int alphaValue, int keyThreshold);

// Reads the pixels into size × size × 4 RGBA bytes, texture row 0 first. A short file is not an
// error: each missing byte reads as -1 and its channel as 255.
void readPictureTexels(std::FILE* file, int size, int alphaValue, int keyThreshold, unsigned char* texels);

// Makes a texture from the picture file and returns its name, leaving it bound; 0 (and no
// name generated) when the file cannot be opened. Mipmapped: nearest-mipmap-nearest for
// size 128, linear-mipmap-nearest for 256. Needs a current GL context.
unsigned int LoadPictureTexture(const char* path, int size, int alphaValue, int keyThreshold, bool mipmapped);
