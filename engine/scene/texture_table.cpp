#include "engine/scene/texture_table.h"

#include <GL/gl.h>

void TextureTable::append(unsigned int name)
{
    if (count < capacity)
        names[count++] = name;
}

void TextureTable::release()
{
    if (count > 0)
        glDeleteTextures(count, names);
    count = 0;
}
