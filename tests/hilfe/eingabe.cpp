#include "hilfe/eingabe.h"
#include "hilfe/xvfb.h"

#include <X11/extensions/XTest.h>

#include <stdexcept>

namespace testhilfe {

namespace {
const double schrittpause = 0.03;
}

Eingabe::Eingabe(const std::string &anzeige, Window bezug) : bezug_(bezug)
{
    d_ = XOpenDisplay(anzeige.c_str());
    if (!d_) throw std::runtime_error("Eingabe: kein Display " + anzeige);
}

Eingabe::~Eingabe()
{
    if (d_) XCloseDisplay(d_);
}

void Eingabe::bewegen(int x, int y)
{
    int rx = x, ry = y;
    if (bezug_) {
        Window kind;
        XTranslateCoordinates(d_, bezug_, DefaultRootWindow(d_), x, y, &rx, &ry, &kind);
    }
    XTestFakeMotionEvent(d_, DefaultScreen(d_), rx, ry, CurrentTime);
    XFlush(d_);
    pause(schrittpause);
}

void Eingabe::druecken(unsigned knopf)
{
    XTestFakeButtonEvent(d_, knopf, True, CurrentTime);
    XFlush(d_);
    pause(schrittpause);
}

void Eingabe::loslassen(unsigned knopf)
{
    XTestFakeButtonEvent(d_, knopf, False, CurrentTime);
    XFlush(d_);
    pause(schrittpause);
}

void Eingabe::klicken(int x, int y, unsigned knopf)
{
    bewegen(x, y);
    druecken(knopf);
    loslassen(knopf);
}

void Eingabe::taste(unsigned long keysym)
{
    KeyCode code = XKeysymToKeycode(d_, keysym);
    if (!code) throw std::runtime_error("Eingabe: keine Taste fuer dieses Keysym");
    XTestFakeKeyEvent(d_, code, True, CurrentTime);
    XTestFakeKeyEvent(d_, code, False, CurrentTime);
    XFlush(d_);
    pause(schrittpause);
}

void Eingabe::pause(double sekunden)
{
    schlafen(sekunden);
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

Skript::Skript(std::function<void()> ablauf)
    : faden_([this, ablauf] {
          ablauf();
          fertig_ = true;
      })
{
}

Skript::~Skript()
{
    if (faden_.joinable()) faden_.join();
}

}  // namespace testhilfe
