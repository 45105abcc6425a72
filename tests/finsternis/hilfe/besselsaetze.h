// NASA's eclipses of 1901-2300 as the program reads them (the reference
// file in data/canon/), for the tests and benchmarks of the computation.
#ifndef TESTHILFE_BESSELSAETZE_H
#define TESTHILFE_BESSELSAETZE_H

#include "finsternis/finsternis.h"

#include <vector>

namespace testhilfe {

// Every eclipse of the reference file, read once.
const std::vector<Elemente> &besselsaetze();
// The shipped eclipse file's, as the program reads them where a test
// compares with what it prints.
const std::vector<Elemente> &ausgelieferte_saetze();
// The eclipse of that year and month (the first one when there is none).
const Elemente &besselsatz(int jahr, int monat);

}  // namespace testhilfe

#endif
