// The directory listing of the file requester: one line per entry with the
// name padded to 80 characters (a longer one is kept whole), a kind tag and
// the size; and the name and kind read back from such a line.
#include "requester_intern.h"

#include <dirent.h>
#include <sys/stat.h>

#include <cstdio>
#include <cstring>
#include <string>

int darstellungsbreite = 40;

namespace {

constexpr int NAMENBREITE = 80;

const char *kennung(int art, char *puffer, size_t groesse)
{
    switch (art) {
    case 0:
        return "     ";
    case 1:
        return "(dir)";
    case 2:
        return "(lnk)";
    default:
        snprintf(puffer, groesse, "(%03lX)", static_cast<unsigned long>(art));
        return puffer;
    }
}

// The name as the listing shows it: a newline or another control character
// would break the line apart, so it is shown as '?'.
void sichtbarer_name(const char *name, char *ziel, size_t groesse)
{
    size_t i = 0;
    for (; name[i] && i + 1 < groesse; ++i) {
        unsigned char c = static_cast<unsigned char>(name[i]);
        ziel[i] = c < 32 || c == 127 ? '?' : name[i];
    }
    ziel[i] = '\0';
}

}  // namespace

char *getfileliste(const char *pfad, const char *filter, int breite)
{
    darstellungsbreite = maxwert(breite - 16, 4);
    if (!pfad || !*pfad) pfad = ".";
    // A cleared filter field shows every file, as no filter does.
    if (filter && !*filter) filter = nullptr;
    DIR *verzeichnis = opendir(pfad);
    if (!verzeichnis) return newstring("");

    std::string text;
    text.reserve(512);
    std::string voll;
    while (const dirent *e = readdir(verzeichnis)) {
        const char *name = e->d_name;
        if (strcmp(name, ".") == 0 || strcmp(name, "..") == 0) continue;
        voll.assign(pfad);
        voll += '/';
        voll += name;
        struct stat st;
        int art = 3;  // also when the status cannot be read
        long long groesse = 0;
        if (lstat(voll.c_str(), &st) == 0) {
            groesse = static_cast<long long>(st.st_size);
            if (S_ISREG(st.st_mode))
                art = 0;
            else if (S_ISDIR(st.st_mode))
                art = 1;
            else if (S_ISLNK(st.st_mode))
                art = 2;
        }
        if (art != 1 && art != 2 && filter && !filtervergleich(name, filter)) continue;

        char anzeige[sizeof e->d_name];
        sichtbarer_name(name, anzeige, sizeof anzeige);
        char art_puffer[16];
        char zeile[sizeof anzeige + 40];
        snprintf(zeile, sizeof zeile, "%-*s %s %9lld", NAMENBREITE, anzeige,
                 kennung(art, art_puffer, sizeof art_puffer), groesse);
        if (!text.empty()) text += '\n';
        text += zeile;
    }
    closedir(verzeichnis);
    return sortieren(newstring(text.c_str()));
}

Eintragsart eintrag_zerlegen(const char *eintrag, char *name, int n)
{
    if (n <= 0) return Eintragsart::anderes;
    name[0] = '\0';
    if (!eintrag) return Eintragsart::anderes;
    const int laenge = static_cast<int>(strlen(eintrag));
    // From the end: the size (at least 9 columns), a blank, the 5-character
    // tag, a blank; the name before them, padded to 80 characters.
    int ziffern = 0;
    while (ziffern < laenge && eintrag[laenge - 1 - ziffern] >= '0' && eintrag[laenge - 1 - ziffern] <= '9')
        ++ziffern;
    const int groessenfeld = ziffern > 9 ? ziffern : 9;
    const int namenende = laenge - groessenfeld - 7;
    if (ziffern > 0 && namenende >= NAMENBREITE && eintrag[namenende] == ' ' && eintrag[namenende + 6] == ' ') {
        int ende = namenende;
        while (ende > 0 && eintrag[ende - 1] == ' ') --ende;  // the padding
        strcpymax(name, eintrag, minwert(ende + 1, n));
        const char *tag = eintrag + namenende + 1;
        if (strncmp(tag, "(dir)", 5) == 0) return Eintragsart::verzeichnis;
        if (strncmp(tag, "(lnk)", 5) == 0) return Eintragsart::verweis;
        if (strncmp(tag, "     ", 5) == 0) return Eintragsart::datei;
        return Eintragsart::anderes;
    }
    // A device line ("HOME        (disk)"), ".." or a line of another make:
    // the name ends at the first blank, the tags are searched.
    strcpybis(name, eintrag, ' ', n);
    const char *disk = strstr(eintrag, "(disk)");
    if (disk && disk[6] == '\0') return Eintragsart::geraet;
    if (strstr(eintrag, " (dir) ")) return Eintragsart::verzeichnis;
    if (strstr(eintrag, " (lnk) ")) return Eintragsart::verweis;
    return Eintragsart::anderes;
}
