// Typing into a requester's text field: characters and both delete keys at
// any cursor position, the BackSpace swap of the delete keys, horizontal
// scrolling and refilling of the field's buffer, as the requester engine
// calls zeicheninsert and gadgetstring.
#include "fuzzhilfe.h"
#include "xmalwerk1/requester/requester_intern.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <string>

namespace {

gadgetstring feld;  // zeroed like the library's own buffers

// The buffer is always terminated, and what is shown lies inside it.
void feld_pruefen()
{
    FUZZ_PRUEFEN(memchr(feld.text, 0, sizeof feld.text) != nullptr);
    FUZZ_PRUEFEN(feld.anzeige == feld.text + feld.anfang);
    FUZZ_PRUEFEN(feld.anfang >= 0 && feld.anfang < static_cast<int>(sizeof feld.text));
    FUZZ_PRUEFEN(memchr(feld.anzeige, 0, sizeof feld.text - static_cast<size_t>(feld.anfang)) != nullptr);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzzhilfe::ausgabe_stumm();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *daten, size_t n)
{
    FuzzedDataProvider d(daten, n);
    memset(feld.text, 0, sizeof feld.text);
    DELL = 127;
    DELR = 8;
    feld.maxlaenge = d.ConsumeIntegralInRange<int>(0, 1000);  // label or text length, or 400
    feld.set(d.ConsumeRandomLengthString(600).c_str());
    int pos = 0;
    while (d.remaining_bytes() > 0) {
        const int vorher = static_cast<int>(strlen(feld.text));
        switch (d.ConsumeIntegralInRange<int>(0, 7)) {
        default: {  // a key as the engine hands it on: a byte as signed char
            const int c = d.ConsumeIntegral<signed char>();
            if (c <= 31 && c != DELL && c != DELR) break;  // ends the editing instead
            const std::string alt = feld.text;
            const int r = zeicheninsert(c, pos, feld.text, EINGABE_MAX);
            const int laenge = static_cast<int>(strlen(feld.text));
            if (c == DELL || c == DELR) {
                FUZZ_PRUEFEN(laenge == (r ? vorher - 1 : vorher));
                if (!r) FUZZ_PRUEFEN(alt == feld.text);
                if (c == DELL && pos > 0) --pos;
            } else {
                // A character never makes the text longer than the limit
                // (a longer text from the caller is cut to it).
                FUZZ_PRUEFEN(laenge <= std::max(vorher, EINGABE_MAX));
                if (r && vorher < EINGABE_MAX) FUZZ_PRUEFEN(laenge == vorher + 1);
                // What was typed is in the text, where the cursor was (or
                // at its end, when the cursor stood beyond it).
                const int stelle = std::min(pos, vorher);
                if (r) FUZZ_PRUEFEN(stelle < laenge && feld.text[stelle] == static_cast<char>(c));
                if (!r) FUZZ_PRUEFEN(alt == feld.text);
                ++pos;
            }
            break;
        }
        case 4:  // cursor keys and clicks
            pos = d.ConsumeIntegralInRange<int>(-3, 450);
            break;
        case 5:  // horizontal scrolling of the shown part
            feld.inc(d.ConsumeIntegralInRange<int>(-500, 500));
            break;
        case 6:  // a new requester fills the buffer
            feld.maxlaenge = d.ConsumeIntegralInRange<int>(0, 1000);
            feld.set(d.ConsumeRandomLengthString(600).c_str());
            FUZZ_PRUEFEN(strlen(feld.text) < static_cast<size_t>(std::max(feld.maxlaenge, 1)));
            FUZZ_PRUEFEN(feld.anfang == 0);
            break;
        case 7:  // BackSpace swaps the delete keys
            std::swap(DELL, DELR);
            break;
        }
        feld_pruefen();
    }
    return 0;
}
