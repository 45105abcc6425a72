// The settings store: one file per key in the directory named by $ENV,
// holding the value and a newline; reading falls back to the process
// environment.
#include "menu.h"

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

// Mode for a new settings file: what fopen would give, not mkstemp's 0600.
mode_t neuer_dateimodus(const char *pfad)
{
    struct stat st;
    if (stat(pfad, &st) == 0) return st.st_mode & 07777;
    mode_t maske = umask(0);
    umask(maske);
    return 0666 & ~maske;
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

    // The value goes into a scratch file beside the old one, which is then
    // renamed over it: a reader sees the old value or the new, never a part.
    std::string vorlage = str;
    size_t schnitt = vorlage.rfind('/') + 1;
    vorlage.insert(schnitt, ".");
    vorlage += ".XXXXXX";
    int fd = mkstemp(&vorlage[0]);
    if (fd < 0) {
        printf("kann '%s' nicht erstellen\n", str);
        return;
    }
    fchmod(fd, neuer_dateimodus(str));
    FILE *f = fdopen(fd, "w");
    bool gut = f != nullptr;
    if (gut) {
        if (wert) gut = fputs(wert, f) >= 0;
        gut = putc('\n', f) != EOF && gut;
        gut = fclose(f) == 0 && gut;
    } else {
        close(fd);
    }
    if (!gut || rename(vorlage.c_str(), str) != 0) {
        unlink(vorlage.c_str());
        printf("kann '%s' nicht erstellen\n", str);
    }
}
