// Shortening a font pattern that the server matches no font for, shared by
// the menu and the requester fonts.
#include "intern.h"

#include <cstring>

bool fontmuster_kuerzen(char *muster)
{
    size_t laenge = strlen(muster);
    if (laenge <= 1) return false;
    muster[laenge - 1] = '\0';
    muster[laenge - 2] = '*';
    return true;
}
