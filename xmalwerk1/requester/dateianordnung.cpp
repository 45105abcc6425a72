// Layout of the file requester: numbers only, from the character cell and
// the lengths of the texts.
#include "anordnung.h"

namespace {

constexpr int BESCHRIFTUNG = 6;  // characters of every field's caption
constexpr int MINDESTLAENGE = 40;

int groesser(int a, int b)
{
    return a > b ? a : b;
}

}  // namespace

Dateianordnung dateirequester_anordnen(int cw, int ch, int zeilen, int filterlaenge, int pfadlaenge,
                                       int dateilaenge)
{
    Dateianordnung a{};
    a.mit_filter = filterlaenge >= 0;
    const int pad = ch > 4 ? ch / 2 : 2;
    int gh = ch * 3 / 2;
    if ((gh - ch) % 2) ++gh;
    a.feldhoehe = gh;
    const int lw = cw * BESCHRIFTUNG;
    const int rollbalken = cw * 3 / 2;  // what machgadget adds to the list

    int y = pad;
    int breite = 50;
    auto textfeld = [&](int laenge) {
        int L = groesser(groesser(BESCHRIFTUNG, laenge), MINDESTLAENGE);
        Rechteck r{lw, y, groesser((L + 1) * cw, 5 * cw) + rollbalken, gh};
        breite = groesser(breite, r.x + r.breite);
        y += pad + gh;
        return r;
    };
    if (a.mit_filter) a.filter = textfeld(filterlaenge);
    {
        int L = groesser(BESCHRIFTUNG, MINDESTLAENGE);  // "Files " is the list's buffer
        int h = zeilen * (ch * 5 / 4) + (ch / 3) * 2;
        a.liste = {lw, y, groesser((L + 1) * cw, 5 * cw), h};
        breite = groesser(breite, a.liste.x + a.liste.breite);
        y += 3 * pad + h;
    }
    a.pfad = textfeld(pfadlaenge);
    a.datei = textfeld(dateilaenge);

    y += 3 * pad;
    breite += lw;
    const int bw = 9 * cw;
    int t = (breite - 4 * bw) / 5;
    if (t <= 1) {
        t = 2;
        breite = 4 * bw + 10;
    }
    a.ok = {t, y, bw, gh};
    a.knopf1 = {2 * t + bw, y, bw, gh};
    a.knopf2 = {3 * t + 2 * bw, y, bw, gh};
    a.abbruch = {breite - t - bw, y, bw, gh};
    y += 2 * ch + gh;
    a.breite = breite;
    a.hoehe = groesser(40, y);
    return a;
}
