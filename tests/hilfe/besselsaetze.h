// The records of the shipped eclipse file as the program reads them, for
// the tests and benchmarks of the local circumstances.
#ifndef TESTHILFE_BESSELSAETZE_H
#define TESTHILFE_BESSELSAETZE_H

#include "bessel.h"

#include <vector>

namespace testhilfe {

// Every record of the file beside the program, read once.
const std::vector<Bessel> &besselsaetze();
// The record of that year and month (the first record when there is none).
const Bessel &besselsatz(int jahr, int monat);

}  // namespace testhilfe

#endif
