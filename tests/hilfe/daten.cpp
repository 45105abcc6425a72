#include "hilfe/daten.h"

#include <cstdio>

namespace testhilfe {

std::string satz(const Finsternis &f)
{
    char text[1024];
    snprintf(text, sizeof text,
             "%d %d %d\n0 0.0 0.0\n%.6f 0 0 0\n%.8g %.8g %.8g %.8g\n%.8g %.8g %.8g %.8g\n%.8g %.8g %.8g\n"
             "%.8g %.8g\n%.8g %.8g %.8g\n%.8g %.8g %.8g\n%.8g %.8g\n",
             f.jahr, f.monat, f.tag, f.jd, f.x[0], f.x[1], f.x[2], f.x[3], f.y[0], f.y[1], f.y[2], f.y[3], f.d[0],
             f.d[1], f.d[2], f.mu[0], f.mu[1], f.l1[0], f.l1[1], f.l1[2], f.l2[0], f.l2[1], f.l2[2], f.tanf1,
             f.tanf2);
    return text;
}

double julianisch(int jahr, int monat, int tag, double stunde)
{
    // Fliegel and Van Flandern's day number, noon based.
    long a = (14 - monat) / 12;
    long y = jahr + 4800 - a;
    long m = monat + 12 * a - 3;
    long jdn = tag + (153 * m + 2) / 5 + 365 * y + y / 4 - y / 100 + y / 400 - 32045;
    return static_cast<double>(jdn) - 0.5 + stunde / 24.0;
}

}  // namespace testhilfe
