// Delta T = TD - UT, the clock error of the Earth's rotation, as the eclipse
// canons of five millennia reckon it.
#ifndef UMBRIX_FINSTERNIS_DELTAT_H
#define UMBRIX_FINSTERNIS_DELTAT_H

// Delta T in seconds at the decimal year y = year + (month - 0.5) / 12
// (astronomical years): the polynomial expressions of Espenak and Meeus
// after Morrison and Stephenson (2004), with the correction for a lunar
// secular acceleration of -25.858 arcsec/century^2 instead of their -26.
double delta_t(double y);

// The decimal year of a month as delta_t takes it.
double dezimaljahr(int jahr, int monat);

#endif
