// The syntax is checked here, the value converted by from_chars: strtod
// would also take hexadecimal numbers, "inf" and "nan", and follows the
// locale's decimal point.
#include "dezimalzahl.h"

#include <cctype>
#include <charconv>
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstring>

namespace {

bool leerzeichen(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}

bool ziffer(char c)
{
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// Past the digits at p; *anzahl counts them.
const char *ziffern(const char *p, int *anzahl)
{
    for (; ziffer(*p); ++p) ++*anzahl;
    return p;
}

// For a number beyond the range of double (p past its sign): whether it
// is too large, else too near 0. Its first digit other than 0 stands at
// place 1 for the units, 0 for the tenths, -1 for the hundredths; the
// exponent moves it.
bool zu_gross(const char *p)
{
    long stelle = 0, exponent = 0;
    bool gefunden = false, komma = false;
    for (; ziffer(*p) || *p == '.'; ++p) {
        if (*p == '.') {
            komma = true;
        } else if (!gefunden && *p == '0') {
            if (komma) --stelle;
        } else {
            gefunden = true;
            if (!komma) ++stelle;
        }
    }
    if (*p == 'e' || *p == 'E') {
        const bool negativ = *++p == '-';
        if (*p == '+' || *p == '-') ++p;
        // No text holds this many digits: the sum keeps its sign.
        for (; ziffer(*p); ++p)
            if (exponent < 1000000000) exponent = exponent * 10 + (*p - '0');
        if (negativ) exponent = -exponent;
    }
    return stelle + exponent > 0;
}

enum class Lesart { zahl, keine_zahl, zu_nahe_an_0 };

Lesart lesen(const char *text, double *wert)
{
    if (!text) return Lesart::keine_zahl;
    const char *p = text;
    while (leerzeichen(*p)) ++p;
    const char *anfang = p;
    if (*p == '+')
        anfang = ++p;  // from_chars takes no plus sign
    else if (*p == '-')
        ++p;
    const char *betrag = p;
    int stellen = 0;
    p = ziffern(p, &stellen);
    if (*p == '.') p = ziffern(p + 1, &stellen);
    if (stellen == 0) return Lesart::keine_zahl;
    if (*p == 'e' || *p == 'E') {
        ++p;
        if (*p == '+' || *p == '-') ++p;
        int exponent = 0;
        p = ziffern(p, &exponent);
        if (exponent == 0) return Lesart::keine_zahl;
    }
    const char *ende = p;
    while (leerzeichen(*p)) ++p;
    if (*p) return Lesart::keine_zahl;
    double w = 0;
    const auto [rest, fehler] = std::from_chars(anfang, ende, w);
    if (fehler == std::errc::result_out_of_range) {
        if (!zu_gross(betrag)) return Lesart::zu_nahe_an_0;
        w = *anfang == '-' ? -DBL_MAX : DBL_MAX;
    } else if (fehler != std::errc() || rest != ende || !std::isfinite(w)) {
        return Lesart::keine_zahl;
    }
    *wert = w;
    return Lesart::zahl;
}

}  // namespace

bool dezimalzahl_lesen(const char *text, double *wert)
{
    return lesen(text, wert) == Lesart::zahl;
}

const char *dezimalzahl_fehler(const char *text)
{
    double w = 0;
    return lesen(text, &w) == Lesart::zu_nahe_an_0 ? "ist zu nahe an 0" : "ist keine Zahl";
}

bool ganzzahl_lesen(const char *text, int *wert)
{
    if (!text) return false;
    const char *anfang = text;
    if (*anfang == '+') ++anfang;  // from_chars takes no plus sign
    const char *ende = anfang + std::strlen(anfang);
    int stellen = 0;
    if (ziffern(*anfang == '-' ? anfang + 1 : anfang, &stellen) != ende || stellen == 0) return false;
    int w = 0;
    const auto [rest, fehler] = std::from_chars(anfang, ende, w);
    if (fehler == std::errc::result_out_of_range) w = *anfang == '-' ? INT_MIN : INT_MAX;
    else if (fehler != std::errc() || rest != ende) return false;
    *wert = w;
    return true;
}
