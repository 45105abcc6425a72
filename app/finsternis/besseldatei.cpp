#include "besseldatei.h"

const char *const besseldatei = "Ecad22.prn";

Satzende besselsatz_lesen(std::FILE *f, Besselsatz &s)
{
    int n = std::fscanf(f, "%d %d %d", &s.fjahr, &s.fmonat, &s.ftag);
    if (n == EOF) return Satzende::dateiende;
    bool voll = n == 3 && std::fscanf(f, "%d %lf %lf", &s.zusatz0, &s.zusatz1, &s.zusatz2) == 3 &&
                std::fscanf(f, "%lf %d %d %d", &s.jd, &s.zusatz3, &s.zusatz4, &s.zusatz5) == 4 &&
                std::fscanf(f, "%lf %lf %lf %lf", &s.x[0], &s.x[1], &s.x[2], &s.x[3]) == 4 &&
                std::fscanf(f, "%lf %lf %lf %lf", &s.y[0], &s.y[1], &s.y[2], &s.y[3]) == 4 &&
                std::fscanf(f, "%lf %lf %lf", &s.d[0], &s.d[1], &s.d[2]) == 3 &&
                std::fscanf(f, "%lf %lf", &s.mu[0], &s.mu[1]) == 2 &&
                std::fscanf(f, "%lf %lf %lf", &s.l1[0], &s.l1[1], &s.l1[2]) == 3 &&
                std::fscanf(f, "%lf %lf %lf", &s.l2[0], &s.l2[1], &s.l2[2]) == 3 &&
                std::fscanf(f, "%lf %lf", &s.tanf1, &s.tanf2) == 2;
    return voll ? Satzende::ganz : Satzende::kaputt;
}

std::string fehlerhafte_daten(int anzahl)
{
    return std::string("Fehlerhafte Daten in ") + besseldatei + " nach " + std::to_string(anzahl) +
           " vollstaendigen Finsternissen.";
}

std::vector<Besselsatz> besselsaetze_lesen(std::FILE *f, std::string *fehler)
{
    std::vector<Besselsatz> saetze;
    if (fehler) fehler->clear();
    Besselsatz s;
    Satzende ende;
    while ((ende = besselsatz_lesen(f, s)) == Satzende::ganz) saetze.push_back(s);
    if (fehler && ende == Satzende::kaputt) *fehler = fehlerhafte_daten(static_cast<int>(saetze.size()));
    return saetze;
}

std::vector<Elemente> finsternisse_lesen(std::FILE *f, std::string *fehler)
{
    std::vector<Elemente> alle;
    for (const Besselsatz &s : besselsaetze_lesen(f, fehler)) alle.push_back(elemente_aus_satz(s));
    return alle;
}
