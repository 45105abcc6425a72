// The settings store: one file per key in the directory named by $ENV (else
// $XDG_CONFIG_HOME/<program>), holding the value and a newline; reading
// falls back to the process environment.
#include "menu.h"
#include "../core/malwerk.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// The value buffer; it also holds the file path first.
char str[200];

// "dir/key" into str; false (with a message) when it does not fit, so a
// cut path never names a different file.
bool pfad_bilden(const char *verzeichnis, const char *name)
{
    int n = snprintf(str, sizeof str, "%s/%s", verzeichnis, name);
    if (n < 0 || n >= static_cast<int>(sizeof str)) {
        printf("Pfad '%s/%s' ist zu lang (hoechstens %d Zeichen)\n", verzeichnis, name,
               static_cast<int>(sizeof str) - 1);
        str[0] = '\0';
        return false;
    }
    return true;
}

// The value and a newline into f, which is closed; false when f is null
// or anything failed.
bool wert_schreiben(FILE *f, const char *wert)
{
    if (!f) return false;
    bool gut = !wert || fputs(wert, f) >= 0;
    gut = putc('\n', f) != EOF && gut;
    return fclose(f) == 0 && gut;
}

// The settings directory: $ENV, where an empty value counts as unset (it
// would name the root directory); without it the program's own directory
// below $XDG_CONFIG_HOME (~/.config when that is not set), as a desktop
// keeps settings. Empty when there is none.
std::string einstellungsverzeichnis()
{
    const char *verzeichnis = getenv("ENV");
    if (verzeichnis && *verzeichnis) return verzeichnis;
    const char *xdg = getenv("XDG_CONFIG_HOME");
    const char *heim = getenv("HOME");
    std::string basis;
    if (xdg && *xdg == '/')
        basis = xdg;
    else if (heim && *heim)
        basis = std::string(heim) + "/.config";
    if (basis.empty() || !*program_invocation_short_name) return "";
    return basis + "/" + program_invocation_short_name;
}

// Makes the directory and those above it that are missing; false when it
// is still not there.
bool verzeichnis_anlegen(const std::string &verzeichnis)
{
    for (size_t i = 1; i <= verzeichnis.size(); ++i)
        if (i == verzeichnis.size() || verzeichnis[i] == '/') mkdir(verzeichnis.substr(0, i).c_str(), 0700);
    struct stat st;
    return stat(verzeichnis.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace

char *Getenv(const char *name)
{
    if (!name) return nullptr;
    const std::string verzeichnis = einstellungsverzeichnis();
    if (!verzeichnis.empty() && pfad_bilden(verzeichnis.c_str(), name)) {
        // Only a regular file is a setting. A directory opens too (an empty
        // key, ".", a subdirectory), and a FIFO or a terminal would wait
        // for a writer for ever: such a key falls back like a missing file.
        // Checked before it is opened, and once more when it is open
        // without waiting, should it have been replaced meanwhile.
        FILE *f = nullptr;
        struct stat st;
        if (stat(str, &st) == 0 && S_ISREG(st.st_mode)) {
            const int fd = open(str, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
            if (fd >= 0 && fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && fcntl(fd, F_SETFL, 0) == 0)
                f = fdopen(fd, "r");
            if (!f && fd >= 0) close(fd);
        }
        if (f) {
            size_t n = 0;
            int c;
            while (n < sizeof str - 1 && (c = getc(f)) != EOF) str[n++] = static_cast<char>(c);
            str[n] = '\0';
            if (n > 0 && str[n - 1] == '\n') str[n - 1] = '\0';
            fclose(f);
            return str;
        }
    }
    return getenv(name);
}

void Setenv(const char *name, const char *wert)
{
    if (!name) return;
    const std::string verzeichnis = einstellungsverzeichnis();
    if (verzeichnis.empty()) {
        printf("kann $ENV nicht finden (in .profile setzen!)\n");
        return;
    }
    // $ENV is the user's own; the program's directory is made on first use.
    const char *env = getenv("ENV");
    if (!(env && *env)) verzeichnis_anlegen(verzeichnis);
    if (!pfad_bilden(verzeichnis.c_str(), name)) return;

    // A settings file that is a link stays one: its target gets the value.
    // A device, a FIFO or a directory there is no settings file and kept.
    const std::string ziel = linkziel(str);
    if (ziel.empty() || !ersetzbar(ziel)) {
        printf("kann '%s' nicht erstellen\n", str);
        return;
    }
    // The value goes into a scratch file beside the target, renamed over it.
    int fd;
    const std::string vorlage = hilfsdatei_anlegen(ziel, &fd);
    if (vorlage.empty()) {
        // A directory that takes no new file may still hold a writable one.
        if (!wert_schreiben(fopen(ziel.c_str(), "w"), wert)) printf("kann '%s' nicht erstellen\n", str);
        return;
    }
    FILE *f = fdopen(fd, "w");
    if (!f) close(fd);
    if (!wert_schreiben(f, wert) || rename(vorlage.c_str(), ziel.c_str()) != 0) {
        unlink(vorlage.c_str());
        printf("kann '%s' nicht erstellen\n", str);
    }
}
