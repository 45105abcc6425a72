// The file requester's directory listing without a display: wildcard
// filters, the order of the lines, listing real directories and splitting
// a listing into list entries.
#include <gtest/gtest.h>  // before Xlib, whose macros clash with it

#include "hilfe/dateien.h"
#include "xmalwerk1/requester/requester_intern.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <string>
#include <vector>

using testhilfe::Arbeitsverzeichnis;
using testhilfe::datei_schreiben;

namespace {

std::vector<std::string> zeilen_von(const char *text)
{
    std::vector<std::string> z;
    std::string t(text);
    size_t a = 0;
    while (!t.empty()) {
        size_t e = t.find('\n', a);
        z.push_back(t.substr(a, e == std::string::npos ? std::string::npos : e - a));
        if (e == std::string::npos) break;
        a = e + 1;
    }
    return z;
}

// The name and the kind tag of a listing line whose size has at most 9
// digits: the last 16 characters are a blank, the tag, a blank, the size.
std::string name_von(const std::string &zeile)
{
    std::string n = zeile.substr(0, zeile.size() - 16);
    return n.substr(0, n.find_last_not_of(' ') + 1);
}

std::string kennung_von(const std::string &zeile)
{
    return zeile.substr(zeile.size() - 15, 5);
}

std::vector<std::string> namen(const char *text)
{
    std::vector<std::string> n;
    for (const std::string &z : zeilen_von(text)) n.push_back(name_von(z));
    return n;
}

// The listing as a vector of lines; the text is deleted.
std::vector<std::string> auflisten(const std::string &pfad, const char *filter = nullptr)
{
    char *text = getfileliste(pfad.c_str(), filter, 40);
    std::vector<std::string> z = zeilen_von(text);
    delete[] text;
    return z;
}

const std::string *suchen(const std::vector<std::string> &zeilen, const std::string &name)
{
    for (const std::string &z : zeilen)
        if (name_von(z) == name) return &z;
    return nullptr;
}

// A plain bubble sort with the listing's comparison: adjacent swaps from the
// end towards the front, pass after pass, only when the comparison is positive.
std::string blasensortieren(std::vector<std::string> z)
{
    for (size_t i = 0; i + 1 < z.size(); ++i)
        for (size_t j = z.size() - 1; j > i; --j)
            if (namenvergleich(z[j - 1].c_str(), z[j].c_str()) > 0) std::swap(z[j - 1], z[j]);
    std::string t;
    for (const std::string &s : z) t += (t.empty() ? "" : "\n") + s;
    return t;
}

std::string zeile(const std::string &name, const char *kennung, long groesse)
{
    char z[200];
    snprintf(z, sizeof z, "%-80.80s %s %9ld", name.c_str(), kennung, groesse);
    return z;
}

// A list record of the test's own; its entries go with it.
struct Liste {
    Gadget2 L{};
    Liste() { L.typ = 17; }
    ~Liste()
    {
        if (!L.eintraege) return;
        delete[] L.eintraege[0];
        delete[] L.eintraege;
    }
};

}  // namespace

// ---------------------------------------------------------------------------
// Filters
// ---------------------------------------------------------------------------

TEST(Dateifilter, EndungMitSternAuchWennDerPunktFrueherVorkommt)
{
    EXPECT_TRUE(filtervergleich("a.c", "*.c"));
    EXPECT_TRUE(filtervergleich("x.b.c", "*.c"));
    EXPECT_FALSE(filtervergleich1("x.b.c", "*.c")) << "only the backwards try finds the last ending";
    EXPECT_FALSE(filtervergleich("a.h", "*.c"));
    EXPECT_FALSE(filtervergleich("c", "*.c"));
    EXPECT_FALSE(filtervergleich("a.cc", "*.c"));
    EXPECT_TRUE(filtervergleich("x.tar.gz", "*.tar.gz"));
    EXPECT_FALSE(filtervergleich("x.tar.gz.alt", "*.tar.gz"));
}

TEST(Dateifilter, PunktnamenBeiSternFragezeichenPunkt)
{
    for (const char *muster : {"*?.*", "?*.*"}) {
        EXPECT_FALSE(filtervergleich(".profile.d", muster)) << muster;
        EXPECT_FALSE(filtervergleich(".a.b", muster)) << muster;
        EXPECT_TRUE(filtervergleich("a.b", muster)) << muster;
        EXPECT_FALSE(filtervergleich("ohnepunkt", muster)) << muster;
    }
    EXPECT_TRUE(filtervergleich(".c", "*.c")) << "other patterns do not hide dot-names";
}

TEST(Dateifilter, FragezeichenZaehltGenauEinZeichen)
{
    EXPECT_TRUE(filtervergleich("abc", "a?c"));
    EXPECT_FALSE(filtervergleich("ac", "a?c"));
    EXPECT_FALSE(filtervergleich("abbc", "a?c"));
    EXPECT_TRUE(filtervergleich("ab", "??"));
    EXPECT_FALSE(filtervergleich("a", "??"));
    EXPECT_FALSE(filtervergleich("abc", "??"));
    EXPECT_TRUE(filtervergleich("abc", "*?"));
    EXPECT_TRUE(filtervergleich("dat1.txt", "dat?.*"));
    EXPECT_FALSE(filtervergleich("dat12.txt", "dat?.t"));
}

TEST(Dateifilter, NameZuEndeVorDemMuster)
{
    EXPECT_TRUE(filtervergleich1("ab", "ab*"));
    EXPECT_TRUE(filtervergleich1("ab", "ab"));
    EXPECT_FALSE(filtervergleich1("ab", "ab?"));
    EXPECT_FALSE(filtervergleich1("ab", "abc"));
    EXPECT_TRUE(filtervergleich("beliebig", "*"));
    EXPECT_TRUE(filtervergleich("a", "a*"));
    EXPECT_TRUE(filtervergleich("ba", "*a"));
    EXPECT_FALSE(filtervergleich("ab", "*a"));
}

// ---------------------------------------------------------------------------
// Order of the lines
// ---------------------------------------------------------------------------

TEST(Dateisortierung, VerzeichnisseUndVerweiseZuerstPunktnamenZuletzt)
{
    std::vector<std::string> z = {zeile("zeta", "     ", 1),  zeile(".ganzhinten", "     ", 1),
                                  zeile("alpha", "     ", 2), zeile("Beta", "     ", 3),
                                  zeile("unter", "(dir)", 4096), zeile(".git", "(dir)", 4096),
                                  zeile("link", "(lnk)", 7),   zeile("rohr", "(003)", 0)};
    std::string t;
    for (const std::string &s : z) t += (t.empty() ? "" : "\n") + s;
    char *sortiert = sortieren(newstring(t.c_str()));
    EXPECT_EQ(namen(sortiert),
              (std::vector<std::string>{"link", "unter", ".git", "Beta", "alpha", "rohr", "zeta", ".ganzhinten"}));
    delete[] sortiert;
}

TEST(Dateisortierung, VergleichNachZeichencodeMitVorzeichen)
{
    EXPECT_LT(namenvergleich("B", "a"), 0) << "upper case comes first";
    EXPECT_LT(namenvergleich("ab", "abc"), 0) << "a line that ends first comes first";
    EXPECT_LT(namenvergleich("\xc3\xa4rger", "a"), 0) << "bytes above 127 count as negative";
    EXPECT_GT(namenvergleich(".a", "~"), 0) << "a leading dot counts 128 higher";
    EXPECT_LT(namenvergleich("a.b", "a~"), 0) << "only a leading dot";
    EXPECT_EQ(namenvergleich("gleich\nanders", "gleich"), 0) << "only the first line counts";
    EXPECT_LT(namenvergleich("x (dir)\n", "x (lnk)"), 0) << "the tags count by their letters";
    EXPECT_LT(namenvergleich("zz (lnk)", "a"), 0);
}

TEST(Dateisortierung, HoechstensEineZeileBleibtDerselbeText)
{
    char *leer = newstring("");
    EXPECT_EQ(sortieren(leer), leer);
    delete[] leer;
    char *eine = newstring("nur eine");
    EXPECT_EQ(sortieren(eine), eine);
    EXPECT_STREQ(eine, "nur eine");
    delete[] eine;
    EXPECT_EQ(sortieren(nullptr), nullptr);
}

TEST(Dateisortierung, LeereZeilenBleibenErhalten)
{
    // Empty lines sort first; each keeps its line break.
    char *sortiert = sortieren(newstring("\n\nb\n\na\n"));
    EXPECT_STREQ(sortiert, "\n\n\n\na\nb");
    delete[] sortiert;
    sortiert = sortieren(newstring("b\n"));
    EXPECT_STREQ(sortiert, "\nb");
    delete[] sortiert;
}

TEST(Dateisortierung, GleichtWieBlasensortierungAufZufallslisten)
{
    std::mt19937 zufall(4711);
    const char *kennungen[] = {"     ", "(dir)", "(lnk)", "(003)"};
    const std::string zeichen = "aAbB.~_-0\xc3\xa4";
    for (int runde = 0; runde < 60; ++runde) {
        std::vector<std::string> z;
        int n = 1 + static_cast<int>(zufall() % 120);
        for (int i = 0; i < n; ++i) {
            std::string name;
            int l = 1 + static_cast<int>(zufall() % 4);  // short names: many repeats
            for (int k = 0; k < l; ++k) name += zeichen[zufall() % zeichen.size()];
            z.push_back(zeile(name, kennungen[zufall() % 4], static_cast<long>(zufall() % 3)));
        }
        std::string t;
        for (const std::string &s : z) t += (t.empty() ? "" : "\n") + s;
        char *sortiert = sortieren(newstring(t.c_str()));
        EXPECT_EQ(std::string(sortiert), blasensortieren(z)) << "round " << runde;
        delete[] sortiert;
    }
}

// ---------------------------------------------------------------------------
// Listing a directory
// ---------------------------------------------------------------------------

class Verzeichnisliste : public ::testing::Test {
protected:
    void SetUp() override
    {
        datei_schreiben(v_.datei("a.c"), "12345");
        datei_schreiben(v_.datei("x.b.c"), "");
        datei_schreiben(v_.datei("a.h"), "hh");
        datei_schreiben(v_.datei(".versteckt"), "v");
        datei_schreiben(v_.datei("zwei\nzeilen"), "nl");
        ASSERT_EQ(mkdir(v_.datei("unter").c_str(), 0755), 0);
        ASSERT_EQ(mkdir(v_.datei("unter.c").c_str(), 0755), 0);
        ASSERT_EQ(symlink("a.c", v_.datei("verweis").c_str()), 0);
        ASSERT_EQ(mkfifo(v_.datei("rohr").c_str(), 0644), 0);
    }
    Arbeitsverzeichnis v_;
};

TEST_F(Verzeichnisliste, ArtenGroessenUndFormat)
{
    std::vector<std::string> z = auflisten(v_.pfad());
    ASSERT_EQ(z.size(), 9u) << "one line per entry, . and .. left out";
    for (const std::string &s : z) {
        EXPECT_EQ(s.size(), 96u) << "80 name, blank, 5 kind, blank, 9 size: " << s;
        EXPECT_NE(name_von(s), ".");
        EXPECT_NE(name_von(s), "..");
    }
    const std::string *a = suchen(z, "a.c");
    ASSERT_TRUE(a);
    EXPECT_EQ(kennung_von(*a), "     ");
    EXPECT_EQ(a->substr(87), "        5");
    EXPECT_EQ(kennung_von(*suchen(z, "unter")), "(dir)");
    const std::string *l = suchen(z, "verweis");
    ASSERT_TRUE(l);
    EXPECT_EQ(kennung_von(*l), "(lnk)");
    EXPECT_EQ(l->substr(87), "        3") << "the link itself, not what it names";
    EXPECT_EQ(kennung_von(*suchen(z, "rohr")), "(003)");
    EXPECT_EQ(darstellungsbreite, 24);
}

TEST_F(Verzeichnisliste, SteuerzeichenImNamenAlsFragezeichen)
{
    std::vector<std::string> z = auflisten(v_.pfad());
    EXPECT_TRUE(suchen(z, "zwei?zeilen")) << "the newline does not split the entry";
    for (const std::string &s : z) EXPECT_NE(name_von(s), "zeilen");
    struct stat st;
    EXPECT_EQ(lstat(v_.datei("zwei\nzeilen").c_str(), &st), 0) << "the name on disk is not touched";
}

TEST_F(Verzeichnisliste, Reihenfolge)
{
    std::vector<std::string> n;
    for (const std::string &s : auflisten(v_.pfad())) n.push_back(name_von(s));
    EXPECT_EQ(n, (std::vector<std::string>{"unter", "unter.c", "verweis", "a.c", "a.h", "rohr", "x.b.c",
                                           "zwei?zeilen", ".versteckt"}));
}

TEST_F(Verzeichnisliste, FilterLaesstVerzeichnisseUndVerweise)
{
    std::vector<std::string> n;
    for (const std::string &s : auflisten(v_.pfad(), "*.c")) n.push_back(name_von(s));
    EXPECT_EQ(n, (std::vector<std::string>{"unter", "unter.c", "verweis", "a.c", "x.b.c"}));
    n.clear();
    for (const std::string &s : auflisten(v_.pfad(), "*?.*")) n.push_back(name_von(s));
    EXPECT_EQ(n, (std::vector<std::string>{"unter", "unter.c", "verweis", "a.c", "a.h", "x.b.c"}));
    EXPECT_EQ(auflisten(v_.pfad(), "").size(), 9u) << "a cleared filter shows everything";
}

TEST_F(Verzeichnisliste, LangerNameBleibtGanz)
{
    std::string lang(200, 'L');
    datei_schreiben(v_.datei(lang), "");
    const std::vector<std::string> liste = auflisten(v_.pfad());
    const std::string *z = suchen(liste, lang);
    ASSERT_TRUE(z);
    EXPECT_EQ(z->size(), 216u);
}

TEST(Listeneintraege, NameUndArtEinesEintrags)
{
    const std::string lang(80, 'x');
    const struct {
        std::string eintrag;
        int n;
        const char *name;
        Eintragsart art;
    } faelle[] = {
        {zeile("my file.txt", "     ", 12), 400, "my file.txt", Eintragsart::datei},
        {zeile("My Files", "(dir)", 4096), 400, "My Files", Eintragsart::verzeichnis},
        {zeile("a (dir) b", "(lnk)", 3), 400, "a (dir) b", Eintragsart::verweis},
        {zeile("rohr", "(003)", 0), 400, "rohr", Eintragsart::anderes},
        {lang + " (dir) 1234567890", 400, lang.c_str(), Eintragsart::verzeichnis},  // a size of 10 digits
        {zeile("abcdef", "     ", 1), 4, "abc", Eintragsart::datei},
        {"HOME        (disk)", 400, "HOME", Eintragsart::geraet},
        {"..", 400, "..", Eintragsart::anderes},
    };
    for (const auto &f : faelle) {
        char name[400];
        EXPECT_EQ(eintrag_zerlegen(f.eintrag.c_str(), name, f.n), f.art) << f.eintrag;
        EXPECT_STREQ(name, f.name) << f.eintrag;
    }
}

TEST(Verzeichnisliste2, LeeresUndFehlendesVerzeichnis)
{
    Arbeitsverzeichnis v;
    char *t = getfileliste(v.pfad().c_str(), nullptr, 40);
    EXPECT_STREQ(t, "");
    delete[] t;
    t = getfileliste((v.pfad() + "/gibtsnicht").c_str(), nullptr, 10);
    EXPECT_STREQ(t, "");
    delete[] t;
    EXPECT_EQ(darstellungsbreite, 4) << "at least 4";
}

TEST(Verzeichnisliste2, LeererPfadIstDasArbeitsverzeichnis)
{
    Arbeitsverzeichnis v;
    datei_schreiben(v.datei("hier"), "");
    char alt[4096];
    ASSERT_TRUE(getcwd(alt, sizeof alt));
    ASSERT_EQ(chdir(v.pfad().c_str()), 0);
    char *t = getfileliste("", nullptr, 40);
    char *t2 = getfileliste(nullptr, nullptr, 40);
    EXPECT_EQ(namen(t), std::vector<std::string>{"hier"});
    EXPECT_STREQ(t, t2);
    delete[] t;
    delete[] t2;
    ASSERT_EQ(chdir(alt), 0);
}

// An entry whose status cannot be read: its full name is longer than the
// system allows, while the directory itself can still be opened.
TEST(Verzeichnisliste2, EintragOhneLesbarenStatus)
{
    Arbeitsverzeichnis v;
    std::string pfad = v.pfad();
    std::vector<int> fds{open(pfad.c_str(), O_RDONLY | O_DIRECTORY)};
    std::vector<std::string> stufen;
    // Directories down to a path of 4050 characters: still short enough to open.
    while (pfad.size() < 4040) {
        size_t l = std::min<size_t>(250, 4050 - pfad.size() - 1);
        stufen.push_back(std::string(l, 'd'));
        ASSERT_EQ(mkdirat(fds.back(), stufen.back().c_str(), 0755), 0);
        fds.push_back(openat(fds.back(), stufen.back().c_str(), O_RDONLY | O_DIRECTORY));
        ASSERT_GE(fds.back(), 0);
        pfad += "/" + stufen.back();
    }
    const std::string lang(120, 'n');
    ASSERT_GE(pfad.size() + 1 + lang.size(), 4096u);
    int f = openat(fds.back(), lang.c_str(), O_CREAT | O_WRONLY, 0644);
    ASSERT_GE(f, 0);
    ASSERT_EQ(write(f, "inhalt", 6), 6);
    close(f);
    f = openat(fds.back(), "k", O_CREAT | O_WRONLY, 0644);
    close(f);

    std::vector<std::string> z = auflisten(pfad);
    const std::string *n = suchen(z, lang);
    ASSERT_TRUE(n);
    EXPECT_EQ(kennung_von(*n), "(003)");
    EXPECT_EQ(n->substr(n->size() - 9), "        0");
    ASSERT_TRUE(suchen(z, "k"));
    EXPECT_EQ(kennung_von(*suchen(z, "k")), "     ");

    // Taken down from the inside: the long names defeat removal by path.
    unlinkat(fds.back(), lang.c_str(), 0);
    unlinkat(fds.back(), "k", 0);
    for (size_t i = fds.size() - 1; i > 0; --i) {
        close(fds[i]);
        unlinkat(fds[i - 1], stufen[i - 1].c_str(), AT_REMOVEDIR);
    }
    close(fds[0]);
}

// ---------------------------------------------------------------------------
// List entries
// ---------------------------------------------------------------------------

TEST(Listeneintraege, EineZeileJeEintragUndLeerWirdPunktPunkt)
{
    Liste liste;
    Gadget2 &L = liste.L;
    L.erster = 5;
    fileliste_ins_gadget_kopieren("eins\nzwei\ndrei", &L);
    ASSERT_EQ(L.anzahl, 3);
    EXPECT_EQ(L.erster, 0);
    EXPECT_STREQ(L.eintraege[0], "eins");
    EXPECT_STREQ(L.eintraege[2], "drei");
    fileliste_ins_gadget_kopieren("", &L);  // the old entries go (ASan sees a leak or a double free)
    ASSERT_EQ(L.anzahl, 1);
    EXPECT_STREQ(L.eintraege[0], "..");
    fileliste_ins_gadget_kopieren(nullptr, &L);
    EXPECT_STREQ(L.eintraege[0], "..");
    fileliste_ins_gadget_kopieren("a\n", &L);
    ASSERT_EQ(L.anzahl, 2);
    EXPECT_STREQ(L.eintraege[1], "");
    fileliste_ins_gadget_kopieren("x", &L);
}

TEST(Listeneintraege, MehrZeilenAlsDieZaehlungFasst)
{
    std::string t;
    for (int i = 0; i < 40000; ++i) t += (i ? "\n" : "") + std::to_string(i);
    Liste liste;
    Gadget2 &L = liste.L;
    fileliste_ins_gadget_kopieren(t.c_str(), &L);
    ASSERT_EQ(L.anzahl, MAX_LISTENEINTRAEGE);
    EXPECT_STREQ(L.eintraege[MAX_LISTENEINTRAEGE - 1], "32766");
}

TEST(Listeneintraege, AktualisierenMitDemFilterDesRequesters)
{
    Arbeitsverzeichnis v;
    datei_schreiben(v.datei("a.c"), "");
    datei_schreiben(v.datei("a.h"), "");
    Liste liste;
    Gadget2 &L = liste.L;
    char pfad[400];
    strcpymax(pfad, v.pfad().c_str(), sizeof pfad);
    char filter[] = "*.h";
    g_filter = filter;
    fileliste_aktualisieren(&L, pfad);
    ASSERT_EQ(L.anzahl, 1);
    EXPECT_EQ(name_von(L.eintraege[0]), "a.h");
    g_filter = nullptr;
    fileliste_aktualisieren(&L, pfad);
    EXPECT_EQ(L.anzahl, 2);
}

TEST(Textkuerzen, EndeNurBeiMehrAlsFuenfzehnZeichen)
{
    char z[120];
    textkuerzen("abcdefghij", z, 4, sizeof z);
    EXPECT_STREQ(z, "abcd") << "ten characters: no tail";
    textkuerzen("abcd", z, 4, sizeof z);
    EXPECT_STREQ(z, "abcd");
    textkuerzen("abcdefghijklmnop", z, 4, sizeof z);
    EXPECT_STREQ(z, "abcdbcdefghijklmnop") << "the tail may repeat what the start showed";
    textkuerzen(nullptr, z, 3, sizeof z);
    EXPECT_STREQ(z, "   ");
}
