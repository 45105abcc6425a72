// X protocol errors and a lost server connection. Xlib keeps one pair of
// handlers per process, so installing them before the library's first
// connection covers every connection it opens (window, screen query,
// requesters).
#include "intern.h"

#include <unistd.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Errors of one kind (request code and error code) printed in full; after
// that only a count, at 10, 100, 1000 ... and at the end of the program.
constexpr unsigned VOLL_GEMELDET = 3;

unsigned anzahl[256][256];  // [request code][error code]

// Kinds that went beyond the full reports, for the count at the end.
struct Gezaehlt {
    unsigned char request, fehler;
    char requestname[48];
    char fehlertext[80];
};
constexpr int MAX_GEZAEHLT = 32;
Gezaehlt gezaehlt[MAX_GEZAEHLT];
int anzahl_gezaehlt = 0;

bool zehnerpotenz(unsigned n)
{
    while (n >= 10 && n % 10 == 0) n /= 10;
    return n == 1;
}

void zusammenfassung()
{
    for (int i = 0; i < anzahl_gezaehlt; ++i) {
        const Gezaehlt &g = gezaehlt[i];
        printf("xmalwerk1: X-Fehler %d %s bei Request %d %s: insgesamt %u mal\n", g.fehler, g.fehlertext, g.request,
               g.requestname, anzahl[g.request][g.fehler]);
    }
    fflush(stdout);
}

// Names of requests and errors come from Xlib's local error database;
// nothing here may send a request to the server.
void requestname(Display *d, int request, char *name, int groesse)
{
    if (request >= 128) {
        snprintf(name, static_cast<size_t>(groesse), "(Erweiterung)");
        return;
    }
    char nummer[16];
    snprintf(nummer, sizeof nummer, "%d", request);
    char text[40] = "";
    XGetErrorDatabaseText(d, "XRequest", nummer, "", text, sizeof text);
    snprintf(name, static_cast<size_t>(groesse), "(%s)", text[0] ? text : "?");
}

// Keeps a kind that goes beyond the full reports for the count at the end.
void zum_zaehlen_merken(int request, int fehler, const char *name, const char *text)
{
    if (anzahl_gezaehlt >= MAX_GEZAEHLT) return;
    // Once per process, also when the counts were forgotten in between.
    static const bool angemeldet = atexit(zusammenfassung) == 0;
    (void)angemeldet;
    Gezaehlt &g = gezaehlt[anzahl_gezaehlt++];
    g.request = static_cast<unsigned char>(request);
    g.fehler = static_cast<unsigned char>(fehler);
    snprintf(g.requestname, sizeof g.requestname, "%s", name);
    snprintf(g.fehlertext, sizeof g.fehlertext, "%s", text);
}

int protokollfehler(Display *d, XErrorEvent *e)
{
    const int request = e->request_code, fehler = e->error_code;
    const unsigned n = ++anzahl[request][fehler];
    const bool voll = n <= VOLL_GEMELDET;
    if (!voll && n != VOLL_GEMELDET + 1 && !zehnerpotenz(n)) return 0;

    char name[48], text[80] = "";
    requestname(d, request, name, sizeof name);
    XGetErrorText(d, fehler, text, sizeof text);
    if (voll)
        printf("xmalwerk1: X-Fehler %d %s bei Request %d.%d %s, Ressource 0x%lx\n", fehler, text, request,
               e->minor_code, name, e->resourceid);
    else if (zehnerpotenz(n))
        printf("xmalwerk1: X-Fehler %d %s bei Request %d %s: schon %u mal\n", fehler, text, request, name, n);
    if (n == VOLL_GEMELDET + 1) zum_zaehlen_merken(request, fehler, name, text);
    fflush(stdout);
    return 0;  // the program carries on
}

[[noreturn]] int verbindung_verloren(Display *d)
{
    printf("xmalwerk1: Verbindung zum X-Server '%s' verloren\n", d ? DisplayString(d) : displayname);
    // The plot file needs no server: it is completed up to its last point.
    // No other clean-up: every further call on the connection would fail
    // again.
    if (malwerk_fpbild) bild_schliessen();
    fflush(stdout);
    _exit(1);
}

}  // namespace

void fehlerbehandlung_setzen()
{
    static bool gesetzt = false;
    if (gesetzt) return;
    gesetzt = true;
    XSetErrorHandler(protokollfehler);
    XSetIOErrorHandler(verbindung_verloren);
}

void xfehler_grundzustand()
{
    // The handlers stay installed: Xlib keeps them for the process.
    memset(anzahl, 0, sizeof anzahl);
    anzahl_gezaehlt = 0;
}
