// Shared start of the harnesses that read the program's data files: the
// files come from aktuellerpfad (the scratch directory), and when a private
// X server can be had the program's 5:4 window with the globe as unit
// circle is opened, so that what was read is also drawn.
#ifndef UMBRIX_FUZZ_PROGRAMMFENSTER_H
#define UMBRIX_FUZZ_PROGRAMMFENSTER_H

#include "fuzzhilfe.h"

#include "betrachter/datendatei.h"
#include "xmalwerk1/xmalwerk1.h"

namespace fuzzhilfe {

// Returns whether a window is open.
inline bool programmfenster_oeffnen(const char *name)
{
    ausgabe_stumm();
    const std::string &ordner = arbeitsordner();
    aktuellerpfad = new char[ordner.size() + 1];
    memcpy(aktuellerpfad, ordner.c_str(), ordner.size() + 1);
    if (!xvfb_starten()) {
        fprintf(stderr, "%s: kein Xvfb, es wird nur gelesen und gerechnet\n", name);
        return false;
    }
    setsize(320, 256, 8);
    qinital(1, -1.875, -1.5, 1.875, 1.5);
    setcolor(4, 100, 150, 255);
    return true;
}

}  // namespace fuzzhilfe

#endif
