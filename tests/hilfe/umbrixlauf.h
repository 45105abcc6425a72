// The program umbrix run as a user meets it: on a private screen, from a
// working directory of its own holding the data files, watched through its
// standard output and the pixels of its window, and driven with XTest.
// Also a reader of the eclipse file and the shadow geometry, written apart
// from the program's own so that expected positions are found independently.
#ifndef TESTHILFE_UMBRIXLAUF_H
#define TESTHILFE_UMBRIXLAUF_H

#include "hilfe/bild.h"
#include "hilfe/dateien.h"
#include "hilfe/xvfb.h"

#include <X11/Xlib.h>

#include <memory>
#include <string>
#include <vector>

namespace testhilfe {

// One record of the eclipse file: the 31 numbers in the order of the file.
struct Elemente {
    int jahr = 0, monat = 0, tag = 0;
    int t0_tdt = 0;
    double delta_t = 0, groesste = 0;  // seconds; hours after T0
    double jd = 0;                     // T0 in UT
    int tmin = 0, tmax = 0, kanon = 0;
    double x[4] = {}, y[4] = {}, d[3] = {}, mu[2] = {}, l1[3] = {}, l2[3] = {};
    double tanf1 = 0, tanf2 = 0;

    double X(double t) const;
    double Y(double t) const;
    double L1(double t) const;
    double L2(double t) const;
    double mu_grad(double t) const;
    double d_grad(double t) const;
    // Hours of the UT day at T0 (0 <= result < 24).
    double t0_stunde() const;
    // Radius of the umbral cone where the axis meets the Earth (positive:
    // total there, negative: annular); in the fundamental plane when the
    // axis misses the Earth.
    double kernradius(double t) const;
};

// All records of a file in the layout of the program's eclipse file; empty
// when the file cannot be read completely.
std::vector<Elemente> ecad_lesen(const std::string &pfad);
// The program's shipped eclipse file.
const std::vector<Elemente> &ecad22();
// The first record at or after the year and month; null if none.
const Elemente *finsternis_ab(const std::vector<Elemente> &alle, int jahr, int monat);
// The first eclipse of the shipped file at or after the year and month.
const Elemente &finsternis(int jahr, int monat);
// Its line on the program's output: "T.M.JJJJ Besselelemente eingelesen.\n".
std::string eingelesen(const Elemente &e);

// A point of the Earth (degrees, east and north positive) as seen along the
// shadow axis: coordinates in the fundamental plane in Earth radii (xi
// east, eta north, zeta towards the Moon), for the hour angle mu and the
// declination d of the axis (degrees). A sphere, as the program draws it.
void grundebene(double laenge, double breite, double mu, double d, double *xi, double *eta, double *zeta);

class Umbrixlauf {
public:
    // A 1600 x 1200 screen: room for the largest window, 1280 x 1024 drawn.
    Umbrixlauf();
    ~Umbrixlauf();

    Display *display() const { return d_; }
    const std::string &anzeige() const { return x_.name(); }
    Window fenster() const { return w_; }
    const Arbeitsverzeichnis &verzeichnis() const { return v_; }

    // The program's own data files into the working directory.
    void daten_kopieren();
    void datei(const std::string &name, const std::string &inhalt);

    // Starts the program with these arguments in the working directory and
    // waits for its window; false when it does not come.
    bool starten(const std::vector<std::string> &argumente);
    Kindprozess &programm() { return *k_; }
    std::string ausgabe() { return k_ ? k_->ausgabe() : std::string(); }
    int zaehlen(const std::string &teil);
    // Waits until the output holds teil n times; false on time-out or end.
    bool warten_auf(const std::string &teil, double sekunden, int n = 1);
    // Window manager's close request; the exit status (-1 on time-out).
    int schliessen(double sekunden = 10);

    // Waits until no top-level window of that title is left; false on time-out.
    bool fenster_weg(const std::string &titel, double sekunden);

    // The window's picture now.
    std::unique_ptr<Bild> bild();
    // Waits until two pictures taken abstand seconds apart are the same
    // (the program draws the same frame again and again); false on time-out.
    bool ruhig_warten(double sekunden, double abstand = 0.3);

    // The drawing area: 1280 x 1024 below the menu bar, the user box
    // x ±1.875, y ±1.5.
    static constexpr int breite = 1280, hoehe = 1024;
    static constexpr double xmax = 1.875, ymax = 1.5;
    int menubalken() const { return balken_; }
    int zeilenabstand() const { return zeile_; }
    // User coordinates to window pixels (nearest pixel), and sizes.
    int spalte(double x) const;
    int reihe(double y) const;
    int pixel_x(double dx) const;
    // Window pixels to user coordinates.
    double user_x(int px) const;
    double user_y(int py) const;
    // The moment t that the pointer at window column px chooses, and the
    // column that comes closest to t.
    static double t_bei(int px);
    static int spalte_fuer(double t);

    // Input in window coordinates.
    void zeiger(int x, int y);
    // The pointer to (x, y) of another window (a requester).
    void zeiger_in(Window w, int x, int y);
    void druecken();
    void loslassen();
    void klick(int x, int y, double halten = 0.1);
    // Press on the menu title at column x of the bar, held: the pull-down
    // that opened and its place in the window (0 when none opens).
    Window menu_oeffnen(int titel_x, int *kx, int *ky);
    // Press on the menu title at column x of the bar, drag to item row
    // (1 = first item) of the pull-down that opened, release.
    void menu_waehlen(int titel_x, int zeile);
    // Press and release a key (to the window under the pointer).
    void taste(unsigned long keysym);
    void tippen(const std::string &text);

private:
    XvfbServer x_{1600, 1200, 24};
    Display *d_ = nullptr;
    Arbeitsverzeichnis v_;
    std::unique_ptr<Kindprozess> k_;
    Window w_ = 0;
    int fx_ = 0, fy_ = 0;
    unsigned fb_ = 0, fh_ = 0;
    int balken_ = 0, zeile_ = 0;
};

// Whether a circle of radius r around (x, y) (user coordinates) is drawn in
// farbe: of the probe points on its outline that lie inside the drawing
// area, at least mindestens (of all when 0) have a pixel of that colour
// within tol pixels.
bool kreis_gezeichnet(const Umbrixlauf &u, const Bild &b, double x, double y, double r, unsigned long farbe,
                      int tol = 2, int mindestens = 0);

// Colours of the picture on a 24-bit screen.
const unsigned long weiss = 0xFFFFFF, schwarz = 0x000000, rot = 0xFF0000, gruen = 0x00FF00;
const unsigned long hellblau = 0x6496FF;  // 100, 150, 255: the globe

// Penumbra outline and the mark of the central shadow for moment t: the
// mark has the umbra's radius at the surface in white, or, when that is
// below 0.005 Earth radii, radius 0.005 in red (total) or green (annular).
bool schatten_bei(const Umbrixlauf &u, const Bild &b, const Elemente &e, double t, int tol = 2);
// The animation frames (t = -3 + k * 0.05 h) whose penumbra the picture shows.
std::vector<int> gezeigte_bilder(const Umbrixlauf &u, const Bild &b, const Elemente &e);
// Waits (at most 2 s) until the window shows a frame of e's animation.
bool animation_gezeigt(Umbrixlauf &u, const Elemente &e);
// The pointer to column px, in a row of the drawing area below the globe;
// then the picture once the program shows that moment steadily (null when
// it does not settle).
std::unique_ptr<Bild> zeigen(Umbrixlauf &u, int px);
// Once e's animation shows, a click stops it; the picture settles.
bool anhalten(Umbrixlauf &u, const Elemente &e);

}  // namespace testhilfe

#endif
