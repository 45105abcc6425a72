// The list requester: one entry of a scrollable list chosen with the mouse,
// or none after CANCEL.
#include <gtest/gtest.h>  // before Xlib, whose macros clash with it

#include "hilfe/fernbedienung.h"
#include "hilfe/xvfb.h"
#include "xmalwerk1/requester/anordnung.h"
#include "xmalwerk1/requester/requester_intern.h"

#include <functional>
#include <string>
#include <vector>

using testhilfe::Fernbedienung;
using testhilfe::Fernsteuerung;
using testhilfe::XvfbServer;

namespace {

const char *const titel = "Liste waehlen";

// One server for the suite: the requesters keep their connection for the
// life of the process.
class Listenrequester : public ::testing::Test {
protected:
    static void SetUpTestSuite() { x_ = new XvfbServer; }
    static void TearDownTestSuite()
    {
        delete x_;
        x_ = nullptr;
    }
    void SetUp() override
    {
        x_->als_display_setzen();
        requester_font_anfordern(0);
        ASSERT_TRUE(requester_bereit());
        cw_ = reqpixprobuchst_x;
        ch_ = reqpixprobuchst_y;
        for (int i = 0; i < 30; ++i) texte_.push_back("Eintrag " + std::to_string(i));
        // An entry that reads like a directory of the file requester.
        texte_[2] = "unter (dir) 4096";
        for (const std::string &t : texte_) zeiger_.push_back(t.c_str());
        a_ = listenrequester_anordnen(cw_, ch_, 12, 20);
    }
    int waehlen(std::function<void(Fernbedienung &)> skript)
    {
        Fernsteuerung s(x_->name(), [skript](Fernbedienung &f) {
            ASSERT_TRUE(f.fenster_finden(titel));
            skript(f);
        });
        return requester_liste(titel, zeiger_.data(), static_cast<int>(zeiger_.size()));
    }
    void zeile_klicken(Fernbedienung &f, int j) const
    {
        f.klick(a_.liste.x + 2 * cw_, a_.liste.y + ch_ / 3 + j * (ch_ * 5 / 4) + ch_ * 5 / 8);
    }
    static void mitte_klicken(Fernbedienung &f, const Rechteck &r) { f.klick(r.x + r.breite / 2, r.y + r.hoehe / 2); }

    static XvfbServer *x_;
    int cw_ = 0, ch_ = 0;
    std::vector<std::string> texte_;
    std::vector<const char *> zeiger_;
    Listenanordnung a_{};
};

XvfbServer *Listenrequester::x_ = nullptr;

}  // namespace

TEST_F(Listenrequester, FensterGroesseUndGewaehlteZeile)
{
    int r = waehlen([&](Fernbedienung &f) {
        XWindowAttributes at;
        ASSERT_TRUE(XGetWindowAttributes(f.display(), f.fenster(), &at));
        EXPECT_EQ(at.width, a_.breite);
        EXPECT_EQ(at.height, a_.hoehe);
        // A double click opens nothing: this list is no directory listing.
        zeile_klicken(f, 2);
        zeile_klicken(f, 2);
        zeile_klicken(f, 5);
        mitte_klicken(f, a_.ok);
    });
    EXPECT_EQ(r, 5);
    EXPECT_STREQ(newgadgets[0].liste->eintraege[2], "unter (dir) 4096");
}

TEST_F(Listenrequester, GerollteListeZaehltVomErstenEintrag)
{
    int r = waehlen([&](Fernbedienung &f) {
        // Into the track below the thumb: one page down (12 rows).
        const int spur_x = a_.liste.x + a_.liste.breite + cw_ / 2 + 1;
        f.klick(spur_x, a_.liste.y + a_.liste.hoehe - 2 * (ch_ * 5 / 4) - 2);
        zeile_klicken(f, 3);
        mitte_klicken(f, a_.ok);
    });
    EXPECT_EQ(r, 15);
}

TEST_F(Listenrequester, AbbruchOderNichtsGewaehltGibtMinusEins)
{
    EXPECT_EQ(waehlen([&](Fernbedienung &f) {
                  zeile_klicken(f, 4);
                  mitte_klicken(f, a_.abbruch);
              }),
              -1);
    EXPECT_EQ(waehlen([&](Fernbedienung &f) { mitte_klicken(f, a_.ok); }), -1);
    EXPECT_EQ(requester_liste(titel, zeiger_.data(), 0), -1);
}
