// The menu commands of the viewer.
#include "umbrix.h"

#include "xmalwerk1/xmalwerk1.h"

const char *const hilfetext =
    "Es wird der Schatten des Mondes bei Sonnenfinsternissen dargestellt.\n"
    "Beim Aufruf von einem Terminal kann man das Startjahr mit angeben.\n"
    "Wird auch noch der Monat mitangegeben, wird nur diese eine Finsternis\n"
    "dargestellt. Sonst jeweils alle Sonnenfinsternisse ab 1951 bis zum Jahr 2200.\n"
    "\n"
    "Die aktuelle Finsternis kann mit einem Mausklick gestoppt werden, um dann\n"
    "durch Fahren mit der Maus verschiedene Zeitpunkte genauer zu betrachten.";

void m_next(long)
{
    satzschritt = 1;
    satzwahl = -1;
    nextflag = 1;
}

void m_vorige(long)
{
    satzschritt = -1;
    satzwahl = -1;
    nextflag = 1;
}

void m_set(long)
{
    if (requester_input(3, " Jahr ", "%d", "%d", &jahr, " Monat", "%d", "%d\n", &monat,
                        "automatisch weiter (1=ja, 0=nein)", "%d", "%d", &alle)) {
        satzschritt = 0;
        satzwahl = -1;
        nextflag = 1;
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
