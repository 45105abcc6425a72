// Local time from the system's time zone database through the C library:
// it reads the compiled zone files and, beyond their last listed change,
// the rule that closes each file, so summer time comes out right for any
// year the eclipse file holds (a reader of the listed changes alone stops
// changing the clock after 2037).
#include "ortszeit.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>

namespace {

const char *zonenverzeichnis()
{
    const char *d = std::getenv("TZDIR");
    return d && *d ? d : "/usr/share/zoneinfo";
}

// A name as the database writes them: words of letters, digits and "_+-"
// joined by "/", none of them "." or "..". Leap-second zones ("right/")
// count seconds that UT does not.
bool zonenname(const std::string &zone)
{
    if (zone.empty() || zone.size() > 200 || zone.compare(0, 6, "right/") == 0) return false;
    size_t anfang = 0;
    while (anfang <= zone.size()) {
        size_t ende = zone.find('/', anfang);
        if (ende == std::string::npos) ende = zone.size();
        const std::string wort = zone.substr(anfang, ende - anfang);
        if (wort.empty() || wort == "." || wort == "..") return false;
        for (char c : wort)
            if (!std::isalnum(static_cast<unsigned char>(c)) && !std::strchr("_+-", c)) return false;
        anfang = ende + 1;
    }
    return true;
}

// TZ for the time of one conversion, then as it was: the rest of the
// program keeps its own zone.
class Zonenwahl {
public:
    explicit Zonenwahl(const std::string &zone)
    {
        const char *alt = std::getenv("TZ");
        hatte_ = alt != nullptr;
        if (alt) alt_ = alt;
        setenv("TZ", (":" + zone).c_str(), 1);
        tzset();
    }
    ~Zonenwahl()
    {
        if (hatte_)
            setenv("TZ", alt_.c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }
    Zonenwahl(const Zonenwahl &) = delete;
    Zonenwahl &operator=(const Zonenwahl &) = delete;

private:
    bool hatte_ = false;
    std::string alt_;
};

// The conversion in the zone TZ names now.
bool im_gesetzten(long long ut_sekunden, Uhrzone *z)
{
    const std::time_t t = static_cast<std::time_t>(ut_sekunden);
    std::tm ortszeit{};
    // The abbreviation is the C library's: copied while its zone is set.
    if (!localtime_r(&t, &ortszeit) || !ortszeit.tm_zone || std::strcmp(ortszeit.tm_zone, "LMT") == 0) return false;
    z->versatz = ortszeit.tm_gmtoff;
    z->kuerzel = ortszeit.tm_zone;
    return true;
}

// The conversion itself, for a zone known to exist.
bool umrechnen(const std::string &zone, long long ut_sekunden, Uhrzone *z)
{
    Zonenwahl wahl(zone);
    return im_gesetzten(ut_sekunden, z);
}

}  // namespace

bool zeitzone_gibt_es(const std::string &zone)
{
    if (!zonenname(zone)) return false;
    const std::string pfad = std::string(zonenverzeichnis()) + "/" + zone;
    std::FILE *f = std::fopen(pfad.c_str(), "rb");
    if (!f) return false;
    char kopf[4] = {};
    const bool gut = std::fread(kopf, 1, 4, f) == 4 && std::memcmp(kopf, "TZif", 4) == 0;
    std::fclose(f);
    return gut;
}

bool zonenzeit(const std::string &zone, long long ut_sekunden, Uhrzone *z)
{
    return zeitzone_gibt_es(zone) && umrechnen(zone, ut_sekunden, z);
}

Ortsuhr ortsuhr(const std::string &zone)
{
    if (!zeitzone_gibt_es(zone)) return Ortsuhr();
    // The zone stays set while the clock is in use, so that a list of
    // thousands of eclipses reads its file once, not twice an eclipse; the
    // program's own TZ comes back with the last copy of the clock.
    auto gesetzt = std::make_shared<std::unique_ptr<Zonenwahl>>();
    const std::string tz = ":" + zone;
    return [zone, tz, gesetzt](long long s, Uhrzone *z) {
        const char *jetzt = std::getenv("TZ");
        if (!*gesetzt || !jetzt || tz != jetzt) {
            gesetzt->reset();
            *gesetzt = std::make_unique<Zonenwahl>(zone);
        }
        return im_gesetzten(s, z);
    };
}

std::vector<std::string> ortszeilen(const Elemente &e, const Ort &ort, const Ortsumstaende &u,
                                    const std::string &zone, const std::string &ortsname)
{
    return ortszeilen(e, ort, u, ortsuhr(zone), ortsname);
}

std::vector<Listeneintrag> finsternisliste(const std::vector<Elemente> &alle, const Ort &ort, int von, int bis,
                                           const std::string &zone)
{
    return finsternisliste(alle, ort, von, bis, ortsuhr(zone));
}
