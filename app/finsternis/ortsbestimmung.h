// A place chosen by the user: picked on the turned globe, typed as text or
// kept in the settings store. Free of X.
#ifndef UMBRIX_FINSTERNIS_ORTSBESTIMMUNG_H
#define UMBRIX_FINSTERNIS_ORTSBESTIMMUNG_H

#include "fundamentalebene.h"

#include <string>

// The place on the globe under the point (x, y) of the fundamental plane
// (Earth radii) on the side facing the viewer, for the turning angles of
// erdkoordinatendrehen (radians): latitude and longitude in degrees, east
// and north positive, longitude in -180..180. The globe is a sphere, as it
// is drawn. False for a point off the disc; ort is then left as it was.
bool ort_aus_bildpunkt(double x, double y, double drehung, double neigung, Ort *ort);

// Reads one coordinate from text: the whole text must be a plain decimal
// number (see dezimalzahl_lesen) with |value| <= grenze. On failure returns
// false and says what is wrong, naming the coordinate by name.
bool koordinate_lesen(const char *text, const char *name, double grenze, double *wert, std::string *fehler);

// The place as the settings store keeps it: "BREITE LAENGE", e.g.
// "48.1374 11.5755".
std::string ort_text(const Ort &ort);
// Reads that text back; false with the reason when it is not two numbers
// within the ranges.
bool ort_aus_text(const char *text, Ort *ort, std::string *fehler);

#endif
