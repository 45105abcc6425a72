// The table of the command-line forms, the usage text made from it, and
// what every form shares: its faults on standard error and the check that
// its output was written.
#include "befehle.h"

#include <cerrno>
#include <cstring>

#ifndef UMBRIX_VERSION
#define UMBRIX_VERSION "?"
#endif

namespace {

const Befehlsform formen[] = {
    {"--ort", "--ort Breite Laenge|Name [Jahr [Monat [Tag]]] [--hoehe Meter] [--zeitzone Zone]", ortbefehl},
    {"--liste", "--liste Breite Laenge|Name [Von [Bis]] [--hoehe Meter] [--zeitzone Zone]", listenbefehl},
    {"--pfad", "--pfad [Jahr [Monat [Tag]]]", pfadbefehl},
    {"--bild", "--bild Datei [Jahr [Monat [Tag] [HH:MM]]]", bildbefehl},
    {"--suche", "--suche Name", suchbefehl},
    {"--kanon", "--kanon [Von [Bis]]", kanonbefehl},
    {"--elemente", "--elemente Jahr Monat [Tag]", elementebefehl},
    {"--film", "--film Datei.gif [Jahr [Monat]] [--groesse BxH]", filmbefehl},
};

const Befehlsform *form_namens(const char *name)
{
    for (const Befehlsform &f : formen)
        if (std::strcmp(name, f.name) == 0) return &f;
    return nullptr;
}

// The usage text asked for: on standard output, status 0.
const Befehlsform hilfe = {"", "", [](int, char **) {
                               anwendung_zeigen(stdout);
                               return 0;
                           }};

// What is wrong with an argument that the viewer does not take: a form's
// name after the first argument, a form's name with one dash, an argument
// that begins with "--" and names no form (unlike "-x", which sets option
// letters); empty when nothing is.
std::string falsches_argument(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--") break;  // values follow, negative years among them
        if (const Befehlsform *f = form_namens(a.c_str()))
            return a + " muss das erste Argument sein: umbrix " + f->anwendung;
        if (form_namens(("-" + a).c_str())) return "unbekannte Option " + a + "; gemeint ist -" + a;
        if (a.compare(0, 2, "--") == 0 && a != "--help") return "unbekannte Option " + a;
    }
    return "";
}

bool hilfe_verlangt(int argc, char **argv)
{
    for (int i = 1; i < argc && std::strcmp(argv[i], "--") != 0; ++i)
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) return true;
    return false;
}

int falsch(int argc, char **argv)
{
    return befehl_fehler(falsches_argument(argc, argv), 2);
}

const Befehlsform falsche_form = {"", "", falsch};

}  // namespace

const Befehlsform *befehlsform(int argc, char **argv)
{
    if (argc > 1)
        if (const Befehlsform *f = form_namens(argv[1])) return f;
    // Refused, or answered, before a display is asked for.
    if (!falsches_argument(argc, argv).empty()) return &falsche_form;
    return hilfe_verlangt(argc, argv) ? &hilfe : nullptr;
}

int befehl_ausfuehren(const Befehlsform &form, int argc, char **argv)
{
    const int status = form.ausfuehren(ohne_trenner(argc, argv), argv);
    errno = 0;
    if (std::fflush(stdout) == 0 && !std::ferror(stdout)) return status;
    std::fprintf(stderr, "umbrix: Ausgabe nicht geschrieben: %s\n", std::strerror(errno ? errno : EIO));
    return status ? status : 1;
}

bool ganze_zahl(const char *text, int von, int bis, int *wert)
{
    int w = 0;
    if (!ganzzahl_lesen(text, &w) || w < von || w > bis) return false;
    *wert = w;
    return true;
}

int befehl_fehler(const std::string &text, int status)
{
    std::fprintf(stderr, "umbrix: %s\n", text.c_str());
    return status;
}

void anwendung_zeigen(std::FILE *aus)
{
    std::fprintf(aus, "umbrix  Version %s\n", UMBRIX_VERSION);
    std::fprintf(aus, "Anwendung: umbrix Jahr Monat\n");
    for (const Befehlsform &f : formen) std::fprintf(aus, "           umbrix %s\n", f.anwendung);
    std::fprintf(aus, "Jede Form nimmt auch --deltat Sekunden; ein negatives Jahr steht nach -- "
                      "(umbrix -- -584 5).\n");
}

std::string anwendungszeile(const char *name)
{
    const Befehlsform *f = form_namens(name);
    return std::string("Anwendung: umbrix ") + (f ? f->anwendung : name);
}

int anwendung_ausgeben()
{
    return befehl_ausfuehren(hilfe, 0, nullptr);
}
