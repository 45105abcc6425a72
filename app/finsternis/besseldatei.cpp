#include "besseldatei.h"

#include "dezimalzahl.h"
#include "kalender.h"

#include <cctype>
#include <cmath>

const char *const besseldatei = "Ecad22.prn";

namespace {

// The next number's text in wort, the blanks before it skipped; empty at
// the end of the file. A text no number can be (a zero byte, more
// characters than any number of the file has) comes back as one that no
// reader takes. Character by character without the stream's lock: the
// file holds some 370000 numbers.
struct Wort {
    char text[48];
};

bool leer(int c)
{
    return c == ' ' || c == '\n' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

const char *wort_lesen(std::FILE *f, Wort &wort)
{
    int c;
    while ((c = getc_unlocked(f)) != EOF && leer(c)) {
    }
    size_t n = 0;
    for (; c != EOF && !leer(c); c = getc_unlocked(f)) {
        if (c == '\0' || n > 40) {
            while (c != EOF && !leer(c)) c = getc_unlocked(f);
            return "?";
        }
        wort.text[n++] = static_cast<char>(c);
    }
    wort.text[n] = '\0';
    return wort.text;
}

bool lesen(std::FILE *f, int &wert)
{
    Wort w;
    return ganzzahl_lesen(wort_lesen(f, w), &wert);
}

bool lesen(std::FILE *f, double &wert)
{
    Wort w;
    return dezimalzahl_lesen(wort_lesen(f, w), &wert);
}

template <size_t N>
bool lesen(std::FILE *f, double (&werte)[N])
{
    for (double &w : werte)
        if (!lesen(f, w)) return false;
    return true;
}

// Whether the numbers can be the elements of a solar eclipse: the date a
// calendar date near T0, and each element within generous bounds of what
// the geometry of Sun, Moon and Earth allows, from the canon's five
// millennia. Beyond them the drawing and the path would compute nonsense.
bool glaubhaft(const Besselsatz &s)
{
    // The day numbers hold for these years, far beyond the canon's.
    if (s.fjahr < -4000 || s.fjahr > 6000 || s.fmonat < 1 || s.fmonat > 12 || s.ftag < 1 || s.ftag > 31) return false;
    const long nummer = ecad::tagesnummer(s.fjahr, s.fmonat, s.ftag);
    int j, m, t;
    ecad::datum_aus_tagesnummer(nummer, j, m, t);
    struct Bereich {
        double wert, von, bis;
    };
    const Bereich bereiche[] = {
        {static_cast<double>(j == s.fjahr && m == s.fmonat && t == s.ftag), 1, 1},  // no 31st of April
        // T0 in UT on the record's day, give or take a day.
        {s.jd - static_cast<double>(nummer), -1.5, 1.5},
        {static_cast<double>(s.zusatz0), 0, 24},   // TDT hour of T0
        {s.zusatz1, -100000, 100000},              // Delta T, seconds
        {s.zusatz2, -24, 24},                      // greatest eclipse, hours from T0
        {static_cast<double>(s.zusatz3), -24, 24},  // validity, hours from T0
        {static_cast<double>(s.zusatz4), -24, 24},
        {s.x[0], -5, 5}, {s.x[1], -2, 2}, {s.x[2], -0.1, 0.1}, {s.x[3], -0.1, 0.1},
        {s.y[0], -5, 5}, {s.y[1], -2, 2}, {s.y[2], -0.1, 0.1}, {s.y[3], -0.1, 0.1},
        {s.d[0], -24, 24}, {s.d[1], -0.1, 0.1}, {s.d[2], -0.01, 0.01},
        // Degrees, referred to Greenwich: Delta T of the canon's earliest
        // eclipses (some 13 hours) turns mu0 back by some 200 degrees.
        {s.mu[0], -360, 720}, {s.mu[1], 13, 17},
        {s.l1[0], 0.2, 0.8}, {s.l1[1], -0.1, 0.1}, {s.l1[2], -0.01, 0.01},
        {s.l2[0], -0.1, 0.1}, {s.l2[1], -0.1, 0.1}, {s.l2[2], -0.01, 0.01},
        {s.tanf1, 0, 0.01}, {s.tanf2, 0, 0.01},
    };
    for (const Bereich &b : bereiche)
        if (!(b.wert >= b.von && b.wert <= b.bis)) return false;
    return true;
}

}  // namespace

Satzende besselsatz_lesen(std::FILE *f, Besselsatz &s)
{
    Wort w;
    const char *erstes = wort_lesen(f, w);
    if (!*erstes) return Satzende::dateiende;
    bool voll = ganzzahl_lesen(erstes, &s.fjahr) && lesen(f, s.fmonat) && lesen(f, s.ftag) &&
                lesen(f, s.zusatz0) && lesen(f, s.zusatz1) && lesen(f, s.zusatz2) && lesen(f, s.jd) &&
                lesen(f, s.zusatz3) && lesen(f, s.zusatz4) && lesen(f, s.zusatz5) && lesen(f, s.x) &&
                lesen(f, s.y) && lesen(f, s.d) && lesen(f, s.mu) && lesen(f, s.l1) && lesen(f, s.l2) &&
                lesen(f, s.tanf1) && lesen(f, s.tanf2);
    return voll && glaubhaft(s) ? Satzende::ganz : Satzende::kaputt;
}

std::string fehlerhafte_daten(int anzahl)
{
    return std::string("Fehlerhafte Daten in ") + besseldatei + " nach " + std::to_string(anzahl) +
           " vollstaendigen Finsternissen.";
}

std::vector<Besselsatz> besselsaetze_lesen(std::FILE *f, std::string *fehler)
{
    std::vector<Besselsatz> saetze;
    if (fehler) fehler->clear();
    Besselsatz s;
    Satzende ende;
    // The records come in the order of T0: one that is not after the one
    // before is out of place, or the file repeats itself.
    while ((ende = besselsatz_lesen(f, s)) == Satzende::ganz) {
        if (!saetze.empty() && !(s.jd > saetze.back().jd)) {
            ende = Satzende::kaputt;
            break;
        }
        saetze.push_back(s);
    }
    if (fehler && ende == Satzende::kaputt) *fehler = fehlerhafte_daten(static_cast<int>(saetze.size()));
    return saetze;
}

std::vector<Elemente> finsternisse_lesen(std::FILE *f, std::string *fehler)
{
    return elemente_aus_saetzen(besselsaetze_lesen(f, fehler));
}
