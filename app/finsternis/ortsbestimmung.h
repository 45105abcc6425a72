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

// Reads one coordinate from text: a plain decimal number (see
// dezimalzahl_lesen) or the forms people paste, with a hemisphere letter
// and degrees, minutes, seconds: "40.4168N", "3.7038 W", "40°25'N",
// "40°25'00.5\"N" (N/S for a grenze of 90, the latitude; else E, O or W);
// |value| <= grenze. On failure returns false and says what is wrong,
// naming the coordinate by name (a decimal comma: that a point is wanted).
bool koordinate_lesen(const char *text, const char *name, double grenze, double *wert, std::string *fehler);

// The place as the settings store keeps it: "BREITE LAENGE", e.g.
// "48.1374 11.5755".
std::string ort_text(const Ort &ort);
// Reads that text back, or the two coordinates typed in one text in any
// form koordinate_lesen takes ("40°25'N 3°42'W", "40.4168, -3.7038");
// false with the reason when it is not two coordinates within the ranges.
bool ort_aus_text(const char *text, Ort *ort, std::string *fehler);

#endif
