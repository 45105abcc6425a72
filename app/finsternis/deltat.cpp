#include "deltat.h"

namespace {

// c0 + c1 u + c2 u^2 + ... by Horner's rule.
double polynom(double u, const double *c, int n)
{
    double s = 0;
    for (int i = n - 1; i >= 0; --i) s = s * u + c[i];
    return s;
}

double parabel(double y)
{
    const double u = (y - 1820) / 100;
    return -20 + 32 * u * u;
}

double nach_espenak_meeus(double y)
{
    if (y < -500) return parabel(y);
    if (y < 500) {
        const double c[] = {10583.6, -1014.41, 33.78311, -5.952053, -0.1798452, 0.022174192, 0.0090316521};
        return polynom(y / 100, c, 7);
    }
    if (y < 1600) {
        const double c[] = {1574.2, -556.01, 71.23472, 0.319781, -0.8503463, -0.005050998, 0.0083572073};
        return polynom((y - 1000) / 100, c, 7);
    }
    if (y < 1700) {
        const double c[] = {120, -0.9808, -0.01532, 1.0 / 7129};
        return polynom(y - 1600, c, 4);
    }
    if (y < 1800) {
        const double c[] = {8.83, 0.1603, -0.0059285, 0.00013336, -1.0 / 1174000};
        return polynom(y - 1700, c, 5);
    }
    if (y < 1860) {
        const double c[] = {13.72, -0.332447, 0.0068612, 0.0041116, -0.00037436, 0.0000121272, -0.0000001699, 0.000000000875};
        return polynom(y - 1800, c, 8);
    }
    if (y < 1900) {
        const double c[] = {7.62, 0.5737, -0.251754, 0.01680668, -0.0004473624, 1.0 / 233174};
        return polynom(y - 1860, c, 6);
    }
    if (y < 1920) {
        const double c[] = {-2.79, 1.494119, -0.0598939, 0.0061966, -0.000197};
        return polynom(y - 1900, c, 5);
    }
    if (y < 1941) {
        const double c[] = {21.20, 0.84493, -0.076100, 0.0020936};
        return polynom(y - 1920, c, 4);
    }
    if (y < 1961) {
        const double c[] = {29.07, 0.407, -1.0 / 233, 1.0 / 2547};
        return polynom(y - 1950, c, 4);
    }
    if (y < 1986) {
        const double c[] = {45.45, 1.067, -1.0 / 260, -1.0 / 718};
        return polynom(y - 1975, c, 4);
    }
    if (y < 2005) {
        const double c[] = {63.86, 0.3345, -0.060374, 0.0017275, 0.000651814, 0.00002373599};
        return polynom(y - 2000, c, 6);
    }
    if (y < 2050) {
        const double c[] = {62.92, 0.32217, 0.005589};
        return polynom(y - 2000, c, 3);
    }
    if (y < 2150) return parabel(y) - 0.5628 * (2150 - y);
    return parabel(y);
}

}  // namespace

double delta_t(double y)
{
    // The expressions assume -26 arcsec/century^2; the Moon reckoned with
    // here has -25.858.
    const double korrektur = -0.000012932 * (y - 1955) * (y - 1955);
    return nach_espenak_meeus(y) + korrektur;
}

double dezimaljahr(int jahr, int monat)
{
    return jahr + (monat - 0.5) / 12;
}
