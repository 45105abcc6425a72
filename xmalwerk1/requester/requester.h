// xmalwerk1 requesters: modal dialog windows built from gadgets (input form,
// yes/no message box, file chooser) and the text and path helpers they use.
// Public interface.
#ifndef XMALWERK1_REQUESTER_REQUESTER_H
#define XMALWERK1_REQUESTER_REQUESTER_H

// ---------------------------------------------------------------------------
// Requesters
// ---------------------------------------------------------------------------
// Fields of four arguments each: label, show format, read format, pointer.
// A read format "%s" copies the field's whole text, blanks included, so the
// array needs room for all of it (up to 399 characters and the terminator);
// with a field width ("%39s") at most that many characters are copied.
int requester_input(int n, ...);
int janeinrequester(char *text, char *ja, char *nein);
// A list of anzahl texts, one of which the user chooses: scrollable, with
// OK and CANCEL. Returns the index of the entry chosen with OK, or -1 after
// CANCEL or when OK is pressed with no entry chosen. Entry vorwahl (0 ..
// anzahl - 1) stands chosen and in view when the list opens; -1: none.
// kopf, when given, is a line above the list that names its columns.
int requester_liste(const char *titel, const char *const *eintraege, int anzahl, int vorwahl = -1,
                    const char *kopf = nullptr);
int nachfilenamefragen(char *titel, char *name, int max, int flags, char *filter, char *ok, char *abbruch,
                       char *knopf1, char *knopf2);

// ---------------------------------------------------------------------------
// Text and path helpers
// ---------------------------------------------------------------------------
// VMS string descriptor: routines such as pen() and plotsave() accept either
// a plain text or one of these.
struct descr {
    unsigned short laenge;
    unsigned char typ;     // 14: character text
    unsigned char klasse;  // 1: fixed-length string
    const char *zeiger;
};

int strlen_zeile(const char *s, int *zeilen);
int anzahlzeilen(const char *s);
char *nextzeile(char *p);
char *zeilekopieren(char *ziel, const char *quelle);
int enthaelt(const char *s, const char *teil);
int gutes_index(const char *s, const char *teil);
int index2(const char *s, const char *teil);
const char *strcheck(const char *s, const char *anfang);
int stradd(const char *a, const char *b, char *ziel);
void strjoin(const char *a, int trenner, const char *b, char *ziel, int n);
char *strcpymax(char *ziel, const char *quelle, int n);
void strcpybis(char *ziel, const char *quelle, int stopp, int n);
void stringumkehren(const char *quelle, char *ziel);
char *newstring(const char *s);
char *strf(const char *format, long wert);
int maxwert(int a, int b);
int minwert(int a, int b);
int minmax(int x, int unten, int oben);
int ISTPUNKTPUNKT(const char *s);
descr *machdescr(const char *s, descr *d);
// The text of a plain string or of a descriptor made by machdescr.
const char *descrtext(const char *s);

#endif
