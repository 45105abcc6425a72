// The settings store: one file per key in the directory named by $ENV,
// holding the value and a newline; reading falls back to the process
// environment.
#include "menu.h"

#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

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

// Mode for a new settings file: what fopen would give, not mkstemp's 0600.
mode_t neuer_dateimodus(const char *pfad)
{
    struct stat st;
    if (stat(pfad, &st) == 0) return st.st_mode & 07777;
    mode_t maske = umask(0);
    umask(maske);
    return 0666 & ~maske;
}

// The file that a path names in the end: the path itself, or the target of
// the chain of links that it is (a relative target counts from its link's
// directory), also when the last target does not exist yet. Empty for a
// chain that does not end (a cycle), as the system counts it.
std::string linkziel(const std::string &pfad)
{
    std::string p = pfad;
    for (int schritte = 0; schritte <= 40; ++schritte) {
        struct stat st;
        if (lstat(p.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return p;
        std::vector<char> ziel(static_cast<size_t>(st.st_size > 0 ? st.st_size : PATH_MAX) + 1);
        ssize_t n = readlink(p.c_str(), ziel.data(), ziel.size());
        if (n <= 0 || static_cast<size_t>(n) >= ziel.size()) return p;
        std::string z(ziel.data(), static_cast<size_t>(n));
        p = z[0] == '/' ? z : p.substr(0, p.rfind('/') + 1) + z;
    }
    return std::string();
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

}  // namespace

char *Getenv(const char *name)
{
    if (!name) return nullptr;
    const char *verzeichnis = getenv("ENV");
    if (verzeichnis && pfad_bilden(verzeichnis, name)) {
        FILE *f = fopen(str, "r");
        // A directory opens too (an empty key, ".", a subdirectory), but
        // it is no setting: such a key falls back like a missing file.
        struct stat st;
        if (f && fstat(fileno(f), &st) == 0 && S_ISDIR(st.st_mode)) {
            fclose(f);
            f = nullptr;
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
    const char *verzeichnis = getenv("ENV");
    if (!verzeichnis) {
        printf("kann $ENV nicht finden (in .profile setzen!)\n");
        return;
    }
    if (!pfad_bilden(verzeichnis, name)) return;

    // A settings file that is a link stays one: its target gets the value.
    const std::string ziel = linkziel(str);
    if (ziel.empty()) {
        printf("kann '%s' nicht erstellen\n", str);
        return;
    }
    // The value goes into a scratch file beside the target, which is then
    // renamed over it: a reader sees the old value or the new, never a part.
    std::string vorlage = ziel;
    size_t schnitt = vorlage.rfind('/') + 1;
    vorlage.insert(schnitt, ".");
    vorlage += ".XXXXXX";
    int fd = mkstemp(&vorlage[0]);
    if (fd < 0) {
        // A directory that takes no new file may still hold a writable one.
        if (!wert_schreiben(fopen(ziel.c_str(), "w"), wert)) printf("kann '%s' nicht erstellen\n", str);
        return;
    }
    fchmod(fd, neuer_dateimodus(ziel.c_str()));
    FILE *f = fdopen(fd, "w");
    if (!f) close(fd);
    if (!wert_schreiben(f, wert) || rename(vorlage.c_str(), ziel.c_str()) != 0) {
        unlink(vorlage.c_str());
        printf("kann '%s' nicht erstellen\n", str);
    }
}
