// File names of the file requester: splitting a name into directory and
// file, joining them back, the parent of a path and the paths of the
// device entries. Every write stays within the size it is given.
#include "requester_intern.h"

#include <cstdlib>
#include <cstring>

void splitpfad(const char *name, char *pfad, char *datei, int a, int b)
{
    if (b == 0) b = a;
    if (a > 0) pfad[0] = '\0';
    if (b > 0) datei[0] = '\0';
    if (!name || a <= 0) return;
    strcpymax(pfad, name, a);
    char *strich = strrchr(pfad, '/');
    if (!strich) {
        if (b > 0) strcpymax(datei, pfad, b);
        pfad[0] = '\0';
        return;
    }
    if (b > 0) strcpymax(datei, strich + 1, b);
    if (strich == pfad)
        pfad[1] = '\0';  // the root itself
    else
        *strich = '\0';
}

char *joinpfad(const char *pfad, const char *datei, char *ziel, int max)
{
    if (!pfad) pfad = "";
    if (!datei) datei = "";
    if (max <= 0) max = static_cast<int>(strlen(pfad) + strlen(datei) + 2);
    if (!ziel) ziel = new char[static_cast<size_t>(max)];
    int i = 0;
    for (; i < max - 2 && pfad[i]; ++i) ziel[i] = pfad[i];
    if (i > 0 && ziel[i - 1] != '/' && i < max - 1) ziel[i++] = '/';
    for (const char *d = datei; *d && i < max - 1; ++d) ziel[i++] = *d;
    ziel[i] = '\0';
    return ziel;
}

void elternpfad(const char *pfad, char *ziel, int n)
{
    if (n <= 0) return;
    strcpymax(ziel, pfad ? pfad : "", n);
    // A trailing '/' names the same directory: /usr/ has the parent / too.
    size_t laenge = strlen(ziel);
    while (laenge > 1 && ziel[laenge - 1] == '/') ziel[--laenge] = '\0';
    char *strich = strrchr(ziel, '/');
    if (!strich)
        ziel[0] = '\0';
    else if (strich == ziel)
        ziel[1] = '\0';
    else
        *strich = '\0';
}

void geraetepfad(const char *geraet, char *ziel, int n)
{
    if (n <= 0) return;
    const char *wert = getenv(geraet);
    if (wert && *wert)
        strcpymax(ziel, wert, n);
    else if (strcmp(geraet, "ROOT") == 0)
        strcpymax(ziel, "/", n);
    else if (strcmp(geraet, "CDROM") == 0)
        strcpymax(ziel, "/cdrom", n);
    else
        strcpymax(ziel, geraet, n);
}
