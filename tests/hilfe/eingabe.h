// Test helper: mouse and keyboard input through XTest over a connection of
// its own, in coordinates of a chosen window; and the close request of a
// window manager.
#ifndef TESTHILFE_EINGABE_H
#define TESTHILFE_EINGABE_H

#include <X11/Xlib.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>

namespace testhilfe {

class Eingabe {
public:
    // Opens its own connection to the display; positions are relative to
    // the window bezug (0: the root window).
    explicit Eingabe(const std::string &anzeige, Window bezug = 0);
    ~Eingabe();
    Eingabe(const Eingabe &) = delete;
    Eingabe &operator=(const Eingabe &) = delete;

    Display *display() const { return d_; }
    void bezug_setzen(Window bezug) { bezug_ = bezug; }
    // Each step is sent at once and followed by a short pause, so that the
    // program under test sees the steps as a user makes them.
    void bewegen(int x, int y);
    void druecken(unsigned knopf = 1);
    void loslassen(unsigned knopf = 1);
    void klicken(int x, int y, unsigned knopf = 1);
    void taste(unsigned long keysym);  // press and release
    void pause(double sekunden);

private:
    Display *d_ = nullptr;
    Window bezug_ = 0;
};

// Sends the window manager's close request (WM_PROTOCOLS / WM_DELETE_WINDOW).
void schliessen_anfordern(Display *d, Window w);

// Runs a script in a thread of its own; the destructor waits for its end.
class Skript {
public:
    explicit Skript(std::function<void()> ablauf);
    ~Skript();
    bool fertig() const { return fertig_; }

private:
    std::atomic<bool> fertig_{false};
    std::thread faden_;
};

}  // namespace testhilfe

#endif
