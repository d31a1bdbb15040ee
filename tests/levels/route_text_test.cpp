// Route text: letters, repeat counts, comments and faults with their lines;
// commands written back as text read again as the same commands.
#include "tools/levels/route_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(RouteText, LettersCountsBlanksAndCommentsGiveTheCommandsWithTheirLines) {
    const Route r = parseRoute("; to the key\nR3 D\n  A ; take it\nL12U W2\r\n");
    ASSERT_EQ(r.error, "");
    ASSERT_EQ(r.steps.size(), 20u);
    EXPECT_EQ(r.steps[0].command, RouteCommand::Right);
    EXPECT_EQ(r.steps[0].line, 2);
    EXPECT_EQ(r.steps[2].command, RouteCommand::Right);
    EXPECT_EQ(r.steps[3].command, RouteCommand::Down);
    EXPECT_EQ(r.steps[4].command, RouteCommand::Action);
    EXPECT_EQ(r.steps[4].line, 3);
    EXPECT_EQ(r.steps[5].command, RouteCommand::Left);
    EXPECT_EQ(r.steps[16].command, RouteCommand::Left);
    EXPECT_EQ(r.steps[17].command, RouteCommand::Up);
    EXPECT_EQ(r.steps[17].line, 4);
    EXPECT_EQ(r.steps[19].command, RouteCommand::Wait);
}

TEST(RouteText, FaultsNameTheirLine) {
    EXPECT_EQ(parseRoute("R\nX2\n").error, "line 2: unknown command 'X'");
    EXPECT_EQ(parseRoute("r\n").error, "line 1: unknown command 'r'");
    EXPECT_EQ(parseRoute("R\n\n12\n").error, "line 3: a repeat count without a command letter");
    EXPECT_EQ(parseRoute("U0").error, "line 1: repeat count 0 after 'U'");
    EXPECT_EQ(parseRoute("D99999999999999999999").error, "line 1: repeat count above 999");
    EXPECT_EQ(parseRoute("D999").steps.size(), 999u);
}

TEST(RouteText, CodesOfTheCommands) {
    EXPECT_EQ(commandCode(RouteCommand::Up), 1);
    EXPECT_EQ(commandCode(RouteCommand::Right), 2);
    EXPECT_EQ(commandCode(RouteCommand::Down), 3);
    EXPECT_EQ(commandCode(RouteCommand::Left), 4);
    EXPECT_EQ(commandCode(RouteCommand::Action), 5);
    EXPECT_EQ(commandCode(RouteCommand::Wait), 0);
    EXPECT_EQ(routeCommandOf(Command::Left), RouteCommand::Left);
    EXPECT_EQ(routeCommandOf(Command::None), RouteCommand::Wait);
}

TEST(RouteText, WrittenRoutesReadBackAsTheSameCommands) {
    using C = RouteCommand;
    EXPECT_EQ(formatRoute({C::Right, C::Right, C::Right, C::Action, C::Down, C::Wait, C::Wait}), "R3 A D W2");
    EXPECT_EQ(formatRoute({}), "");

    // Long runs are split at the largest count the reader takes, and lines
    // are broken near the width.
    std::vector<RouteCommand> commands(1200, C::Left);
    for (int i = 0; i < 40; ++i) {
        commands.push_back(C::Up);
        commands.push_back(C::Action);
    }
    const std::string text = formatRoute(commands, 20);
    EXPECT_EQ(text.substr(0, 9), "L999 L201");
    std::size_t lineStart = 0;
    while (lineStart < text.size()) {
        std::size_t end = text.find('\n', lineStart);
        if (end == std::string::npos) end = text.size();
        EXPECT_LE(end - lineStart, 20u) << text;
        lineStart = end + 1;
    }
    const Route back = parseRoute(text);
    ASSERT_EQ(back.error, "");
    ASSERT_EQ(back.steps.size(), commands.size());
    for (std::size_t i = 0; i < commands.size(); ++i) ASSERT_EQ(back.steps[i].command, commands[i]) << i;
}
