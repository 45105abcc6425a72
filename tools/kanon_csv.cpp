// Strict reading of the canon table: every field must be a complete number,
// the whole-number columns whole, and the date must match the Julian date
// of greatest eclipse, so that a shifted or damaged column cannot slip into
// the eclipse file unnoticed.
#include "kanon_csv.h"

#include "finsternis/finsternis.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace ecad {

const char *const kanon_kopf =
    "year,month,day,jd_greatest_tdt,t0_tdt_hour,tmin_h,tmax_h,deltat_s,"
    "x0,x1,x2,x3,y0,y1,y2,y3,d0,d1,d2,mu0,mu1,mu2,"
    "l1_0,l1_1,l1_2,l2_0,l2_1,l2_2,tanf1,tanf2";

const char *const stichprobe_kopf =
    "year,month,day,td_greatest,ut_greatest,deltat_s,lunation,saros,type,gamma,magnitude,lat,lon,"
    "sun_alt,sun_azi,path_width_km,central_duration_s,t0_tdt_hour,x0,x1,x2,x3,y0,y1,y2,y3,d0,d1,d2,"
    "l1_0,l1_1,l1_2,l2_0,l2_1,l2_2,mu0,mu1,tanf1,tanf2";

namespace {

const char *const spaltenname[kanon_spalten] = {
    "year", "month", "day", "jd_greatest_tdt", "t0_tdt_hour", "tmin_h", "tmax_h", "deltat_s",
    "x0", "x1", "x2", "x3", "y0", "y1", "y2", "y3", "d0", "d1", "d2", "mu0", "mu1", "mu2",
    "l1_0", "l1_1", "l1_2", "l2_0", "l2_1", "l2_2", "tanf1", "tanf2"};

// The whole field must be one number; from_chars does not depend on the locale.
bool zahl(const std::string &text, double &wert)
{
    if (text.empty()) return false;
    const char *anfang = text.data();
    const char *ende = anfang + text.size();
    auto [p, ec] = std::from_chars(anfang, ende, wert);
    return ec == std::errc() && p == ende && std::isfinite(wert);
}

bool ganz(double wert, int &ergebnis)
{
    if (wert != std::floor(wert) || std::fabs(wert) > 1e9) return false;
    ergebnis = static_cast<int>(wert);
    return true;
}

void zeilenende_entfernen(std::string &zeile)
{
    if (!zeile.empty() && zeile.back() == '\r') zeile.pop_back();
}

std::vector<std::string> felder_trennen(const std::string &zeile)
{
    std::vector<std::string> felder;
    std::string::size_type anfang = 0;
    for (;;) {
        const auto komma = zeile.find(',', anfang);
        felder.push_back(zeile.substr(anfang, komma == std::string::npos ? std::string::npos : komma - anfang));
        if (komma == std::string::npos) break;
        anfang = komma + 1;
    }
    return felder;
}

// The Julian date of greatest eclipse from the date and the TD time of day
// "HH:MM:SS", as the canon table writes it; empty when they are no date and time.
std::string jd_aus_uhrzeit(const std::string &jahr, const std::string &monat, const std::string &tag,
                           const std::string &uhrzeit)
{
    double j, m, t;
    int jj, mm, tt, h = -1, min = -1, sek = -1;
    char rest = 0;
    if (!zahl(jahr, j) || !zahl(monat, m) || !zahl(tag, t) || !ganz(j, jj) || !ganz(m, mm) || !ganz(t, tt) ||
        std::sscanf(uhrzeit.c_str(), "%2d:%2d:%2d%c", &h, &min, &sek, &rest) != 3 || h < 0 || h > 23 || min < 0 ||
        min > 59 || sek < 0 || sek > 59 || uhrzeit.size() != 8)
        return "";
    char text[40];
    std::snprintf(text, sizeof text, "%.7f",
                  static_cast<double>(tagesnummer(jj, mm, tt)) - 0.5 + (h * 3600 + min * 60 + sek) / 86400.0);
    return text;
}

// A row of the sample rewritten as a row of the element table.
bool stichprobe_zeile_lesen(const std::string &zeile, KanonZeile &z, std::string &fehler)
{
    static const std::vector<std::string> namen = felder_trennen(stichprobe_kopf);
    const std::vector<std::string> felder = felder_trennen(zeile);
    if (felder.size() != namen.size()) {
        fehler = std::to_string(felder.size()) + " Felder statt " + std::to_string(namen.size());
        return false;
    }
    const auto feld = [&](const char *name) {
        for (std::size_t i = 0; i < namen.size(); ++i)
            if (namen[i] == name) return felder[i];
        return std::string();
    };
    std::string umgeschrieben;
    for (int i = 0; i < kanon_spalten; ++i) {
        std::string text;
        if (i == S_JD_GROESSTE) {
            text = jd_aus_uhrzeit(feld("year"), feld("month"), feld("day"), feld("td_greatest"));
            if (text.empty()) {
                fehler = "keine Uhrzeit in Spalte td_greatest: '" + feld("td_greatest") + "'";
                return false;
            }
        } else {
            text = i == S_TMIN ? "-4" : i == S_TMAX ? "4" : i == S_MU2 ? "0" : feld(spaltenname[i]);
        }
        umgeschrieben += (i ? "," : "") + text;
    }
    return kanon_zeile_lesen(umgeschrieben, z, fehler);
}

}  // namespace

bool kanon_zeile_lesen(const std::string &zeile, KanonZeile &z, std::string &fehler)
{
    const std::vector<std::string> felder = felder_trennen(zeile);
    if (felder.size() != static_cast<std::size_t>(kanon_spalten)) {
        fehler = std::to_string(felder.size()) + " Felder statt " + std::to_string(kanon_spalten);
        return false;
    }
    for (int i = 0; i < kanon_spalten; ++i) {
        z.text[i] = felder[i];
        if (!zahl(felder[i], z.wert[i])) {
            fehler = std::string("keine Zahl in Spalte ") + spaltenname[i] + ": '" + felder[i] + "'";
            return false;
        }
    }
    const struct {
        int spalte;
        int *ziel;
    } ganzzahlig[] = {{S_JAHR, &z.jahr},           {S_MONAT, &z.monat}, {S_TAG, &z.tag},
                      {S_T0_STUNDE, &z.t0_stunde}, {S_TMIN, &z.tmin},   {S_TMAX, &z.tmax}};
    for (const auto &g : ganzzahlig) {
        if (!ganz(z.wert[g.spalte], *g.ziel)) {
            fehler = std::string("Spalte ") + spaltenname[g.spalte] + " ist nicht ganzzahlig: '" +
                     z.text[g.spalte] + "'";
            return false;
        }
    }
    int j, m, t;
    datum_aus_tagesnummer(tagesnummer(z.jahr, z.monat, z.tag), j, m, t);
    if (z.monat < 1 || z.monat > 12 || j != z.jahr || m != z.monat || t != z.tag) {
        fehler = "ungueltiges Datum " + z.text[S_JAHR] + "-" + z.text[S_MONAT] + "-" + z.text[S_TAG];
        return false;
    }
    // The date is the (TDT) date of greatest eclipse.
    if (std::floor(z.wert[S_JD_GROESSTE] + 0.5) != static_cast<double>(tagesnummer(z.jahr, z.monat, z.tag))) {
        fehler = "jd_greatest_tdt " + z.text[S_JD_GROESSTE] + " liegt nicht am Datum der Zeile";
        return false;
    }
    if (z.t0_stunde < 0 || z.t0_stunde > 23) {
        fehler = "t0_tdt_hour ausserhalb 0..23: " + z.text[S_T0_STUNDE];
        return false;
    }
    if (z.tmin >= z.tmax) {
        fehler = "tmin_h ist nicht kleiner als tmax_h";
        return false;
    }
    // The eclipse file has no slot for mu2; only a zero may be dropped.
    if (z.wert[S_MU2] != 0.0) {
        fehler = "mu2 ist nicht 0: " + z.text[S_MU2];
        return false;
    }
    return true;
}

bool kanon_lesen(std::istream &ein, std::vector<KanonZeile> &zeilen, std::string &fehler)
{
    std::string zeile;
    long nummer = 0;
    bool kopf_gelesen = false, stichprobe = false;
    while (std::getline(ein, zeile)) {
        ++nummer;
        zeilenende_entfernen(zeile);
        if (zeile.empty()) continue;
        if (!kopf_gelesen) {
            stichprobe = zeile == stichprobe_kopf;
            if (zeile != kanon_kopf && !stichprobe) {
                fehler = "Zeile " + std::to_string(nummer) + ": unerwartete Kopfzeile";
                return false;
            }
            kopf_gelesen = true;
            continue;
        }
        KanonZeile z;
        std::string grund;
        if (!(stichprobe ? stichprobe_zeile_lesen(zeile, z, grund) : kanon_zeile_lesen(zeile, z, grund))) {
            fehler = "Zeile " + std::to_string(nummer) + ": " + grund;
            return false;
        }
        zeilen.push_back(z);
    }
    if (!kopf_gelesen) {
        fehler = "leere Eingabe, keine Kopfzeile";
        return false;
    }
    return true;
}

}  // namespace ecad
