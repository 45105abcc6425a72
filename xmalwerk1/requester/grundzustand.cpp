// Starting over: the requesters' globals back to their values at program
// start.
#include "requester_intern.h"

void requester_grundzustand()
{
    requesterfont_grundzustand();
    dateinavigation_grundzustand();
    DELL = 127;
    DELR = 8;
    aktiver_requester = Requester{};
}
