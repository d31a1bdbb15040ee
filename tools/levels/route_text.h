// route_text.h — routes through a labyrinth written as text: the recorded
// play-throughs (assets/levels/routes), the demonstrations (assets/demos)
// and the routes the solver prints.
//
// A route lists commands, each a letter with an optional repeat count:
//
//   U R D L   a move up, right, down, left (the arrow key held)
//   A         the action (Enter held; in a demonstration the code 5)
//   W         a frame without a command (demonstrations only: the code 0)
//
// "R12" is twelve moves right. Blanks and line ends separate nothing and may
// stand anywhere between commands; ';' starts a comment that runs to the end
// of the line. What a move means at the edge of the view depends on the
// reader: a play-through route spells out the flip (crossing into the next
// screen takes one command more than cells walked), a demonstration source
// lists the steps only and the recording adds the flips.
#pragma once

#include "common/commands.h"

#include <string>
#include <vector>

enum class RouteCommand : char {
    Up = 'U',
    Right = 'R',
    Down = 'D',
    Left = 'L',
    Action = 'A',
    Wait = 'W',
};

struct RouteStep {
    RouteCommand command;
    int line;  // line of the route text it was written on, from 1
};

struct Route {
    std::vector<RouteStep> steps;
    std::string error;  // empty when the text was read without fault
};

constexpr int kMaxRepeat = 999;  // largest repeat count a command may carry

// Reads a route text. On a fault the steps read so far are kept and error
// says "line N: ..." about the first one.
Route parseRoute(const std::string& text);

// The recorded code of a command (commands.h): 1..5, and 0 for a wait.
int commandCode(RouteCommand command);
// The route command of a wizard's command; Command::None becomes a wait.
RouteCommand routeCommandOf(Command command);

// The commands as route text: runs of one letter written with their count
// ("R12"), separated by blanks, at most about `width` characters a line.
std::string formatRoute(const std::vector<RouteCommand>& commands, std::size_t width = 72);
