// Replacing a file whole: the file a path names at the end of its links,
// and a scratch file beside it that is renamed over it when complete.
#include "malwerk.h"

#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <vector>

namespace {

// The mode the replaced file has, or that fopen would give a new one (not
// mkstemp's 0600).
mode_t neuer_dateimodus(const char *pfad)
{
    struct stat st;
    if (stat(pfad, &st) == 0) return st.st_mode & 07777;
    mode_t maske = umask(0);
    umask(maske);
    return 0666 & ~maske;
}

}  // namespace

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

bool ersetzbar(const std::string &ziel)
{
    struct stat st;
    return stat(ziel.c_str(), &st) != 0 || S_ISREG(st.st_mode);
}

std::string hilfsdatei_anlegen(const std::string &ziel, int *fd)
{
    // A name of its own length, not the target's with more letters: the
    // longest names the directory takes can be replaced too.
    std::string vorlage = ziel.substr(0, ziel.rfind('/') + 1) + ".neu.XXXXXX";
    *fd = mkstemp(&vorlage[0]);
    if (*fd < 0) return std::string();
    fchmod(*fd, neuer_dateimodus(ziel.c_str()));
    return vorlage;
}
