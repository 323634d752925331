#pragma once

// Makes a new GL_TEXTURE_2D from size × size RGBA bytes (row 0 first) and leaves it bound.
// Not mipmapped: linear both ways. Mipmapped: minifyingFilter for minifying, linear for
// magnifying, every level built from the same texels. Wrap modes stay at repeat. Returns the
// new name; needs a current GL context.
unsigned int uploadTexture(const unsigned char* texels, int size, bool mipmapped, int minifyingFilter);
