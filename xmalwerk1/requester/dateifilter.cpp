// Wildcard filters of the file requester: '*' any run of characters, '?'
// one character; a greedy walk, tried forwards and then backwards.
#include "requester_intern.h"

#include <cstring>
#include <string>

int filtervergleich1(const char *name, const char *muster)
{
    const char *n = name;
    const char *m = muster;
    int ueberspringen = 0;
    bool stern = false;
    while (*n && *m) {
        for (; *m == '?' || *m == '*'; ++m) {
            if (*m == '?')
                ++ueberspringen;
            else
                stern = true;
        }
        if (!*m) break;
        for (; ueberspringen > 0; --ueberspringen, ++n)
            if (!*n) return 0;
        if (stern) {
            while (*n && *n != *m) ++n;
            if (!*n) return 0;
            stern = false;
        } else if (*n != *m) {
            return 0;
        }
        ++m;
        ++n;
    }
    if (!*m) {
        for (; ueberspringen > 0; --ueberspringen, ++n)
            if (!*n) return 0;
        return stern || !*n;
    }
    return strcmp(m, "*") == 0;
}

int filtervergleich(const char *name, const char *muster)
{
    if (name[0] == '.' && (strncmp(muster, "*?.", 3) == 0 || strncmp(muster, "?*.", 3) == 0)) return 0;
    if (filtervergleich1(name, muster)) return 1;
    // Backwards a star followed by an ending finds the ending at the end of
    // the name, also when its first character occurs earlier (x.b.c, *.c).
    std::string name_r(name), muster_r(muster);
    std::string rn(name_r.rbegin(), name_r.rend()), rm(muster_r.rbegin(), muster_r.rend());
    return filtervergleich1(rn.c_str(), rm.c_str());
}
