#include "hilfe/fernbedienung.h"

#include "hilfe/xvfb.h"

#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

namespace testhilfe {

Fernbedienung::Fernbedienung(const std::string &display)
{
    d_ = XOpenDisplay(display.c_str());
    if (!d_) throw std::runtime_error("Fernbedienung: kein Display " + display);
}

Fernbedienung::Fernbedienung(const std::string &display, Window w) : Fernbedienung(display)
{
    schrittweise(w);
}

Fernbedienung::~Fernbedienung()
{
    if (d_) XCloseDisplay(d_);
}

bool Fernbedienung::fenster_finden(const std::string &titel, double sekunden)
{
    auto ende = std::chrono::steady_clock::now() + std::chrono::duration<double>(sekunden);
    w_ = fenster_suchen(d_, titel, sekunden);
    if (!w_) return false;
    while (std::chrono::steady_clock::now() < ende) {
        XWindowAttributes a;
        if (XGetWindowAttributes(d_, w_, &a) && a.map_state == IsViewable) {
            bewegen(4, 4);
            abwarten(0.05);
            return true;
        }
        schlafen(0.02);
    }
    return false;
}

bool Fernbedienung::fenster_da()
{
    Window wurzel, eltern, *kinder = nullptr;
    unsigned n = 0;
    bool da = false;
    if (XQueryTree(d_, DefaultRootWindow(d_), &wurzel, &eltern, &kinder, &n)) {
        for (unsigned i = 0; i < n; ++i) da = da || kinder[i] == w_;
        if (kinder) XFree(kinder);
    }
    return da;
}

void Fernbedienung::schrittweise(Window w)
{
    w_ = w;
    schrittpause_ = 0.03;
}

void Fernbedienung::schritt_beenden()
{
    XFlush(d_);
    if (schrittpause_ > 0) schlafen(schrittpause_);
}

void Fernbedienung::bewegen(int x, int y)
{
    int rx = x, ry = y;
    if (w_) {
        Window kind;
        XTranslateCoordinates(d_, w_, DefaultRootWindow(d_), x, y, &rx, &ry, &kind);
    }
    XTestFakeMotionEvent(d_, -1, rx, ry, CurrentTime);
    schritt_beenden();
}

void Fernbedienung::druecken(unsigned knopf)
{
    XTestFakeButtonEvent(d_, knopf, True, CurrentTime);
    schritt_beenden();
}

void Fernbedienung::loslassen(unsigned knopf)
{
    XTestFakeButtonEvent(d_, knopf, False, CurrentTime);
    schritt_beenden();
}

void Fernbedienung::klick(int x, int y, unsigned knopf)
{
    bewegen(x, y);
    druecken(knopf);
    loslassen(knopf);
}

void Fernbedienung::taste(KeySym keysym, KeySym modifikator)
{
    KeyCode mod = modifikator ? XKeysymToKeycode(d_, modifikator) : 0;
    KeyCode k = XKeysymToKeycode(d_, keysym);
    if (!k) throw std::runtime_error("Fernbedienung: keine Taste fuer dieses Keysym");
    if (mod) XTestFakeKeyEvent(d_, mod, True, CurrentTime);
    XTestFakeKeyEvent(d_, k, True, CurrentTime);
    XTestFakeKeyEvent(d_, k, False, CurrentTime);
    if (mod) XTestFakeKeyEvent(d_, mod, False, CurrentTime);
    schritt_beenden();
}

void Fernbedienung::tippen(const std::string &text)
{
    for (char c : text) {
        if (c == ' ')
            taste(XK_space);
        else if (c >= 'A' && c <= 'Z')
            taste(static_cast<KeySym>(c - 'A' + 'a'), XK_Shift_L);
        else
            taste(static_cast<KeySym>(static_cast<unsigned char>(c)));
    }
}

void Fernbedienung::abwarten(double sekunden)
{
    XSync(d_, False);
    schlafen(sekunden);
}

bool Fernbedienung::taste_belegen(KeySym keysym)
{
    if (XKeysymToKeycode(d_, keysym)) return true;
    int min, max;
    XDisplayKeycodes(d_, &min, &max);
    int pro = 0;
    KeySym *tabelle = XGetKeyboardMapping(d_, static_cast<KeyCode>(min), max - min + 1, &pro);
    int frei = 0;
    for (int k = max; k >= min && !frei; --k) {
        bool leer = true;
        for (int j = 0; j < pro; ++j) leer = leer && tabelle[(k - min) * pro + j] == NoSymbol;
        if (leer) frei = k;
    }
    XFree(tabelle);
    if (!frei) return false;
    KeySym belegung[1] = {keysym};
    XChangeKeyboardMapping(d_, frei, 1, belegung, 1);
    XSync(d_, False);
    return XKeysymToKeycode(d_, keysym) != 0;
}

Fernsteuerung::Fernsteuerung(const std::string &display, std::function<void(Fernbedienung &)> skript)
{
    faden_ = std::thread([this, display, skript] {
        {
            Fernbedienung f(display);
            skript(f);
        }
        for (int i = 0; i < 500 && !zurueck_; ++i) schlafen(0.02);
        if (!zurueck_) {
            fprintf(stderr, "Fernsteuerung: der modale Aufruf kehrt nicht zurueck\n");
            fflush(stderr);
            _Exit(3);
        }
    });
}

Fernsteuerung::Fernsteuerung(const std::string &display, Window w, std::function<void(Fernbedienung &)> skript)
    : Fernsteuerung(display, [w, skript](Fernbedienung &f) {
          f.schrittweise(w);
          skript(f);
      })
{
}

void Fernsteuerung::zurueckgekehrt()
{
    zurueck_ = true;
    if (faden_.joinable()) faden_.join();
}

Fernsteuerung::~Fernsteuerung()
{
    zurueckgekehrt();
}

void schliessen_anfordern(Display *d, Window w)
{
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = w;
    e.xclient.message_type = XInternAtom(d, "WM_PROTOCOLS", False);
    e.xclient.format = 32;
    e.xclient.data.l[0] = static_cast<long>(XInternAtom(d, "WM_DELETE_WINDOW", False));
    e.xclient.data.l[1] = CurrentTime;
    XSendEvent(d, w, False, NoEventMask, &e);
    XFlush(d);
}

}  // namespace testhilfe
