// Test helpers: a private Xvfb server, running the program as a child
// process, and small X queries.
#ifndef TESTHILFE_XVFB_H
#define TESTHILFE_XVFB_H

#include <X11/Xlib.h>
#include <sys/types.h>

#include <functional>
#include <string>
#include <vector>

namespace testhilfe {

// An Xvfb of its own on a free display number, for the life of the object.
class XvfbServer {
public:
    XvfbServer(int breite = 1280, int hoehe = 1024, int tiefe = 24);
    ~XvfbServer();
    XvfbServer(const XvfbServer &) = delete;
    XvfbServer &operator=(const XvfbServer &) = delete;

    const std::string &name() const { return name_; }  // ":N"
    bool laeuft() const { return pid_ > 0; }
    void beenden();
    // Makes this server the one the library opens (DISPLAY).
    void als_display_setzen() const;

private:
    bool verbunden_mit(Display *d) const;
    pid_t pid_ = -1;
    std::string name_;
};

// A child process with its standard output (and error) captured.
class Kindprozess {
public:
    Kindprozess(const std::vector<std::string> &argumente, const std::vector<std::string> &umgebung = {},
                const std::string &verzeichnis = "");
    // Runs ablauf in a forked copy of the calling process (output captured
    // the same way); its result becomes the exit status.
    explicit Kindprozess(const std::function<int()> &ablauf);
    ~Kindprozess();
    // Waits at most sekunden; returns the exit status, or -1 (and kills the
    // process) on a time-out, or 128 + signal when a signal ended it.
    int warten(double sekunden);
    bool laeuft();
    const std::string &ausgabe();  // all output read so far (after warten: all)
    pid_t pid() const { return pid_; }

private:
    void starten(const std::function<void()> &im_kind);
    void lesen(int wartezeit_ms);
    pid_t pid_ = -1;
    int lesefd_ = -1;
    std::string ausgabe_;
    int status_ = -2;
};

// Runs a command and returns its exit status and output.
int ausfuehren(const std::vector<std::string> &argumente, std::string *ausgabe, double sekunden = 30,
               const std::vector<std::string> &umgebung = {});

// The first top-level window (child of the root) whose WM_NAME equals titel,
// waiting up to sekunden for it to appear; 0 if none.
Window fenster_suchen(Display *d, const std::string &titel, double sekunden = 10);

// The window's WM_NAME; "" when it has none.
std::string fenstertitel(Display *d, Window w);

// Pixel value at (x, y) of a drawable.
unsigned long pixel_lesen(Display *d, Drawable w, int x, int y);

// Row spacing of the library's menus on display d: one and a half times the
// height of the menu font's sample text; -1 when the font is missing.
int menu_zeilenabstand(Display *d);

// Sleep helper.
void schlafen(double sekunden);

}  // namespace testhilfe

#endif
