// One record of the eclipse file: 31 numbers in fixed groups, read with the
// viewer's scanf formats, and the time of day of its caption. Free of X, so
// the data tools read and show the file exactly as the program does.
#ifndef UMBRIX_BESSELSATZ_H
#define UMBRIX_BESSELSATZ_H

#include <cstdio>

enum class Satzende { ganz, dateiende, kaputt };

// Fills the record's fields (fjahr ... tanf2) of s. dateiende only when the
// file ends before the record's first number; a record cut short or holding
// text is kaputt.
template <class Satz>
Satzende besselsatz_lesen(std::FILE *f, Satz &s)
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

// The caption's date and time of day at t hours from T0 of a record of
// date jahr/monat/tag and modified Julian date mjd: frac(mjd) * 24 + t
// hours, a day back or on when that leaves the day, and the date then rolled
// over as a calendar does (day 0 is the last of the month before, the day
// after the 31st of December the 1st of January). A record whose date is no
// calendar date keeps its month and year and only the day moves. Hours and
// minutes by truncation, 0 for nonsense far out of range, which must not
// reach the conversion to int.
struct Tageszeit {
    long long tag;  // the day before the smallest int is no overflow
    int monat, jahr;
    int stunden, minuten;
};

Tageszeit beschriftungszeit(double mjd, int jahr, int monat, int tag, double t);

#endif
