// The menu commands of the viewer.
#include "menubefehle.h"

#include "zustand.h"

#include "xmalwerk1/xmalwerk1.h"

const char *const hilfetext =
    "Es wird der Schatten des Mondes bei Sonnenfinsternissen dargestellt.\n"
    "Beim Aufruf von einem Terminal kann man das Startjahr mit angeben.\n"
    "Wird auch noch der Monat mitangegeben, wird nur diese eine Finsternis\n"
    "dargestellt. Sonst alle folgenden, eine nach der anderen, bis zum Jahr 2200.\n"
    "\n"
    "Die aktuelle Finsternis kann mit einem Mausklick gestoppt werden, um dann\n"
    "durch Fahren mit der Maus verschiedene Zeitpunkte genauer zu betrachten.";

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
