// The menu "Ansicht"'s settings for the shaded globe and the key, and what
// is drawn over the globe: the key, the time scale and the caption's plate.
#include "ansicht.h"

#include "bessel.h"
#include "globusdrehung.h"
#include "ortsmarke.h"
#include "pfadbild.h"
#include "schattenbild.h"

#include "xmalwerk1/xmalwerk1.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

Bildart ansicht;

namespace {

const char *const schluessel_schatten = "UMBRIXSCHATTEN";
const char *const schluessel_legende = "UMBRIXLEGENDE";

// As "Pfad": the shortcut first, then a check mark or a blank as wide.
const char *const schattierung_an = "%AT%RSchattierung";
const char *const schattierung_aus = "%AT%rSchattierung";
const char *const legende_an = "%AG%RLegende";
const char *const legende_aus = "%AG%rLegende";

bool einstellung(const char *schluessel, bool vorgabe)
{
    const char *wert = Getenv(schluessel);
    if (!wert || !*wert) return vorgabe;
    return std::strcmp(wert, "0") != 0;
}

void umschalten(bool &an, const char *schluessel, long id, const char *text_an, const char *text_aus)
{
    an = !an;
    Setenv(schluessel, an ? "1" : "0");
    changemenu(id, an ? text_an : text_aus);
}

// Text is written with the drawing GC's font, a fixed width per character.
const int zeichenbreite = 6, zeilenhoehe = 16, abstand = 6;

int textbreite(const char *text)
{
    return static_cast<int>(std::strlen(text)) * zeichenbreite;
}

void platte(int x1, int y1, int x2, int y2)
{
    color(0);
    ifillbox(x1, y1, x2, y2);
    color(7);
    idrawbox(x1, y1, x2, y2);
}

void strich(int x1, int y1, int x2, int y2)
{
    iplot(x1, y1, 3);
    iplot(x2, y2, 2);
    PLOT_FLUSH();
}

// One entry of the key: its sample drawn by the function, in the box of
// the sample column at row y (the text's baseline).
struct Eintrag {
    const char *text;
    int art;
};
enum { halbschatten, kernschatten, zentrallinie, grenzen, ort };

void muster_zeichnen(int art, bool schattiert, bool ring, int x, int y)
{
    const int mitte = y - 4, breit = 24;
    switch (art) {
    case halbschatten:
        color(schattiert ? halbschattenfarbe() : 1);
        strich(x, mitte, x + breit, mitte);
        break;
    case kernschatten:
        if (schattiert) {
            color(0);
            ifillcircle(x + breit / 2, mitte, 5, 5);
            color(kernschattenfarbe(ring));
        } else {
            color(1);
        }
        idrawcircle(x + breit / 2, mitte, 5, 5);
        break;
    case zentrallinie:
        color(globusfarbe(0xffff00, 6));
        strich(x, mitte, x + breit, mitte);
        break;
    case grenzen:
        color(globusfarbe(0xffff00, 6));
        mal_pen("SD");
        strich(x, mitte, x + breit, mitte);
        mal_pen("NO");
        break;
    case ort:
        color(globusfarbe(0xff00ff, 5));
        strich(x + breit / 2 - 4, mitte, x + breit / 2 + 4, mitte);
        strich(x + breit / 2, mitte - 4, x + breit / 2, mitte + 4);
        break;
    }
}

}  // namespace

void ansicht_lesen()
{
    ansicht.schattiert = einstellung(schluessel_schatten, false);
    ansicht.legende = einstellung(schluessel_legende, true);
}

const char *menutext_schattierung()
{
    return ansicht.schattiert ? schattierung_an : schattierung_aus;
}

const char *menutext_legende()
{
    return ansicht.legende ? legende_an : legende_aus;
}

void m_schattierung(long id)
{
    umschalten(ansicht.schattiert, schluessel_schatten, id, schattierung_an, schattierung_aus);
}

void m_legende(long id)
{
    umschalten(ansicht.legende, schluessel_legende, id, legende_an, legende_aus);
}

int halbschattenfarbe()
{
    return globusfarbe(0xff9f3f, 18);  // orange
}

int kernschattenfarbe(bool ring)
{
    return ring ? globusfarbe(0x00ff00, 3) : globusfarbe(0xff0000, 2);
}

void platte_zeichnen(double x, double y, const char *text)
{
    int px, py;
    koorduser2pix(x, y, &px, &py);
    platte(px - abstand, py - zeilenhoehe + 2, px + textbreite(text) + abstand, py + abstand);
}

void legende_zeichnen(const Bessel &bessel, const Bildart &art)
{
    const Elemente *e = bessel.gelesene_elemente();
    std::vector<Eintrag> eintraege;
    if (e) {
        eintraege.push_back({"Halbschatten", halbschatten});
        eintraege.push_back({"Kern- oder Ringschatten", kernschatten});
    }
    if (pfadbild.gezeichnet()) {
        eintraege.push_back({"Zentrallinie", zentrallinie});
        eintraege.push_back({"Grenzen", grenzen});
    }
    if (ort_gesetzt()) eintraege.push_back({"Ort", ort});
    // The scale is pixels: a plot file, which records lines and text, has
    // none of it.
    const bool skala = art.schattiert && !malwerk_fpbild;
    if (eintraege.empty() && !skala) return;

    // The upper left corner of the drawing area, out of the globe's way.
    int x0, y0;
    koorduser2pix(malwerk_xmin, malwerk_ymax, &x0, &y0);
    x0 += 8;
    y0 += 8;
    const int muster_breite = 24, skala_breite = 128;
    int b = textbreite("Kern- oder Ringschatten") + muster_breite + 3 * abstand;
    const int h = static_cast<int>(eintraege.size()) * zeilenhoehe + (skala ? 4 * zeilenhoehe - 4 : 0) + abstand;
    b = std::max(b, skala_breite + 2 * abstand);
    platte(x0, y0, x0 + b, y0 + h);
    const bool ring = e && bessel.werte.l2[0] > 0;
    int y = y0 + abstand;
    for (const Eintrag &ein : eintraege) {
        y += zeilenhoehe;
        muster_zeichnen(ein.art, art.schattiert, ring, x0 + abstand, y);
        color(1);
        ischrift(x0 + 2 * abstand + muster_breite, y, ein.text, 0);
    }
    if (skala) {
        y += zeilenhoehe;
        color(1);
        ischrift(x0 + abstand, y, "Bedeckung der Sonne", 0);
        y += 4;
        schattenskala_zeichnen(x0 + abstand, y, skala_breite, zeilenhoehe - 2);
        y += 2 * zeilenhoehe - 4;
        color(1);
        ischrift(x0 + abstand, y, "0 %", 0);
        ischrift(x0 + abstand + skala_breite - textbreite("100 %"), y, "100 %", 0);
    }
}

void zeitleiste_zeichnen(const Bessel &bessel, double t)
{
    const Elemente *e = bessel.gelesene_elemente();
    if (!e) return;
    // The mouse's column chooses the moment: the left edge is three hours
    // before T0, the right edge three hours after it.
    auto spalte = [](double s) {
        int px, py;
        koorduser2pix(s / 3.0 * malwerk_xmax, 0, &px, &py);
        return px;
    };
    int links, unten;
    koorduser2pix(malwerk_xmin, malwerk_ymin, &links, &unten);
    const int rechts = spalte(3.0), oben = unten - 10;
    platte(links, oben - 2 * zeilenhoehe + 2, rechts, unten);
    color(7);
    ifillbox(links + 1, oben, rechts - 1, unten - 1);
    // The whole hours of UT, labelled.
    color(1);
    const double h0 = (e->mjd - std::floor(e->mjd)) * 24;  // UT at T0, hours of the day
    for (double s = std::ceil(h0 - 3) - h0; s <= 3; s += 1) {
        const int px = spalte(s);
        strich(px, oben - 4, px, unten);
        char text[16];
        snprintf(text, sizeof text, "%02ld:00", ((std::lround(h0 + s) % 24) + 24) % 24);
        const int w = textbreite(text);
        ischrift(std::max(links + 2, std::min(rechts - w - 2, px - w / 2)), oben - 8, text, 0);
    }
    // Greatest eclipse: an orange mark; the moment shown: a white one.
    const int g = spalte(e->groesste);
    color(halbschattenfarbe());
    ifillbox(g - 2, oben - 4, g + 2, unten);
    const int jetzt = spalte(t);
    color(1);
    ifillbox(jetzt - 1, oben - 6, jetzt + 1, unten);
}
