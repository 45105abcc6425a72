// Layout of the input form and of the yes/no message box.
#include "anordnung.h"

namespace {

int groesser(int a, int b)
{
    return a > b ? a : b;
}

}  // namespace

Formularanordnung formular_anordnen(int cw, int ch, const std::vector<Formularfeld> &felder)
{
    const int rand = 12;
    Formularanordnung a;
    a.breite = 188;
    int gh = ch * 3 / 2;
    if ((gh - ch) % 2) ++gh;
    a.feldhoehe = gh;
    const int abstand = 2 * ch + gh;  // row pitch: the label band and the field
    int x = rand, y = 2 * ch;
    for (const Formularfeld &f : felder) {
        int L = groesser(f.label_laenge, f.text_laenge);
        int b = groesser((L + 1) * cw, 5 * cw);
        a.felder.push_back({x, y, b, gh});
        a.maxlaenge.push_back(L);
        a.breite = groesser(a.breite, x + b);
        if (f.neue_zeile) {
            y += abstand;
            x = rand;
        } else {
            x += rand + b;
        }
    }
    y += abstand;
    const int bw = 9 * cw;
    // Wide enough that both buttons lie inside, a margin apart, with large fonts too.
    a.breite = groesser(a.breite, 2 * bw + 2 * rand);
    const int t = (rand + a.breite - 2 * bw) / 3;
    a.ok = {t, y, bw, gh};
    a.abbruch = {2 * t + bw, y, bw, gh};
    y += abstand;
    a.breite += rand;
    a.hoehe = groesser(100, y);
    return a;
}

Meldungsanordnung meldung_anordnen(int cw, int ch, int zeilen, int laengste, int knopflaenge, bool zwei_knoepfe)
{
    Meldungsanordnung m;
    const int spalten = groesser(2 * knopflaenge + 6, laengste);
    m.breite = (spalten + 2) * cw + 10;
    m.knopfbreite = (knopflaenge + 2) * cw;
    const int lh = 2 * ch;
    m.zeileneinheit = lh;
    m.text_x = (m.breite - cw * laengste) / 2;
    if (zeilen > 1) {
        m.text_y = lh;
        m.hoehe = groesser((zeilen * lh * 2) / 3 + m.text_y + 2 * lh, m.breite * 3 / 4);
        m.knopf_y = m.hoehe - 2 * lh;
    } else {
        m.hoehe = m.breite * 3 / 4;
        m.knopf_y = 2 * m.hoehe / 3;
        m.text_y = m.hoehe / 3;
    }
    const int oben = m.knopf_y - lh / 2;
    m.knopf[0] = {m.breite / 4 - m.knopfbreite / 2, oben, m.knopfbreite, lh};
    m.knopf[1] = {3 * m.breite / 4 - m.knopfbreite / 2, oben, m.knopfbreite, lh};
    if (!zwei_knoepfe) m.knopf[0].x += m.breite / 4;  // the single button is centred
    for (int i = 0; i < 2; ++i) m.beschriftung_x[i] = m.knopf[i].x + cw;
    m.beschriftung_y = m.knopf_y + lh / 2 - ch / 2;
    return m;
}
