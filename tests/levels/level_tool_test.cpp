#include "tests/levels/level_tool_test.h"

namespace {

const char* const kLegend = ". Floor\n"
                            ", Floor2\n"
                            "# RedWall\n"
                            "% SecretRedWall\n"
                            "~ Water\n"
                            "f Flame\n"
                            "D Door\n"
                            "a Axe\n"
                            "s Sword\n"
                            "k Key\n"
                            "l Key2\n"
                            "K Barrier\n"
                            "L Barrier2\n"
                            "1 CrossBarrier\n"
                            "r Crown\n"
                            "R TreasureBarrier\n"
                            "- Roof        ; solid, code above 50\n";

}  // namespace

void LevelToolTest::SetUp() { ASSERT_TRUE(parseLegend(kLegend, "legend.txt", legend, problems)) << all(); }

bool LevelToolTest::parseWithLegend(const std::string& text, LevelSource& into) {
    problems.clear();
    return parseLevelSource(text, "t.txt", legend, into, problems);
}

::testing::AssertionResult LevelToolTest::reported(int line, const std::string& text) const {
    bool found = false;
    for (const LevelProblem& p : problems)
        found = found || (p.line == line && p.message.find(text) != std::string::npos);
    ::testing::AssertionResult result = found ? ::testing::AssertionSuccess() : ::testing::AssertionFailure();
    return result << "line " << line << " \"" << text << "\" among:\n" << all();
}
