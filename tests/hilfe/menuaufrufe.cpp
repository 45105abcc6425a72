#include "hilfe/menuaufrufe.h"

#include "xmalwerk1/menu/menu.h"

namespace testhilfe {

std::vector<Aufruf> aufrufe;

void beispielmenue()
{
    setmenu(2, "File", "Hilfe");
    setmenu(2, "Next", "Hilfe...", merken<1>, merken<2>);
    setmenu(1, "Jahr...", merken<3>);
    setmenu(1, "Exit", merken<4>);
}

void beispielmenue_mit_kuerzeln()
{
    setmenu(2, "File", "Hilfe");
    setmenu(2, "%ANNext", "%AHHilfe...", merken<1>, merken<2>);
    setmenu(1, "%AJJahr...", merken<3>);
    setmenu(1, "%AXExit", merken<4>);
}

}  // namespace testhilfe
