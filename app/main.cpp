// umbrix: the shadow of the Moon on the Earth during solar eclipses.
#include "befehle/befehle.h"
#include "betrachter/betrachter.h"

int main(int argc, char **argv)
{
    std::string fehler;
    if (!delta_t_abtrennen(&argc, argv, &fehler)) return befehl_fehler(fehler, 2);
    // A form of the command line answers without the viewer's window.
    if (const Befehlsform *form = befehlsform(argc, argv)) return befehl_ausfuehren(*form, argc, argv);
    if (const int status = kommandozeile_auswerten(argc, argv)) return status == 1 ? anwendung_ausgeben() : status;
    return betrachter_starten();
}
