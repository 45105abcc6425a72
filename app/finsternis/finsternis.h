// The eclipse library: solar eclipses from their Besselian elements, free
// of X, of printing and of globals; it links ERFA alone. Values in, values
// out; a fault comes back as a text. Include this header and link the library finsternis.
//
//   elemente.h          the record of the eclipse file and the elements made from it
//   besseldatei.h       reading the eclipse file
//   finsterniswahl.h    the eclipse that a year and month choose
//   kalender.h          dates (Julian before 1582, Gregorian after), Julian days and the caption's time of day
//   deltat.h            Delta T, TD - UT, over five millennia
//   ephemeride.h        the Sun and the Moon from VSOP87 and ELP 2000-82B
//   elementberechnung.h the elements of an eclipse computed from them
//   finsternissuche.h   every eclipse of a span of years, found from them
//   fundamentalebene.h  the elements at a moment; places in the fundamental plane
//   ortsumstaende.h     what an eclipse looks like from a place
//   ortszeilen.h        that as the lines of --ort and --liste
//   schattenpfad.h      the path of the shadow
//   pfadzeilen.h        that as the table of --pfad
//   kanonwerte.h        what a canon gives of an eclipse, the lines of --kanon
//   ortsbestimmung.h    a place from text or from a point of the globe
//   dezimalzahl.h       numbers typed by the user
#ifndef UMBRIX_FINSTERNIS_FINSTERNIS_H
#define UMBRIX_FINSTERNIS_FINSTERNIS_H

#include "besseldatei.h"
#include "deltat.h"
#include "dezimalzahl.h"
#include "elementberechnung.h"
#include "elemente.h"
#include "ephemeride.h"
#include "finsternissuche.h"
#include "finsterniswahl.h"
#include "fundamentalebene.h"
#include "kalender.h"
#include "kanonwerte.h"
#include "ortsbestimmung.h"
#include "ortsumstaende.h"
#include "ortszeilen.h"
#include "pfadzeilen.h"
#include "schattenpfad.h"

#endif
