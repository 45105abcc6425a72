#include "ecad_lesen.h"

namespace ecad {

int satz_lesen(std::FILE *f, EcadSatz &s)
{
    const int erste = std::fscanf(f, "%d %d %d", &s.fjahr, &s.fmonat, &s.ftag);
    if (erste == EOF) return 0;
    const bool ganz = erste == 3 &&
                      std::fscanf(f, "%d %lf %lf", &s.zusatz0, &s.zusatz1, &s.zusatz2) == 3 &&
                      std::fscanf(f, "%lf %d %d %d", &s.jd, &s.zusatz3, &s.zusatz4, &s.zusatz5) == 4 &&
                      std::fscanf(f, "%lf %lf %lf %lf", &s.x[0], &s.x[1], &s.x[2], &s.x[3]) == 4 &&
                      std::fscanf(f, "%lf %lf %lf %lf", &s.y[0], &s.y[1], &s.y[2], &s.y[3]) == 4 &&
                      std::fscanf(f, "%lf %lf %lf", &s.d[0], &s.d[1], &s.d[2]) == 3 &&
                      std::fscanf(f, "%lf %lf", &s.mu[0], &s.mu[1]) == 2 &&
                      std::fscanf(f, "%lf %lf %lf", &s.l1[0], &s.l1[1], &s.l1[2]) == 3 &&
                      std::fscanf(f, "%lf %lf %lf", &s.l2[0], &s.l2[1], &s.l2[2]) == 3 &&
                      std::fscanf(f, "%lf %lf", &s.tanf1, &s.tanf2) == 2;
    return ganz ? 1 : -1;
}

Uhrzeit beschriftungszeit(const EcadSatz &s, double t)
{
    const double mjd = s.jd - 2400000.5;
    double h = (mjd - static_cast<double>(static_cast<long>(mjd))) * 24.0 + t;
    int tag = s.ftag;
    if (h < 0) {
        tag -= 1;
        h += 24;
    } else if (h >= 24) {
        tag += 1;
        h -= 24;
    }
    const int stunden = static_cast<int>(h);
    const int minuten = static_cast<int>((h - stunden) * 60);
    return {tag, stunden, minuten};
}

}  // namespace ecad
