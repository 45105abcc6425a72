// The eclipse file for the command-line forms: read whole, without the
// viewer's progress lines.
#include "befehle.h"

#include "betrachter/datendatei.h"

bool finsternisdatei_lesen(std::vector<Elemente> *alle, std::string *fehler, std::vector<Besselsatz> *saetze)
{
    std::vector<Besselsatz> gelesen;
    alle->clear();
    fehler->clear();
    besseldatei_lesen(&gelesen, fehler);
    *alle = elemente_aus_saetzen(gelesen);
    if (alle->empty() && fehler->empty()) *fehler = std::string("Keine Besselelemente gefunden (") + besseldatei + ").";
    if (saetze) *saetze = std::move(gelesen);
    return fehler->empty();
}
