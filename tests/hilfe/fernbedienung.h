// Driving a window of the library from outside with XTest events over a
// connection of its own, as a user would: while the library's modal loop
// (or the program) runs, a Fernbedienung works from another thread or the
// test's own; and the close request of a window manager.
#ifndef TESTHILFE_FERNBEDIENUNG_H
#define TESTHILFE_FERNBEDIENUNG_H

#include <X11/Xlib.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>

namespace testhilfe {

class Fernbedienung {
public:
    // Opens the display named (the test's Xvfb). Positions are those of the
    // root window until a window is found or chosen.
    explicit Fernbedienung(const std::string &display);
    // The same, working step by step over the window w (see schrittweise).
    Fernbedienung(const std::string &display, Window w);
    ~Fernbedienung();
    Fernbedienung(const Fernbedienung &) = delete;
    Fernbedienung &operator=(const Fernbedienung &) = delete;

    Display *display() const { return d_; }
    // Waits until a top-level window of that title is viewable; puts the
    // pointer into it (keys go to the window under the pointer). False if none.
    bool fenster_finden(const std::string &titel, double sekunden = 10);
    Window fenster() const { return w_; }
    // Whether the window found is still there.
    bool fenster_da();
    // Positions from now on in coordinates of w, and every step followed by
    // a short pause, so that the program sees the steps one by one as a
    // user makes them.
    void schrittweise(Window w);

    // Input, in coordinates of the window found or chosen.
    void bewegen(int x, int y);
    void druecken(unsigned knopf = 1);
    void loslassen(unsigned knopf = 1);
    void klick(int x, int y, unsigned knopf = 1);
    void taste(KeySym keysym, KeySym modifikator = 0);  // press and release
    void tippen(const std::string &text);               // letters, digits, blank
    // Waits until the server has handled everything sent, and a little for
    // the library to read it.
    void abwarten(double sekunden = 0.15);

    // Maps a keysym missing from the keyboard onto a free key code.
    bool taste_belegen(KeySym keysym);

private:
    void schritt_beenden();
    Display *d_ = nullptr;
    Window w_ = 0;
    double schrittpause_ = 0;
};

// Runs skript(fernbedienung) in a thread of its own while the caller's
// modal call runs; the thread ends the process with a message when the
// modal call has not returned some seconds after the script ended (a
// requester that does not close would else hang the test).
class Fernsteuerung {
public:
    Fernsteuerung(const std::string &display, std::function<void(Fernbedienung &)> skript);
    // The same with the Fernbedienung working step by step over the window w.
    Fernsteuerung(const std::string &display, Window w, std::function<void(Fernbedienung &)> skript);
    ~Fernsteuerung();  // marks the modal call as returned and joins
    void zurueckgekehrt();

private:
    std::atomic<bool> zurueck_{false};
    std::thread faden_;
};

// Sends the window manager's close request (WM_PROTOCOLS / WM_DELETE_WINDOW).
void schliessen_anfordern(Display *d, Window w);

}  // namespace testhilfe

#endif
