// Shared pieces of the fuzzing harnesses: the input as a file (in memory or
// in a scratch directory of the process), a silent standard output, and a
// check that ends the run with a message when a property does not hold.
#ifndef UMBRIX_FUZZ_FUZZHILFE_H
#define UMBRIX_FUZZ_FUZZHILFE_H

#include <stddef.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>

#include <filesystem>
#include <string>

namespace fuzzhilfe {

// The readers report on standard output; thousands of runs a second would
// only flood the terminal. libFuzzer reports on standard error.
inline void ausgabe_stumm()
{
    if (!freopen("/dev/null", "w", stdout)) abort();
}

// The input as a stream to read from; the caller closes it.
inline FILE *als_strom(const uint8_t *daten, size_t n)
{
    if (n == 0) return fopen("/dev/null", "r");
    return fmemopen(const_cast<uint8_t *>(daten), n, "r");
}

// A scratch directory of this process, removed at its end; in memory when
// the system has /dev/shm (a file rewritten for every input would else be
// flushed to the disk each time).
inline const std::string &arbeitsordner()
{
    static const std::string pfad = [] {
        char muster[] = "/dev/shm/umbrix-fuzz-XXXXXX";
        char ersatz[] = "/tmp/umbrix-fuzz-XXXXXX";
        const char *p = mkdtemp(muster);
        if (!p) p = mkdtemp(ersatz);
        if (!p) abort();
        static std::string zum_loeschen = p;
        atexit([] {
            std::error_code e;
            std::filesystem::remove_all(zum_loeschen, e);
        });
        return std::string(p);
    }();
    return pfad;
}

// Writes the input into the scratch directory as name; returns the path.
inline std::string als_datei(const char *name, const uint8_t *daten, size_t n)
{
    std::string pfad = arbeitsordner() + "/" + name;
    FILE *f = fopen(pfad.c_str(), "wb");
    if (!f || (n && fwrite(daten, 1, n, f) != n) || fclose(f) != 0) abort();
    return pfad;
}

// Starts a private Xvfb (display 100 or above, 640 x 512, depth 24) for
// harnesses that draw what they read, and makes it the DISPLAY; it ends
// with the process. False when no server comes up.
inline bool xvfb_starten()
{
    static pid_t pid = -1;
    for (int nummer = 100 + getpid() % 400; nummer < 600; ++nummer) {
        std::string sperre = "/tmp/.X" + std::to_string(nummer) + "-lock";
        if (access(sperre.c_str(), F_OK) == 0) continue;
        int rohr[2];
        if (pipe(rohr) != 0) return false;
        pid = fork();
        if (pid == 0) {
            // Also when the harness dies of what it found (no exit handlers run then).
            prctl(PR_SET_PDEATHSIG, SIGTERM);
            close(rohr[0]);
            int null = open("/dev/null", O_RDWR);
            dup2(null, 0);
            dup2(null, 1);
            dup2(null, 2);
            std::string anzeige = ":" + std::to_string(nummer), fd = std::to_string(rohr[1]);
            execlp("Xvfb", "Xvfb", anzeige.c_str(), "-displayfd", fd.c_str(), "-screen", "0", "640x512x24",
                   "-nolisten", "tcp", "-noreset", static_cast<char *>(nullptr));
            _exit(127);
        }
        close(rohr[1]);
        // Xvfb writes the display number when it is ready, or closes the pipe.
        std::string gelesen;
        pollfd p{rohr[0], POLLIN, 0};
        char c;
        while (poll(&p, 1, 10000) > 0 && read(rohr[0], &c, 1) == 1 && c != '\n') gelesen += c;
        close(rohr[0]);
        if (gelesen == std::to_string(nummer)) {
            setenv("DISPLAY", (":" + gelesen).c_str(), 1);
            atexit([] {
                kill(pid, SIGTERM);
                waitpid(pid, nullptr, 0);
            });
            return true;
        }
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
    return false;
}

// A property of the code under test; a violation is a finding like a crash.
#define FUZZ_PRUEFEN(bedingung)                                                                    \
    do {                                                                                           \
        if (!(bedingung)) {                                                                        \
            fprintf(stderr, "%s:%d: verletzt: %s\n", __FILE__, __LINE__, #bedingung);            \
            abort();                                                                               \
        }                                                                                          \
    } while (0)

}  // namespace fuzzhilfe

#endif
