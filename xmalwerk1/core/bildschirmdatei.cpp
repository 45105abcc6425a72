// The record syntax of the screen description file.
#include "bildschirmdatei.h"

#include <cctype>

namespace {

// Longest record name; a longer one ends the reading.
const int maxname = 78;

// The first character that is neither white space nor inside a comment.
int satzanfang(FILE *f)
{
    for (;;) {
        int c = getc(f);
        if (c == ';') {
            while (c != '\n' && c != EOF) c = getc(f);
        }
        if (c == EOF || !isspace(c)) return c;
    }
}

}  // namespace

bool bildschirmeintrag_lesen(FILE *f, Bildschirmeintrag *e)
{
    if (satzanfang(f) != '"') return false;
    int n = 0;
    int c;
    while ((c = getc(f)) != '"') {
        if (c == EOF || n >= maxname) return false;
        e->name[n++] = static_cast<char>(c);
    }
    e->name[n] = '\0';
    if (fscanf(f, "%d %d %d", &e->breite, &e->hoehe, &e->tiefe) != 3) return false;
    return fscanf(f, "%d %d %d %d %lf", &e->xrahmen, &e->yrahmen, &e->xrand, &e->yrand, &e->aspekt) == 5;
}

bool bildschirm_suchen(FILE *f, int breite, int hoehe, int tiefe, Bildschirmeintrag *e)
{
    while (bildschirmeintrag_lesen(f, e))
        if (e->breite == breite && e->hoehe == hoehe && e->tiefe == tiefe) return true;
    return false;
}
