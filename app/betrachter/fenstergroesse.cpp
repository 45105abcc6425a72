// The window is the largest 5:4 rectangle within both the usable screen and
// 1280 x 1024.
#include "globusfenster.h"

void fenstergroesse_berechnen(int *breite, int *hoehe, int *tiefe)
{
    int w = *breite, h = *hoehe;
    if (*tiefe > 8) *tiefe = 8;
    if (w >= 1280 && h >= 1024) {
        w = 1280;
        h = 1024;
    } else if (w < 1280 && (w * 1024) / 1280 <= h) {
        h = (w * 1024) / 1280;
    } else if (h < 1024) {
        w = (h * 1280) / 1024;
    }
    *breite = w;
    *hoehe = h;
}
