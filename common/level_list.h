// level_list.h — the labyrinths the game plays, in order, and their files.
#pragma once

#include "common/file_names.h"

#include <string>

constexpr int kLevelCount = 8;  // labyrinths 1..8; after 8 comes 1 again

// File names of the labyrinths in play order: level n is entry n - 1.
constexpr const char* kLevelNames[kLevelCount] = {"001", "002", "003", "004", "005", "006", "007", "008"};

// The closing scene shown behind the game-over text; an ordinary level file.
constexpr const char* kClosingSceneName = "ende";

// The settings file shares the ".dat" ending with the levels: "Data\Einstellung.dat".
constexpr const char* kSettingsName = "Einstellung";

// "Data\<name>.dat", the path of a level file.
inline std::string levelFilePath(const std::string& name) { return dataFilePath(name, ".dat"); }
