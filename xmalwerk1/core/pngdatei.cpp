// The picture as it is drawn, read back from the server and written as a
// PNG file in 8-bit RGB.
#include "intern.h"

#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <map>
#include <vector>

namespace {

// Where a colour component sits in a pixel value of a TrueColor visual,
// scaled to 0..255.
int anteil(unsigned long pixel, unsigned long maske)
{
    if (!maske) return 0;
    int schieben = 0;
    while (!((maske >> schieben) & 1)) ++schieben;
    unsigned long breit = maske >> schieben;
    return static_cast<int>(((pixel & maske) >> schieben) * 255 / breit);
}

// Rows of 8-bit RGB from the image; colour-mapped visuals are asked for
// the colours of the pixel values that occur.
std::vector<unsigned char> rgb_zeilen(XImage *bild, int b, int h)
{
    std::vector<unsigned char> rgb(static_cast<size_t>(b) * h * 3);
    Visual *v = DefaultVisualOfScreen(screen);
    bool echtfarben = v->c_class == TrueColor || v->c_class == DirectColor;
    std::map<unsigned long, XColor> farben;
    size_t i = 0;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < b; ++x, i += 3) {
            unsigned long p = XGetPixel(bild, x, y);
            if (echtfarben) {
                rgb[i] = static_cast<unsigned char>(anteil(p, v->red_mask));
                rgb[i + 1] = static_cast<unsigned char>(anteil(p, v->green_mask));
                rgb[i + 2] = static_cast<unsigned char>(anteil(p, v->blue_mask));
                continue;
            }
            auto f = farben.find(p);
            if (f == farben.end()) {
                XColor c{};
                c.pixel = p;
                XQueryColor(dpy, DefaultColormapOfScreen(screen), &c);
                f = farben.emplace(p, c).first;
            }
            rgb[i] = static_cast<unsigned char>(f->second.red >> 8);
            rgb[i + 1] = static_cast<unsigned char>(f->second.green >> 8);
            rgb[i + 2] = static_cast<unsigned char>(f->second.blue >> 8);
        }
    }
    return rgb;
}

// libpng reports its errors by a long jump; this frame holds nothing that
// needs destroying.
bool png_schreiben(FILE *f, const unsigned char *rgb, int b, int h)
{
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (!png) return false;
    png_infop info = png_create_info_struct(png);
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_init_io(png, f);
    png_set_IHDR(png, info, static_cast<png_uint_32>(b), static_cast<png_uint_32>(h), 8, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < h; ++y) png_write_row(png, rgb + static_cast<size_t>(y) * b * 3);
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

}  // namespace

bool bild_lesen(std::vector<unsigned char> *rgb, int *b, int *h)
{
    if (!anzeige_offen("bild_lesen")) return false;
    PLOT_FLUSH();
    // The pixels that user coordinates reach; the window's one more row
    // and column are only ever cleared.
    *b = breite;
    *h = hoehe;
    XImage *bild = XGetImage(dpy, aktuelles_ziel(), 0, menubalkenhoehe, static_cast<unsigned>(*b),
                             static_cast<unsigned>(*h), AllPlanes, ZPixmap);
    if (!bild) {
        printf("Fehler in bild_lesen(): das Bild ist nicht lesbar\n");
        return false;
    }
    *rgb = rgb_zeilen(bild, *b, *h);
    XDestroyImage(bild);
    return true;
}

int png_speichern(const char *name)
{
    std::vector<unsigned char> rgb;
    int b, h;
    if (!name || !bild_lesen(&rgb, &b, &h)) return 0;
    FILE *f = fopen(name, "wb");
    if (!f) {
        printf("Fehler beim Oeffnen von '%s'\n", name);
        return 0;
    }
    bool gut = png_schreiben(f, rgb.data(), b, h);
    gut = fflush(f) == 0 && !ferror(f) && gut;
    gut = fclose(f) == 0 && gut;
    if (!gut) printf("Fehler beim Schreiben von '%s'\n", name);
    return gut ? 1 : 0;
}
