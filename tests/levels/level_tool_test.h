// level_tool_test.h — the fixture of the level tool's tests on small
// hand-made sources: one legend for them all, and the problems a parse, a
// check or the demonstration maker reported.
#pragma once

#include "tools/levels/level_source.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

class LevelToolTest : public ::testing::Test {
protected:
    // The marks the hand-made sources use, read in SetUp:
    //   . Floor  , Floor2  # RedWall  % SecretRedWall  ~ Water  f Flame
    //   D Door  a Axe  s Sword  k Key  l Key2  K Barrier  L Barrier2
    //   1 CrossBarrier  r Crown  R TreasureBarrier  - Roof
    Legend legend;
    std::vector<LevelProblem> problems;

    void SetUp() override;
    // Parses a source with the legend into `into`; its problems replace
    // `problems`.
    bool parseWithLegend(const std::string& text, LevelSource& into);
    // Some problem stands on line and mentions text. Either way the message
    // lists every problem, so a failed expectation shows what was reported.
    ::testing::AssertionResult reported(int line, const std::string& text) const;
    // Every problem, one a line, for the message of a failed expectation.
    std::string all() const { return formatProblems(problems); }
};
