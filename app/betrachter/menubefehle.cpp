// The menu commands of the viewer.
#include "menubefehle.h"

#include "datendatei.h"
#include "zustand.h"

#include "finsternis/finsternis.h"
#include "xmalwerk1/xmalwerk1.h"

#include <cstdio>
#include <string>
#include <vector>

const char *const hilfetext =
    "Es wird der Schatten des Mondes bei Sonnenfinsternissen dargestellt.\n"
    "Beim Aufruf von einem Terminal kann man das Startjahr mit angeben.\n"
    "Wird auch noch der Monat mitangegeben, wird nur diese eine Finsternis\n"
    "dargestellt. Sonst alle folgenden, eine nach der anderen, bis zum Jahr 2200.\n"
    "\n"
    "Die aktuelle Finsternis kann mit einem Mausklick gestoppt werden, um dann\n"
    "durch Fahren mit der Maus verschiedene Zeitpunkte genauer zu betrachten.\n"
    "Die Zeitleiste am unteren Rand zeigt dann die sechs Stunden: der weisse\n"
    "Strich den gezeigten Zeitpunkt, der orange die groesste Finsternis.";

namespace {

// Empty when the eclipse file holds the year or cannot be read (the main
// loop then says why), else the message that it does not.
std::string jahr_ausserhalb_der_daten(int j)
{
    std::vector<Besselsatz> saetze;
    besseldatei_lesen(&saetze, nullptr);
    const std::vector<Elemente> alle = elemente_aus_saetzen(saetze);
    return alle.empty() ? "" : jahr_ausserhalb_der(alle, j, "Daten");
}

}  // namespace

void m_next(long)
{
    anfrage = Anfrage();
    anfrage.art = Anfrage::naechste;
}

void m_vorige(long)
{
    anfrage = Anfrage();
    anfrage.art = Anfrage::vorige;
}

void m_set(long)
{
    // The form starts from the eclipse shown; the loop takes what was entered.
    int j = jahr, m = monat, a = alle;
    if (requester_input(3, " Jahr ", "%d", "%d", &j, " Monat", "%d", "%d\n", &m, "automatisch weiter (1=ja, 0=nein)",
                        "%d", "%d", &a)) {
        // The search would show the file's first or last eclipse instead:
        // nothing is asked, the eclipse shown stays as it is.
        const std::string ausserhalb = jahr_ausserhalb_der_daten(j);
        if (!ausserhalb.empty()) {
            printf("%s\n", ausserhalb.c_str());
            fflush(stdout);
            janeinrequester(const_cast<char *>(ausserhalb.c_str()), nullptr, nullptr);
            return;
        }
        anfrage = Anfrage();
        anfrage.art = Anfrage::ab_monat;
        anfrage.jahr = j;
        anfrage.monat = m;
        anfrage.alle = a;
    }
}

void m_hilfe(long)
{
    janeinrequester(const_cast<char *>(hilfetext), nullptr, nullptr);
}

void menu_exit(long)
{
    exitflag = 1;
}
