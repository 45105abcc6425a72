// The syntax is checked here, the value converted by from_chars: strtod
// would also take hexadecimal numbers, "inf" and "nan", and follows the
// locale's decimal point.
#include "dezimalzahl.h"

#include <cctype>
#include <charconv>
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

}  // namespace

bool dezimalzahl_lesen(const char *text, double *wert)
{
    if (!text) return false;
    const char *p = text;
    while (leerzeichen(*p)) ++p;
    const char *anfang = p;
    if (*p == '+')
        anfang = ++p;  // from_chars takes no plus sign
    else if (*p == '-')
        ++p;
    int stellen = 0;
    p = ziffern(p, &stellen);
    if (*p == '.') p = ziffern(p + 1, &stellen);
    if (stellen == 0) return false;
    if (*p == 'e' || *p == 'E') {
        ++p;
        if (*p == '+' || *p == '-') ++p;
        int exponent = 0;
        p = ziffern(p, &exponent);
        if (exponent == 0) return false;
    }
    const char *ende = p;
    while (leerzeichen(*p)) ++p;
    if (*p) return false;
    double w = 0;
    const auto [rest, fehler] = std::from_chars(anfang, ende, w);
    if (fehler != std::errc() || rest != ende || !std::isfinite(w)) return false;
    *wert = w;
    return true;
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
