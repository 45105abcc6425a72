// Pens: line patterns (dash style and thickness) and their names.
#include "intern.h"
#include "../requester/requester.h"

#include <cstdio>

namespace {

unsigned char dotted[8] = {2, 1, 2, 5};
unsigned char dotdash[8] = {4, 1, 8, 5, 2, 5};
unsigned char shortdash[8] = {2, 1, 8, 3};
unsigned char longdash[8] = {2, 1, 12, 4};
unsigned char dotdotdash[8] = {6, 1, 8, 5, 2, 5, 2, 5};
unsigned char ldotdash[8] = {4, 1, 10, 5, 4, 5};
unsigned char mdash[8] = {2, 1, 10, 3};

constexpr int DICK = 0x100;

// The usable dash elements of a description; 0 for a solid line. Counts
// beyond the six elements and zero lengths (which X refuses) make an
// application-changed description solid instead of failing.
int strichanzahl(const unsigned char *b)
{
    if (!b[1] || b[0] < 1 || b[0] > 6) return 0;
    for (int i = 0; i < b[0]; ++i)
        if (b[2 + i] == 0) return 0;
    return b[0];
}

}  // namespace

void postscript_muster(int alt, int neu)
{
    FILE *f = malwerk_fpbild;
    if ((neu & DICK) && !(alt & DICK)) fputs("3 setlinewidth ", f);
    if ((alt & DICK) && !(neu & DICK)) fputs("1 setlinewidth ", f);
    const unsigned char *elemente;
    int n = strichelemente(neu, &elemente);
    if (neu & 7) {
        fputs("[", f);
        for (int i = 0; i < n; ++i) fprintf(f, "%d ", elemente[i]);
        fputs("] 0 setdash\n", f);
    } else if (alt & 7) {
        fputs("[] 0 setdash\n", f);
    }
}

unsigned char normaleLinie[8] = {0};
unsigned char *gestrichelt[7] = {dotted, dotdash, shortdash, longdash, dotdotdash, ldotdash, mdash};

// Entries of three bytes: first letter, second letter (0: any), pattern.
const char patt_tabelle[] = {'N', 'O', 0x40, 'P', 'U', 0x61, 'D', 'O', 0x61, 'P', 'S', 0x62,
                             'D', 'D', 0x62, 'K', 'S', 0x63, 'S', 'D', 0x63, 'P', 'P', 0x65,
                             'L', 'P', 0x66, 'M', 'S', 0x67, 'L', 0,   0x64, 0};

short pattern = 0x40;

int strichelemente(int muster, const unsigned char **elemente)
{
    int stil = muster & 7;
    const unsigned char *b = stil ? gestrichelt[stil - 1] : normaleLinie;
    *elemente = b + 2;
    return strichanzahl(b);
}

void setpattern(int muster)
{
    short neu = static_cast<short>(muster);
    if (neu == pattern) return;
    if (!anzeige_offen("setpattern")) return;
    if (debug > 0) printf("setpattern(%04X)\n", muster);
    const unsigned char *b;
    int n = strichelemente(muster, &b);
    if (n) XSetDashes(dpy, gc, 0, reinterpret_cast<const char *>(b), n);
    XSetLineAttributes(dpy, gc, (muster & DICK) ? 3 : 1, n ? LineOnOffDash : LineSolid, CapRound, JoinRound);
    if (qsaveflag) {
        bildplot(0, 0, 4);
        if (malwerk_postflag && malwerk_fpbild) postscript_muster(pattern, muster);
    }
    pattern = neu;
}

int stift_code(const char *name, int muster)
{
    char a = name ? name[0] : 0;
    char z = a ? name[1] : 0;
    if ((a == 'F' && z == 'E') || (a == 'B' && z == 'O')) return muster | DICK;
    for (const char *e = patt_tabelle; *e; e += 3) {
        if (e[0] == a && (e[1] == 0 || e[1] == z)) {
            int code = static_cast<unsigned char>(e[2]);
            // The thin solid pen drops thickness; every other keeps it.
            return code == 0x40 ? code : code | (muster & DICK);
        }
    }
    return 0x40;
}

void mal_pen(const char *name)
{
    PLOT_FLUSH();
    setpattern(stift_code(name, pattern));
}

void pen(const char *name)
{
    mal_pen(descrtext(name));
}
