// Starting over within one process: every global of the library back to its
// value at program start, for a program (or a test) that begins anew.
#include "intern.h"
#include "../menu/menu_intern.h"
#include "../requester/requester_intern.h"

void malwerk_grundzustand()
{
    // A plot file open without a picture gets its trailer too.
    if (malwerk_fpbild) bildclose();
    term_exit();
    zustand_grundzustand();
    sitzung_grundzustand();
    farben_grundzustand();
    pruefungen_grundzustand();
    xfehler_grundzustand();
    mal_text = _mal_text{};
    MALWERK_SCREENDATEN = "xmalwerk.screens";
    menu_grundzustand();
    requester_grundzustand();
}
