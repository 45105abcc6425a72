// Saving the picture shown: the format by the name's ending, a proposed
// name for the moment shown, and the file written under a scratch name
// that becomes the name only when it is complete.
#include "bildspeichern.h"

#include "bessel.h"

#include "xmalwerk1/xmalwerk1.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

GezeigtesBild gezeigtes_bild;

const char *const bildendungen_meldung = "Bilder werden als .png, .svg oder .eps gespeichert.";

bool endet_mit(const std::string &name, const char *endung)
{
    size_t n = strlen(endung);
    if (name.size() <= n) return false;
    for (size_t i = 0; i < n; ++i)
        if (tolower(static_cast<unsigned char>(name[name.size() - n + i])) != endung[i]) return false;
    return true;
}

namespace {

std::string verzeichnis_von(const std::string &name)
{
    size_t s = name.rfind('/');
    if (s == std::string::npos) return ".";
    return s == 0 ? "/" : name.substr(0, s);
}

// Whether the existing file ziel is one the user may not write. Root may
// write any file, yet one without its owner's write bit is meant to be kept.
bool schreibgeschuetzt(const std::string &ziel, const struct stat &st)
{
    return access(ziel.c_str(), W_OK) != 0 || (geteuid() == 0 && !(st.st_mode & S_IWUSR));
}

bool schreiben(Bildformat format, const std::string &datei)
{
    GezeigtesBild &g = gezeigtes_bild;
    auto zeichnen = [&g]() { g.zeichnen(*g.bessel, g.t); };
    if (format == Bildformat::svg) return bild_aufzeichnen("SVG", datei.c_str(), zeichnen);
    if (format == Bildformat::eps) return bild_aufzeichnen("POST", datei.c_str(), zeichnen);
    // The frame on the screen, drawn again into the back buffer, is read
    // from there; the next frame shows it once more.
    zeichnen();
    return png_speichern(datei.c_str()) == 1;
}

}  // namespace

void bild_gezeigt(Bessel &bessel, double t, Bildzeichner zeichnen)
{
    gezeigtes_bild = {&bessel, t, zeichnen};
}

Bildformat bildformat(const std::string &name)
{
    if (endet_mit(name, ".png")) return Bildformat::png;
    if (endet_mit(name, ".svg")) return Bildformat::svg;
    if (endet_mit(name, ".eps")) return Bildformat::eps;
    return Bildformat::unbekannt;
}

std::string bildname_vorschlag(const Elemente &e, double t)
{
    // The caption's date and time, rolled over as a calendar does.
    Tageszeit z = beschriftungszeit(e.mjd, e.datum.jahr, e.datum.monat, e.datum.tag, t);
    char text[64];
    snprintf(text, sizeof text, "umbrix-%04d-%02d-%02lld-%02d%02d.png", z.jahr, z.monat, z.tag, z.stunden, z.minuten);
    return text;
}

bool datei_ersetzen(const std::string &name, const char *was, const Dateischreiber &schreiben, std::string *fehler,
                    Ueberschreibfrage fragen)
{
    const std::string nicht = std::string(was) + " nicht gespeichert: ";
    // A link stays one: the file at its end is replaced, and keeps its mode.
    const std::string ziel = linkziel(name);
    if (ziel.empty()) {
        *fehler = nicht + name + " (" + strerror(ELOOP) + ").";
        return false;
    }
    // Only a regular file is replaced; a device or a FIFO is no picture.
    if (!ersetzbar(ziel)) {
        *fehler = nicht + name + " ist keine gewoehnliche Datei.";
        return false;
    }
    struct stat st;
    if (stat(ziel.c_str(), &st) == 0) {
        if (schreibgeschuetzt(ziel, st)) {
            *fehler = nicht + name + " ist schreibgeschuetzt.";
            return false;
        }
        if (fragen && !fragen(name)) {
            fehler->clear();
            return false;
        }
    }
    int fd;
    const std::string hilf = hilfsdatei_anlegen(ziel, &fd);
    if (hilf.empty()) {
        *fehler = nicht + "in " + verzeichnis_von(ziel) + " kann keine Datei angelegt werden (" + strerror(errno) +
                  ").";
        return false;
    }
    close(fd);  // the writers open the file by its name
    if (!schreiben(hilf)) {
        unlink(hilf.c_str());
        *fehler = nicht + name + " konnte nicht geschrieben werden.";
        return false;
    }
    if (rename(hilf.c_str(), ziel.c_str()) != 0) {
        int e = errno;
        unlink(hilf.c_str());
        *fehler = nicht + name + " (" + strerror(e) + ").";
        return false;
    }
    printf("%s gespeichert: %s\n", was, name.c_str());
    fflush(stdout);
    return true;
}

bool bild_speichern(const std::string &name, std::string *fehler, Ueberschreibfrage fragen)
{
    Bildformat format = bildformat(name);
    if (format == Bildformat::unbekannt) {
        *fehler = "Unbekannte Endung: " + name + "\n" + bildendungen_meldung;
        return false;
    }
    if (!gezeigtes_bild.zeichnen) {
        *fehler = "Bild nicht gespeichert: es wird noch kein Bild gezeigt.";
        return false;
    }
    return datei_ersetzen(
        name, "Bild", [format](const std::string &hilf) { return schreiben(format, hilf); }, fehler, fragen);
}

bool ueberschreiben_fragen(const std::string &name)
{
    size_t s = name.rfind('/');
    std::string text = "Datei " + name.substr(s == std::string::npos ? 0 : s + 1) + " gibt es schon. Ueberschreiben?";
    return janeinrequester(&text[0], const_cast<char *>("Ja"), const_cast<char *>("Nein")) == 1;
}

void speicherfehler_zeigen(const std::string &fehler)
{
    if (fehler.empty()) return;
    printf("%s\n", fehler.c_str());
    fflush(stdout);
    janeinrequester(const_cast<char *>(fehler.c_str()), nullptr, nullptr);
}

bool speichername_erfragen(const char *titel, const std::string &vorschlag, std::string *gewaehlt)
{
    char name[400] = "";
    char *hier = getcwd(nullptr, 0);
    std::string pfad = vorschlag;
    if (hier) pfad = std::string(hier) + (strcmp(hier, "/") ? "/" : "") + vorschlag;
    free(hier);
    strcpymax(name, pfad.c_str(), sizeof name);
    // A title beginning with "Speichern" gives the requester its SAVE button.
    if (!nachfilenamefragen(const_cast<char *>(titel), name, sizeof name, 1, nullptr, nullptr, nullptr, nullptr,
                            nullptr))
        return false;
    *gewaehlt = name;
    return true;
}

void m_bild(long)
{
    if (!gezeigtes_bild.bessel) return;
    std::string name, fehler;
    if (speichername_erfragen("Speichern: Bild als .png, .svg oder .eps",
                              bildname_vorschlag(gezeigtes_bild.bessel->werte, gezeigtes_bild.t), &name) &&
        !bild_speichern(name, &fehler, ueberschreiben_fragen))
        speicherfehler_zeigen(fehler);
}
