// The eclipse's animation as an animated GIF: each frame drawn as the main
// loop draws it, read back from the back buffer and added to the film.
#include "filmspeichern.h"

#include "betrachter.h"
#include "bessel.h"
#include "gifdatei.h"
#include "globusfenster.h"
#include "pfadbild.h"

#include "xmalwerk1/xmalwerk1.h"

#include <cstdlib>
#include <memory>
#include <vector>

const char *const filmendung_meldung = "Filme werden als .gif gespeichert.";

namespace {

// The frames into the film; false when one cannot be read or added.
bool bilder_aufnehmen(Bessel &bessel, const Bildart &art, std::unique_ptr<Gifdatei> *film)
{
    std::vector<unsigned char> rgb;
    int b = 0, h = 0;
    for (double t = animation_von; t <= animation_bis; t += animation_schritt) {
        bild_zeichnen(bessel, t, art);
        if (!bild_lesen(&rgb, &b, &h)) return false;
        if (!*film) *film = std::make_unique<Gifdatei>(b, h);
        const bool letztes = t + animation_schritt > animation_bis;
        if (!(*film)->bild(rgb, letztes ? film_schlussbild : film_verzoegerung)) return false;
    }
    return true;
}

// For as long as it lives, the frames show what the film asks for; then
// again what the viewer's menus say. Every view the film switches on is
// switched here.
class Filmansicht_an {
public:
    explicit Filmansicht_an(const Filmansicht &ansicht) : pfad_(pfadbild.an) { pfadbild.an = ansicht.pfad; }
    ~Filmansicht_an() { pfadbild.an = pfad_; }
    Filmansicht_an(const Filmansicht_an &) = delete;
    Filmansicht_an &operator=(const Filmansicht_an &) = delete;

private:
    const bool pfad_;
};

}  // namespace

std::string filmname_vorschlag(const Elemente &e)
{
    char text[64];
    snprintf(text, sizeof text, "umbrix-%04d-%02d-%02d.gif", e.datum.jahr, e.datum.monat, e.datum.tag);
    return text;
}

bool film_speichern(Bessel &bessel, const std::string &name, std::string *fehler, Ueberschreibfrage fragen,
                    const Filmansicht &ansicht)
{
    if (!endet_mit(name, ".gif")) {
        *fehler = "Unbekannte Endung: " + name + "\n" + filmendung_meldung;
        return false;
    }
    const GezeigtesBild gezeigt = gezeigtes_bild;
    auto schreiben = [&bessel, &ansicht](const std::string &hilf) {
        Filmansicht_an an(ansicht);
        std::unique_ptr<Gifdatei> film;
        return bilder_aufnehmen(bessel, ansicht.bild, &film) && film->schreiben(hilf);
    };
    const bool gespeichert = datei_ersetzen(name, "Film", schreiben, fehler, fragen);
    // The picture shown before, drawn and shown again.
    if (gezeigt.zeichnen) {
        gezeigt.zeichnen(*gezeigt.bessel, gezeigt.t);
        bild_zeigen();
    }
    return gespeichert;
}

void m_film(long)
{
    if (!gezeigtes_bild.bessel) return;
    std::string name, fehler;
    if (speichername_erfragen("Speichern: Film als .gif", filmname_vorschlag(gezeigtes_bild.bessel->werte), &name) &&
        !film_speichern(*gezeigtes_bild.bessel, name, &fehler, ueberschreiben_fragen))
        speicherfehler_zeigen(fehler);
}

bool film_aus_satz_speichern(const Besselsatz &satz, int nummer, int breite, int hoehe, const std::string &datei,
                             std::string *fehler)
{
    // The library would ask on the terminal for a display it cannot open.
    Display *anzeige = XOpenDisplay(nullptr);
    if (!anzeige) {
        const char *name = getenv("DISPLAY");
        *fehler = std::string("Film nicht gespeichert: keine Anzeige (DISPLAY=") + (name ? name : "") + ").";
        return false;
    }
    XCloseDisplay(anzeige);
    unsichtbares_globusfenster_oeffnen(breite, hoehe);
    Bessel bessel;
    bessel.uebernehmen(satz, nummer);
    pfadbild.setzen(bessel.gelesene_elemente());
    const bool gespeichert = film_speichern(bessel, datei, fehler);
    fflush(stdout);
    term_exit();
    return gespeichert;
}
