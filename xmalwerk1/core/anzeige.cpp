// Opening the display connection and fatal exits.
#include "intern.h"

#include <poll.h>
#include <unistd.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>

[[noreturn]] void err_exit(const char *text)
{
    // The text is a format that carries its own newline.
    fputs(text, stdout);
    fflush(stdout);
    // A fatal condition is a failure: the caller's shell must see it.
    exit(1);
}

// Whether a word can be read from standard input without waiting forever:
// a terminal is asked, a pipe or file only when it already holds data (or
// its end), so a program started without a terminal never blocks here.
bool eingabe_lesbar()
{
    if (isatty(0)) return true;
    pollfd p{0, POLLIN, 0};
    return poll(&p, 1, 0) > 0 && (p.revents & (POLLIN | POLLHUP));
}

// One line of standard input, read byte by byte so that nothing of the
// next answer is swallowed; without a terminal only what is already there
// is read. False when nothing could be read.
bool zeile_lesen(char *ziel, size_t groesse)
{
    size_t n = 0;
    bool etwas = false;
    while (eingabe_lesbar()) {
        char c;
        if (read(0, &c, 1) != 1) break;
        etwas = true;
        if (c == '\n') break;
        if (n + 1 < groesse) ziel[n++] = c;
    }
    ziel[n] = '\0';
    return etwas;
}

Display *meinXOpenDisplay(const char *name)
{
    fehlerbehandlung_setzen();
    Display *d = XOpenDisplay(name);
    if (!d) d = XOpenDisplay(":0.0");
    if (d) return d;
    if (displayname[0] == '\0') {
        printf("Display ? (z.B. name:0.0) :");
        fflush(stdout);
        if (eingabe_lesbar() && scanf("%79s", displayname) != 1) displayname[0] = '\0';
        if (!isatty(0)) printf("\n");  // nobody typed the line end
    }
    d = XOpenDisplay(displayname);
    if (!d) printf("kann Display '%s' nicht oeffnen\n", displayname);
    return d;
}
