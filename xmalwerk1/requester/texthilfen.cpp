// Small string functions for line texts, bounded copies and descriptors.
// None keeps state; every write is bounded by an explicit size.
#include "requester.h"

#include <cstdio>
#include <cstring>

int strlen_zeile(const char *s, int *zeilen)
{
    int laengste = 0, laenge = 0, n = 1;
    for (; s && *s; ++s) {
        if (*s == '\n') {
            ++n;
            laenge = 0;
        } else if (++laenge > laengste) {
            laengste = laenge;
        }
    }
    if (zeilen) *zeilen = n;
    return laengste;
}

int anzahlzeilen(const char *s)
{
    if (!s || !*s) return 0;
    int n = 1;
    const char *p = s;
    for (; *p; ++p)
        if (*p == '\n') ++n;
    if (p[-1] == '\n') --n;
    return n;
}

char *nextzeile(char *p)
{
    while (*p && *p != '\n') ++p;
    return *p ? p + 1 : p;
}

char *zeilekopieren(char *ziel, const char *quelle)
{
    while (*quelle && *quelle != '\n') *ziel++ = *quelle++;
    *ziel++ = '\n';
    return ziel;
}

int enthaelt(const char *s, const char *teil)
{
    return teil && *teil && s && strstr(s, teil) != nullptr;
}

int gutes_index(const char *s, const char *teil)
{
    if (!teil || !*teil) return 0;
    const char *p = s ? strstr(s, teil) : nullptr;
    return p ? static_cast<int>(p - s) : -1;
}

int index2(const char *s, const char *teil)
{
    if (!teil || !*teil) return 0;
    size_t n = strlen(teil);
    for (const char *p = s; p && *p && *p != '\n'; ++p) {
        // A match must lie wholly within the first line.
        if (strncmp(p, teil, n) == 0 && !memchr(p, '\n', n)) return static_cast<int>(p - s);
    }
    return -1;
}

const char *strcheck(const char *s, const char *anfang)
{
    size_t n = strlen(anfang);
    return strncmp(s, anfang, n) == 0 ? s + n : nullptr;
}

int stradd(const char *a, const char *b, char *ziel)
{
    size_t la = strlen(a);
    memmove(ziel, a, la);
    strcpy(ziel + la, b);
    return 0;
}

void strjoin(const char *a, int trenner, const char *b, char *ziel, int n)
{
    if (n <= 0) return;
    char *ende = ziel + n - 1;  // room for the terminator
    char *z = ziel;
    size_t la = strlen(a);
    for (size_t i = 0; i < la && z < ende; ++i) *z++ = a[i];
    if ((la == 0 || a[la - 1] != trenner) && z < ende) *z++ = static_cast<char>(trenner);
    for (; *b && z < ende; ++b) *z++ = *b;
    *z = '\0';
}

char *strcpymax(char *ziel, const char *quelle, int n)
{
    int i = 0;
    for (; i < n - 1 && quelle[i]; ++i) ziel[i] = quelle[i];
    ziel[i] = '\0';
    return ziel + i + 1;
}

void strcpybis(char *ziel, const char *quelle, int stopp, int n)
{
    int i = 0;
    for (; i < n - 1 && quelle[i] && quelle[i] != stopp; ++i) ziel[i] = quelle[i];
    if (n > 0) ziel[i] = '\0';
}

void stringumkehren(const char *quelle, char *ziel)
{
    size_t n = strlen(quelle);
    for (size_t i = 0; i < n; ++i) ziel[i] = quelle[n - 1 - i];
    ziel[n] = '\0';
}

char *newstring(const char *s)
{
    char *kopie = new char[strlen(s) + 1];
    strcpy(kopie, s);
    return kopie;
}

char *strf(const char *format, long wert)
{
    char *puffer = new char[80];
    snprintf(puffer, 80, format, wert);
    return puffer;
}

int maxwert(int a, int b)
{
    return a > b ? a : b;
}

int minwert(int a, int b)
{
    return a < b ? a : b;
}

int minmax(int x, int unten, int oben)
{
    if (x < unten) return unten;
    if (x > oben) return oben;
    return x;
}

int ISTPUNKTPUNKT(const char *s)
{
    return s && strcmp(s, "..") == 0;
}

descr *machdescr(const char *s, descr *d)
{
    if (static_cast<signed char>(s[0]) >= 32) {
        d->laenge = static_cast<unsigned short>(strlen(s));
        d->typ = 14;
        d->klasse = 1;
        d->zeiger = s;
        return d;
    }
    return reinterpret_cast<descr *>(const_cast<char *>(s));
}

const char *descrtext(const char *s)
{
    if (!s) return "";
    // Plain texts start with a printable character; an empty text is a text.
    if (static_cast<signed char>(s[0]) >= 32 || s[0] == '\0') return s;
    const descr *d = reinterpret_cast<const descr *>(s);
    if (d->typ != 14 || d->klasse != 1 || !d->zeiger) return s;
    static char text[256];
    size_t n = d->laenge < sizeof text ? d->laenge : sizeof text - 1;
    memcpy(text, d->zeiger, n);
    text[n] = '\0';
    return text;
}
