// The eclipse viewer: the globe with the Moon's shadow in a window, its
// menus and main loop, and pictures saved from it.
#ifndef UMBRIX_BETRACHTER_BETRACHTER_H
#define UMBRIX_BETRACHTER_BETRACHTER_H

#include "datendatei.h"
#include "zustand.h"

#include "finsternis/finsternis.h"

#include <string>

// Opens the window and animates the eclipses that the command line chose
// (kommandozeile_auswerten) until Exit or the window is closed. Returns 0.
int betrachter_starten();

// Opens the window, shows the eclipse of the record (index nummer in the
// file) at moment t (hours from T0) with its path, saves the picture under
// datei (its ending chooses the format) and closes the window again. False
// with the reason when it was not saved.
bool bild_aus_satz_speichern(const Besselsatz &satz, int nummer, double t, const std::string &datei,
                             std::string *fehler);

// The same for the eclipse's animation, saved as an animated GIF (datei
// ends in .gif) of breite x hoehe pixels, drawn without showing a window.
bool film_aus_satz_speichern(const Besselsatz &satz, int nummer, int breite, int hoehe, const std::string &datei,
                             std::string *fehler);

#endif
