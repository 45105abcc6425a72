// The eclipses of the shipped eclipse file as the program reads them, for
// the tests and benchmarks of the computation.
#ifndef TESTHILFE_BESSELSAETZE_H
#define TESTHILFE_BESSELSAETZE_H

#include "finsternis/finsternis.h"

#include <vector>

namespace testhilfe {

// Every eclipse of the file beside the program, read once.
const std::vector<Elemente> &besselsaetze();
// The eclipse of that year and month (the first one when there is none).
const Elemente &besselsatz(int jahr, int monat);

}  // namespace testhilfe

#endif
