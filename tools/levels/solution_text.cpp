// solution_text.cpp — writes a solver result as text. No global state.
#include "tools/levels/solution_text.h"

#include "common/tile_codes.h"
#include "tools/levels/route_text.h"

#include <sstream>

namespace {

std::string tileName(int code) {
    const TileInfo* t = findTile(code);
    return t ? t->name : "code " + std::to_string(code);
}

std::string cellList(const std::vector<SolverCell>& cells) {
    std::string text;
    for (const SolverCell& c : cells) {
        if (!text.empty()) text += ", ";
        text += tileName(c.code) + " at (" + std::to_string(c.x) + ", " + std::to_string(c.y) + ")";
    }
    return text;
}

}  // namespace

std::string describeSolution(const SolverResult& result) {
    std::ostringstream s;
    if (result.finished && result.route.empty()) {
        s << "the door can be reached (" << result.states << " states searched)";
        if (result.routeStates > 0) s << "; no shortest route within " << result.routeStates << " states";
        s << "\n";
    } else if (result.finished) {
        std::vector<RouteCommand> route;
        for (Command c : result.route) route.push_back(routeCommandOf(c));
        s << "door reached in " << result.route.size() << " commands (" << result.states << " + " << result.routeStates
          << " states searched):\n"
          << formatRoute(route) << "\n";
    } else if (result.complete) {
        s << "the door cannot be reached (" << result.states << " states searched)\n";
    } else {
        s << "no way to the door found within " << result.states << " states; the search gave up\n";
    }
    if (!result.complete) return s.str();
    if (!result.itemsNeverReached.empty()) s << "never reached: " << cellList(result.itemsNeverReached) << "\n";
    if (!result.barriersNeverOpened.empty()) s << "never opened: " << cellList(result.barriersNeverOpened) << "\n";
    if (!result.keysNeverUsed.empty())
        s << "reached but never opening a barrier: " << cellList(result.keysNeverUsed) << "\n";
    return s.str();
}
