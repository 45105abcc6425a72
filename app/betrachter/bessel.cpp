// Reading the Besselian elements of one eclipse and drawing the Moon's
// shadow on the turned globe.
#include "bessel.h"

#include "ansicht.h"
#include "datendatei.h"
#include "erdkarte.h"
#include "globusdrehung.h"
#include "ortsmarke.h"
#include "pfadbild.h"
#include "schattenbild.h"
#include "xmalwerk1/xmalwerk1.h"

#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

// The fixed place marker: 8.5 degrees east, 47.5 degrees north.
const double ortlaenge = 0.14835298641951802;
const double ortbreite = 0.8290313946973066;

void melden(const char *text)
{
    printf("%s\n", text);
    fflush(stdout);
}

}  // namespace

bool besselsaetze_einlesen(std::vector<Besselsatz> *saetze, std::string *fehler)
{
    if (besseldatei_lesen(saetze, fehler)) return true;
    melden("Datei mit Besselelementen nicht gefunden.");
    return false;
}

Bessel::Bessel()
{
    vorher = 0;
}

void Bessel::dateneinlesen(int jahr, int monat)
{
    std::vector<Besselsatz> saetze;
    std::string fehler;
    if (!besselsaetze_einlesen(&saetze, &fehler)) {
        lesestand = fehlgeschlagen;
        return;
    }
    const int treffer = finsternis_waehlen(elemente_aus_saetzen(saetze), jahr, monat);
    // The search read on to the file's broken end only when nothing fitted.
    if (treffer < 0 && !fehler.empty()) melden(fehler.c_str());
    if (saetze.empty()) {
        printf("Keine Besselelemente in %s.\n", besseldatei);
        fflush(stdout);
        lesestand = fehlgeschlagen;
        return;
    }
    if (treffer < 0 && monat > 0)
        printf("Keine Finsternis ab %d.%d in %s, es folgt die letzte der Datei.\n", monat, jahr, besseldatei);
    else if (treffer < 0)
        printf("Keine Finsternis ab %d in %s, es folgt die letzte der Datei.\n", jahr, besseldatei);
    const int nummer = treffer < 0 ? static_cast<int>(saetze.size()) - 1 : treffer;
    uebernehmen(saetze[static_cast<size_t>(nummer)], nummer);
    lesestand = treffer < 0 ? letzter : gefunden;
}

bool Bessel::satzeinlesen(int nummer)
{
    if (nummer < 0) {
        printf("Keine fruehere Finsternis in %s.\n", besseldatei);
        fflush(stdout);
        return false;
    }
    std::vector<Besselsatz> saetze;
    std::string fehler;
    if (!besselsaetze_einlesen(&saetze, &fehler)) return false;
    if (static_cast<size_t>(nummer) < saetze.size()) {
        uebernehmen(saetze[static_cast<size_t>(nummer)], nummer);
        return true;
    }
    if (!fehler.empty())
        melden(fehler.c_str());
    else if (saetze.empty())
        printf("Keine Besselelemente in %s.\n", besseldatei);
    else
        printf("Keine spaetere Finsternis in %s.\n", besseldatei);
    fflush(stdout);
    return false;
}

void Bessel::uebernehmen(const Besselsatz &satz, int nummer)
{
    fjahr = satz.fjahr;
    fmonat = satz.fmonat;
    ftag = satz.ftag;
    zusatz0 = satz.zusatz0;
    zusatz1 = satz.zusatz1;
    zusatz2 = satz.zusatz2;
    jd = satz.jd;
    zusatz3 = satz.zusatz3;
    zusatz4 = satz.zusatz4;
    zusatz5 = satz.zusatz5;
    // The file holds fewer coefficients than the fields have slots.
    std::memcpy(x, satz.x, sizeof satz.x);
    std::memcpy(y, satz.y, sizeof satz.y);
    std::memcpy(d, satz.d, sizeof satz.d);
    d[3] = 0;
    std::memcpy(mu, satz.mu, sizeof satz.mu);
    mu[2] = mu[3] = 0;
    std::memcpy(l1, satz.l1, sizeof satz.l1);
    std::memcpy(l2, satz.l2, sizeof satz.l2);
    l1[3] = l2[3] = 0;
    tanf1 = satz.tanf1;
    tanf2 = satz.tanf2;
    mjd = jd - 2400000.5;
    werte = elemente_aus_satz(satz);
    satznummer = nummer;
    elemente = true;
    lesestand = gefunden;
    printf("%d.%d.%d Besselelemente eingelesen.\n", ftag, fmonat, fjahr);
    fflush(stdout);
    vorher = 0;
}

void Bessel::beschriftung(double t, char *text, int groesse) const
{
    static const char *const monatname[13] = {"",    "Jan", "Feb", "Mar", "Apr", "Mai", "Jun",
                                              "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"};
    Tageszeit z = beschriftungszeit(mjd, fjahr, fmonat, ftag, t);
    const char *name = z.monat >= 0 && z.monat <= 12 ? monatname[z.monat] : "???";
    snprintf(text, static_cast<size_t>(groesse), "%2lld.%s.%04d  %02d:%02d", z.tag, name, z.jahr, z.stunden,
             z.minuten);
}

Kernschatten Bessel::kernschatten(double t)
{
    Kernschatten k;
    k.x = xvont(x, t);
    k.y = xvont(y, t);
    k.l1 = lvont(l1, t);
    double r = -lvont(l2, t);
    double abstand2 = k.x * k.x + k.y * k.y;
    if (abstand2 < 1) {
        // The umbral cone's radius at the height of the axis's surface point.
        double z = sqrt(1 - abstand2);
        r = r + z * tanf2;
    }
    if (r < 0 && vorher >= 0) {
        printf("Ringfoermige Finsternis\n");
        fflush(stdout);
    } else if (r > 0 && vorher <= 0) {
        printf("Totale Finsternis\n");
        fflush(stdout);
    }
    vorher = r;
    k.farbe = 1;
    if (r < 0.005) {
        k.farbe = r < 0 ? 3 : 2;
        r = 0.005;
    }
    k.r = r;
    return k;
}

void Bessel::zeichnen(double t, bool schattiert)
{
    double m = muvont(mu, t) * grad_in_rad;
    double n = dvont(d, t) * grad_in_rad;
    if (schattiert) {
        // A plot file gets the globe as a disc: the shading is pixels.
        if (malwerk_fpbild) {
            color(4);
            fillcircle(0, 0, 1, 1);
        }
        const Elementwerte e = elemente ? elemente_bei(werte, t) : Elementwerte{};
        schattenbild_zeichnen(elemente ? &e : nullptr, m, n);
    }
    if (elemente) {
        char text[80];
        beschriftung(t, text, sizeof text);
        if (schattiert) platte_zeichnen(1.0, 1.0, text);
        color(1);
        schrift(1.0, 1.0, text, 0);
    }
    if (!schattiert) {
        color(4);
        fillcircle(0, 0, 1, 1);
    }

    color(1);
    double ox, oy;
    erdkoordinatendrehen(ortlaenge, ortbreite, m, n, &ox, &oy, nullptr);
    drawcircle(ox, oy, 0.004, 0.004);

    erdkarte.zeichnen(m, n);
    ortsmarke_zeichnen(m, n);
    if (!elemente) {
        // The coastlines' last polyline must not wait for the next frame.
        PLOT_FLUSH();
        return;
    }
    // Under the shadow's outlines.
    pfadbild.zeichnen(m, n);

    Kernschatten k = kernschatten(t);
    color(schattiert ? halbschattenfarbe() : 1);
    drawcircle(k.x, k.y, k.l1, k.l1);
    if (schattiert)
        color(kernschattenfarbe(k.farbe == 3));
    else if (k.farbe != 1)
        color(k.farbe);
    drawcircle(k.x, k.y, k.r, k.r);
}
