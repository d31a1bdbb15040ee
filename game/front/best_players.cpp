// best_players.cpp — the insertion rule of the best-player table and its
// reset.
//
// Writes: World::bestNames, bestScores (entries 1..11).
#include "game/front/best_players.h"

#include "game/world/world.h"

#include <algorithm>

namespace {
constexpr const char* kResetName = "Talvin";
constexpr int kResetTop = 10000;   // score of entry 1 after a reset
constexpr int kResetStep = 1000;   // each entry below holds this much less
}  // namespace

int bestPlayerPlace(int score) {
    if (score <= world.bestScores[kBestPlayers]) return 0;
    for (int n = 1; n <= kBestPlayers; ++n) {
        if (world.bestScores[n] < score) return n;
    }
    return 0;
}

void insertBestPlayer(int place, const std::string& name, int score) {
    if (place < 1 || place > kBestPlayers) return;
    // From the bottom up: entry 10 goes to the spare entry 11.
    for (int k = kBestPlayers; k >= place; --k) {
        world.bestNames[k + 1] = world.bestNames[k];
        world.bestScores[k + 1] = world.bestScores[k];
    }
    world.bestNames[place] = name;
    world.bestScores[place] = score;
}

void resetBestPlayers() {
    for (int i = 1; i <= kBestPlayers; ++i) {
        world.bestNames[i] = kResetName;
        world.bestScores[i] = kResetTop - kResetStep * (i - 1);
    }
}

std::string bestPlayerName(const std::string& typed) {
    std::string name = typed.substr(0, kMaxPlayerName);
    std::replace(name.begin(), name.end(), '"', '\'');
    return name;
}
