// A number typed by the user, on the command line or in a form.
#ifndef UMBRIX_DEZIMALZAHL_H
#define UMBRIX_DEZIMALZAHL_H

// Reads a plain decimal number: an optional sign, digits with at most one
// decimal point and an optional exponent, blanks around it allowed. No
// other base, no "inf" or "nan", nothing beyond the range of double; false
// for anything else, wert then left as it was.
bool dezimalzahl_lesen(const char *text, double *wert);

#endif
