// level_source.h — the text sources of the shipped labyrinths.
//
// A legend file maps single characters to TileCodes; a level source holds a
// header, an ASCII grid placed at map column 1, row 1, and marks for the
// wizard's start ('@') and the creatures ('P' pig, 'F' flame ghost, 'C'
// cleaning man, 'E' eye). assets/levels/README.md describes the format.
//
// Parsing never throws and never reads outside a table: every fault becomes a
// LevelProblem with the file and the line it stands on.
#pragma once

#include "common/level_file.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

// One fault found in a legend or level source.
struct LevelProblem {
    std::string file;     // file name as given to the parser
    int line = 0;         // 1-based line, 0 when the fault belongs to no line
    std::string message;  // what is wrong, in plain words
};

// "(x, y)", a cell in a message.
std::string cellText(int x, int y);

// "file:line: message" (or "file: message" without a line).
std::string formatProblem(const LevelProblem& problem);
// Every problem so, one per line, each line ended.
std::string formatProblems(const std::vector<LevelProblem>& problems);

// The characters a level grid may use, each standing for one TileCode.
struct Legend {
    std::array<bool, 256> known{};  // character has a code
    std::array<int, 256> code{};    // its TileCode
    std::array<int, 256> line{};    // legend line that defined it
};

// The marks of the grid, in FileCreatureKind order after the start.
constexpr char kStartMark = '@';
constexpr std::array<char, kCreatureKinds> kCreatureMarks = {'P', 'F', 'C', 'E'};
// Names of the kinds for messages, in FileCreatureKind order.
constexpr std::array<const char*, kCreatureKinds> kCreatureKindNames = {"pig", "flame ghost", "cleaning man", "eye"};
constexpr std::array<const char*, kCreatureKinds> kCreatureKindPlurals = {"pigs", "flame ghosts", "cleaning men", "eyes"};

// The index of a creature mark in kCreatureMarks, or -1.
int creatureKindOfMark(char mark);

// Reads a legend: "<char> <TileCodeName>" per line, ';' starts a comment.
// Returns false (with problems added) on unknown names, duplicate or
// reserved characters and codes that arise only during play.
bool parseLegend(const std::string& text, const std::string& fileName, Legend& legend, std::vector<LevelProblem>& problems);

// A parsed level source: the level as the file will hold it, plus where
// each part came from, for messages.
struct LevelSource {
    std::string fileName;      // as given to the parser
    std::string name;          // "name" header, free text
    bool doorRequired = true;  // false after "door none"
    std::unique_ptr<LevelData> level = std::make_unique<LevelData>();
    int gridColumns = 0;  // widest grid row
    int gridRows = 0;     // grid rows
    int gridLine = 0;     // line of the "map" header
    int startLine = 0;    // line of the '@', 0 if none
    // creatureLines[kind][k]: source line of creature k (1..count)
    std::array<std::array<int, kCreatureSlots>, kCreatureKinds> creatureLines{};
};

// Parses a level source with the given legend into source. Returns false
// (with problems added) when the text cannot be turned into a level.
bool parseLevelSource(const std::string& text, const std::string& fileName, const Legend& legend, LevelSource& source,
                      std::vector<LevelProblem>& problems);
