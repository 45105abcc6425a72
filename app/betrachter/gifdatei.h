// Animated GIF files from frames of 8-bit RGB pixels, written with giflib.
#ifndef UMBRIX_BETRACHTER_GIFDATEI_H
#define UMBRIX_BETRACHTER_GIFDATEI_H

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

struct GifFileType;

// One palette serves the whole film: its colours in the order they first
// appear, up to 255 (a colour beyond them takes the nearest one); index 255
// is transparent. Each frame after the first holds only the rectangle that
// changed, its unchanged pixels transparent over the frame before. The
// file is collected in memory and written once complete.
class Gifdatei {
public:
    Gifdatei(int breite, int hoehe);
    ~Gifdatei();
    Gifdatei(const Gifdatei &) = delete;
    Gifdatei &operator=(const Gifdatei &) = delete;

    // The next frame: breite x hoehe pixels, rows from the top, three bytes
    // each; shown for verzoegerung hundredths of a second. False when
    // giflib refuses it.
    bool bild(const std::vector<unsigned char> &rgb, int verzoegerung);
    // The file complete: the frames so far, the palette, played in a loop.
    // False when the file cannot be written whole.
    bool schreiben(const std::string &name);

    int bilder() const { return bilder_; }
    const std::vector<unsigned char> &daten() const { return daten_; }

private:
    uint8_t farbindex(uint32_t rgb);
    static int sammeln(GifFileType *gif, const unsigned char *bytes, int n);

    int breite_, hoehe_;
    GifFileType *gif_ = nullptr;
    bool gut_ = true;
    int bilder_ = 0;
    std::vector<unsigned char> daten_;       // the file so far
    std::vector<uint32_t> palette_;          // 0xRRGGBB, by index
    std::unordered_map<uint32_t, uint8_t> index_;
    std::vector<uint8_t> vorher_, jetzt_;    // the frames' indices
};

#endif
