// The viewer's main loop: an eclipse read, its six hours animated, then on
// to the next or the mouse choosing the moment, until Exit.
#include "betrachter.h"

#include "ansicht.h"
#include "bessel.h"
#include "bildspeichern.h"
#include "filmspeichern.h"
#include "globusfenster.h"
#include "menubefehle.h"
#include "ortmenu.h"
#include "pfadbild.h"

#include "xmalwerk1/xmalwerk1.h"

namespace {

// An empty cell of a menu row: the column's pull-down has ended above it.
const char *const kein_menutext = nullptr;
void (*const keine_menufunktion)(long) = nullptr;

// The program ends on the Exit command and on the window manager's close
// request, which waitmenu also takes while the pacing calls serve the menus.
bool schluss()
{
    return exitflag || schliessen_angefordert();
}

// Menu bar "File", "Hilfe", "Ort", "Ansicht"; a pull-down ends at its
// first empty cell, so the items of "Ort" and "Ansicht" fill rows from the
// top.
void menus_anlegen()
{
    setmenu(4, "File", "Hilfe", "Ort", "Ansicht");
    setmenu(4, "%ANNext", "Hilfe...", menutext_koordinaten, menutext_pfad(), m_next, m_hilfe, m_ort_koordinaten,
            m_pfad);
    setmenu(4, "%AVVorige", kein_menutext, menutext_zeigen, menutext_schattierung(), m_vorige, keine_menufunktion,
            m_ort_zeigen, m_schattierung);
    setmenu(4, "Jahr...", kein_menutext, menutext_finsternisse, menutext_legende(), m_set, keine_menufunktion,
            m_ort_finsternisse, m_legende);
    setmenu(3, "%ABBild speichern...", kein_menutext, menutext_suchen, m_bild, keine_menufunktion, m_ort_suchen);
    setmenu(1, "%AFFilm speichern...", m_film);
    setmenu(1, "%AXExit", menu_exit);
}

// After every read: the eclipse's path is computed once, a place set prints
// its circumstances, and the search's year and month follow the eclipse
// read (without the file they stay as asked).
void datum_uebernehmen(const Bessel &bessel)
{
    pfadbild.setzen(bessel.gelesene_elemente());
    ort_zur_finsternis(bessel);
    if (bessel.lesestand == Bessel::fehlgeschlagen) return;
    jahr = bessel.fjahr;
    monat = bessel.fmonat;
}

// Reads the eclipse that Next, Vorige, Jahr... or the list asked for, if
// one was asked for. False when nothing was, or there is none before the
// file's first or after its last: the eclipse shown then stays and goes on.
bool anfrage_ausfuehren(Bessel &bessel)
{
    const Anfrage a = anfrage;
    anfrage = Anfrage();
    bool gelesen = true;
    switch (a.art) {
    case Anfrage::keine: return false;
    case Anfrage::ab_monat:
        jahr = a.jahr;
        monat = a.monat;
        alle = a.alle;
        bessel.dateneinlesen(jahr, monat);
        break;
    case Anfrage::naechste: gelesen = bessel.satzeinlesen(bessel.satznummer + 1); break;
    case Anfrage::vorige: gelesen = bessel.satzeinlesen(bessel.satznummer - 1); break;
    case Anfrage::satz:
        // Shown alone, as Jahr... shows one.
        alle = 0;
        gelesen = bessel.satzeinlesen(a.nummer);
        break;
    }
    datum_uebernehmen(bessel);
    return gelesen;
}

// The automatic advance: the next record of the file, to the file's end.
bool weiterschalten(Bessel &bessel)
{
    if (schluss() || bessel.lesestand != Bessel::gefunden) return false;
    bool gelesen = bessel.satzeinlesen(bessel.satznummer + 1);
    datum_uebernehmen(bessel);
    return gelesen;
}

enum class Animation { durchgelaufen, angehalten, gewechselt };

// Six hours around T0, three minutes a frame. A command that chose another
// eclipse ends it at the next frame.
Animation animieren(Bessel &bessel)
{
    double x = 0, y = 0;
    for (double t = animation_von; !schluss() && t <= animation_bis; t += animation_schritt) {
        waitBOF();
        if (anfrage_ausfuehren(bessel)) return Animation::gewechselt;
        // The pacing call serves input too: a press it took counts even
        // when the release is the next event, which mausposition takes.
        bool gedrueckt = maustasten_zustand & 0x40;
        bild_zeichnen(bessel, t);
        if ((mausposition(&x, &y) & 0x40) || gedrueckt) return Animation::angehalten;
    }
    return anfrage_ausfuehren(bessel) ? Animation::gewechselt : Animation::durchgelaufen;
}

// The pointer's column chooses the moment shown, which the time scale
// marks, until a command chooses another eclipse or the program ends.
void betrachten(Bessel &bessel, double xmax)
{
    double x = 0, y = 0;
    while (!schluss() && waitmenu(0) == 0 && !anfrage_ausfuehren(bessel)) {
        mausposition(&x, &y);
        double t = 3.0 / xmax * x;
        waitTOF();
        Bildart art = ansicht;
        art.zeitleiste = true;
        bild_zeichnen(bessel, t, art);
    }
}

}  // namespace

int betrachter_starten()
{
    double xmax = globusfenster_oeffnen(menus_anlegen);
    Bessel bessel;
    bessel.dateneinlesen(jahr, monat);
    datum_uebernehmen(bessel);
    while (!schluss()) {
        Animation a = animieren(bessel);
        if (a == Animation::gewechselt) continue;
        if (a == Animation::durchgelaufen && alle == 1 && weiterschalten(bessel)) continue;
        betrachten(bessel, xmax);
    }

    term_exit();
    delete[] aktuellerpfad;
    aktuellerpfad = nullptr;
    return 0;
}
