// best_players.cpp — the insertion rule of the best-player table and its
// reset.
//
// Writes: World::bestNames, bestScores (entries 1..11; 1..10 when read from
// a file).
#include "game/front/best_players.h"

#include "game/world/world.h"
#include "platform/platform.h"

#include <algorithm>

namespace {
constexpr int kFile = 1;
constexpr const char* kResetName = "Talvin";
constexpr int kResetTop = 10000;  // score of entry 1 after a reset
constexpr int kResetStep = 1000;  // each entry below holds this much less
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

void readBestPlayerLines() {
    for (int i = 1; i <= kBestPlayers; ++i) {
        beginFieldRead(kFile);
        // A hand-edited or damaged file may hold any text: a name is kept as
        // a typed one is, so the table shows it in its columns and the file
        // can store it again.
        world.bestNames[i] = bestPlayerName(readStringField());
        world.bestScores[i] = readIntField();
    }
}

void writeBestPlayerLines(const std::array<std::string, 12>& names, const std::array<int, 12>& scores) {
    for (int i = 1; i <= kBestPlayers; ++i) {
        writeStringField(kFile, names[i], false);
        writeIntField(kFile, scores[i], true);
    }
}
