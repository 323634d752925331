#include "display_available.h"

#include "x_connection.h"

bool DisplayAvailable()
{
    return SharedDisplay() != nullptr;
}
