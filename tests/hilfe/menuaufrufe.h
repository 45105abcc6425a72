// Test helper: menu callbacks that note who was called with which id, and
// the viewer's example menu built from them.
#ifndef TESTHILFE_MENUAUFRUFE_H
#define TESTHILFE_MENUAUFRUFE_H

#include <vector>

namespace testhilfe {

struct Aufruf {
    int wer;  // N of merken<N>
    long id;
};

// Every call of a merken<N> callback, in order.
extern std::vector<Aufruf> aufrufe;

template <int N>
void merken(long id)
{
    aufrufe.push_back({N, id});
}

// Declares the example menu: "File" with "Next" (merken<1>), "Jahr..." (3)
// and "Exit" (4); "Hilfe" with "Hilfe..." (2).
void beispielmenue();
// The same with a shortcut on every item: N, H, J and X.
void beispielmenue_mit_kuerzeln();

}  // namespace testhilfe

#endif
