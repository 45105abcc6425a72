// The main function of every test program: each test case starts from the
// library's state at program start, so a program passes as a whole (all
// cases in one process) just as with one case per process.
#include <gtest/gtest.h>

#include "xmalwerk1/core/intern.h"

namespace {

class Grundzustand : public testing::EmptyTestEventListener {
    void OnTestStart(const testing::TestInfo &) override { malwerk_grundzustand(); }
};

}  // namespace

int main(int argc, char **argv)
{
    testing::InitGoogleTest(&argc, argv);
    testing::UnitTest::GetInstance()->listeners().Append(new Grundzustand);
    return RUN_ALL_TESTS();
}
