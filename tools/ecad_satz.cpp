// Time-scale corrections and the text of a record.
#include "ecad_satz.h"

#include "finsternis/finsternis.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace ecad {

Bezugszeit bezugszeit_tdt(const KanonZeile &z)
{
    const double groesste = z.wert[S_JD_GROESSTE];
    const long tag = static_cast<long>(std::floor(groesste + 0.5));
    // The hour may fall on the day before or after greatest eclipse's date
    // (23:53 TDT has T0 = 0 h of the next day): take the nearest.
    Bezugszeit beste{tag, z.t0_stunde};
    double abstand = 2.0;
    for (long k = tag - 1; k <= tag + 1; ++k) {
        const double t0 = static_cast<double>(k) - 0.5 + z.t0_stunde / 24.0;
        if (std::fabs(t0 - groesste) < abstand) {
            abstand = std::fabs(t0 - groesste);
            beste.tag = k;
        }
    }
    return beste;
}

namespace {

// Seconds of UT from the start of T0's TDT date to T0 in UT.
double sekunden_ut(const KanonZeile &z)
{
    return z.t0_stunde * 3600.0 - z.wert[S_DELTAT];
}

}  // namespace

double jd_ut(const KanonZeile &z)
{
    const Bezugszeit b = bezugszeit_tdt(z);
    return (static_cast<double>(b.tag) - 0.5) + sekunden_ut(z) / 86400.0;
}

double mu0_greenwich(const KanonZeile &z)
{
    return z.wert[S_MU0] - 1.002738 * 15.0 * z.wert[S_DELTAT] / 3600.0;
}

void datum_ut(const KanonZeile &z, int &jahr, int &monat, int &tag)
{
    // Whole days from the TDT date; negative Delta T near 23 h, or a positive
    // one at 0 h, moves the date. Decided on the seconds, not on rounded jd.
    const long versatz = static_cast<long>(std::floor(sekunden_ut(z) / 86400.0));
    datum_aus_tagesnummer(bezugszeit_tdt(z).tag + versatz, jahr, monat, tag);
}

std::string groesste_text(const KanonZeile &z)
{
    const Bezugszeit b = bezugszeit_tdt(z);
    const double stunden = (z.wert[S_JD_GROESSTE] - (static_cast<double>(b.tag) - 0.5)) * 24.0 - b.stunde;
    char puffer[64];
    std::snprintf(puffer, sizeof puffer, "%.6f", stunden);
    std::string text = puffer;
    if (text == "-0.000000") text = "0.000000";
    return text;
}

std::string zahl_text(double wert)
{
    char puffer[64];
    const auto ergebnis = std::to_chars(puffer, puffer + sizeof puffer, wert);
    return std::string(puffer, ergebnis.ptr);
}

namespace {

// The canon's date as a number, YYYYMMDD signed with the year
// (-5840528 for -584 May 28).
long katalogdatum_zahl(const KanonZeile &z)
{
    const long zahl = std::labs(static_cast<long>(z.jahr)) * 10000L + z.monat * 100 + z.tag;
    return z.jahr < 0 ? -zahl : zahl;
}

}  // namespace

std::string satz_text(const KanonZeile &z)
{
    int jahr, monat, tag;
    datum_ut(z, jahr, monat, tag);
    const auto spalten = [&z](int von, int bis) {
        std::string zeile;
        for (int i = von; i <= bis; ++i) {
            if (i > von) zeile += ' ';
            zeile += z.text[i];
        }
        return zeile + '\n';
    };
    std::string s;
    s += std::to_string(jahr) + ' ' + std::to_string(monat) + ' ' + std::to_string(tag) + '\n';
    s += std::to_string(z.t0_stunde) + ' ' + z.text[S_DELTAT] + ' ' + groesste_text(z) + '\n';
    s += zahl_text(jd_ut(z)) + ' ' + std::to_string(z.tmin) + ' ' + std::to_string(z.tmax) + ' ' +
         std::to_string(katalogdatum_zahl(z)) + '\n';
    s += spalten(S_X0, S_X3);
    s += spalten(S_Y0, S_Y3);
    s += spalten(S_D0, S_D2);
    s += zahl_text(mu0_greenwich(z)) + ' ' + z.text[S_MU1] + '\n';
    s += spalten(S_L1_0, S_L1_2);
    s += spalten(S_L2_0, S_L2_2);
    s += spalten(S_TANF1, S_TANF2);
    return s;
}

bool ecad_text(std::vector<KanonZeile> zeilen, int von, int bis, std::string &ergebnis, std::string &fehler)
{
    zeilen.erase(std::remove_if(zeilen.begin(), zeilen.end(),
                                [von, bis](const KanonZeile &z) { return z.jahr < von || z.jahr > bis; }),
                 zeilen.end());
    std::vector<std::pair<double, const KanonZeile *>> reihe;
    reihe.reserve(zeilen.size());
    for (const auto &z : zeilen) reihe.emplace_back(jd_ut(z), &z);
    std::stable_sort(reihe.begin(), reihe.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    ergebnis.clear();
    for (std::size_t i = 0; i < reihe.size(); ++i) {
        if (i > 0 && reihe[i].first == reihe[i - 1].first) {
            const KanonZeile &z = *reihe[i].second;
            fehler = "zwei Finsternisse mit demselben T0 (" + z.text[S_JAHR] + "-" + z.text[S_MONAT] + "-" +
                     z.text[S_TAG] + ")";
            return false;
        }
        ergebnis += satz_text(*reihe[i].second);
    }
    return true;
}

}  // namespace ecad
