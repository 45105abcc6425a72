// Reading the arguments of --ort and --liste: the place as coordinates or
// by name, the rest numbers in their ranges, each fault named in one line.
#include "ortbefehl.h"

#include "befehle.h"
#include "ortszeit/ortszeit.h"

#include "orte/orte.h"

#include <cstring>

namespace {

std::string zitat(const char *text)
{
    return std::string("\"") + text + "\"";
}

}  // namespace

Ortbefehl ortbefehl_lesen(int argc, char **argv)
{
    Ortbefehl b;
    if (argc < 2) return b;
    if (std::strcmp(argv[1], "--ort") == 0)
        b.art = Ortbefehl::ort;
    else if (std::strcmp(argv[1], "--liste") == 0)
        b.art = Ortbefehl::liste;
    else
        return b;
    const char *jahresname = b.art == Ortbefehl::ort ? "JAHR" : "VON";
    const char *monatsname = b.art == Ortbefehl::ort ? "MONAT" : "BIS";

    int positionen = 0;
    bool hoehe_gegeben = false, zone_gegeben = false;
    Ortsangabe angabe;  // a place given by name
    for (int i = 2; i < argc; ++i) {
        const char *a = argv[i];
        if (std::strcmp(a, "--zeitzone") == 0) {
            if (zone_gegeben) return b.fehler = "--zeitzone doppelt angegeben.", b;
            if (i + 1 >= argc || !*argv[i + 1] || std::strncmp(argv[i + 1], "--", 2) == 0)
                return b.fehler = "--zeitzone ohne ZONE.", b;
            b.zone = argv[++i];
            if (!zeitzone_gibt_es(b.zone)) return b.fehler = "Unbekannte Zeitzone: " + zitat(argv[i]), b;
            zone_gegeben = true;
            continue;
        }
        if (std::strcmp(a, "--hoehe") == 0) {
            if (hoehe_gegeben) return b.fehler = "--hoehe doppelt angegeben.", b;
            if (i + 1 >= argc) return b.fehler = "--hoehe ohne METER.", b;
            ++i;
            if (!dezimalzahl_lesen(argv[i], &b.platz.hoehe))
                return b.fehler = std::string("Hoehe ") + dezimalzahl_fehler(argv[i]) + ": " + zitat(argv[i]), b;
            if (b.platz.hoehe < -1000 || b.platz.hoehe > 100000)
                return b.fehler = "Hoehe ausserhalb -1000..100000 m: " + zitat(argv[i]), b;
            hoehe_gegeben = true;
            continue;
        }
        ++positionen;
        if (positionen == 1 && !zahlartig(a)) {
            // A name: its words up to the first number or option,
            // "New York 2024 4" as "New York" 2024 4.
            std::string name = a;
            while (i + 1 < argc && !zahlartig(argv[i + 1]) && std::strncmp(argv[i + 1], "--", 2) != 0)
                name += std::string(" ") + argv[++i];
            if (!ort_finden(name, &angabe, &b.fehler)) return b;
            b.platz.breite = angabe.ort.breite;
            b.platz.laenge = angabe.ort.laenge;
            ++positionen;
        } else if (positionen == 1 && std::strpbrk(a, " \t") && !koordinate_lesen(a, "Breite", 90, &b.platz.breite, &b.fehler)) {
            // Both coordinates in one argument: "40°25'N 3°42'W".
            Ort o;
            if (!ort_aus_text(a, &o, &b.fehler)) return b;
            b.platz.breite = o.breite;
            b.platz.laenge = o.laenge;
            b.fehler.clear();
            ++positionen;
        } else if (positionen == 1 || positionen == 2) {
            const bool breite = positionen == 1;
            if (!koordinate_lesen(a, breite ? "Breite" : "Laenge", breite ? 90 : 180,
                                  breite ? &b.platz.breite : &b.platz.laenge, &b.fehler))
                return b;
        } else if (positionen == 3 || positionen == 4) {
            const char *name = positionen == 3 ? jahresname : monatsname;
            int w = 0;
            if (!ganzzahl_lesen(a, &w)) return b.fehler = std::string(name) + " ist keine ganze Zahl: " + zitat(a), b;
            (positionen == 3 ? b.zahl1 : b.zahl2) = w;
            (positionen == 3 ? b.text1 : b.text2) = a;
            b.jahre = positionen - 2;
        } else if (positionen == 5 && b.art == Ortbefehl::ort) {
            if (!ganzzahl_lesen(a, &b.tag) || b.tag < 1 || b.tag > 31)
                return b.fehler = "TAG ist keine ganze Zahl von 1 bis 31: " + zitat(a), b;
        } else {
            return b.fehler = "Ueberzaehlige Angabe: " + zitat(a), b;
        }
    }
    if (positionen < 1) return b.fehler = "Ort fehlt: Breite und Laenge oder ein Name.", b;
    if (positionen < 2) return b.fehler = "Laenge fehlt.", b;
    if (b.art == Ortbefehl::ort && b.jahre == 2 && (b.zahl2 < 1 || b.zahl2 > 12))
        return b.fehler = "MONAT ausserhalb 1..12: " + zitat(b.text2.c_str()), b;
    if (b.art == Ortbefehl::liste && b.jahre == 2 && b.zahl2 < b.zahl1)
        return b.fehler = "BIS liegt vor VON: " + b.text1 + " " + b.text2, b;
    // The clock: --zeitzone, else the named town's zone, else for
    // coordinates the zone of the nearest town.
    if (!angabe.name.empty()) {
        angabe.ort.hoehe = b.platz.hoehe;
        b.ortszeile = ortsangabe_zeile(angabe);
        if (!zone_gegeben) b.zone = angabe.zone;
    } else if (!zone_gegeben) {
        Ortsangabe naechster;
        if (naechster_ort(b.platz, &naechster)) b.zone = naechster.zone;
    }
    return b;
}

int ortbefehl(int argc, char **argv)
{
    return ortbefehl_ausfuehren(ortbefehl_lesen(argc, argv));
}

int listenbefehl(int argc, char **argv)
{
    return ortbefehl_ausfuehren(ortbefehl_lesen(argc, argv));
}
