#include "finsterniswahl.h"

bool ab_monat(const Elemente &e, int jahr, int monat)
{
    return e.datum.jahr > jahr || (e.datum.jahr == jahr && e.datum.monat >= monat);
}

int finsternis_waehlen(const std::vector<Elemente> &alle, int jahr, int monat)
{
    for (size_t i = 0; i < alle.size(); ++i)
        if (ab_monat(alle[i], jahr, monat)) return static_cast<int>(i);
    return -1;
}

namespace {

bool am(const Kalenderdatum &d, int jahr, int monat, int tag)
{
    return d.jahr == jahr && d.monat == monat && d.tag == tag;
}

std::string datum(int jahr, int monat, int tag)
{
    return std::to_string(tag) + "." + std::to_string(monat) + "." + std::to_string(jahr);
}

}  // namespace

int finsternis_am(const std::vector<Elemente> &alle, int jahr, int monat, int tag)
{
    // The catalogue's date is at most a day after the record's, and
    // eclipses lie a month apart: no day names two of them.
    for (size_t i = 0; i < alle.size(); ++i)
        if (am(alle[i].datum, jahr, monat, tag) || am(alle[i].katalogdatum, jahr, monat, tag))
            return static_cast<int>(i);
    return -1;
}

std::string keine_finsternis_am(const std::vector<Elemente> &alle, int jahr, int monat, int tag, const char *datei)
{
    std::string zeile = "Keine Finsternis am " + datum(jahr, monat, tag) + " in " + datei;
    const char *trenner = ", aber am ";
    for (const Elemente &e : alle)
        if (e.datum.jahr == jahr && e.datum.monat == monat) {
            zeile += trenner + datum(jahr, monat, e.datum.tag);
            trenner = " und am ";
        }
    return zeile + ".";
}

std::string jahr_ausserhalb_der(const std::vector<Elemente> &alle, int jahr, const std::string &wo,
                                const char *getippt)
{
    const int erstes = alle.front().datum.jahr, letztes = alle.back().datum.jahr;
    if (jahr >= erstes && jahr <= letztes) return "";
    return "Jahr " + (getippt ? std::string(getippt) : std::to_string(jahr)) + " ausserhalb der " + wo + " (" +
           std::to_string(erstes) + " bis " + std::to_string(letztes) + ")";
}

std::string jahr_ausserhalb(const std::vector<Elemente> &alle, int jahr, const char *getippt)
{
    const std::string text = jahr_ausserhalb_der(alle, jahr, "Datei", getippt);
    return text.empty() ? text : text + ".";
}
