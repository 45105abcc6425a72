// The local circumstances as text: the lines of `umbrix --ort` and the line
// of one eclipse in `umbrix --liste`.
#include "ortszeilen.h"

#include "kalender.h"

#include <cmath>
#include <cstdio>

namespace {

struct Zeitpunkt {
    int jahr, monat, tag;
    int stunde, minute, sekunde;
};

// A UT instant (modified Julian date) rounded to the second; rounding may
// carry it into the next day.
Zeitpunkt zeitpunkt(double mjd)
{
    Zeitpunkt z{};
    if (!std::isfinite(mjd) || std::fabs(mjd) > 1e8) return z;
    double tag = std::floor(mjd);
    long sekunden = std::lround((mjd - tag) * 86400);
    if (sekunden >= 86400) {
        sekunden -= 86400;
        tag += 1;
    }
    // MJD 0 begins the civil day of Julian day number 2400001.
    ecad::datum_aus_tagesnummer(static_cast<long>(tag) + 2400001, z.jahr, z.monat, z.tag);
    z.stunde = static_cast<int>(sekunden / 3600);
    z.minute = static_cast<int>(sekunden / 60 % 60);
    z.sekunde = static_cast<int>(sekunden % 60);
    return z;
}

std::string datum(int jahr, int monat, int tag)
{
    char text[48];
    std::snprintf(text, sizeof text, "%d.%d.%d", tag, monat, jahr);
    return text;
}

std::string uhrzeit(const Zeitpunkt &z)
{
    char text[32];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", z.stunde, z.minute, z.sekunde);
    return text;
}

const char *artname(Sichtart art)
{
    switch (art) {
    case Sichtart::partiell: return "partiell";
    case Sichtart::total: return "total";
    case Sichtart::ringfoermig: return "ringfoermig";
    case Sichtart::keine: break;
    }
    return "keine";
}

std::string dauertext(double sekunden)
{
    const double zehntel = std::round(sekunden * 10) / 10;
    const int minuten = static_cast<int>(zehntel / 60);
    char text[48];
    std::snprintf(text, sizeof text, "%dm%04.1fs", minuten, zehntel - 60.0 * minuten);
    return text;
}

std::string kontaktzeile(const char *name, const Kontakt &k, int jahr, int monat, int tag)
{
    std::string zeile = name;
    if (!k.gibt_es) return zeile + " --";
    const Zeitpunkt z = zeitpunkt(k.ut);
    zeile += " " + uhrzeit(z) + " UT";
    if (z.jahr != jahr || z.monat != monat || z.tag != tag) zeile += " " + datum(z.jahr, z.monat, z.tag);
    char text[96];
    std::snprintf(text, sizeof text, "  Sonnenhoehe %.1f  Azimut %.1f", k.sonne.hoehe, k.sonne.azimut);
    zeile += text;
    if (k.unter_horizont) zeile += "  (unter dem Horizont)";
    return zeile;
}

}  // namespace

std::vector<std::string> ortszeilen(const Elemente &e, const Ort &ort, const Ortsumstaende &u,
                                    const std::string &ortsname)
{
    std::vector<std::string> zeilen;
    char text[128];
    std::snprintf(text, sizeof text, "Ort: %.4f %c  %.4f %c  %.0f m", std::fabs(ort.breite), ort.breite < 0 ? 'S' : 'N',
                  std::fabs(ort.laenge), ort.laenge < 0 ? 'W' : 'E', ort.hoehe);
    zeilen.push_back(ortsname.empty() ? text : "Ort: " + ortsname);
    const int jahr = e.katalogdatum.jahr, monat = e.katalogdatum.monat, tag = e.katalogdatum.tag;
    if (!sichtbar(u)) {
        zeilen.push_back("Finsternis: " + datum(jahr, monat, tag));
        zeilen.push_back("Keine Finsternis an diesem Ort.");
        return zeilen;
    }
    zeilen.push_back("Finsternis: " + datum(jahr, monat, tag) + " " + artname(u.art));
    zeilen.push_back(kontaktzeile("1. Kontakt:", u.c1, jahr, monat, tag));
    zeilen.push_back(kontaktzeile("2. Kontakt:", u.c2, jahr, monat, tag));
    zeilen.push_back(kontaktzeile("Maximum:", u.maximum, jahr, monat, tag));
    zeilen.push_back(kontaktzeile("3. Kontakt:", u.c3, jahr, monat, tag));
    zeilen.push_back(kontaktzeile("4. Kontakt:", u.c4, jahr, monat, tag));
    std::snprintf(text, sizeof text, "Groesse: %.4f", u.groesse);
    zeilen.push_back(text);
    std::snprintf(text, sizeof text, "Durchmesserverhaeltnis: %.4f", u.durchmesserverhaeltnis);
    zeilen.push_back(text);
    std::snprintf(text, sizeof text, "Bedeckung: %.1f %%", u.bedeckung * 100);
    zeilen.push_back(text);
    if (u.art == Sichtart::total || u.art == Sichtart::ringfoermig) zeilen.push_back("Dauer: " + dauertext(u.dauer));
    return zeilen;
}

std::string listenzeile(const Ortsumstaende &u)
{
    const Zeitpunkt z = zeitpunkt(u.maximum.ut);
    const bool zentral = u.art == Sichtart::total || u.art == Sichtart::ringfoermig;
    char text[160];
    std::snprintf(text, sizeof text, "%s %s %s %.4f %.1f %.1f %s", datum(z.jahr, z.monat, z.tag).c_str(),
                  artname(u.art), uhrzeit(z).c_str(), u.groesse, u.bedeckung * 100, u.maximum.sonne.hoehe,
                  zentral ? dauertext(u.dauer).c_str() : "-");
    return text;
}
