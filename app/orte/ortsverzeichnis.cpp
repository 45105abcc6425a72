// The table of the gazetteer's cities: libgeonames asked once for every city
// in the user's language and in English, the result kept as a text file of
// one city per line (tab-separated) in the cache directory. The file's first
// line names what it was made from: the library file, the language settings
// and the catalogue files that translate the names; any change makes it anew.
#include "ortsverzeichnis.h"

#include <dlfcn.h>
#include <fcntl.h>
#include <libintl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <geonames.h>

#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

const char *const textdomaene = "geonames";

// Names in the language of LANGUAGE, LC_ALL, LC_MESSAGES, LANG, in UTF-8
// whatever the character set: only the messages' locale is set, so numbers
// are still printed with a point.
void sprache_einstellen()
{
    std::setlocale(LC_MESSAGES, "");
    bind_textdomain_codeset(textdomaene, "UTF-8");
}

std::string dateikennung(const std::string &pfad)
{
    struct stat st;
    if (stat(pfad.c_str(), &st) != 0) return pfad + ":-";
    char text[160];
    std::snprintf(text, sizeof text, ":%llu:%llu:%lld:%lld", static_cast<unsigned long long>(st.st_dev),
                  static_cast<unsigned long long>(st.st_ino), static_cast<long long>(st.st_size),
                  static_cast<long long>(st.st_mtime));
    return pfad + text;
}

std::string umgebung(const char *name)
{
    const char *w = std::getenv(name);
    return w ? w : "";
}

// The languages gettext may take the names from, as it looks them up.
std::vector<std::string> sprachen()
{
    std::vector<std::string> liste;
    std::string namen = umgebung("LANGUAGE") + ":" + std::setlocale(LC_MESSAGES, nullptr);
    size_t anfang = 0;
    while (anfang <= namen.size()) {
        size_t ende = namen.find(':', anfang);
        if (ende == std::string::npos) ende = namen.size();
        std::string s = namen.substr(anfang, ende - anfang);
        anfang = ende + 1;
        // de_DE.UTF-8@euro, de_DE.UTF-8, de_DE, de
        for (const char c : {'\0', '@', '.', '_'}) {
            if (c) s = s.substr(0, s.find(c));
            if (!s.empty() && s != "C" && s != "POSIX") liste.push_back(s);
        }
    }
    return liste;
}

// What the table is made from: the library, the language settings and each
// catalogue that may translate its names.
std::string herkunft()
{
    std::string text = "umbrix-orte 2";
    Dl_info info{};
    // By its file, whatever path the loader took to it ("/lib" or "/usr/lib").
    if (dladdr(reinterpret_cast<void *>(&geonames_get_n_cities), &info) && info.dli_fname) {
        std::unique_ptr<char, decltype(&std::free)> echt(realpath(info.dli_fname, nullptr), std::free);
        text += "|" + dateikennung(echt ? echt.get() : info.dli_fname);
    }
    for (const char *name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) text += "|" + umgebung(name);
    text += std::string("|") + std::setlocale(LC_MESSAGES, nullptr);
    const char *katalogverzeichnis = bindtextdomain(textdomaene, nullptr);
    for (const std::string &s : sprachen())
        text += "|" + dateikennung(std::string(katalogverzeichnis ? katalogverzeichnis : "") + "/" + s +
                                   "/LC_MESSAGES/" + textdomaene + ".mo");
    for (char &c : text)
        if (c == '\n' || c == '\t') c = ' ';
    return text;
}

std::string cacheverzeichnis()
{
    const std::string xdg = umgebung("XDG_CACHE_HOME");
    if (!xdg.empty() && xdg[0] == '/') return xdg + "/umbrix";
    const std::string heim = umgebung("HOME");
    return heim.empty() ? "" : heim + "/.cache/umbrix";
}

// The cache file for this language setting: one per setting, so that
// users of two languages do not make it anew in turn.
std::string cachedatei(const std::string &verzeichnis)
{
    std::string schluessel;
    for (const char *name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) schluessel += umgebung(name) + "|";
    unsigned long long h = 1469598103934665603ull;  // FNV-1a
    for (const unsigned char c : schluessel) h = (h ^ c) * 1099511628211ull;
    char name[64];
    std::snprintf(name, sizeof name, "/orte-%016llx.txt", h);
    return verzeichnis + name;
}

void feld_anhaengen(std::string *zeile, const char *text)
{
    for (const char *p = text ? text : ""; *p; ++p) zeile->push_back(*p == '\t' || *p == '\n' || *p == '\r' ? ' ' : *p);
    zeile->push_back('\t');
}

// The table as text, from the library: every city's fields in the user's
// language, then (with the messages' locale at C, which gettext leaves
// untranslated) in English.
std::string verzeichnis_machen(const std::string &kopf)
{
    const int n = geonames_get_n_cities();
    std::vector<std::string> zeilen(static_cast<size_t>(n > 0 ? n : 0));
    std::vector<std::string> englisch(zeilen.size()), schluessel_englisch(zeilen.size());
    for (int sprache = 0; sprache < 2; ++sprache) {
        const std::string vorher = std::setlocale(LC_MESSAGES, nullptr);
        if (sprache == 1) std::setlocale(LC_MESSAGES, "C");
        for (int i = 0; i < n; ++i) {
            GeonamesCity *stadt = geonames_get_city(i);
            if (!stadt) continue;
            const size_t k = static_cast<size_t>(i);
            const char *name = geonames_city_get_name(stadt);
            if (sprache == 0) {
                std::string &z = zeilen[k];
                feld_anhaengen(&z, name);
                feld_anhaengen(&z, geonames_city_get_state(stadt));
                feld_anhaengen(&z, geonames_city_get_country(stadt));
                feld_anhaengen(&z, geonames_city_get_country_code(stadt));
                feld_anhaengen(&z, geonames_city_get_timezone(stadt));
                char zahlen[96];
                std::snprintf(zahlen, sizeof zahlen, "%.6f\t%.6f\t%u", geonames_city_get_latitude(stadt),
                              geonames_city_get_longitude(stadt), geonames_city_get_population(stadt));
                z += zahlen;
                z.insert(0, falten(name ? name : "") + "\t");
            } else {
                schluessel_englisch[k] = falten(name ? name : "");
                feld_anhaengen(&englisch[k], geonames_city_get_state(stadt));
                feld_anhaengen(&englisch[k], geonames_city_get_country(stadt));
            }
            geonames_city_free(stadt);
        }
        if (sprache == 1) std::setlocale(LC_MESSAGES, vorher.c_str());
    }
    // key, English key, name, state, country, code, zone, latitude,
    // longitude, population, English state and country.
    std::string text = kopf + "\t" + std::to_string(n) + "\n";
    for (size_t i = 0; i < zeilen.size(); ++i) {
        const size_t tab = zeilen[i].find('\t');
        std::string e = englisch[i];
        if (!e.empty()) e.pop_back();  // the last tab
        text += zeilen[i].substr(0, tab + 1) + schluessel_englisch[i] + "\t" + zeilen[i].substr(tab + 1) + "\t" + e + "\n";
    }
    return text;
}

// The file mapped for the life of the process: no copy of its pages.
bool datei_abbilden(const std::string &pfad, std::string_view *inhalt)
{
    const int fd = open(pfad.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return false;
    struct stat st;
    bool gut = fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0 && st.st_size < (64 << 20);
    if (gut) {
        void *p = mmap(nullptr, static_cast<size_t>(st.st_size), PROT_READ, MAP_PRIVATE, fd, 0);
        gut = p != MAP_FAILED;
        if (gut) *inhalt = std::string_view(static_cast<const char *>(p), static_cast<size_t>(st.st_size));
    }
    close(fd);
    return gut;
}

// Kept beside its final name and renamed over it, so that a reader never
// sees half a file. A cache that cannot be written is no fault.
void datei_schreiben(const std::string &verzeichnis, const std::string &pfad, const std::string &inhalt)
{
    for (size_t i = 1; i <= verzeichnis.size(); ++i)
        if (i == verzeichnis.size() || verzeichnis[i] == '/') mkdir(verzeichnis.substr(0, i).c_str(), 0700);
    std::string vorlage = pfad + ".XXXXXX";
    const int fd = mkstemp(&vorlage[0]);
    if (fd < 0) return;
    bool gut = true;
    for (size_t geschrieben = 0; gut && geschrieben < inhalt.size();) {
        const ssize_t n = write(fd, inhalt.data() + geschrieben, inhalt.size() - geschrieben);
        if (n < 0 && errno == EINTR) continue;
        gut = n > 0;
        if (gut) geschrieben += static_cast<size_t>(n);
    }
    gut = close(fd) == 0 && gut;
    if (!gut || rename(vorlage.c_str(), pfad.c_str()) != 0) unlink(vorlage.c_str());
}

// The lines of the table in text; empty when the text is not one made
// from kopf (another library or language, a file cut short).
std::string_view verzeichnis_pruefen(std::string_view text, const std::string &kopf)
{
    const size_t kopfende = text.find('\n');
    if (kopfende == std::string_view::npos || text.compare(0, kopf.size(), kopf) != 0 || text[kopf.size()] != '\t' ||
        text.back() != '\n')
        return {};
    const std::string anzahl(text.substr(kopf.size() + 1, kopfende - kopf.size() - 1));
    size_t zeilen = 0;
    for (const char *p = text.data() + kopfende + 1, *ende = text.data() + text.size();
         (p = static_cast<const char *>(std::memchr(p, '\n', static_cast<size_t>(ende - p)))) != nullptr; ++p)
        ++zeilen;
    if (std::to_string(zeilen) != anzahl) return {};
    return text.substr(kopfende + 1);
}

// A number as the table writes it ("%.6f"), read without strtod, which
// would take most of the time of a pass over the table.
bool festkomma(std::string_view text, double *wert)
{
    const bool negativ = !text.empty() && text[0] == '-';
    if (negativ) text.remove_prefix(1);
    long long ganz = 0;
    int nachkomma = -1;
    for (const char c : text) {
        if (c == '.' && nachkomma < 0) {
            nachkomma = 0;
        } else if (c >= '0' && c <= '9' && ganz < 1000000000000LL) {
            ganz = ganz * 10 + (c - '0');
            if (nachkomma >= 0) ++nachkomma;
        } else {
            return false;
        }
    }
    if (text.empty() || nachkomma == 0) return false;
    static const double zehner[] = {1, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12};
    if (nachkomma > 12) return false;
    *wert = static_cast<double>(ganz) / zehner[nachkomma < 0 ? 0 : nachkomma] * (negativ ? -1 : 1);
    return true;
}

std::string_view feld_nehmen(std::string_view *zeile)
{
    const size_t tab = zeile->find('\t');
    const std::string_view feld = zeile->substr(0, tab);
    zeile->remove_prefix(tab == std::string_view::npos ? zeile->size() : tab + 1);
    return feld;
}

}  // namespace

std::string falten(std::string_view text)
{
    std::unique_ptr<gchar, decltype(&g_free)> normal(
        g_utf8_normalize(text.data(), static_cast<gssize>(text.size()), G_NORMALIZE_ALL_COMPOSE), g_free);
    if (!normal) return "";
    std::unique_ptr<gchar, decltype(&g_free)> ascii(g_str_to_ascii(normal.get(), "C"), g_free);
    std::string quelle = ascii ? ascii.get() : "";
    // A letter without a Latin spelling became '?': keep the script, in
    // one case.
    if (quelle.find('?') != std::string::npos && !std::strchr(normal.get(), '?')) {
        std::unique_ptr<gchar, decltype(&g_free)> klein(g_utf8_casefold(normal.get(), -1), g_free);
        quelle = klein ? klein.get() : "";
    }
    std::string ergebnis;
    bool trenner = false;
    for (const char c : quelle) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (u >= 0x80 || (u >= '0' && u <= '9') || (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z')) {
            if (trenner && !ergebnis.empty()) ergebnis += ' ';
            trenner = false;
            ergebnis += (u >= 'A' && u <= 'Z') ? static_cast<char>(u - 'A' + 'a') : c;
        } else if (c != '\'') {  // "Step'anavan" as "Stepanavan"
            trenner = true;
        }
    }
    return ergebnis;
}

bool naechste_zeile(std::string_view *rest, std::string_view *zeile)
{
    if (rest->empty()) return false;
    const size_t ende = rest->find('\n');
    *zeile = rest->substr(0, ende);
    rest->remove_prefix(ende == std::string_view::npos ? rest->size() : ende + 1);
    return true;
}

void schluessel_lesen(std::string_view zeile, std::string_view *schluessel, std::string_view *englisch)
{
    *schluessel = feld_nehmen(&zeile);
    *englisch = feld_nehmen(&zeile);
}

bool eintrag_lesen(std::string_view zeile, Verzeichniseintrag *e)
{
    std::string_view *texte[] = {&e->schluessel, &e->schluessel_englisch, &e->name, &e->staat, &e->land,
                                 &e->landeskennung, &e->zone};
    for (std::string_view *t : texte) *t = feld_nehmen(&zeile);
    const std::string_view breite = feld_nehmen(&zeile), laenge = feld_nehmen(&zeile);
    const std::string_view einwohner = feld_nehmen(&zeile);
    if (zeile.empty() || !festkomma(breite, &e->breite) || !festkomma(laenge, &e->laenge)) return false;
    e->einwohner = std::strtoul(einwohner.data(), nullptr, 10);  // ends at its tab
    e->staat_englisch = feld_nehmen(&zeile);
    e->land_englisch = zeile;
    return e->breite >= -90 && e->breite <= 90 && e->laenge >= -180 && e->laenge <= 180;
}

std::string_view ortsverzeichnis()
{
    // What the table's lines point into lives as long as the process.
    static std::string gemacht;
    static std::string_view zeilen;
    static bool gelesen = false;
    if (gelesen) return zeilen;
    gelesen = true;
    sprache_einstellen();
    const std::string kopf = herkunft();
    const std::string verzeichnis = cacheverzeichnis();
    const std::string pfad = verzeichnis.empty() ? "" : cachedatei(verzeichnis);
    std::string_view datei;
    if (!pfad.empty() && datei_abbilden(pfad, &datei)) {
        zeilen = verzeichnis_pruefen(datei, kopf);
        if (!zeilen.empty()) return zeilen;
        munmap(const_cast<char *>(datei.data()), datei.size());
    }
    gemacht = verzeichnis_machen(kopf);
    zeilen = verzeichnis_pruefen(gemacht, kopf);
    if (!pfad.empty() && !zeilen.empty()) datei_schreiben(verzeichnis, pfad, gemacht);
    return zeilen;
}
