// route_file.h — the recorded routes through the shipped labyrinths.
//
// A route file (assets/levels/routes/001.route ..., described in
// assets/levels/README.md under "Routes") lists the commands a
// player gives to take the wizard from the start of a labyrinth to its door:
//
//   U R D L   hold the arrow key up, right, down, left: one move each
//   A         hold Enter: the action (exchange the held item on a cell with
//             code 10 or more, use it on the others)
//
// A letter may carry a repeat count ("R12" is twelve moves right). Blanks and
// line ends separate nothing and may stand anywhere between commands; ';'
// starts a comment that runs to the end of the line. A move at the edge of the
// view flips the screen instead of stepping, so crossing into the next screen
// takes one command more than cells walked.
#pragma once

#include <string>
#include <vector>

enum class RouteCommand : char { Up = 'U', Right = 'R', Down = 'D', Left = 'L', Action = 'A' };

struct RouteStep {
    RouteCommand command;
    int line;  // line of the route file it was written on, from 1
};

struct Route {
    std::vector<RouteStep> steps;
    std::string error;  // empty when the text was read without fault
};

constexpr int kMaxRepeat = 999;  // largest repeat count a command may carry

// Reads a route text. On a fault the steps read so far are kept and error
// says "line N: ..." about the first one.
Route parseRoute(const std::string& text);
