// route_text.cpp — reads and writes the command letters and repeat counts of
// a route.
#include "tools/levels/route_text.h"

#include <cctype>
#include <string_view>

namespace {

constexpr std::string_view kCommandLetters = "URDLAW";

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

// Route letter and recorded code of each command.
struct CommandCode {
    RouteCommand route;
    Command command;
};
constexpr CommandCode kCommandCodes[] = {
    {RouteCommand::Up, Command::Up},     {RouteCommand::Right, Command::Right},   {RouteCommand::Down, Command::Down},
    {RouteCommand::Left, Command::Left}, {RouteCommand::Action, Command::Action}, {RouteCommand::Wait, Command::None},
};

}  // namespace

Route parseRoute(const std::string& text) {
    Route route;
    int line = 1;
    std::size_t i = 0;
    const auto fail = [&](const std::string& message) {
        route.error = "line " + std::to_string(line) + ": " + message;
        return route;
    };
    while (i < text.size()) {
        const char c = text[i];
        if (c == '\n') {
            ++line;
            ++i;
        } else if (isBlank(c)) {
            ++i;
        } else if (c == ';') {
            while (i < text.size() && text[i] != '\n') ++i;
        } else if (kCommandLetters.find(c) != std::string_view::npos) {
            ++i;
            int count = 1;
            if (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
                count = 0;
                while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
                    count = count * 10 + (text[i] - '0');
                    if (count > kMaxRepeat) return fail("repeat count above " + std::to_string(kMaxRepeat));
                    ++i;
                }
                if (count == 0) return fail(std::string("repeat count 0 after '") + c + "'");
            }
            for (int k = 0; k < count; ++k) route.steps.push_back({static_cast<RouteCommand>(c), line});
        } else if (std::isdigit(static_cast<unsigned char>(c))) {
            return fail("a repeat count without a command letter");
        } else {
            return fail(std::string("unknown command '") + c + "'");
        }
    }
    return route;
}

int commandCode(RouteCommand command) {
    for (const CommandCode& row : kCommandCodes)
        if (row.route == command) return static_cast<int>(row.command);
    return 0;
}

RouteCommand routeCommandOf(Command command) {
    for (const CommandCode& row : kCommandCodes)
        if (row.command == command) return row.route;
    return RouteCommand::Wait;
}

std::string formatRoute(const std::vector<RouteCommand>& commands, std::size_t width) {
    std::string text;
    std::size_t lineStart = 0;
    for (std::size_t i = 0; i < commands.size();) {
        std::size_t run = 1;
        while (i + run < commands.size() && commands[i + run] == commands[i] && run < kMaxRepeat) ++run;
        std::string word(1, static_cast<char>(commands[i]));
        if (run > 1) word += std::to_string(run);
        if (text.size() > lineStart) {
            if (text.size() - lineStart + 1 + word.size() > width) {
                text += '\n';
                lineStart = text.size();
            } else {
                text += ' ';
            }
        }
        text += word;
        i += run;
    }
    return text;
}
