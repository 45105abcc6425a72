// Answering --ort and --liste from the eclipse file, without a display and
// without the viewer's progress lines.
#include "befehle.h"
#include "ortbefehl.h"
#include "ortszeit/ortszeit.h"

#include <cstdio>
#include <vector>

int ortbefehl_ausfuehren(const Ortbefehl &befehl)
{
    if (!befehl.fehler.empty()) return befehl_fehler(befehl.fehler, 2);
    std::vector<Elemente> alle;
    std::string grund;
    if (!finsternisdatei_lesen(&alle, &grund)) return befehl_fehler(grund, 1);
    for (int i = 0; i < befehl.jahre && (i == 0 || befehl.art == Ortbefehl::liste); ++i) {
        const std::string ausserhalb = i == 0 ? jahr_ausserhalb(alle, befehl.zahl1, befehl.text1.c_str())
                                              : jahr_ausserhalb(alle, befehl.zahl2, befehl.text2.c_str());
        if (!ausserhalb.empty()) return befehl_fehler(ausserhalb, 2);
    }
    if (befehl.art == Ortbefehl::liste) {
        const int von = befehl.jahre >= 1 ? befehl.zahl1 : alle.front().datum.jahr;
        const int bis = befehl.jahre == 2 ? befehl.zahl2 : alle.back().datum.jahr;
        std::printf("%s\n", listenkopf(!befehl.zone.empty()).c_str());
        for (const Listeneintrag &e : finsternisliste(alle, befehl.platz, von, bis, befehl.zone))
            std::printf("%s\n", e.zeile.c_str());
        return 0;
    }
    // Without a year the viewer's own default, August 2008.
    const int jahr = befehl.jahre >= 1 ? befehl.zahl1 : 2008;
    const int monat = befehl.jahre == 2 ? befehl.zahl2 : befehl.jahre == 1 ? 0 : 8;
    const int i = befehl.tag ? finsternis_am(alle, jahr, monat, befehl.tag) : finsternis_waehlen(alle, jahr, monat);
    if (i < 0 && befehl.tag) return befehl_fehler(keine_finsternis_am(alle, jahr, monat, befehl.tag, besseldatei), 2);
    if (i < 0)
        return befehl_fehler(
            "Keine Finsternis ab " + std::to_string(monat) + "." + std::to_string(jahr) + " in " + besseldatei + ".",
            2);
    const Elemente &e = alle[static_cast<size_t>(i)];
    for (const std::string &zeile : ortszeilen(e, befehl.platz, ortsumstaende(e, befehl.platz), befehl.zone, befehl.ortszeile))
        std::printf("%s\n", zeile.c_str());
    return 0;
}
