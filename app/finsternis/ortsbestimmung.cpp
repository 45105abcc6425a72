// A place from a point of the picture or from text.
#include "ortsbestimmung.h"

#include "dezimalzahl.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstring>

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

namespace {

// The hemisphere letter of a coordinate: +1 or -1, 0 for no letter of this
// coordinate (latitude N/S, longitude E/O/W, upper or lower case).
int himmelsrichtung(char c, bool breite)
{
    switch (c) {
    case 'N': case 'n': return breite ? 1 : 0;
    case 'S': case 's': return breite ? -1 : 0;
    case 'E': case 'e': case 'O': case 'o': return breite ? 0 : 1;
    case 'W': case 'w': return breite ? 0 : -1;
    }
    return 0;
}

// A mark of degrees, minutes or seconds at p (also the typographic primes
// and the ordinal sign often typed for a degree): 1, 2 or 3, its length in
// *laenge; 0 for none.
int gradzeichen(const char *p, int *laenge)
{
    static const struct {
        const char *zeichen;
        int stufe;
    } zeichen[] = {{"\xc2\xb0", 1}, {"\xc2\xba", 1}, {"\xe2\x80\xb2", 2}, {"\xe2\x80\xb3", 3},
                   {"''", 3},         {"'", 2},         {"\"", 3}};
    for (const auto &z : zeichen) {
        const size_t n = std::strlen(z.zeichen);
        if (std::strncmp(p, z.zeichen, n) == 0) {
            *laenge = static_cast<int>(n);
            return z.stufe;
        }
    }
    return 0;
}

// A coordinate in the forms people paste: "40.4168N", "40 25' N",
// "40°25'00.5\"N": degrees, minutes and seconds, each a number with its
// mark, and a hemisphere letter after them. False when text is none of
// these (so the plain number is judged as one); else true, with *wert or
// the fault in *fehler.
bool geschriebene_koordinate(const char *text, bool breite, double *wert, std::string *fehler, bool *gut)
{
    std::string t = text;
    while (!t.empty() && std::isspace(static_cast<unsigned char>(t.back()))) t.pop_back();
    int vorzeichen = t.empty() ? 0 : himmelsrichtung(t.back(), breite);
    if (vorzeichen) t.pop_back();
    const char *p = t.c_str();
    double teile[3] = {0, 0, 0};
    int stufe = 0, marken = 0;
    while (*p) {
        while (*p == ' ') ++p;
        if (!*p) break;
        const char *zahl = p;
        while (*p == '+' || *p == '-' || *p == '.' || std::isdigit(static_cast<unsigned char>(*p))) ++p;
        std::string wort(zahl, p);
        double w = 0;
        if (wort.empty() || !dezimalzahl_lesen(wort.c_str(), &w)) return false;
        while (*p == ' ') ++p;
        int laenge = 0;
        int neu = gradzeichen(p, &laenge);
        if (!neu && *p) return false;
        if (!neu) neu = stufe + 1;  // a last number without its mark
        else ++marken;
        if (neu <= stufe || neu > 3) return false;
        stufe = neu;
        teile[stufe - 1] = w;
        p += laenge;
    }
    if (!vorzeichen && !marken) return false;  // a plain number
    *gut = false;
    char meldung[160];
    const char *name = breite ? "Breite" : "Laenge";
    if (stufe == 0) {
        snprintf(meldung, sizeof meldung, "%s fehlt: \"%.40s\"", name, text);
    } else if ((vorzeichen && (teile[0] < 0 || std::signbit(teile[0]))) || teile[1] < 0 || teile[2] < 0 ||
               (stufe > 1 && teile[0] != std::floor(teile[0])) || (stufe > 2 && teile[1] != std::floor(teile[1]))) {
        snprintf(meldung, sizeof meldung, "%s ist keine Angabe in Grad, Minuten und Sekunden: \"%.40s\"", name, text);
    } else if (teile[1] >= 60 || teile[2] >= 60) {
        snprintf(meldung, sizeof meldung, "%s: Minuten und Sekunden muessen unter 60 liegen: \"%.40s\"", name, text);
    } else {
        const double betrag = std::fabs(teile[0]) + teile[1] / 60 + teile[2] / 3600;
        *wert = (vorzeichen ? vorzeichen : 1) * (std::signbit(teile[0]) ? -betrag : betrag);
        *gut = true;
        return true;
    }
    *fehler = meldung;
    return true;
}

}  // namespace

bool koordinate_lesen(const char *text, const char *name, double grenze, double *wert, std::string *fehler)
{
    char meldung[160];
    if (!text || leer(text)) {
        snprintf(meldung, sizeof meldung, "%s fehlt.", name);
        *fehler = meldung;
        return false;
    }
    double w = 0;
    bool gut = true;
    if (!geschriebene_koordinate(text, grenze <= 90, &w, fehler, &gut) && !dezimalzahl_lesen(text, &w)) {
        // "40,4168": the decimal comma of many a locale.
        const char *komma = std::strchr(text, ',');
        const bool dezimalkomma = komma && komma > text && std::isdigit(static_cast<unsigned char>(komma[-1])) &&
                                  std::isdigit(static_cast<unsigned char>(komma[1]));
        // "40.5W" or "3W 40N" as a latitude: a letter of the other coordinate.
        bool vertauscht = false;
        for (size_t i = 0; text[i] && !vertauscht; ++i)
            vertauscht = himmelsrichtung(text[i], grenze > 90) && !std::isalpha(static_cast<unsigned char>(text[i + 1])) &&
                         (i == 0 || !std::isalpha(static_cast<unsigned char>(text[i - 1])));
        snprintf(meldung, sizeof meldung, "%s %s: \"%.40s\"%s", name, dezimalzahl_fehler(text), text,
                 dezimalkomma ? " (Dezimalpunkt statt Komma verwenden)"
                 : vertauscht ? " (Richtung der anderen Koordinate; Breite zuerst)" : "");
        *fehler = meldung;
        return false;
    }
    if (!gut) return false;
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
    std::string t = text ? text : "";
    // "40.4168, -3.7038": a comma before a blank parts the two.
    for (size_t i = 0; i + 1 < t.size(); ++i)
        if (t[i] == ',' && std::isspace(static_cast<unsigned char>(t[i + 1]))) t[i] = ' ';
    std::string breite, laenge;
    // "40°25'N 3°42'W", "40.4168 N 3.7038 W": the latitude ends with its letter.
    size_t teil = std::string::npos;
    for (size_t i = 0; i < t.size() && teil == std::string::npos; ++i) {
        const bool allein = (i + 1 == t.size() || !std::isalpha(static_cast<unsigned char>(t[i + 1]))) &&
                            (i == 0 || !std::isalpha(static_cast<unsigned char>(t[i - 1])));
        if (allein && himmelsrichtung(t[i], true)) teil = i + 1;
    }
    if (teil != std::string::npos) {
        breite = t.substr(0, teil);
        laenge = t.substr(teil);
    } else {
        // Two words: latitude, then longitude.
        char b[100] = "", l[100] = "", rest[2] = "";
        if (sscanf(t.c_str(), "%99s %99s %1s", b, l, rest) > 2) {
            *fehler = "mehr als zwei Werte";
            return false;
        }
        breite = b;
        laenge = l;
    }
    Ort neu;
    if (!koordinate_lesen(breite.c_str(), "Breite", 90, &neu.breite, fehler)) return false;
    if (!koordinate_lesen(laenge.c_str(), "Laenge", 180, &neu.laenge, fehler)) return false;
    *ort = neu;
    return true;
}
