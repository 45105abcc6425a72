#include "hilfe/umbrixlauf.h"

#include "hilfe/fernbedienung.h"

#include <X11/extensions/XTest.h>

#include <chrono>
#include <cmath>
#include <fstream>
#include <stdexcept>

namespace testhilfe {

namespace {

const char *const programmtitel = "  XMALWERK1   Version 2.89";
const double pi = 3.14159265358979323846;

double jetzt()
{
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

// Nearest integer of a value that is not negative; halves go up.
int runde(double v)
{
    return static_cast<int>(std::floor(v + 0.5));
}

// A window that went away with a failing program must fail the test's
// checks, not end the test before it can show the program's output.
int fehler_uebergehen(Display *, XErrorEvent *)
{
    return 0;
}

}  // namespace

double Elemente::X(double t) const
{
    return x[0] + x[1] * t + x[2] * t * t + x[3] * t * t * t;
}

double Elemente::Y(double t) const
{
    return y[0] + y[1] * t + y[2] * t * t + y[3] * t * t * t;
}

double Elemente::L1(double t) const
{
    return l1[0] + l1[1] * t + l1[2] * t * t;
}

double Elemente::L2(double t) const
{
    return l2[0] + l2[1] * t + l2[2] * t * t;
}

double Elemente::mu_grad(double t) const
{
    return mu[0] + mu[1] * t;
}

double Elemente::d_grad(double t) const
{
    return d[0] + d[1] * t + d[2] * t * t;
}

double Elemente::t0_stunde() const
{
    // Julian days begin at noon.
    double tag = jd + 0.5;
    return (tag - std::floor(tag)) * 24;
}

double Elemente::kernradius(double t) const
{
    // The umbral cone narrows by tanf2 per Earth radius towards the Moon;
    // its radius in the fundamental plane is -L2.
    double q = X(t) * X(t) + Y(t) * Y(t);
    double zeta = q < 1 ? std::sqrt(1 - q) : 0;
    return -L2(t) + zeta * tanf2;
}

std::vector<Elemente> ecad_lesen(const std::string &pfad)
{
    std::ifstream ein(pfad);
    std::vector<Elemente> alle;
    for (;;) {
        Elemente e;
        if (!(ein >> e.jahr)) break;
        ein >> e.monat >> e.tag >> e.t0_tdt >> e.delta_t >> e.groesste >> e.jd >> e.tmin >> e.tmax >> e.kanon;
        for (double &v : e.x) ein >> v;
        for (double &v : e.y) ein >> v;
        for (double &v : e.d) ein >> v;
        for (double &v : e.mu) ein >> v;
        for (double &v : e.l1) ein >> v;
        for (double &v : e.l2) ein >> v;
        ein >> e.tanf1 >> e.tanf2;
        if (!ein) return {};
        alle.push_back(e);
    }
    return alle;
}

const std::vector<Elemente> &ecad22()
{
    static const std::vector<Elemente> alle = ecad_lesen(std::string(UMBRIX_SOURCE_DIR) + "/data/Ecad22.prn");
    return alle;
}

const Elemente *finsternis_ab(const std::vector<Elemente> &alle, int jahr, int monat)
{
    for (const Elemente &e : alle)
        if (e.jahr > jahr || (e.jahr == jahr && e.monat >= monat)) return &e;
    return nullptr;
}

const Elemente &finsternis(int jahr, int monat)
{
    const Elemente *e = finsternis_ab(ecad22(), jahr, monat);
    if (!e) throw std::runtime_error("keine Finsternis ab diesem Monat in den Daten");
    return *e;
}

std::string eingelesen(const Elemente &e)
{
    return std::to_string(e.tag) + "." + std::to_string(e.monat) + "." + std::to_string(e.jahr) +
           " Besselelemente eingelesen.\n";
}

void grundebene(double laenge, double breite, double mu, double d, double *xi, double *eta, double *zeta)
{
    // Local hour angle of the shadow axis at the place: Greenwich hour angle
    // plus east longitude.
    double h = (mu + laenge) * pi / 180;
    double phi = breite * pi / 180;
    double del = d * pi / 180;
    *xi = std::cos(phi) * std::sin(h);
    *eta = std::sin(phi) * std::cos(del) - std::cos(phi) * std::sin(del) * std::cos(h);
    if (zeta) *zeta = std::sin(phi) * std::sin(del) + std::cos(phi) * std::cos(del) * std::cos(h);
}

Umbrixlauf::Umbrixlauf()
{
    d_ = XOpenDisplay(x_.name().c_str());
    if (!d_) throw std::runtime_error("Umbrixlauf: kein Display");
    XSetErrorHandler(fehler_uebergehen);
    zeile_ = menu_zeilenabstand(d_);
}

Umbrixlauf::~Umbrixlauf()
{
    k_.reset();
    if (d_) XCloseDisplay(d_);
}

void Umbrixlauf::daten_kopieren()
{
    for (const char *name : {"Ecad22.prn", "gmtkuesten.dat"})
        datei_schreiben(v_.datei(name), datei_lesen(std::string(UMBRIX_SOURCE_DIR) + "/data/" + name));
}

void Umbrixlauf::datei(const std::string &name, const std::string &inhalt)
{
    datei_schreiben(v_.datei(name), inhalt);
}

bool Umbrixlauf::starten(const std::vector<std::string> &argumente)
{
    std::vector<std::string> a{UMBRIX_BINARY};
    a.insert(a.end(), argumente.begin(), argumente.end());
    k_ = std::make_unique<Kindprozess>(a, std::vector<std::string>{"DISPLAY=" + x_.name()}, v_.pfad());
    w_ = fenster_suchen(d_, programmtitel);
    if (!w_) return false;
    Window wurzel, kind;
    int wx, wy;
    unsigned rand, tiefe;
    XGetGeometry(d_, w_, &wurzel, &wx, &wy, &fb_, &fh_, &rand, &tiefe);
    XTranslateCoordinates(d_, w_, wurzel, 0, 0, &fx_, &fy_, &kind);
    // The drawing area lies below the bar; the window is one pixel larger.
    balken_ = static_cast<int>(fh_) - hoehe - 1;
    return fb_ == breite + 1 && balken_ == zeile_ + 2;
}

int Umbrixlauf::zaehlen(const std::string &teil)
{
    std::string text = ausgabe();
    int n = 0;
    for (size_t p = text.find(teil); p != std::string::npos; p = text.find(teil, p + 1)) ++n;
    return n;
}

bool Umbrixlauf::warten_auf(const std::string &teil, double sekunden, int n)
{
    double ende = jetzt() + sekunden;
    while (zaehlen(teil) < n) {
        if (jetzt() > ende || !k_->laeuft()) return zaehlen(teil) >= n;
        schlafen(0.02);
    }
    return true;
}

int Umbrixlauf::schliessen(double sekunden)
{
    schliessen_anfordern(d_, w_);
    return k_->warten(sekunden);
}

bool Umbrixlauf::fenster_weg(const std::string &titel, double sekunden)
{
    double ende = jetzt() + sekunden;
    while (fenster_suchen(d_, titel, 0)) {
        if (jetzt() > ende) return false;
        schlafen(0.02);
    }
    return true;
}

std::unique_ptr<Bild> Umbrixlauf::bild()
{
    return std::make_unique<Bild>(d_, w_, static_cast<int>(fb_), static_cast<int>(fh_));
}

bool Umbrixlauf::ruhig_warten(double sekunden, double abstand)
{
    double ende = jetzt() + sekunden;
    auto vorher = bild();
    while (jetzt() < ende) {
        schlafen(abstand);
        auto nachher = bild();
        if (nachher->unterschiede(*vorher) == 0) return true;
        vorher = std::move(nachher);
    }
    return false;
}

int Umbrixlauf::spalte(double x) const
{
    return runde((x + xmax) * (breite - 1) / (2 * xmax));
}

int Umbrixlauf::reihe(double y) const
{
    return balken_ + hoehe - 1 - runde((y + ymax) * (hoehe - 1) / (2 * ymax));
}

int Umbrixlauf::pixel_x(double dx) const
{
    return runde(dx * (breite - 1) / (2 * xmax));
}

double Umbrixlauf::user_x(int px) const
{
    return px * (2 * xmax) / (breite - 1) - xmax;
}

double Umbrixlauf::user_y(int py) const
{
    return (balken_ + hoehe - 1 - py) * (2 * ymax) / (hoehe - 1) - ymax;
}

double Umbrixlauf::t_bei(int px)
{
    double x = px * (2 * xmax) / (breite - 1) - xmax;
    return 3.0 / xmax * x;
}

int Umbrixlauf::spalte_fuer(double t)
{
    return runde((t / 3.0 * xmax + xmax) * (breite - 1) / (2 * xmax));
}

void Umbrixlauf::zeiger(int x, int y)
{
    XTestFakeMotionEvent(d_, DefaultScreen(d_), fx_ + x, fy_ + y, CurrentTime);
    XSync(d_, False);
}

void Umbrixlauf::zeiger_in(Window w, int x, int y)
{
    Window kind;
    int rx, ry;
    XTranslateCoordinates(d_, w, DefaultRootWindow(d_), x, y, &rx, &ry, &kind);
    XTestFakeMotionEvent(d_, DefaultScreen(d_), rx, ry, CurrentTime);
    XSync(d_, False);
}

void Umbrixlauf::druecken()
{
    XTestFakeButtonEvent(d_, 1, True, CurrentTime);
    XSync(d_, False);
}

void Umbrixlauf::loslassen()
{
    XTestFakeButtonEvent(d_, 1, False, CurrentTime);
    XSync(d_, False);
}

void Umbrixlauf::klick(int x, int y, double halten)
{
    zeiger(x, y);
    schlafen(0.05);
    druecken();
    schlafen(halten);
    loslassen();
}

Window Umbrixlauf::menu_oeffnen(int titel_x, int *kx, int *ky)
{
    zeiger(titel_x, zeile_ / 2);
    schlafen(0.1);
    druecken();
    // The pull-down that opened: a mapped child of the window below the bar.
    Window klapp = 0;
    for (double ende = jetzt() + 5; !klapp && jetzt() < ende;) {
        schlafen(0.05);
        Window wurzel, eltern, *kinder = nullptr;
        unsigned n = 0;
        if (!XQueryTree(d_, w_, &wurzel, &eltern, &kinder, &n)) continue;
        for (unsigned i = 0; i < n && !klapp; ++i) {
            XWindowAttributes a;
            if (XGetWindowAttributes(d_, kinder[i], &a) && a.map_state == IsViewable && a.y > 0 && a.y < balken_) {
                klapp = kinder[i];
                *kx = a.x;
                *ky = a.y;
            }
        }
        if (kinder) XFree(kinder);
    }
    return klapp;
}

void Umbrixlauf::menu_waehlen(int titel_x, int zeile)
{
    int kx = 0, ky = 0;
    Window klapp = menu_oeffnen(titel_x, &kx, &ky);
    int y = klapp ? ky + (zeile - 1) * zeile_ + zeile_ / 2 + 1 : zeile_ / 2;
    zeiger((klapp ? kx : titel_x) + 10, y - 8);
    schlafen(0.05);
    zeiger((klapp ? kx : titel_x) + 12, y);
    schlafen(0.15);
    loslassen();
}

void Umbrixlauf::taste(unsigned long keysym)
{
    KeyCode code = XKeysymToKeycode(d_, keysym);
    if (!code) throw std::runtime_error("Umbrixlauf: keine Taste fuer dieses Keysym");
    XTestFakeKeyEvent(d_, code, True, CurrentTime);
    XTestFakeKeyEvent(d_, code, False, CurrentTime);
    XSync(d_, False);
    schlafen(0.03);
}

void Umbrixlauf::tippen(const std::string &text)
{
    for (char c : text) taste(static_cast<unsigned char>(c));
}

bool kreis_gezeichnet(const Umbrixlauf &u, const Bild &b, double x, double y, double r, unsigned long farbe, int tol,
                      int mindestens)
{
    int innen = 0, getroffen = 0;
    for (int k = 0; k < 16; ++k) {
        double w = k * pi / 8;
        double px = x + r * std::cos(w), py = y + r * std::sin(w);
        // Points beyond the edge would be drawn clipped onto it.
        if (std::fabs(px) > Umbrixlauf::xmax - 0.02 || std::fabs(py) > Umbrixlauf::ymax - 0.02) continue;
        ++innen;
        getroffen += b.in_naehe(u.spalte(px), u.reihe(py), tol, farbe);
    }
    if (innen == 0) return false;
    return getroffen >= (mindestens > 0 ? mindestens : innen);
}

bool schatten_bei(const Umbrixlauf &u, const Bild &b, const Elemente &e, double t, int tol)
{
    double r = e.kernradius(t);
    unsigned long farbe = weiss;
    if (r < 0.005) {
        farbe = r < 0 ? gruen : rot;
        r = 0.005;
    }
    return kreis_gezeichnet(u, b, e.X(t), e.Y(t), e.L1(t), weiss, tol) &&
           kreis_gezeichnet(u, b, e.X(t), e.Y(t), r, farbe, 1);
}

std::vector<int> gezeigte_bilder(const Umbrixlauf &u, const Bild &b, const Elemente &e)
{
    std::vector<int> k;
    for (int i = 0; i <= 120; ++i) {
        double t = -3.0 + 0.05 * i;
        if (kreis_gezeichnet(u, b, e.X(t), e.Y(t), e.L1(t), weiss, 1)) k.push_back(i);
    }
    return k;
}

bool animation_gezeigt(Umbrixlauf &u, const Elemente &e)
{
    // A frame is shown when the next one begins.
    for (double ende = jetzt() + 2; jetzt() < ende;)
        if (!gezeigte_bilder(u, *u.bild(), e).empty()) return true;
    return false;
}

std::unique_ptr<Bild> zeigen(Umbrixlauf &u, int px)
{
    u.zeiger(px, u.menubalken() + Umbrixlauf::hoehe - 20);
    schlafen(0.1);
    if (!u.ruhig_warten(10, 0.15)) return nullptr;
    return u.bild();
}

bool anhalten(Umbrixlauf &u, const Elemente &e)
{
    if (!animation_gezeigt(u, e)) return false;
    u.klick(640, u.menubalken() + Umbrixlauf::hoehe - 20);
    return u.ruhig_warten(5, 0.15);
}

}  // namespace testhilfe
