// Records of the screen description file, read without any X connection.
#ifndef XMALWERK1_CORE_BILDSCHIRMDATEI_H
#define XMALWERK1_CORE_BILDSCHIRMDATEI_H

#include <cstdio>

// One record: a quoted name, the screen's width, height and depth, the
// window frame across and down, the screen margins across and down and the
// pixel aspect (0 or less: keep the aspect).
struct Bildschirmeintrag {
    char name[80];
    int breite, hoehe, tiefe;
    int xrahmen, yrahmen, xrand, yrand;
    double aspekt;
};

// Reads the next record, skipping white space and ';' comments before it.
// False at the end of the file and at anything that is not a whole record
// (then the file is read no further).
bool bildschirmeintrag_lesen(FILE *f, Bildschirmeintrag *e);

// Reads records until one has the given width, height and depth: true with
// that record in *e; false when the file ends or turns malformed first.
bool bildschirm_suchen(FILE *f, int breite, int hoehe, int tiefe, Bildschirmeintrag *e);

#endif
