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
    {"--ort", "--ort Breite Laenge [Jahr [Monat]] [--hoehe Meter]", ortbefehl},
    {"--liste", "--liste Breite Laenge [Von [Bis]] [--hoehe Meter]", listenbefehl},
    {"--pfad", "--pfad [Jahr [Monat]]", pfadbefehl},
    {"--bild", "--bild Datei [Jahr [Monat [HH:MM]]]", bildbefehl},
};

const Befehlsform *form_namens(const char *name)
{
    for (const Befehlsform &f : formen)
        if (std::strcmp(name, f.name) == 0) return &f;
    return nullptr;
}

// Unlike "-x", which sets option letters, an argument that begins with
// "--" and names no form is a mistyped form.
const char *unbekannte_option(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], "--", 2) == 0 && !form_namens(argv[i])) return argv[i];
    return nullptr;
}

int unbekannt(int argc, char **argv)
{
    befehl_fehler(std::string("unbekannte Option ") + unbekannte_option(argc, argv), 2);
    anwendung_zeigen(stderr);
    return 2;
}

const Befehlsform unbekannte_form = {"", "", unbekannt};

}  // namespace

const Befehlsform *befehlsform(int argc, char **argv)
{
    if (argc > 1)
        if (const Befehlsform *f = form_namens(argv[1])) return f;
    // Refused before a display is asked for.
    return unbekannte_option(argc, argv) ? &unbekannte_form : nullptr;
}

int befehl_ausfuehren(const Befehlsform &form, int argc, char **argv)
{
    const int status = form.ausfuehren(argc, argv);
    errno = 0;
    if (std::fflush(stdout) == 0 && !std::ferror(stdout)) return status;
    std::fprintf(stderr, "umbrix: Ausgabe nicht geschrieben: %s\n", std::strerror(errno ? errno : EIO));
    return status ? status : 1;
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
}

std::string anwendungszeile(const char *name)
{
    const Befehlsform *f = form_namens(name);
    return std::string("Anwendung: umbrix ") + (f ? f->anwendung : name);
}

int anwendung_ausgeben()
{
    static const Befehlsform anwendung = {"", "", [](int, char **) {
                                              anwendung_zeigen(stdout);
                                              return 0;
                                          }};
    return befehl_ausfuehren(anwendung, 0, nullptr);
}
