// best_players.h — the table of the ten best players: where a score enters
// it, the insertion, and the reset of the title screen's H key.
//
// Entry 1 is the best. The insertion rule keeps the table sorted by falling
// score; nothing else sorts it.
#pragma once

#include <array>
#include <string>

// The longest best-player name: the title screen shows names from column 44
// and the score from column 64.
constexpr int kMaxPlayerName = 20;

// A typed best-player name as the table keeps it: cut to kMaxPlayerName
// characters, and a double quote made an apostrophe, since a text field of
// the settings file cannot hold one.
std::string bestPlayerName(const std::string& typed);

// The place 1..10 a score takes in World::bestScores, 0 when it does not
// enter: it must be strictly above the tenth score, and it goes above the
// first entry with a strictly lower score, so among equal scores the older
// entry stays above.
int bestPlayerPlace(int score);
// Moves entries place..10 one down (the tenth to the spare entry 11) and
// puts name and score at place (1..10; anything else does nothing).
// Writes: World::bestNames, bestScores.
void insertBestPlayer(int place, const std::string& name, int score);
// Every name "Talvin", the scores 10000, 9000, ..., 1000.
// Writes: World::bestNames, bestScores.
void resetBestPlayers();

// The table as a file holds it, one line "name",score per entry 1..10: the
// settings file from its second line on, a level set's table file whole.
// Reads the ten lines from the open file number 1 into the table; a line
// missing reads as an empty name with 0 points.
// Writes: World::bestNames, bestScores (1..10).
void readBestPlayerLines();
// Writes the ten lines of names and scores to the open file number 1.
void writeBestPlayerLines(const std::array<std::string, 12>& names, const std::array<int, 12>& scores);
