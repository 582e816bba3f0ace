#include <gtest/gtest.h>

#include "playback/run_state.h"

namespace {

TEST(RunState, AbsoluteMovesAboveWindows7)
{
    const struct {
        unsigned major, minor;
        bool absolute;
    } cases[] = {{5, 1, false}, {6, 0, false}, {6, 1, false}, {6, 2, true}, {6, 3, true}, {10, 0, true}, {7, 0, true}};
    for (const auto& c : cases) EXPECT_EQ(UsesAbsoluteMoves(c.major, c.minor), c.absolute) << c.major << "." << c.minor;
}

}  // namespace
