// The eclipse file for the command-line forms: read whole, without the
// viewer's progress lines.
#include "befehle.h"

#include "betrachter/datendatei.h"

bool finsternisdatei_lesen(std::vector<Elemente> *alle, std::string *fehler, std::vector<Besselsatz> *saetze)
{
    std::vector<Besselsatz> gelesen;
    alle->clear();
    fehler->clear();
    if (FILE *f = fopen2(const_cast<char *>(besseldatei), const_cast<char *>("r"))) {
        gelesen = besselsaetze_lesen(f, fehler);
        std::fclose(f);
    }
    for (const Besselsatz &s : gelesen) alle->push_back(elemente_aus_satz(s));
    if (alle->empty() && fehler->empty()) *fehler = std::string("Keine Besselelemente gefunden (") + besseldatei + ").";
    if (saetze) *saetze = std::move(gelesen);
    return fehler->empty();
}
