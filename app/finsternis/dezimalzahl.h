// A number typed by the user, on the command line or in a form.
#ifndef UMBRIX_FINSTERNIS_DEZIMALZAHL_H
#define UMBRIX_FINSTERNIS_DEZIMALZAHL_H

// Reads a plain decimal number: an optional sign, digits with at most one
// decimal point and an optional exponent, blanks around it allowed. No
// other base, no "inf" or "nan"; false for anything else, wert then left
// as it was. One beyond the range of double is still a number and gives
// the largest double of its sign, outside every range a caller accepts;
// one other than 0 but too near 0 for a double is refused.
bool dezimalzahl_lesen(const char *text, double *wert);

// Why dezimalzahl_lesen refuses the text, to follow its name in a message:
// "ist keine Zahl", or "ist zu nahe an 0".
const char *dezimalzahl_fehler(const char *text);

// Reads a whole decimal number: an optional sign and digits, nothing else
// (no blanks). One beyond the range of int is still a whole number and
// gives the nearest int, outside every range a caller accepts.
bool ganzzahl_lesen(const char *text, int *wert);

#endif
