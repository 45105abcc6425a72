// Layout of the input form and of the yes/no message box: numbers only,
// from the character cell and the lengths of the texts.
#ifndef XMALWERK1_REQUESTER_ANORDNUNG_H
#define XMALWERK1_REQUESTER_ANORDNUNG_H

#include <vector>

struct Rechteck {
    int x, y, breite, hoehe;
};

// One field of the input form.
struct Formularfeld {
    int label_laenge;  // characters of the label
    int text_laenge;   // characters of the value as shown
    bool neue_zeile;   // the read format ends in a newline: the next field starts a row
};

struct Formularanordnung {
    std::vector<Rechteck> felder;
    std::vector<int> maxlaenge;  // display limit of each field's buffer
    Rechteck ok, abbruch;
    int feldhoehe;  // also the lift of the labels above the fields
    int breite, hoehe;
};

Formularanordnung formular_anordnen(int cw, int ch, const std::vector<Formularfeld> &felder);

struct Meldungsanordnung {
    int breite, hoehe;
    int knopfbreite;
    int zeileneinheit;  // lh: height of a button, and the unit of the line pitch
    int text_x, text_y;  // first baseline
    int knopf_y;         // centre line of the buttons
    Rechteck knopf[2];   // the second exists (and is computed) even with one button
    int beschriftung_x[2], beschriftung_y;
    // Baseline of line i of a text with several lines.
    int zeile_y(int i) const { return text_y + (i * zeileneinheit * 2) / 3; }
};

// zeilen: lines of the text; laengste: characters of its longest line;
// knopflaenge: characters of the longer button caption.
Meldungsanordnung meldung_anordnen(int cw, int ch, int zeilen, int laengste, int knopflaenge, bool zwei_knoepfe);

// The file requester: filter field (optional), list, path and file-name
// fields, one under the other, and a row of four buttons.
struct Dateianordnung {
    bool mit_filter;
    Rechteck filter, liste, pfad, datei;  // liste without its scroll bar
    Rechteck ok, knopf1, knopf2, abbruch;
    int feldhoehe;
    int breite, hoehe;
};

// Lengths of the texts that the fields start with; filterlaenge < 0: no
// filter field. The captions of all fields are 6 characters long.
Dateianordnung dateirequester_anordnen(int cw, int ch, int zeilen, int filterlaenge, int pfadlaenge,
                                       int dateilaenge);

// The list requester: the list (zeilen rows, room for laengste characters)
// above OK and CANCEL; with a heading, one row for it above the list.
struct Listenanordnung {
    Rechteck liste;  // without its scroll bar
    Rechteck ok, abbruch;
    int feldhoehe;
    int breite, hoehe;
};

Listenanordnung listenrequester_anordnen(int cw, int ch, int zeilen, int laengste, bool kopf = false);

#endif
