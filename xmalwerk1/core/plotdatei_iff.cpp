// IFF vector files (form "VECT"): a colour map, a bitmap header with the
// drawing area's size, and the polylines as records of up to 255 points.
#include "intern.h"
#include "plotdatei_intern.h"

#include <cstring>

BitMapHeader bmhd;
static_assert(sizeof(BitMapHeader) == 20, "the BMHD record has 20 bytes");

int laenge1 = 0;   // FORM length so far
int laenge2 = 52;  // CMAP length
int laenge3 = 0;   // VBDY length so far
unsigned short uxmax = 65000, uymax = 49512;
double xminsav = 0, yminsav = 0, xssav = 1, yssav = 1;

namespace {

bool rechner_ist_little_endian()
{
    const unsigned short eins = 1;
    unsigned char b;
    memcpy(&b, &eins, 1);
    return b == 1;
}

void kennung(const char *id, FILE *f)
{
    fwrite(id, 1, 4, f);
}

template <typename T>
void feld(T wert, FILE *f)
{
    ffwrite(reinterpret_cast<char *>(&wert), sizeof wert, 1, f);
}

}  // namespace

void ffwrite(char *daten, int groesse, int anzahl, FILE *ausgabe)
{
    if (groesse <= 0 || anzahl <= 0) return;
    if (!rechner_ist_little_endian()) {
        fwrite(daten, static_cast<size_t>(groesse), static_cast<size_t>(anzahl), ausgabe);
        return;
    }
    for (int i = 0; i < anzahl; ++i) {
        const char *item = daten + static_cast<long>(i) * groesse;
        for (int j = groesse - 1; j >= 0; --j) putc(item[j], ausgabe);
    }
}

void bmhd_speichern()
{
    FILE *f = malwerk_fpbild;
    if (!f) return;
    kennung("BMHD", f);
    feld<int>(20, f);
    feld(bmhd.w, f);
    feld(bmhd.h, f);
    feld(bmhd.x, f);
    feld(bmhd.y, f);
    feld(bmhd.nPlanes, f);
    feld(bmhd.masking, f);
    feld(bmhd.compression, f);
    feld(bmhd.pad1, f);
    feld(bmhd.transparentColor, f);
    feld(bmhd.xAspect, f);
    feld(bmhd.yAspect, f);
    feld(bmhd.pageWidth, f);
    feld(bmhd.pageHeight, f);
}

unsigned short iff_einheit(double u, double min, double faktor)
{
    double v = (u - min) * faktor;
    if (!(v > 0)) return 0;  // also catches NaN
    v += 0.5;
    // Beyond the upper or right edge of the box the value no longer fits
    // 16 bits; it stays at the field's limit instead of wrapping around.
    if (v >= 65535) return 65535;
    return static_cast<unsigned short>(v);
}

void iff_kopf(FILE *f)
{
    xminsav = malwerk_xmin;
    yminsav = malwerk_ymin;
    xssav = uxmax / (malwerk_xmax - malwerk_xmin);
    yssav = uymax / (malwerk_ymax - malwerk_ymin);
    laenge1 = 52 + 20 + 28 + 4;
    laenge3 = 4;

    kennung("FORM", f);
    feld(laenge1, f);  // patched at the close
    kennung("VECT", f);
    kennung("CMAP", f);
    feld(laenge2, f);
    fwrite(rgbtabelle, 1, 52, f);  // colours 0 to 16 and the red of 17

    bmhd = BitMapHeader{};
    bmhd.w = static_cast<unsigned short>(breite);
    bmhd.h = static_cast<unsigned short>(hoehe);
    bmhd.nPlanes = 1;
    bmhd.xAspect = bmhd.yAspect = 1;
    bmhd.pageWidth = static_cast<short>(breite);
    bmhd.pageHeight = static_cast<short>(hoehe);
    bmhd_speichern();

    kennung("VBDY", f);
    feld(laenge3, f);  // patched at the close
    feld(uxmax, f);
    feld(uymax, f);
}

void iff_plot(FILE *f, double x, double y, int ipen)
{
    Bildplotzustand &z = bildplot_zustand;
    if ((ipen == 3 || z.npu == 255) && z.npu > 1) {
        putc(z.npu, f);
        putc(z.farbe, f);
        ffwrite(reinterpret_cast<char *>(z.ufeld), 2, z.npu2, f);
        laenge1 += 2 + 4 * z.npu;
        laenge3 += 2 + 4 * z.npu;
        // A longer polyline goes on in the next record from its last point.
        z.ufeld[0] = z.ux;
        z.ufeld[1] = z.uy;
        z.npu2 = 2;
        z.npu = 1;
    }
    // A move begins a record; so does a draw when the file has no point yet.
    if (ipen == 3 || (ipen == 2 && z.npu == 0)) {
        z.farbe = static_cast<unsigned char>(mal_farbe);
        z.npu = 0;
        z.npu2 = 0;
    }
    if (ipen == 2 || ipen == 3) {
        z.ux = iff_einheit(x, xminsav, xssav);
        z.uy = iff_einheit(y, yminsav, yssav);
        z.ufeld[z.npu2++] = z.ux;
        z.ufeld[z.npu2++] = z.uy;
        ++z.npu;
    }
}

bool iff_schluss(FILE *f)
{
    iff_plot(f, xminsav, yminsav, 3);  // writes the last record
    // A file that cannot seek (a pipe) keeps lengths that do not fit it.
    if (fseek(f, 4, SEEK_SET) != 0) return false;
    feld(laenge1, f);
    if (fseek(f, 104, SEEK_SET) != 0) return false;
    feld(laenge3, f);
    return true;
}
