#include "hilfe/plotdateien.h"

#include "hilfe/dateien.h"
#include "hilfe/xvfb.h"
#include "xmalwerk1/core/intern.h"

#include <png.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <sstream>

namespace testhilfe {

namespace {

uint32_t be32(const std::string &s, size_t i)
{
    return (uint32_t(uint8_t(s[i])) << 24) | (uint32_t(uint8_t(s[i + 1])) << 16) | (uint32_t(uint8_t(s[i + 2])) << 8) |
           uint32_t(uint8_t(s[i + 3]));
}

unsigned be16(const std::string &s, size_t i)
{
    return (unsigned(uint8_t(s[i])) << 8) | unsigned(uint8_t(s[i + 1]));
}

int be16s(const std::string &s, size_t i)
{
    return static_cast<int16_t>(be16(s, i));
}

void vbdy_lesen(const std::string &s, size_t anfang, size_t ende, IffDatei *d)
{
    if (ende - anfang < 4) {
        d->fehler = "VBDY zu kurz";
        return;
    }
    d->uxmax = be16(s, anfang);
    d->uymax = be16(s, anfang + 2);
    size_t i = anfang + 4;
    while (i < ende) {
        if (ende - i < 2) {
            d->fehler = "Rest eines Satzes am Ende von VBDY";
            return;
        }
        IffPolylinie l;
        unsigned n = uint8_t(s[i]);
        l.farbe = uint8_t(s[i + 1]);
        i += 2;
        if (ende - i < 4 * size_t(n)) {
            d->fehler = "Satz ragt ueber VBDY hinaus";
            return;
        }
        for (unsigned k = 0; k < n; ++k, i += 4) l.punkte.emplace_back(be16(s, i), be16(s, i + 2));
        d->linien.push_back(l);
    }
}

}  // namespace

IffDatei iff_lesen(const std::string &pfad)
{
    IffDatei d;
    std::string s = datei_lesen(pfad);
    d.dateigroesse = s.size();
    if (s.size() < 12 || s.compare(0, 4, "FORM") != 0) {
        d.fehler = "kein FORM";
        return d;
    }
    d.formlaenge = be32(s, 4);
    d.formtyp = s.substr(8, 4);
    if (size_t(d.formlaenge) + 8 != s.size()) d.fehler = "FORM-Laenge passt nicht zur Dateigroesse";
    size_t i = 12;
    while (i + 8 <= s.size()) {
        std::string id = s.substr(i, 4);
        uint32_t n = be32(s, i + 4);
        size_t daten = i + 8;
        d.chunks.push_back(id);
        if (daten + n > s.size()) {
            d.fehler = "Chunk " + id + " ragt ueber das Dateiende";
            return d;
        }
        if (id == "CMAP") {
            d.cmap.assign(s.begin() + long(daten), s.begin() + long(daten + n));
        } else if (id == "BMHD") {
            if (n != 20) {
                d.fehler = "BMHD nicht 20 Bytes";
                return d;
            }
            d.breite = be16(s, daten);
            d.hoehe = be16(s, daten + 2);
            d.x = be16s(s, daten + 4);
            d.y = be16s(s, daten + 6);
            d.planes = uint8_t(s[daten + 8]);
            d.masking = uint8_t(s[daten + 9]);
            d.compression = uint8_t(s[daten + 10]);
            d.transparent = be16(s, daten + 12);
            d.xaspekt = uint8_t(s[daten + 14]);
            d.yaspekt = uint8_t(s[daten + 15]);
            d.seitenbreite = be16(s, daten + 16);
            d.seitenhoehe = be16(s, daten + 18);
        } else if (id == "VBDY") {
            d.vbdylaenge = n;
            vbdy_lesen(s, daten, daten + n, &d);
        }
        i = daten + n + (n & 1);
    }
    if (i != s.size() && d.fehler.empty()) d.fehler = "Bytes nach dem letzten Chunk";
    return d;
}

RgbBild ppm_lesen(const std::string &pfad)
{
    RgbBild b;
    if (!datei_existiert(pfad)) return b;
    std::string s = datei_lesen(pfad);
    size_t i = 0;
    auto wort = [&]() {
        for (;;) {
            while (i < s.size() && isspace(uint8_t(s[i]))) ++i;
            if (i < s.size() && s[i] == '#') {
                while (i < s.size() && s[i] != '\n') ++i;
                continue;
            }
            break;
        }
        size_t a = i;
        while (i < s.size() && !isspace(uint8_t(s[i]))) ++i;
        return s.substr(a, i - a);
    };
    if (wort() != "P6") return b;
    int w = std::stoi(wort()), h = std::stoi(wort()), m = std::stoi(wort());
    ++i;  // the one white space character before the samples
    if (m != 255 || s.size() - i < size_t(w) * h * 3) return b;
    b.breite = w;
    b.hoehe = h;
    b.daten.assign(s.begin() + long(i), s.begin() + long(i + size_t(w) * h * 3));
    return b;
}

RgbBild ausschnitt(const Bild &b, int x0, int y0, int breite, int hoehe)
{
    RgbBild r;
    r.breite = breite;
    r.hoehe = hoehe;
    for (int y = y0; y < y0 + hoehe; ++y)
        for (int x = x0; x < x0 + breite; ++x) {
            unsigned long p = b.pixel(x, y);
            r.daten.insert(r.daten.end(), {uint8_t(p >> 16), uint8_t(p >> 8), uint8_t(p)});
        }
    return r;
}

RgbBild png_lesen(const std::string &pfad)
{
    RgbBild b;
    png_image bild{};
    bild.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&bild, pfad.c_str())) return b;
    bild.format = PNG_FORMAT_RGB;
    std::vector<uint8_t> daten(PNG_IMAGE_SIZE(bild));
    if (!png_image_finish_read(&bild, nullptr, daten.data(), 0, nullptr)) return b;
    b.breite = int(bild.width);
    b.hoehe = int(bild.height);
    b.daten = std::move(daten);
    return b;
}

int svg_rendern(const std::string &svg, RgbBild *bild, std::string *ausgabe)
{
    std::string png = svg + ".png";
    int status = ausfuehren({"/usr/bin/env", "rsvg-convert", "-f", "png", "-o", png, svg}, ausgabe, 60);
    *bild = png_lesen(png);
    return status;
}

int eps_rendern(const std::string &eps, int aufloesung, RgbBild *bild, std::string *ausgabe)
{
    std::string ppm = eps + ".ppm";
    int status = ausfuehren({"/usr/bin/env", "gs", "-q", "-dSAFER", "-dBATCH", "-dNOPAUSE", "-dEPSCrop", "-sDEVICE=ppmraw",
                             "-r" + std::to_string(aufloesung), "-sOutputFile=" + ppm, eps},
                            ausgabe, 60);
    *bild = ppm_lesen(ppm);
    return status;
}

BildPunkt eps_bildpunkt(double ux, double uy, double xmin, double ymin, double xmax, double ymax, int aufloesung)
{
    // Drawing coordinates of the file, before its "0 750 translate -90
    // rotate": the box fills 750 x 558 points.
    double px = (ux - xmin) * 750 / (xmax - xmin);
    double py = (uy - ymin) * 558 / (ymax - ymin);
    // Turned: page x = py, page y = 750 - px. The picture begins at the
    // bounding box's corner (-10, 788), rows downwards.
    double seite_x = py, seite_y = 750 - px;
    double s = aufloesung / 72.0;
    return {(seite_x + 10) * s, (788 - seite_y) * s};
}

BildPunkt eps_bildschirmpunkt(double x, double y, int breite, int hoehe, int aufloesung)
{
    double k = std::min(750.0 / (breite - 1), 558.0 / (hoehe - 1));
    double links = std::floor(-k / 2), oben = std::ceil(750 + k / 2);
    double s = aufloesung / 72.0;
    return {(k * y - links) * s, (oben - (750 - k * x)) * s};
}

void bild_ohne_fenster(double xmin, double ymin, double xmax, double ymax, int b, int h)
{
    breite = malwerk_breite = b;
    hoehe = malwerk_hoehe = h;
    malwerk_xmin = xmin;
    malwerk_ymin = ymin;
    malwerk_xmax = xmax;
    malwerk_ymax = ymax;
    malwerk_xs = (b - 1) / (xmax - xmin);
    malwerk_ys = (h - 1) / (ymax - ymin);
    malwerk_dx = 1 / malwerk_xs;
    malwerk_dy = 1 / malwerk_ys;
    malwerk_initalflag = 1;
}

bool dunkel_nahe(const RgbBild &b, double x, double y, int radius)
{
    int cx = int(std::floor(x)), cy = int(std::floor(y));
    for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx)
            if (b.innen(cx + dx, cy + dy) && !b.weiss(cx + dx, cy + dy)) return true;
    return false;
}

std::vector<std::string> zeilen(const std::string &text)
{
    std::vector<std::string> z;
    std::istringstream s(text);
    for (std::string zeile; std::getline(s, zeile);) z.push_back(zeile);
    return z;
}

size_t anzahl(const std::string &text, const std::string &teil)
{
    size_t n = 0;
    for (size_t i = text.find(teil); i != std::string::npos; i = text.find(teil, i + 1)) ++n;
    return n;
}

}  // namespace testhilfe
