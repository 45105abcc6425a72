// Test helpers for plot files: an IFF "VECT" reader written apart from the
// library, rendering Encapsulated PostScript with Ghostscript and SVG with
// rsvg-convert, and reading the rendered picture (PPM, PNG) back.
#ifndef TESTHILFE_PLOTDATEIEN_H
#define TESTHILFE_PLOTDATEIEN_H

#include "hilfe/bild.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace testhilfe {

struct IffPolylinie {
    int farbe;
    std::vector<std::pair<unsigned, unsigned>> punkte;
};

// An IFF file of form "VECT" as the reader found it. fehler is empty when
// the file is well formed: the FORM length covers the file exactly, the
// chunks follow each other without gaps, and the records fill VBDY exactly.
struct IffDatei {
    std::string fehler;
    size_t dateigroesse = 0;
    uint32_t formlaenge = 0;
    std::string formtyp;
    std::vector<std::string> chunks;  // ids in file order
    std::vector<uint8_t> cmap;
    // BMHD fields.
    unsigned breite = 0, hoehe = 0, planes = 0, xaspekt = 0, yaspekt = 0, seitenbreite = 0, seitenhoehe = 0;
    int x = 0, y = 0;
    unsigned masking = 0, compression = 0, transparent = 0;
    uint32_t vbdylaenge = 0;
    unsigned uxmax = 0, uymax = 0;
    std::vector<IffPolylinie> linien;
};
IffDatei iff_lesen(const std::string &pfad);

// A picture in 8-bit RGB, rows from the top.
struct RgbBild {
    int breite = 0, hoehe = 0;
    std::vector<uint8_t> daten;
    bool innen(int x, int y) const { return x >= 0 && y >= 0 && x < breite && y < hoehe; }
    const uint8_t *pixel(int x, int y) const { return &daten[(static_cast<size_t>(y) * breite + x) * 3]; }
    bool weiss(int x, int y) const
    {
        const uint8_t *p = pixel(x, y);
        return p[0] > 200 && p[1] > 200 && p[2] > 200;
    }
};
// A rectangle of a picture read back from the server (24-bit TrueColor).
RgbBild ausschnitt(const Bild &b, int x, int y, int breite, int hoehe);

// A binary PPM (P6, maxval 255); breite 0 when the file is not one.
RgbBild ppm_lesen(const std::string &pfad);

// A PNG file of any colour type, as 8-bit RGB (alpha dropped); breite 0
// when the file is not one.
RgbBild png_lesen(const std::string &pfad);

// Renders an SVG file with rsvg-convert at its own size; its exit status.
int svg_rendern(const std::string &svg, RgbBild *bild, std::string *ausgabe);

// Renders an EPS file with Ghostscript at aufloesung dots per inch, cropped
// to its bounding box. ausgabe receives what Ghostscript printed; the
// result is its exit status (0 when it accepted the file).
int eps_rendern(const std::string &eps, int aufloesung, RgbBild *bild, std::string *ausgabe);

// Where a user point lands in such a picture: the plot file maps the user
// box onto 750 x 558 points turned to landscape, inside the bounding box
// -10 -19 564 788.
struct BildPunkt {
    double x, y;
};
BildPunkt eps_bildpunkt(double ux, double uy, double xmin, double ymin, double xmax, double ymax, int aufloesung);
// The same for window pixel (x, y), y up from the bottom row, of a picture
// recorded as the screen shows it: one scale for both axes.
BildPunkt eps_bildschirmpunkt(double x, double y, int breite, int hoehe, int aufloesung);

// The plotting state of an open picture with the given user box and
// drawing area, without a window: enough for recording plot files.
void bild_ohne_fenster(double xmin, double ymin, double xmax, double ymax, int breite = 1000, int hoehe = 700);

// Whether a non-white pixel lies within radius pixels of (x, y).
bool dunkel_nahe(const RgbBild &b, double x, double y, int radius = 2);

// The lines of a text, without their line ends.
std::vector<std::string> zeilen(const std::string &text);
// How often teil occurs in text (overlaps counted).
size_t anzahl(const std::string &text, const std::string &teil);

}  // namespace testhilfe

#endif
