// The main function of every test program: each test case starts from the
// library's state at program start, so a program passes as a whole (all
// cases in one process) just as with one case per process.
#include <gtest/gtest.h>

#include "xmalwerk1/core/intern.h"

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

class Grundzustand : public testing::EmptyTestEventListener {
    void OnTestStart(const testing::TestInfo &) override { malwerk_grundzustand(); }
};

}  // namespace

int main(int argc, char **argv)
{
    testing::InitGoogleTest(&argc, argv);
    testing::UnitTest::GetInstance()->listeners().Append(new Grundzustand);
    // Settings that a test (or a viewer it starts) keeps without $ENV go to
    // a scratch directory, never into the user's own.
    char vorlage[] = "/tmp/umbrix-test-einstellungen-XXXXXX";
    const char *einstellungen = mkdtemp(vorlage);
    if (einstellungen) setenv("XDG_CONFIG_HOME", einstellungen, 1);
    const int status = RUN_ALL_TESTS();
    std::error_code fehler;
    if (einstellungen) std::filesystem::remove_all(einstellungen, fehler);
    return status;
}
