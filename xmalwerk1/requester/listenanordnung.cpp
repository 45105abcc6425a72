// Layout of the list requester: numbers only, from the character cell, the
// rows shown and the longest entry.
#include "anordnung.h"

namespace {

constexpr int RAND = 12;          // margin, px
constexpr int MINDESTLAENGE = 20;  // characters the list has room for at least

}  // namespace

Listenanordnung listenrequester_anordnen(int cw, int ch, int zeilen, int laengste, bool kopf)
{
    Listenanordnung a{};
    int gh = ch * 3 / 2;
    if ((gh - ch) % 2) ++gh;
    a.feldhoehe = gh;
    if (laengste < MINDESTLAENGE) laengste = MINDESTLAENGE;
    const int rollbalken = cw * 3 / 2;  // what machgadget adds to the list
    // The rows as the list draws them, a third of a cell above and below.
    const int h = zeilen * (ch * 5 / 4) + (ch / 3) * 2;
    a.liste = {RAND, kopf ? ch + ch * 5 / 4 : ch, (laengste + 1) * cw, h};
    int y = a.liste.y + h + 2 * ch;
    const int bw = 9 * cw;
    int breite = a.liste.x + a.liste.breite + rollbalken + RAND;
    if (breite < 2 * bw + 3 * RAND) breite = 2 * bw + 3 * RAND;
    const int t = (breite - 2 * bw) / 3;
    a.ok = {t, y, bw, gh};
    a.abbruch = {breite - t - bw, y, bw, gh};
    a.breite = breite;
    a.hoehe = y + gh + ch;
    return a;
}
