#include "hilfe/xvfb.h"
#include "xmalwerk1/requester/requester_intern.h"

#include "xmalwerk1/core/intern.h"
#include "xmalwerk1/requester/requester_intern.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

namespace testhilfe {

namespace {

double jetzt()
{
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace

void schlafen(double sekunden)
{
    timespec t{static_cast<time_t>(sekunden), static_cast<long>((sekunden - static_cast<time_t>(sekunden)) * 1e9)};
    nanosleep(&t, nullptr);
}

namespace {

// Starts Xvfb on display n and waits until it accepts connections; false
// when that display is taken or the server does not come up.
bool xvfb_starten(int n, const std::string &geometrie, pid_t *pid)
{
    int rohr[2];
    if (pipe(rohr) != 0) return false;
    std::string anzeige = ":" + std::to_string(n);
    std::string fd = std::to_string(rohr[1]);
    *pid = fork();
    if (*pid == 0) {
        close(rohr[0]);
        int null = open("/dev/null", O_RDWR);
        dup2(null, 0);
        dup2(null, 1);
        dup2(null, 2);
        execlp("Xvfb", "Xvfb", anzeige.c_str(), "-displayfd", fd.c_str(), "-screen", "0", geometrie.c_str(),
               "-nolisten", "tcp", "-noreset", static_cast<char *>(nullptr));
        _exit(127);
    }
    close(rohr[1]);
    // Xvfb writes its display number once it is ready; the pipe closes
    // without it when the server gives up.
    std::string nummer;
    pollfd p{rohr[0], POLLIN, 0};
    double ende = jetzt() + 20;
    while (jetzt() < ende && poll(&p, 1, 200) >= 0) {
        if (p.revents & POLLIN) {
            char c;
            if (read(rohr[0], &c, 1) <= 0 || c == '\n') break;
            nummer += c;
        } else if (p.revents & (POLLHUP | POLLERR)) {
            break;
        }
    }
    close(rohr[0]);
    if (nummer == std::to_string(n)) return true;
    kill(*pid, SIGKILL);
    waitpid(*pid, nullptr, 0);
    *pid = -1;
    return false;
}

}  // namespace

XvfbServer::XvfbServer(int breite, int hoehe, int tiefe)
{
    std::string geometrie = std::to_string(breite) + "x" + std::to_string(hoehe) + "x" + std::to_string(tiefe);
    // Numbers from 100 on keep clear of the displays people use; the
    // process id spreads tests that start at the same moment.
    int erste = 100 + static_cast<int>(getpid() % 800);
    for (int i = 0; i < 200; ++i) {
        int n = 100 + (erste - 100 + i) % 900;
        std::string sperre = "/tmp/.X" + std::to_string(n) + "-lock";
        if (access(sperre.c_str(), F_OK) == 0) continue;
        if (xvfb_starten(n, geometrie, &pid_)) {
            name_ = ":" + std::to_string(n);
            return;
        }
    }
    throw std::runtime_error("Xvfb startet nicht");
}

XvfbServer::~XvfbServer()
{
    beenden();
}

void XvfbServer::beenden()
{
    // The library's connections to this server end before it goes, so that
    // the next test does not inherit a connection to a vanished server.
    if (pid_ > 0 && (verbunden_mit(dpy) || verbunden_mit(requester_dpy))) term_exit();
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        int status;
        double ende = jetzt() + 5;
        while (waitpid(pid_, &status, WNOHANG) == 0) {
            if (jetzt() > ende) {
                kill(pid_, SIGKILL);
                waitpid(pid_, &status, 0);
                break;
            }
            schlafen(0.01);
        }
    }
    pid_ = -1;
}

bool XvfbServer::verbunden_mit(Display *d) const
{
    if (!d) return false;
    // Xlib keeps the name with the screen number, ":N.0".
    std::string n = DisplayString(d);
    return n == name_ || n.rfind(name_ + ".", 0) == 0;
}

void XvfbServer::als_display_setzen() const
{
    setenv("DISPLAY", name_.c_str(), 1);
}

Kindprozess::Kindprozess(const std::vector<std::string> &argumente, const std::vector<std::string> &umgebung,
                         const std::string &verzeichnis)
{
    starten([&] {
        if (!verzeichnis.empty() && chdir(verzeichnis.c_str()) != 0) _exit(126);
        for (const auto &u : umgebung) {
            auto gleich = u.find('=');
            if (gleich == std::string::npos)
                unsetenv(u.c_str());
            else
                setenv(u.substr(0, gleich).c_str(), u.substr(gleich + 1).c_str(), 1);
        }
        std::vector<char *> argv;
        for (const auto &a : argumente) argv.push_back(const_cast<char *>(a.c_str()));
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    });
}

Kindprozess::Kindprozess(const std::function<int()> &ablauf)
{
    starten([&] {
        int status = ablauf();
        fflush(stdout);
        fflush(stderr);
        _exit(status);
    });
}

void Kindprozess::starten(const std::function<void()> &im_kind)
{
    int rohr[2];
    if (pipe(rohr) != 0) throw std::runtime_error("pipe");
    fflush(stdout);  // nothing buffered may be written twice
    fflush(stderr);
    pid_ = fork();
    if (pid_ == 0) {
        close(rohr[0]);
        int null = open("/dev/null", O_RDONLY);
        dup2(null, 0);
        dup2(rohr[1], 1);
        dup2(rohr[1], 2);
        im_kind();
        _exit(127);
    }
    close(rohr[1]);
    lesefd_ = rohr[0];
    fcntl(lesefd_, F_SETFL, O_NONBLOCK);
}

Kindprozess::~Kindprozess()
{
    if (status_ == -2 && pid_ > 0) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
    if (lesefd_ >= 0) close(lesefd_);
}

void Kindprozess::lesen(int wartezeit_ms)
{
    if (lesefd_ < 0) return;
    pollfd p{lesefd_, POLLIN, 0};
    if (poll(&p, 1, wartezeit_ms) <= 0) return;
    char puffer[4096];
    for (;;) {
        ssize_t n = read(lesefd_, puffer, sizeof puffer);
        if (n > 0) {
            ausgabe_.append(puffer, static_cast<size_t>(n));
        } else {
            if (n == 0) {
                close(lesefd_);
                lesefd_ = -1;
            }
            return;
        }
    }
}

bool Kindprozess::laeuft()
{
    if (status_ != -2) return false;
    int s;
    pid_t r = waitpid(pid_, &s, WNOHANG);
    if (r == pid_) {
        status_ = WIFEXITED(s) ? WEXITSTATUS(s) : 128 + WTERMSIG(s);
        return false;
    }
    return true;
}

int Kindprozess::warten(double sekunden)
{
    double ende = jetzt() + sekunden;
    while (laeuft()) {
        lesen(10);
        if (jetzt() > ende) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
            status_ = -1;
            break;
        }
    }
    for (int i = 0; i < 100 && lesefd_ >= 0; ++i) lesen(10);
    return status_;
}

const std::string &Kindprozess::ausgabe()
{
    lesen(0);
    return ausgabe_;
}

int ausfuehren(const std::vector<std::string> &argumente, std::string *ausgabe, double sekunden,
               const std::vector<std::string> &umgebung)
{
    Kindprozess k(argumente, umgebung);
    int status = k.warten(sekunden);
    if (ausgabe) *ausgabe = k.ausgabe();
    return status;
}

int menu_zeilenabstand(Display *d)
{
    XFontStruct *f = XLoadQueryFont(d, "-adobe-courier-medium-r-normal--14-140-75-75-m-90-iso8859-1");
    if (!f) return -1;
    XCharStruct m;
    int richtung, auf, ab;
    XTextExtents(f, "AbcdefghijKlmnopqRstuvwxyZ", 26, &richtung, &auf, &ab, &m);
    XFreeFont(d, f);
    return (m.ascent + m.descent) * 3 / 2;
}

std::string fenstertitel(Display *d, Window w)
{
    char *name = nullptr;
    std::string t;
    if (XFetchName(d, w, &name) && name) {
        t = name;
        XFree(name);
    }
    return t;
}

Window fenster_suchen(Display *d, const std::string &titel, double sekunden)
{
    double ende = jetzt() + sekunden;
    do {
        Window wurzel, eltern, *kinder = nullptr;
        unsigned n = 0;
        if (XQueryTree(d, DefaultRootWindow(d), &wurzel, &eltern, &kinder, &n)) {
            for (unsigned i = 0; i < n; ++i) {
                char *name = nullptr;
                if (XFetchName(d, kinder[i], &name) && name) {
                    bool gleich = titel == name;
                    XFree(name);
                    if (gleich) {
                        Window w = kinder[i];
                        XFree(kinder);
                        return w;
                    }
                }
            }
            if (kinder) XFree(kinder);
        }
        schlafen(0.02);
    } while (jetzt() < ende);
    return 0;
}

unsigned long pixel_lesen(Display *d, Drawable w, int x, int y)
{
    XImage *bild = XGetImage(d, w, x, y, 1, 1, AllPlanes, ZPixmap);
    if (!bild) return ~0UL;
    unsigned long p = XGetPixel(bild, 0, 0);
    XDestroyImage(bild);
    return p;
}

}  // namespace testhilfe
