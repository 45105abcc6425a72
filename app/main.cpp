// umbrix: the shadow of the Moon on the Earth during solar eclipses.
#include "befehle/befehle.h"
#include "betrachter/betrachter.h"

int main(int argc, char **argv)
{
    // A form of the command line answers without the viewer's window.
    if (const Befehlsform *form = befehlsform(argc, argv)) return befehl_ausfuehren(*form, argc, argv);
    if (kommandozeile_auswerten(argc, argv)) return anwendung_ausgeben();
    return betrachter_starten();
}
