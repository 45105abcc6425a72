// The directory listing of the file requester: one line per entry with the
// name cut or padded to 80 characters, a kind tag and the size.
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

        char anzeige[NAMENBREITE + 1];
        sichtbarer_name(name, anzeige, sizeof anzeige);
        char art_puffer[16];
        char zeile[160];
        snprintf(zeile, sizeof zeile, "%-80.80s %s %9lld", anzeige, kennung(art, art_puffer, sizeof art_puffer),
                 groesse);
        if (!text.empty()) text += '\n';
        text += zeile;
    }
    closedir(verzeichnis);
    return sortieren(newstring(text.c_str()));
}
