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

std::string jahr_ausserhalb(const std::vector<Elemente> &alle, int jahr, const std::string &wo)
{
    const int erstes = alle.front().datum.jahr, letztes = alle.back().datum.jahr;
    if (jahr >= erstes && jahr <= letztes) return "";
    return "Jahr " + std::to_string(jahr) + " ausserhalb der " + wo + " (" + std::to_string(erstes) + " bis " +
           std::to_string(letztes) + ")";
}

std::string jahr_ausserhalb(const std::vector<Elemente> &alle, int jahr)
{
    const std::string text = jahr_ausserhalb(alle, jahr, "Datei");
    return text.empty() ? text : text + ".";
}
