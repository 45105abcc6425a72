// Drawing the path of the shadow on the globe, and its switch.
#include "pfadbild.h"

#include "globusdrehung.h"

#include "finsternis/finsternis.h"
#include "xmalwerk1/xmalwerk1.h"

#include <cstring>

namespace {

const char *const schluessel = "UMBRIXPFAD";

// A check mark while the path is on, else a blank as wide, so that the
// label stays where it is; the shortcut must come first to be found.
const char *const menutext_an = "%AP%RPfad";
const char *const menutext_aus = "%AP%rPfad";

}  // namespace

Pfadbild pfadbild;

void Pfadbild::Linien::grenze(const std::vector<Zentralpunkt> &punkte, Pfadort Zentralpunkt::*seite)
{
    size_t im_stueck = 0;
    for (size_t i = 0; i < punkte.size(); ++i) {
        const Pfadort &o = punkte[i].*seite;
        if (!o.gibt_es) {
            punkt(false, 0, 0);
            im_stueck = 0;
            continue;
        }
        const bool letzter = i + 1 == punkte.size() || !(punkte[i + 1].*seite).gibt_es;
        if (im_stueck++ % 3 == 0 || letzter) punkt(true, o.ort.breite, o.ort.laenge);
    }
    punkt(false, 0, 0);
}

void Pfadbild::Linien::punkt(bool gibt_es, double breite, double laenge)
{
    const int n = static_cast<int>(sb.size());
    if (!gibt_es) {
        // A gap (or the end): the points since the last one make a line.
        if (n > (ende.empty() ? 0 : ende.back())) ende.push_back(n);
        return;
    }
    double s, c, b;
    Globusdrehung::punktfaktoren(laenge * grad_in_rad, breite * grad_in_rad, &s, &c, &b);
    slcb.push_back(s);
    clcb.push_back(c);
    sb.push_back(b);
}

void Pfadbild::Linien::zeichnen(double drehung, double neigung) const
{
    globuslinien(Globusdrehung(drehung, neigung), slcb.data(), clcb.data(), sb.data(), ende.data(),
                 static_cast<int>(ende.size()));
}

void Pfadbild::setzen(const Elemente *e)
{
    setzen(e ? schattenpfad(*e) : Schattenpfad());
}

void Pfadbild::setzen(const Schattenpfad &p)
{
    zentral = grenzen = Linien();
    for (const Zentralpunkt &z : p.punkte) zentral.punkt(z.zentral.gibt_es, z.zentral.ort.breite, z.zentral.ort.laenge);
    zentral.punkt(false, 0, 0);
    grenzen.grenze(p.punkte, &Zentralpunkt::nord);
    grenzen.grenze(p.punkte, &Zentralpunkt::sued);
}

void Pfadbild::zeichnen(double drehung, double neigung) const
{
    if (!an || zentral.sb.empty()) return;
    color(globusfarbe(0xffff00, 6));  // yellow
    zentral.zeichnen(drehung, neigung);
    mal_pen("SD");
    grenzen.zeichnen(drehung, neigung);
    mal_pen("NO");
}

void pfadeinstellung_lesen()
{
    const char *wert = Getenv(schluessel);
    pfadbild.an = !(wert && std::strcmp(wert, "0") == 0);
}

const char *menutext_pfad()
{
    return pfadbild.an ? menutext_an : menutext_aus;
}

void m_pfad(long id)
{
    pfadbild.an = !pfadbild.an;
    Setenv(schluessel, pfadbild.an ? "1" : "0");
    changemenu(id, menutext_pfad());
}
