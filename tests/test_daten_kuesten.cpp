// The shipped coastline file, read line by line as the viewer reads it, and
// the script that makes it (run against a stand-in for GMT, so the tests need
// no GMT).
#include <gtest/gtest.h>

#include "hilfe/dateien.h"
#include "hilfe/xvfb.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

namespace {

const std::string kuesten_datei = std::string(UMBRIX_SOURCE_DIR) + "/data/gmtkuesten.dat";
const std::string skript = std::string(UMBRIX_SOURCE_DIR) + "/tools/kuesten_erzeugen.sh";

struct Karte {
    int segmente = 0, punkte = 0, laengstes = 0;
    int fremde_koepfe = 0;     // headers without "Shore" after "> "
    int daten_ohne_kopf = 0;   // data lines outside a Shore segment
    int kaputte_zeilen = 0;    // data lines that are not exactly two numbers
    int leere_segmente = 0;
    std::size_t laengste_zeile = 0;
    double laenge_min = 1e9, laenge_max = -1e9, breite_min = 1e9, breite_max = -1e9;
};

// Splits at line feeds only, as the viewer does (a carriage return would
// end a line of its own).
Karte auswerten(const std::string &text)
{
    Karte k;
    bool shore = false;
    int n = 0;
    bool kopf_gesehen = false;
    const auto segment_ende = [&] {
        if (n > 0) {
            ++k.segmente;
            k.laengstes = std::max(k.laengstes, n);
        } else if (kopf_gesehen && shore) {
            ++k.leere_segmente;
        }
        n = 0;
    };
    std::istringstream ein(text);
    for (std::string zeile; std::getline(ein, zeile);) {
        k.laengste_zeile = std::max(k.laengste_zeile, zeile.size());
        if (!zeile.empty() && (zeile[0] == ';' || zeile[0] == '#')) continue;
        if (!zeile.empty() && zeile[0] == '>') {
            segment_ende();
            kopf_gesehen = true;
            shore = zeile.size() >= 7 && zeile.compare(2, 5, "Shore") == 0;
            if (!shore) ++k.fremde_koepfe;
            continue;
        }
        if (!shore) {
            ++k.daten_ohne_kopf;
            continue;
        }
        double laenge = 0, breite = 0;
        int gelesen = -1;
        if (std::sscanf(zeile.c_str(), "%lf %lf %n", &laenge, &breite, &gelesen) != 2 ||
            gelesen != static_cast<int>(zeile.size())) {
            ++k.kaputte_zeilen;
            continue;
        }
        ++n;
        ++k.punkte;
        k.laenge_min = std::min(k.laenge_min, laenge);
        k.laenge_max = std::max(k.laenge_max, laenge);
        k.breite_min = std::min(k.breite_min, breite);
        k.breite_max = std::max(k.breite_max, breite);
    }
    segment_ende();
    return k;
}

// A stand-in for gmt: "--version" answers 6.9.9; "pscoast" logs its
// arguments, leaves a gmt.history in its working directory as GMT does,
// and prints what $KUESTEN_PROBE names.
const char *const falsches_gmt = R"(#!/bin/sh
case "$1" in
--version) echo 6.9.9 ;;
pscoast)
    echo "$*" >"$GMT_PROTOKOLL"
    echo "pscoast" >gmt.history
    case "$KUESTEN_PROBE" in
    fremd)
        printf '> -L1 something\n10\t20\n11\t21\n> Shore Bin # 3, Level 1\n12\t22\n' ;;
    lang)
        echo "> Shore Bin # 0, Level 1"; seq 1 1001 | awk '{ print $1 / 100, 0 }' ;;
    viele)
        seq 1 16000 | awk '{ if ($1 % 800 == 1) print "> Shore Bin # 0, Level 1"; print 0, $1 / 1000 }' ;;
    esac ;;
esac
)";

struct Lauf {
    int status;
    std::string ausgabe;
};

Lauf skript_laufen(const testhilfe::Arbeitsverzeichnis &v, const std::string &probe, const std::string &ziel)
{
    std::filesystem::create_directory(v.datei("bin"));
    testhilfe::datei_schreiben(v.datei("bin/gmt"), falsches_gmt, 0755);
    const char *pfad = std::getenv("PATH");
    testhilfe::Kindprozess k({"/bin/bash", skript, ziel},
                             {"PATH=" + v.datei("bin") + ":" + (pfad ? pfad : "/usr/bin:/bin"),
                              "KUESTEN_PROBE=" + probe, "GMT_PROTOKOLL=" + v.datei("protokoll")},
                             v.pfad());
    const int status = k.warten(60);
    return {status, k.ausgabe()};
}

}  // namespace

TEST(DatenKuesten, AusgelieferteDateiPasstZumLeser)
{
    const std::string text = testhilfe::datei_lesen(kuesten_datei);
    ASSERT_FALSE(text.empty());
    // The viewer drops a last line without a line feed and splits at
    // carriage returns; it reads lines of up to 199 characters.
    EXPECT_EQ(text.back(), '\n');
    EXPECT_EQ(text.find('\r'), std::string::npos);
    EXPECT_EQ(text.rfind("> Shore", 0), 0u) << "the file must begin with a Shore header";

    const Karte k = auswerten(text);
    EXPECT_LE(k.laengste_zeile, 199u);
    EXPECT_EQ(k.fremde_koepfe, 0);
    EXPECT_EQ(k.daten_ohne_kopf, 0);
    EXPECT_EQ(k.kaputte_zeilen, 0);
    EXPECT_EQ(k.leere_segmente, 0);
    // Everything fits the viewer's storage, so no coastline is dropped.
    EXPECT_GT(k.segmente, 0);
    EXPECT_LE(k.segmente, 8000);
    EXPECT_LE(k.punkte, 15999);
    EXPECT_LE(k.laengstes, 1000);
    // Degrees of the whole world, from Antarctica to the Arctic islands and
    // across the date line.
    EXPECT_GE(k.laenge_min, -180.0);
    EXPECT_LE(k.laenge_max, 180.0);
    EXPECT_GE(k.breite_min, -90.0);
    EXPECT_LE(k.breite_max, 90.0);
    EXPECT_LT(k.breite_min, -70.0);
    EXPECT_GT(k.breite_max, 80.0);
    EXPECT_LT(k.laenge_min, -170.0);
    EXPECT_GT(k.laenge_max, 170.0);
}

TEST(DatenKuesten, AuswertungErkenntFehler)
{
    // The checker itself must see what the viewer would trip over.
    const Karte k = auswerten("1 2\n>\n> Shore a\n1 2\n3 4\n> Border x\n5 6\n> Shore b\n> Shore c\n7\n8 9 10\n11 12\n");
    EXPECT_EQ(k.daten_ohne_kopf, 2);  // before the first header and after the Border header
    EXPECT_EQ(k.fremde_koepfe, 2);   // the bare ">" and "> Border x"
    EXPECT_EQ(k.leere_segmente, 1);   // "> Shore b"
    EXPECT_EQ(k.kaputte_zeilen, 2);   // "7" and "8 9 10"
    EXPECT_EQ(k.segmente, 2);
    EXPECT_EQ(k.punkte, 3);
    EXPECT_EQ(k.laengstes, 2);
}

TEST(DatenKuesten, SkriptRuftPscoastUndSchreibtKoepfeUm)
{
    testhilfe::Arbeitsverzeichnis v;
    const Lauf l = skript_laufen(v, "fremd", v.datei("kuesten.dat"));
    ASSERT_EQ(l.status, 0) << l.ausgabe;
    EXPECT_EQ(testhilfe::datei_lesen(v.datei("protokoll")), "pscoast -Dc -R-180/180/-90/90 -W -M\n");
    // GMT's history file is left in a scratch directory, not where the script ran.
    EXPECT_THROW(testhilfe::datei_lesen(v.datei("gmt.history")), std::runtime_error);
    EXPECT_EQ(testhilfe::datei_lesen(v.datei("kuesten.dat")),
              "> Shore -L1 something\n10\t20\n11\t21\n> Shore Bin # 3, Level 1\n12\t22\n");
    EXPECT_NE(l.ausgabe.find("GMT 6.9.9 statt 6.4.0"), std::string::npos) << l.ausgabe;
    EXPECT_NE(l.ausgabe.find("1 Segmentkoepfe"), std::string::npos) << l.ausgabe;
    EXPECT_NE(l.ausgabe.find("2 Segmente, 3 Punkte, hoechstens 2 Punkte"), std::string::npos) << l.ausgabe;
}

TEST(DatenKuesten, SkriptLaesstDieDateiBeiZuVielenPunktenStehen)
{
    for (const char *probe : {"lang", "viele"}) {
        testhilfe::Arbeitsverzeichnis v;
        testhilfe::datei_schreiben(v.datei("kuesten.dat"), "alt\n");
        const Lauf l = skript_laufen(v, probe, v.datei("kuesten.dat"));
        EXPECT_EQ(l.status, 1) << probe << "\n" << l.ausgabe;
        EXPECT_NE(l.ausgabe.find("FEHLER"), std::string::npos) << probe << "\n" << l.ausgabe;
        EXPECT_EQ(testhilfe::datei_lesen(v.datei("kuesten.dat")), "alt\n") << probe;
    }
}
