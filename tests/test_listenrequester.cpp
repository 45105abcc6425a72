// The list requester: one entry of a scrollable list chosen with the mouse,
// or none.
#include <gtest/gtest.h>  // before Xlib, whose macros clash with it

#include "hilfe/fernbedienung.h"
#include "hilfe/xvfb.h"
#include "xmalwerk1/requester/anordnung.h"
#include "xmalwerk1/requester/requester_intern.h"

#include <functional>
#include <string>
#include <vector>

using testhilfe::Fernbedienung;

namespace {

// One server for the suite: the requesters keep their connection for the
// life of the process.
class Listenrequester : public ::testing::Test {
protected:
    static void SetUpTestSuite() { x_ = new testhilfe::XvfbServer; }
    static void TearDownTestSuite() { delete x_; }
    void SetUp() override
    {
        x_->als_display_setzen();
        requester_font_anfordern(0);
        ASSERT_TRUE(requester_bereit());
        for (int i = 0; i < 30; ++i) texte_.push_back("Eintrag " + std::to_string(i));
        texte_[2] = "unter (dir) 4096";  // reads like a directory of the file requester
        for (const std::string &t : texte_) zeiger_.push_back(t.c_str());
        a_ = listenrequester_anordnen(reqpixprobuchst_x, reqpixprobuchst_y, 12, 20);
    }
    int waehlen(std::function<void(Fernbedienung &)> skript)
    {
        testhilfe::Fernsteuerung s(x_->name(), [skript](Fernbedienung &f) {
            ASSERT_TRUE(f.fenster_finden("Liste"));
            skript(f);
        });
        return requester_liste("Liste", zeiger_.data(), static_cast<int>(zeiger_.size()));
    }
    void zeile(Fernbedienung &f, int j) const
    {
        const int ch = reqpixprobuchst_y;
        f.klick(a_.liste.x + 10, a_.liste.y + ch / 3 + j * (ch * 5 / 4) + ch * 5 / 8);
    }
    static void mitte(Fernbedienung &f, const Rechteck &r) { f.klick(r.x + r.breite / 2, r.y + r.hoehe / 2); }

    static testhilfe::XvfbServer *x_;
    std::vector<std::string> texte_;
    std::vector<const char *> zeiger_;
    Listenanordnung a_{};
};
testhilfe::XvfbServer *Listenrequester::x_ = nullptr;

}  // namespace

TEST_F(Listenrequester, GerollteListeZaehltVomErstenEintrag)
{
    int r = waehlen([&](Fernbedienung &f) {
        zeile(f, 2);  // a double click opens nothing here
        zeile(f, 2);
        // Into the track below the thumb: one page (12 rows) down.
        f.klick(a_.liste.x + a_.liste.breite + 6, a_.liste.y + a_.liste.hoehe - 2 * (reqpixprobuchst_y * 5 / 4) - 2);
        zeile(f, 3);
        mitte(f, a_.ok);
    });
    EXPECT_EQ(r, 15);
    EXPECT_STREQ(newgadgets[0].liste->eintraege[2], "unter (dir) 4096");
}

TEST_F(Listenrequester, AbbruchOderNichtsGewaehltGibtMinusEins)
{
    EXPECT_EQ(waehlen([&](Fernbedienung &f) {
                  zeile(f, 4);
                  mitte(f, a_.abbruch);
              }),
              -1);
    EXPECT_EQ(waehlen([&](Fernbedienung &f) { mitte(f, a_.ok); }), -1);
    EXPECT_EQ(requester_liste("Liste", zeiger_.data(), 0), -1);
}
