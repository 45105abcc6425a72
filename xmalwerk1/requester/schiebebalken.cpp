// Geometry of the list's scroll bar and the dragging of its thumb.
#include "requester_intern.h"
#include "../core/malwerk.h"

#include <cmath>
#include <cstdlib>

Schiebebalken schiebebalken;

Schiebebalken::Schiebebalken()
    : liste(nullptr), bahn(1), bahnhalbe(0), griff(1), bezug(0), fang(0), anteil(1.0), proeintrag(0.0),
      zustand(0), unten(0), oben(0)
{
}

int Schiebebalken::calc(Gadget2 *L, int *versatz)
{
    liste = L;
    bahn = L->hoehe - 2 * L->zeilenhoehe;
    bahnhalbe = bahn / 2;
    if (L->anzahl > 0) {
        proeintrag = static_cast<double>(bahn) / L->anzahl;
        anteil = L->sichtbar >= L->anzahl ? 1.0 : static_cast<double>(L->sichtbar) / L->anzahl;
    } else {
        // An empty list: a full thumb that cannot move.
        proeintrag = 0.0;
        anteil = 1.0;
    }
    griff = idfix(bahn * anteil);
    if (griff < L->zeilenhoehe / 2) griff = L->zeilenhoehe / 2;
    int offset = static_cast<int>(L->erster * proeintrag + 0.5);
    oben = L->y + offset;
    unten = oben + griff;
    if (versatz) *versatz = offset;
    return griff;
}

int Schiebebalken::ineu(int y)
{
    Gadget2 *L = liste;
    if (!L) return 0;
    if (zustand == 0) {
        bezug = y;
        fang = y - static_cast<int>(L->erster * proeintrag + 0.5);
        zustand = -5;
        return L->erster;
    }
    int schritte = bahn > 0 ? (L->anzahl * std::abs(y - bezug) + bahnhalbe) / bahn : 0;
    int neu = y >= bezug ? L->erster + schritte : L->erster - schritte;
    if (neu > L->anzahl - L->sichtbar) neu = L->anzahl - L->sichtbar;
    if (neu < 0) neu = 0;
    bezug = fang + static_cast<int>(neu * proeintrag + 0.5);
    return neu;
}

void Schiebebalken::reset()
{
    zustand = 0;
}
