// Geometric positions of the Sun and the Moon from the published theories:
// VSOP87 for the Earth, ELP 2000-82B for the Moon, with the lunar secular
// acceleration of the five-millennium eclipse canon (-25.858"/cy^2 instead
// of ELP's -23.8946"/cy^2). Both geocentric, in the fixed (dynamical)
// ecliptic and equinox of J2000; t is the Julian date in TD.
#ifndef UMBRIX_FINSTERNIS_EPHEMERIDE_H
#define UMBRIX_FINSTERNIS_EPHEMERIDE_H

// Longitude and latitude in radians, distance in km (Moon) or au (Sun).
struct Ekliptikal {
    double laenge = 0, breite = 0, abstand = 0;
};

// The Moon, geometric (no light time).
Ekliptikal mond_ekliptikal(double jd_td);

// The Sun, geometric (without aberration).
Ekliptikal sonne_ekliptikal(double jd_td);

#endif
