// The gazetteer's cities as one table, made once from libgeonames and kept
// in the user's cache directory, since its own query is slow.
#ifndef UMBRIX_ORTE_ORTSVERZEICHNIS_H
#define UMBRIX_ORTE_ORTSVERZEICHNIS_H

#include <string>
#include <string_view>
#include <vector>

// One city. The texts point into the table's own storage.
struct Verzeichniseintrag {
    std::string_view schluessel;           // the name folded (see falten), in the user's language
    std::string_view schluessel_englisch;  // and in English
    std::string_view name, staat, land;    // in the user's language
    std::string_view staat_englisch, land_englisch;
    std::string_view landeskennung;        // "US"
    std::string_view zone;
    double breite = 0, laenge = 0;
    unsigned long einwohner = 0;
};

// Every city of the gazetteer, one a line, read once per process: from the
// cache when it was made from the same library, catalogue and language;
// else made anew and kept there (in $XDG_CACHE_HOME/umbrix,
// ~/.cache/umbrix). Empty when the gazetteer has nothing.
std::string_view ortsverzeichnis();

// The next line of the table from *rest (which it then leaves after it);
// false at its end.
bool naechste_zeile(std::string_view *rest, std::string_view *zeile);
// The two folded names that begin each line.
void schluessel_lesen(std::string_view zeile, std::string_view *schluessel, std::string_view *englisch);
// The whole city of a line; false for a line that is not one.
bool eintrag_lesen(std::string_view zeile, Verzeichniseintrag *e);

// A name as compared: lower case, without accents, punctuation and blanks
// shortened to one blank ("Saint-Étienne" -> "saint etienne"); scripts
// that have no Latin letters are folded in case only.
std::string falten(std::string_view text);

#endif
