// The window's size from what setsize asked for and the room on the screen:
// 0 fills the screen, a negative side is a proportion of the other side.
#include "intern.h"

#include <climits>
#include <cstdio>

namespace {

// seite × anteil / 10000, anteil given as a negative number of
// ten-thousandths; kept within int, however large the two are.
int anteilig(int seite, int anteil)
{
    long long wert = -static_cast<long long>(anteil) * seite / 10000;
    return wert > INT_MAX / 2 ? INT_MAX / 2 : static_cast<int>(wert);
}

void auf_schirmbreite(Fenstermasse &m, int maxbreite)
{
    m.winbreite = maxbreite;
    m.breite = maxbreite - 1;
}

}  // namespace

void fenstergroesse_festlegen(Fenstermasse &m, int maxbreite, int maxhoehe, int menuhoehe)
{
    if (m.winbreite < 0 && m.winhoehe < 0) {
        // Neither side is given: the width fills the screen, the height
        // follows it.
        printf("setsize(): Breite und Hoehe beide anteilig, die Breite fuellt den Bildschirm\n");
        m.winbreite = 0;
    }
    if (m.winbreite == 0 || m.winbreite > maxbreite) {
        auf_schirmbreite(m, maxbreite);
        if (m.winhoehe < 0) {
            // The height in ten-thousandths of the window's width.
            m.winhoehe = anteilig(m.winbreite, m.winhoehe) + menuhoehe;
            m.hoehe = m.winhoehe - menuhoehe - 1;
        }
    } else if (m.winbreite > 0 && m.winhoehe < 0) {
        // Next to a given width: ten-thousandths of that drawing width.
        m.hoehe = anteilig(m.winbreite - 1, m.winhoehe);
        m.winhoehe = m.hoehe + menuhoehe + 1;
    }
    if (m.winhoehe == 0 || m.winhoehe > maxhoehe) {
        m.winhoehe = maxhoehe;
        m.hoehe = maxhoehe - menuhoehe - 1;
        if (m.winbreite < 0) {
            // The width in ten-thousandths of the drawing height.
            m.winbreite = anteilig(m.winhoehe - menuhoehe, m.winbreite);
            m.breite = m.winbreite - 1;
        }
    } else if (m.winhoehe > 0 && m.winbreite < 0) {
        // Next to a given height: ten-thousandths of that drawing height.
        m.breite = anteilig(m.hoehe, m.winbreite);
        m.winbreite = m.breite + 1;
    }
    if (m.winbreite > maxbreite) {
        auf_schirmbreite(m, maxbreite);
        printf("winbreite=maxbreite=%d\n", m.winbreite);
    }
}
