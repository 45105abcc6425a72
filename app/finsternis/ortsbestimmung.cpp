// A place from a point of the picture or from text.
#include "ortsbestimmung.h"

#include "dezimalzahl.h"

#include <cmath>
#include <cstdio>

namespace {

bool leer(const char *p)
{
    while (*p == ' ' || *p == '\t' || *p == '\n') ++p;
    return *p == '\0';
}

}  // namespace

bool ort_aus_bildpunkt(double x, double y, double drehung, double neigung, Ort *ort)
{
    double r2 = x * x + y * y;
    if (!(r2 <= 1.0)) return false;  // also NaN
    double z = std::sqrt(1.0 - r2);
    // erdkoordinatendrehen turned (a, b) by -neigung into (z, y); turn back.
    double a = std::cos(neigung) * z - std::sin(neigung) * y;
    double b = std::sin(neigung) * z + std::cos(neigung) * y;
    if (b > 1.0) b = 1.0;
    if (b < -1.0) b = -1.0;
    ort->breite = std::asin(b) / grad_in_rad;
    ort->laenge = laenge_normieren((std::atan2(x, a) - drehung) / grad_in_rad);
    ort->hoehe = 0;
    return true;
}

bool koordinate_lesen(const char *text, const char *name, double grenze, double *wert, std::string *fehler)
{
    char meldung[160];
    if (!text || leer(text)) {
        snprintf(meldung, sizeof meldung, "%s fehlt.", name);
        *fehler = meldung;
        return false;
    }
    double w = 0;
    if (!dezimalzahl_lesen(text, &w)) {
        snprintf(meldung, sizeof meldung, "%s %s: \"%.40s\"", name, dezimalzahl_fehler(text), text);
        *fehler = meldung;
        return false;
    }
    if (std::fabs(w) > grenze) {
        snprintf(meldung, sizeof meldung, "%s ausserhalb -%g..%g: \"%.40s\"", name, grenze, grenze, text);
        *fehler = meldung;
        return false;
    }
    *wert = w;
    return true;
}

std::string ort_text(const Ort &ort)
{
    char text[64];
    snprintf(text, sizeof text, "%.10g %.10g", ort.breite, ort.laenge);
    return text;
}

bool ort_aus_text(const char *text, Ort *ort, std::string *fehler)
{
    if (!text) text = "";
    // Two words: latitude, then longitude.
    char breite[100] = "", laenge[100] = "", rest[2] = "";
    int n = sscanf(text, "%99s %99s %1s", breite, laenge, rest);
    if (n > 2) {
        *fehler = "mehr als zwei Werte";
        return false;
    }
    Ort neu;
    if (!koordinate_lesen(breite, "Breite", 90, &neu.breite, fehler)) return false;
    if (!koordinate_lesen(laenge, "Laenge", 180, &neu.laenge, fehler)) return false;
    *ort = neu;
    return true;
}
