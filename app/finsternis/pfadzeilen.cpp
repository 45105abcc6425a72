// The path of the shadow as the table of eclipse bulletins.
#include "pfadzeilen.h"

#include "kanonwerte.h"

#include <cmath>
#include <cstdio>

namespace {

// Seconds of the UT day at moment t, rounded to the second.
long tagessekunde(const Elemente &b, double t)
{
    const double s = (b.mjd - std::floor(b.mjd)) * 86400 + t * 3600;
    if (!std::isfinite(s) || std::fabs(s) > 1e9) return 0;
    const long r = std::lround(s) % 86400;
    return r < 0 ? r + 86400 : r;
}

std::string minute(const Elemente &b, double t)
{
    const long s = (tagessekunde(b, t) + 30) / 60 * 60 % 86400;
    char text[40];
    std::snprintf(text, sizeof text, "%02ld:%02ld UT", s / 3600, s / 60 % 60);
    return text;
}

std::string sekunde(const Elemente &b, double t)
{
    const long s = tagessekunde(b, t);
    char text[64];
    std::snprintf(text, sizeof text, "%02ld:%02ld:%02ld UT", s / 3600, s / 60 % 60, s % 60);
    return text;
}

std::string ort(const Ort &o)
{
    char text[48];
    std::snprintf(text, sizeof text, "%.4f %.4f", o.breite, o.laenge);
    return text;
}

std::string ort(const Pfadort &p)
{
    return p.gibt_es ? ort(p.ort) : "--";
}

std::string hoehepunkt(const Elemente &b, const char *name, const Hoehepunkt &h, bool zentral)
{
    char text[48];
    if (zentral)
        std::snprintf(text, sizeof text, "Dauer %s", dauer_text(h.dauer).c_str());
    else
        std::snprintf(text, sizeof text, "Groesse %.4f", h.groesse);
    return std::string(name) + ": " + sekunde(b, h.t) + "  " + ort(h.ort) + "  " + text;
}

}  // namespace

std::string dauer_text(double sekunden)
{
    const long zehntel = std::lround(std::fmax(0.0, sekunden) * 10);
    char text[32];
    std::snprintf(text, sizeof text, "%ldm%02ld.%lds", zehntel / 600, zehntel % 600 / 10, zehntel % 10);
    return text;
}

std::vector<std::string> pfadzeilen(const Elemente &b, const Schattenpfad &p)
{
    std::vector<std::string> zeilen;
    if (p.zentral) {
        for (const Zentralpunkt &z : p.punkte) {
            if (!z.minute) continue;
            // The width reaches from limit to limit: without one of them it
            // is no width on the ground.
            char breite[32] = "--";
            if (z.nord.gibt_es && z.sued.gibt_es && z.breite_km > 0)
                std::snprintf(breite, sizeof breite, "%.0f", z.breite_km);
            char rest[96];
            std::snprintf(rest, sizeof rest, "  Sonnenhoehe %.1f  Breite %s km  Dauer %s", z.sonnenhoehe, breite,
                          dauer_text(z.dauer).c_str());
            zeilen.push_back(minute(b, z.t) + "  Nord " + ort(z.nord) + "  Zentral " + ort(z.zentral) + "  Sued " +
                             ort(z.sued) + rest);
        }
        zeilen.push_back(hoehepunkt(b, "Groesste Finsternis", p.groesste, true));
        zeilen.push_back(hoehepunkt(b, "Groesste Dauer", p.laengste, true));
        return zeilen;
    }
    zeilen.push_back(p.kernschatten ? "Nicht zentrale Finsternis: keine Zentrallinie."
                                    : "Partielle Finsternis: keine Zentrallinie.");
    for (const Halbschattenpunkt &h : p.halbschatten)
        if (h.nord.gibt_es || h.sued.gibt_es)
            zeilen.push_back(minute(b, h.t) + "  Partiell Nord " + ort(h.nord) + "  Partiell Sued " + ort(h.sued));
    zeilen.push_back(hoehepunkt(b, "Groesste Finsternis", p.groesste, false));
    return zeilen;
}

std::string pfadkopf(const Elemente &e)
{
    // The kind as the catalogue line gives it, so that --pfad and --kanon agree.
    const char typ = kanonwerte(e).typ;
    const char *art = typ == 'T' ? "total" : typ == 'A' ? "ringfoermig" : typ == 'H' ? "hybrid" : "partiell";
    char text[96];
    std::snprintf(text, sizeof text, "Finsternis: %d.%d.%d %s", e.katalogdatum.tag, e.katalogdatum.monat,
                  e.katalogdatum.jahr, art);
    return text;
}
