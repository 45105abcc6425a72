// Animated GIF files: one palette found while the frames come, the changed
// rectangle of each frame, the whole file written at the end.
#include "gifdatei.h"

#include <gif_lib.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

const uint8_t durchsichtig = 255;
// The palette's place in the file: after "GIF89a" and the screen
// descriptor.
const size_t palette_ab = 13;

int abstand2(uint32_t a, uint32_t b)
{
    int r = int(a >> 16) - int(b >> 16), g = int((a >> 8) & 255) - int((b >> 8) & 255),
        bl = int(a & 255) - int(b & 255);
    return r * r + g * g + bl * bl;
}

}  // namespace

int Gifdatei::sammeln(GifFileType *gif, const unsigned char *bytes, int n)
{
    auto *daten = static_cast<std::vector<unsigned char> *>(gif->UserData);
    daten->insert(daten->end(), bytes, bytes + n);
    return n;
}

Gifdatei::Gifdatei(int breite, int hoehe) : breite_(breite), hoehe_(hoehe)
{
    int fehler = 0;
    gif_ = EGifOpen(&daten_, sammeln, &fehler);
    if (!gif_) {
        gut_ = false;
        return;
    }
    EGifSetGifVersion(gif_, true);
    // The colours are known only at the end: 256 places now, filled then.
    ColorMapObject *platz = GifMakeMapObject(256, nullptr);
    gut_ = platz && EGifPutScreenDesc(gif_, breite, hoehe, 8, 0, platz) == GIF_OK;
    GifFreeMapObject(platz);
    // Played in a loop: NETSCAPE2.0, sub-block 1, repeated without end.
    static const unsigned char schleife[3] = {1, 0, 0};
    gut_ = gut_ && EGifPutExtensionLeader(gif_, APPLICATION_EXT_FUNC_CODE) == GIF_OK &&
           EGifPutExtensionBlock(gif_, 11, "NETSCAPE2.0") == GIF_OK &&
           EGifPutExtensionBlock(gif_, 3, schleife) == GIF_OK && EGifPutExtensionTrailer(gif_) == GIF_OK;
}

Gifdatei::~Gifdatei()
{
    if (gif_) EGifCloseFile(gif_, nullptr);
}

uint8_t Gifdatei::farbindex(uint32_t rgb)
{
    auto i = index_.find(rgb);
    if (i != index_.end()) return i->second;
    uint8_t n;
    if (palette_.size() < durchsichtig) {
        n = static_cast<uint8_t>(palette_.size());
        palette_.push_back(rgb);
    } else {
        n = 0;
        for (size_t k = 1; k < palette_.size(); ++k)
            if (abstand2(palette_[k], rgb) < abstand2(palette_[n], rgb)) n = static_cast<uint8_t>(k);
    }
    index_.emplace(rgb, n);
    return n;
}

bool Gifdatei::bild(const std::vector<unsigned char> &rgb, int verzoegerung)
{
    const size_t pixel = static_cast<size_t>(breite_) * hoehe_;
    if (!gut_ || rgb.size() != pixel * 3) return gut_ = false;
    jetzt_.resize(pixel);
    // Runs of one colour are the rule: the last one found is tried first.
    uint32_t letzte = 0xFFFFFFFF;
    uint8_t letzter_index = 0;
    for (size_t i = 0; i < pixel; ++i) {
        uint32_t f = uint32_t(rgb[3 * i]) << 16 | uint32_t(rgb[3 * i + 1]) << 8 | rgb[3 * i + 2];
        if (f != letzte) letzter_index = farbindex(letzte = f);
        jetzt_[i] = letzter_index;
    }
    // The rectangle that changed; the first frame is changed everywhere.
    int x0 = 0, y0 = 0, x1 = breite_ - 1, y1 = hoehe_ - 1;
    if (!vorher_.empty()) {
        x0 = breite_, y0 = hoehe_, x1 = -1, y1 = -1;
        for (int y = 0; y < hoehe_; ++y) {
            const size_t z = static_cast<size_t>(y) * breite_;
            if (std::memcmp(&jetzt_[z], &vorher_[z], static_cast<size_t>(breite_)) == 0) continue;
            y0 = std::min(y0, y);
            y1 = y;
            for (int x = 0; x < breite_; ++x)
                if (jetzt_[z + x] != vorher_[z + x]) {
                    x0 = std::min(x0, x);
                    x1 = std::max(x1, x);
                }
        }
        if (x1 < 0) x0 = x1 = y0 = y1 = 0;  // the same frame again: one pixel
    }
    const int b = x1 - x0 + 1, h = y1 - y0 + 1;
    std::vector<GifPixelType> teil(static_cast<size_t>(b) * h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < b; ++x) {
            const size_t i = static_cast<size_t>(y0 + y) * breite_ + x0 + x;
            teil[static_cast<size_t>(y) * b + x] =
                vorher_.empty() || jetzt_[i] != vorher_[i] ? jetzt_[i] : durchsichtig;
        }
    // Each frame stays under the next one, which covers it only where it
    // is not transparent.
    GraphicsControlBlock gcb{};
    gcb.DisposalMode = DISPOSE_DO_NOT;
    gcb.DelayTime = verzoegerung;
    gcb.TransparentColor = vorher_.empty() ? NO_TRANSPARENT_COLOR : durchsichtig;
    GifByteType steuerung[4];
    EGifGCBToExtension(&gcb, steuerung);
    gut_ = EGifPutExtension(gif_, GRAPHICS_EXT_FUNC_CODE, 4, steuerung) == GIF_OK &&
           EGifPutImageDesc(gif_, x0, y0, b, h, false, nullptr) == GIF_OK &&
           EGifPutLine(gif_, teil.data(), b * h) == GIF_OK;
    vorher_.swap(jetzt_);
    bilder_ += gut_;
    return gut_;
}

bool Gifdatei::schreiben(const std::string &name)
{
    if (!gif_ || !gut_ || !bilder_) return false;
    int fehler = 0;
    const bool geschlossen = EGifCloseFile(gif_, &fehler) == GIF_OK;
    gif_ = nullptr;
    if (!geschlossen || daten_.size() < palette_ab + 3 * 256) return false;
    for (size_t i = 0; i < palette_.size(); ++i) {
        daten_[palette_ab + 3 * i] = static_cast<unsigned char>(palette_[i] >> 16);
        daten_[palette_ab + 3 * i + 1] = static_cast<unsigned char>(palette_[i] >> 8);
        daten_[palette_ab + 3 * i + 2] = static_cast<unsigned char>(palette_[i]);
    }
    FILE *f = fopen(name.c_str(), "wb");
    if (!f) return false;
    bool gut = fwrite(daten_.data(), 1, daten_.size(), f) == daten_.size();
    gut = fflush(f) == 0 && gut;
    return fclose(f) == 0 && gut;
}
