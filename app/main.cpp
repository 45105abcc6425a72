// umbrix: the shadow of the Moon on the Earth during solar eclipses.
#include "umbrix.h"

#include "xmalwerk1/xmalwerk1.h"

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace {

// Until the animation exists the window serves its menus until Exit or the
// window manager's close request.
void warten_bis_schliessen()
{
    while (!exitflag && !schliessen_angefordert()) {
        if (waitmenu(0)) return;
        Delay(1);
    }
}

}  // namespace

int main(int argc, char **argv)
{
    if (kommandozeile_auswerten(argc, argv)) {
        printf("umbrix  %s\n", "Version 0.4");
        printf("Anwendung: umbrix Jahr Monat\n");
        exit(0);
    }

    int w, h, d, klasse;
    getmaxsize(&w, &h, &d, &klasse);
    fenstergroesse_berechnen(&w, &h, &d);
    double aspect = static_cast<double>(w) / h;
    double xmax = 1.5 * aspect, xmin = -xmax, ymin = -1.5, ymax = 1.5;
    setsize(w, h, d);

    setmenu(2, "File", "Hilfe");
    setmenu(2, "Next", "Hilfe...", m_next, m_hilfe);
    setmenu(1, "Jahr...", m_set);
    setmenu(1, "Exit", menu_exit);

    qinital(1, xmin, ymin, xmax, ymax);
    setcolor(4, 100, 150, 255);

    warten_bis_schliessen();

    term_exit();
    delete[] aktuellerpfad;
    return 0;
}
