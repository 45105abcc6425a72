// The local circumstances as text: the lines of `umbrix --ort` and the line
// of one eclipse in `umbrix --liste`.
#include "ortszeilen.h"

#include "kalender.h"
#include "schattenpfad.h"

#include <cmath>
#include <cstdio>

namespace {

struct Zeitpunkt {
    int jahr, monat, tag;
    int stunde, minute, sekunde;
};

// A UT instant (modified Julian date) as whole seconds from 1.1.1970 0h,
// rounded to the second; false for nonsense far out of range.
bool ut_sekunden(double mjd, long long *sekunden)
{
    if (!std::isfinite(mjd) || std::fabs(mjd) > 1e8) return false;
    const double tag = std::floor(mjd);
    // MJD 40587 is 1.1.1970.
    *sekunden = (static_cast<long long>(tag) - 40587) * 86400 + std::llround((mjd - tag) * 86400);
    return true;
}

Zeitpunkt zeitpunkt_aus_sekunden(long long sekunden)
{
    Zeitpunkt z{};
    long long tag = sekunden / 86400, rest = sekunden % 86400;
    if (rest < 0) {
        rest += 86400;
        tag -= 1;
    }
    // 1.1.1970 is Julian day number 2440588.
    ecad::datum_aus_tagesnummer(static_cast<long>(tag + 2440588), z.jahr, z.monat, z.tag);
    z.stunde = static_cast<int>(rest / 3600);
    z.minute = static_cast<int>(rest / 60 % 60);
    z.sekunde = static_cast<int>(rest % 60);
    return z;
}

Zeitpunkt zeitpunkt(double mjd)
{
    long long s = 0;
    return ut_sekunden(mjd, &s) ? zeitpunkt_aus_sekunden(s) : Zeitpunkt{};
}

// The same instant on the place's clock; false where the clock is not known.
bool ortszeit(const Ortsuhr &uhr, double mjd, Zeitpunkt *z, std::string *kuerzel)
{
    long long s = 0;
    Uhrzone zone;
    if (!uhr || !ut_sekunden(mjd, &s) || !uhr(s, &zone)) return false;
    *z = zeitpunkt_aus_sekunden(s + zone.versatz);
    *kuerzel = zone.kuerzel;
    return true;
}

bool am_tag(const Zeitpunkt &z, int jahr, int monat, int tag)
{
    return z.jahr == jahr && z.monat == monat && z.tag == tag;
}

std::string datum(int jahr, int monat, int tag)
{
    char text[48];
    std::snprintf(text, sizeof text, "%d.%d.%d", tag, monat, jahr);
    return text;
}

std::string datum(const Zeitpunkt &z)
{
    return datum(z.jahr, z.monat, z.tag);
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

// "18:40:37 UT", with the date where it is not the eclipse's, and beside it
// the place's clock, " (13:40:37 CDT)", with its date where that is not
// the UT date.
std::string zeittext(double mjd, const Ortsuhr &uhr, int jahr, int monat, int tag)
{
    const Zeitpunkt z = zeitpunkt(mjd);
    std::string text = uhrzeit(z) + " UT";
    if (!am_tag(z, jahr, monat, tag)) text += " " + datum(z);
    Zeitpunkt o{};
    std::string kuerzel;
    if (ortszeit(uhr, mjd, &o, &kuerzel)) {
        text += " (" + uhrzeit(o) + " " + kuerzel;
        if (!am_tag(o, z.jahr, z.monat, z.tag)) text += " " + datum(o);
        text += ")";
    }
    return text;
}

std::string kontaktzeile(const char *name, const Kontakt &k, const Ortsuhr &uhr, int jahr, int monat, int tag)
{
    std::string zeile = name;
    if (!k.gibt_es) return zeile + " --";
    zeile += " " + zeittext(k.ut, uhr, jahr, monat, tag);
    char text[96];
    std::snprintf(text, sizeof text, "  Sonnenhoehe %.1f  Azimut %.1f", k.sonne.hoehe, k.sonne.azimut);
    zeile += text;
    if (k.unter_horizont) zeile += "  (unter dem Horizont)";
    return zeile;
}

// A moment for a person: on the place's clock where it is known, else in
// UT, with the date where it is not the eclipse's.
std::string uhrtext(double mjd, const Ortsuhr &uhr, int jahr, int monat, int tag)
{
    Zeitpunkt z = zeitpunkt(mjd);
    std::string kuerzel = "UT";
    ortszeit(uhr, mjd, &z, &kuerzel);
    std::string text = uhrzeit(z) + " " + kuerzel;
    if (!am_tag(z, jahr, monat, tag)) text += " am " + datum(z);
    return text;
}

// "Sonne 65 Grad hoch im Sueden" (the compass word in the dative).
std::string sonnentext(const Sonnenstand &s)
{
    char text[96];
    if (s.hoehe < 0)
        std::snprintf(text, sizeof text, "Sonne unter dem Horizont im %sen", himmelsrichtung(s.azimut));
    else
        std::snprintf(text, sizeof text, "Sonne %.0f Grad hoch im %sen", s.hoehe, himmelsrichtung(s.azimut));
    return text;
}

}  // namespace

std::vector<std::string> ortszeilen(const Elemente &e, const Ort &ort, const Ortsumstaende &u, const Ortsuhr &uhr,
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
    zeilen.push_back(kontaktzeile("1. Kontakt:", u.c1, uhr, jahr, monat, tag));
    zeilen.push_back(kontaktzeile("2. Kontakt:", u.c2, uhr, jahr, monat, tag));
    zeilen.push_back(kontaktzeile("Maximum:", u.maximum, uhr, jahr, monat, tag));
    zeilen.push_back(kontaktzeile("3. Kontakt:", u.c3, uhr, jahr, monat, tag));
    zeilen.push_back(kontaktzeile("4. Kontakt:", u.c4, uhr, jahr, monat, tag));
    std::snprintf(text, sizeof text, "Groesse: %.4f", u.groesse);
    zeilen.push_back(text);
    std::snprintf(text, sizeof text, "Durchmesserverhaeltnis: %.4f", u.durchmesserverhaeltnis);
    zeilen.push_back(text);
    std::snprintf(text, sizeof text, "Bedeckung: %.1f %%", bedeckung_prozent(u));
    zeilen.push_back(text);
    if (u.art == Sichtart::total || u.art == Sichtart::ringfoermig) zeilen.push_back("Dauer: " + dauertext(u.dauer));
    zeilen.push_back(antwortzeile(e, ort, u, uhr));
    return zeilen;
}

std::string antwortzeile(const Elemente &e, const Ort &ort, const Ortsumstaende &u, const Ortsuhr &uhr)
{
    if (!sichtbar(u)) return "Keine Finsternis an diesem Ort.";
    const int jahr = e.katalogdatum.jahr, monat = e.katalogdatum.monat, tag = e.katalogdatum.tag;
    std::string zeile;
    if (u.art == Sichtart::total || u.art == Sichtart::ringfoermig) {
        const bool total = u.art == Sichtart::total;
        zeile = total ? "Totale Finsternis: " : "Ringfoermige Finsternis: ";
        if (u.dauer > 0) zeile += dauertext(u.dauer) + " ";
        zeile += total ? "Totalitaet" : "Ringphase";
        zeile += " um " + uhrtext((u.c2.gibt_es ? u.c2 : u.maximum).ut, uhr, jahr, monat, tag) + ", " +
                 sonnentext(u.maximum.sonne) + ".";
    } else {
        char text[160];
        std::snprintf(text, sizeof text, "Partielle Finsternis, %.1f %% der Sonne bedeckt.", bedeckung_prozent(u));
        zeile = text;
        const Pfadnaehe n = pfadnaehe(e, ort, u.maximum.t);
        if (n.gibt_es && n.km <= 1000) {
            char km[32] = "weniger als 1";
            if (n.km >= 0.5) std::snprintf(km, sizeof km, "%.0f", n.km);
            std::snprintf(text, sizeof text, " Die %s ist %s km entfernt (Richtung %s).",
                          n.total ? "Totalitaet" : "Ringphase", km, himmelsrichtung(n.richtung));
            zeile += text;
        }
    }
    const bool anfang_oben = u.c1.gibt_es && !u.c1.unter_horizont;
    const bool ende_oben = u.c4.gibt_es && !u.c4.unter_horizont;
    if (anfang_oben && u.c4.gibt_es && !ende_oben) zeile += " Die Sonne geht waehrend der Finsternis unter.";
    if (ende_oben && u.c1.gibt_es && !anfang_oben) zeile += " Die Sonne geht waehrend der Finsternis auf.";
    return zeile;
}

std::string listenzeile(const Ortsumstaende &u, const Ortsuhr &uhr)
{
    const Zeitpunkt z = zeitpunkt(u.maximum.ut);
    const bool zentral = u.art == Sichtart::total || u.art == Sichtart::ringfoermig;
    std::string ortsspalten;
    Zeitpunkt o{};
    std::string kuerzel;
    if (ortszeit(uhr, u.maximum.ut, &o, &kuerzel))
        ortsspalten = " " + datum(o) + " " + uhrzeit(o) + " " + kuerzel;
    else if (uhr)
        ortsspalten = " - - -";
    char text[224];
    std::snprintf(text, sizeof text, "%s %s %s%s %.4f %.1f %.1f %s", datum(z).c_str(), artname(u.art),
                  uhrzeit(z).c_str(), ortsspalten.c_str(), u.groesse, bedeckung_prozent(u), u.maximum.sonne.hoehe,
                  zentral ? dauertext(u.dauer).c_str() : "-");
    return text;
}

std::string listenkopf(bool mit_ortszeit)
{
    return std::string("Datum Art Maximum_UT ") + (mit_ortszeit ? "Ortsdatum Ortszeit Zone " : "") +
           "Groesse Bedeckung_% Sonnenhoehe Dauer";
}
