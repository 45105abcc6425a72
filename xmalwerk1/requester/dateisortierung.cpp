// Order of the listing: directories and links first, then by character
// code, names beginning with a dot last within their group. A stable sort
// over the lines keeps equal lines in their order.
#include "requester_intern.h"

#include <algorithm>
#include <cstring>
#include <string_view>
#include <vector>

namespace {

size_t zeilenlaenge(const char *p)
{
    const char *e = p;
    while (*e && *e != '\n') ++e;
    return static_cast<size_t>(e - p);
}

int gruppe(const char *p, size_t laenge)
{
    std::string_view z(p, laenge);
    return z.find("(dir)") != std::string_view::npos || z.find("(lnk)") != std::string_view::npos ? 1 : 2;
}

// The character at i as it counts for the order; 0 past the line's end.
int wert(const char *p, size_t laenge, size_t i)
{
    if (i >= laenge) return 0;
    int c = static_cast<signed char>(p[i]);
    return i == 0 && c == '.' ? c + 128 : c;
}

int zeichenvergleich(const char *a, size_t la, const char *b, size_t lb)
{
    size_t n = la > lb ? la : lb;
    for (size_t i = 0; i < n; ++i) {
        int d = wert(a, la, i) - wert(b, lb, i);
        if (d != 0) return d;
    }
    return 0;
}

struct Zeile {
    const char *anfang;
    size_t laenge;
    int gruppe;
};

}  // namespace

int namenvergleich(const char *a, const char *b)
{
    size_t la = zeilenlaenge(a), lb = zeilenlaenge(b);
    int ga = gruppe(a, la), gb = gruppe(b, lb);
    if (ga != gb) return ga - gb;
    return zeichenvergleich(a, la, b, lb);
}

char *sortieren(char *text)
{
    if (!text || !strchr(text, '\n')) return text;
    std::vector<Zeile> zeilen;
    size_t gesamt = 0;
    for (const char *p = text;;) {
        size_t l = zeilenlaenge(p);
        zeilen.push_back({p, l, gruppe(p, l)});
        gesamt += l + 1;
        if (!p[l]) break;
        p += l + 1;
    }
    std::stable_sort(zeilen.begin(), zeilen.end(), [](const Zeile &a, const Zeile &b) {
        if (a.gruppe != b.gruppe) return a.gruppe < b.gruppe;
        return zeichenvergleich(a.anfang, a.laenge, b.anfang, b.laenge) < 0;
    });
    char *neu = new char[gesamt];
    char *z = neu;
    for (const Zeile &zeile : zeilen) {
        // A newline before every line but the first, also after empty lines.
        if (&zeile != &zeilen.front()) *z++ = '\n';
        memcpy(z, zeile.anfang, zeile.laenge);
        z += zeile.laenge;
    }
    *z = '\0';
    delete[] text;
    return neu;
}
