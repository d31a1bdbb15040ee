// level_source.cpp — reads the legend and the level sources into LevelData.
//
// Writes only the LevelSource and Legend it is given; no global state.
#include "tools/levels/level_source.h"

#include "common/tile_codes.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstring>

namespace {

// One line of a text file, its comment cut off and trailing blanks removed.
struct SourceLine {
    int number = 0;
    std::string text;
};

std::vector<SourceLine> splitLines(const std::string& text) {
    std::vector<SourceLine> lines;
    std::size_t begin = 0;
    int number = 0;
    while (begin < text.size()) {
        std::size_t end = text.find('\n', begin);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(begin, end - begin);
        ++number;
        std::size_t comment = line.find(';');
        if (comment != std::string::npos) line.erase(comment);
        while (!line.empty() && (line.back() == ' ' || line.back() == '\t' || line.back() == '\r')) line.pop_back();
        lines.push_back({number, line});
        begin = end + 1;
    }
    return lines;
}

// Splits a header line into words separated by blanks.
std::vector<std::string> words(const std::string& line) {
    std::vector<std::string> out;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
        std::size_t start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t') ++i;
        if (i > start) out.push_back(line.substr(start, i - start));
    }
    return out;
}

// A character as a message shows it: 'x', or its byte value when it would
// not print.
std::string describeChar(char c) {
    unsigned char u = static_cast<unsigned char>(c);
    char buffer[32];
    if (u > 32 && u < 127)
        std::snprintf(buffer, sizeof buffer, "'%c'", c);
    else
        std::snprintf(buffer, sizeof buffer, "byte 0x%02X", static_cast<unsigned>(u));
    return buffer;
}

bool isReservedChar(char c) {
    return c == kStartMark || creatureKindOfMark(c) >= 0 || c == ';' || static_cast<unsigned char>(c) <= 32 ||
           static_cast<unsigned char>(c) >= 127;
}

const TileInfo* findTileByName(const std::string& name) {
    for (std::size_t i = 0; i < kTileTableSize; ++i)
        if (name == kTileTable[i].name) return &kTileTable[i];
    return nullptr;
}

bool isPlayOnlyCode(int code) { return code >= tile::DeadEye && code <= tile::DeadPig; }

// The parser's progress through one level source.
struct LevelParse {
    LevelParse(const Legend& l, LevelSource& s, std::vector<LevelProblem>& pr) : legend(l), source(s), problems(pr) {}

    const Legend& legend;
    LevelSource& source;
    std::vector<LevelProblem>& problems;
    bool ok = true;
    bool fillWall = true;
    // Legend character under each mark: index 0 the start, 1..4 the kinds.
    std::array<char, kCreatureKinds + 1> under{'.', '.', '.', '.', '.'};
    std::array<int, kCreatureKinds + 1> underLine{};
    std::array<bool, kCreatureKinds> tooMany{};
    std::vector<std::string> rows;
    std::vector<int> rowLines;
    // "view" header: the start view as given, and its line (0 when none).
    int viewX = 0, viewY = 0, viewLine = 0;
    // "cell" headers, applied over the grid in the order written.
    struct CellLine {
        int x, y, code, line;
    };
    std::vector<CellLine> cells;
    // "creature" headers, appended to their tables after the grid's marks.
    struct CreatureLine {
        int kind;
        StoredCreature entry;
        int line;
    };
    std::vector<CreatureLine> creatures;

    void fail(int line, const std::string& message) {
        problems.push_back({source.fileName, line, message});
        ok = false;
    }
};

// Reads a whole word as a decimal integer (a minus sign allowed).
bool readInt(const std::string& word, int& value) {
    const char* first = word.data();
    const char* last = word.data() + word.size();
    auto [end, ec] = std::from_chars(first, last, value);
    return ec == std::errc() && end == last;
}

// Reads words[from..from+n-1] as integers into out; false if any is not one.
bool readInts(const std::vector<std::string>& w, std::size_t from, std::size_t n, int* out) {
    if (w.size() != from + n) return false;
    for (std::size_t i = 0; i < n; ++i)
        if (!readInt(w[from + i], out[i])) return false;
    return true;
}

int markIndex(char mark) {
    if (mark == kStartMark) return 0;
    int kind = creatureKindOfMark(mark);
    return kind < 0 ? -1 : kind + 1;
}

void parseHeader(LevelParse& p, const SourceLine& line, const std::vector<std::string>& w) {
    const std::string& key = w[0];
    if (key == "name") {
        std::size_t at = line.text.find("name") + 4;
        std::size_t from = line.text.find_first_not_of(" \t", at);
        p.source.name = from == std::string::npos ? "" : line.text.substr(from);
    } else if (key == "fill") {
        if (w.size() == 2 && w[1] == "wall")
            p.fillWall = true;
        else if (w.size() == 2 && w[1] == "floor")
            p.fillWall = false;
        else
            p.fail(line.number, "\"fill\" takes \"wall\" or \"floor\"");
    } else if (key == "door") {
        if (w.size() == 2 && w[1] == "none")
            p.source.doorRequired = false;
        else if (w.size() == 2 && w[1] == "required")
            p.source.doorRequired = true;
        else
            p.fail(line.number, "\"door\" takes \"none\" or \"required\"");
    } else if (key == "under") {
        // "under <char>" for every mark, "under <mark> <char>" for one kind.
        if (w.size() == 2 && w[1].size() == 1) {
            p.under.fill(w[1][0]);
            p.underLine.fill(line.number);
        } else if (w.size() == 3 && w[1].size() == 1 && w[2].size() == 1 && markIndex(w[1][0]) >= 0) {
            p.under[markIndex(w[1][0])] = w[2][0];
            p.underLine[markIndex(w[1][0])] = line.number;
        } else {
            p.fail(line.number, "\"under\" takes a legend character, or a mark and a legend character");
        }
    } else if (key == "view") {
        int v[2];
        if (!readInts(w, 1, 2, v)) return p.fail(line.number, "\"view\" takes the start view's column and row offsets");
        p.viewX = v[0];
        p.viewY = v[1];
        p.viewLine = line.number;
    } else if (key == "cell") {
        int v[3];
        if (!readInts(w, 1, 3, v)) return p.fail(line.number, "\"cell\" takes a column, a row and a tile code");
        if (!isStoredCell(v[0], v[1]))
            return p.fail(line.number, "\"cell\" names (" + std::to_string(v[0]) + ", " + std::to_string(v[1]) +
                                           "), outside columns 1..220 and rows 1..150");
        p.cells.push_back({v[0], v[1], v[2], line.number});
    } else if (key == "creature") {
        int v[4];
        const int kind = w.size() > 1 && w[1].size() == 1 ? creatureKindOfMark(w[1][0]) : -1;
        if (kind < 0 || !readInts(w, 2, 4, v))
            return p.fail(line.number, "\"creature\" takes a mark (P F C E), a column, a row and the home view's "
                                       "column and row offsets");
        p.creatures.push_back({kind, {v[0], v[1], v[2], v[3]}, line.number});
    } else {
        p.fail(line.number,
               "unknown header \"" + key + "\" (expected name, fill, under, door, view, cell, creature or map)");
    }
}

// Turns the collected grid rows into the map and the mark tables.
void placeGrid(LevelParse& p) {
    LevelData& level = *p.source.level;
    int fill = p.fillWall ? tile::RedWall : tile::Floor;
    for (int x = 1; x <= kLevelColumns; ++x)
        for (int y = 1; y <= kLevelRows; ++y) level.map[x][y] = fill;

    std::array<int, kCreatureKinds + 1> underCode{};
    for (int m = 0; m <= kCreatureKinds; ++m) {
        unsigned char u = static_cast<unsigned char>(p.under[m]);
        if (!p.legend.known[u]) {
            p.fail(p.underLine[m], "\"under\" names " + describeChar(p.under[m]) + ", which the legend does not define");
            continue;
        }
        underCode[m] = p.legend.code[u];
    }

    for (std::size_t r = 0; r < p.rows.size(); ++r) {
        const std::string& row = p.rows[r];
        int y = static_cast<int>(r) + 1;
        int line = p.rowLines[r];
        for (std::size_t c = 0; c < row.size(); ++c) {
            int x = static_cast<int>(c) + 1;
            char ch = row[c];
            unsigned char u = static_cast<unsigned char>(ch);
            if (ch == kStartMark) {
                if (p.source.startLine != 0) {
                    p.fail(line, "a second start '@' (the first is on line " + std::to_string(p.source.startLine) + ")");
                    continue;
                }
                p.source.startLine = line;
                level.playerX = x;
                level.playerY = y;
                level.viewX = screenOfColumn(x);
                level.viewY = screenOfRow(y);
                level.map[x][y] = underCode[0];
            } else if (int kind = creatureKindOfMark(ch); kind >= 0) {
                level.map[x][y] = underCode[kind + 1];
                int& count = level.counts[kind];
                if (count >= kMaxCreatures) {
                    if (!p.tooMany[kind]) {
                        p.fail(line, std::string("more than ") + std::to_string(kMaxCreatures) + " " +
                                         kCreatureKindPlurals[kind] + " (column " + std::to_string(x) + ")");
                        p.tooMany[kind] = true;
                    }
                    continue;
                }
                ++count;
                StoredCreature& c2 = level.creatures[kind][count];
                c2.x = x;
                c2.y = y;
                c2.homeViewX = screenOfColumn(x);
                c2.homeViewY = screenOfRow(y);
                p.source.creatureLines[kind][count] = line;
            } else if (p.legend.known[u]) {
                level.map[x][y] = p.legend.code[u];
            } else {
                p.fail(line, "unknown character " + describeChar(ch) + " in column " + std::to_string(x));
            }
        }
    }

    // The header lines that say what the grid cannot: creatures in a table
    // order or with homes of their own, cells with codes the legend has no
    // character for, a start view of its own.
    for (const LevelParse::CreatureLine& c : p.creatures) {
        int& count = level.counts[c.kind];
        if (count >= kMaxCreatures) {
            if (!p.tooMany[c.kind]) {
                p.fail(c.line,
                       std::string("more than ") + std::to_string(kMaxCreatures) + " " + kCreatureKindPlurals[c.kind]);
                p.tooMany[c.kind] = true;
            }
            continue;
        }
        ++count;
        level.creatures[c.kind][count] = c.entry;
        p.source.creatureLines[c.kind][count] = c.line;
    }
    for (const LevelParse::CellLine& c : p.cells) level.map[c.x][c.y] = c.code;
    if (p.viewLine != 0) {
        level.viewX = p.viewX;
        level.viewY = p.viewY;
    }
}

}  // namespace

std::string cellText(int x, int y) {
    // Built up piece by piece: g++ 12 warns falsely (-Wrestrict) on a chain
    // of + that starts with a string literal.
    std::string text = "(";
    text += std::to_string(x);
    text += ", ";
    text += std::to_string(y);
    text += ")";
    return text;
}

std::string formatProblem(const LevelProblem& problem) {
    if (problem.line > 0) return problem.file + ":" + std::to_string(problem.line) + ": " + problem.message;
    return problem.file + ": " + problem.message;
}

std::string formatProblems(const std::vector<LevelProblem>& problems) {
    std::string text;
    for (const LevelProblem& p : problems) text += formatProblem(p) + "\n";
    return text;
}

int creatureKindOfMark(char mark) {
    for (int k = 0; k < kCreatureKinds; ++k)
        if (kCreatureMarks[k] == mark) return k;
    return -1;
}

bool parseLegend(const std::string& text, const std::string& fileName, Legend& legend, std::vector<LevelProblem>& problems) {
    legend = Legend{};
    bool ok = true;
    auto fail = [&](int line, const std::string& message) {
        problems.push_back({fileName, line, message});
        ok = false;
    };
    for (const SourceLine& line : splitLines(text)) {
        std::vector<std::string> w = words(line.text);
        if (w.empty()) continue;
        if (w.size() != 2 || w[0].size() != 1) {
            fail(line.number, "expected one character and a tile name");
            continue;
        }
        char ch = w[0][0];
        unsigned char u = static_cast<unsigned char>(ch);
        if (isReservedChar(ch)) {
            fail(line.number, describeChar(ch) + " is reserved and cannot stand for a tile");
            continue;
        }
        const TileInfo* tile = findTileByName(w[1]);
        if (tile == nullptr) {
            fail(line.number, "unknown tile name \"" + w[1] + "\"");
            continue;
        }
        if (isPlayOnlyCode(tile->code)) {
            fail(line.number, "\"" + w[1] + "\" arises only during play and cannot be placed");
            continue;
        }
        if (legend.known[u]) {
            fail(line.number, describeChar(ch) + " is already defined on line " + std::to_string(legend.line[u]));
            continue;
        }
        legend.known[u] = true;
        legend.code[u] = tile->code;
        legend.line[u] = line.number;
    }
    return ok;
}

bool parseLevelSource(const std::string& text, const std::string& fileName, const Legend& legend, LevelSource& source,
                      std::vector<LevelProblem>& problems) {
    source.fileName = fileName;
    source.name.clear();
    source.doorRequired = true;
    source.level = std::make_unique<LevelData>();
    source.gridColumns = source.gridRows = source.gridLine = source.startLine = 0;
    source.creatureLines = {};

    LevelParse p(legend, source, problems);
    enum class Section { Header, Grid, After } section = Section::Header;
    int endLine = 0;
    std::vector<SourceLine> lines = splitLines(text);
    for (const SourceLine& line : lines) {
        if (section == Section::Grid) {
            if (line.text.empty()) continue;
            if (line.text == "end") {
                section = Section::After;
                endLine = line.number;
                continue;
            }
            if (static_cast<int>(p.rows.size()) == kLevelRows) {
                p.fail(line.number, "the grid has more than " + std::to_string(kLevelRows) + " rows");
                section = Section::After;
                continue;
            }
            if (static_cast<int>(line.text.size()) > kLevelColumns) {
                p.fail(line.number, "the row has " + std::to_string(line.text.size()) + " columns, at most " +
                                        std::to_string(kLevelColumns) + " fit");
                p.rows.push_back(line.text.substr(0, kLevelColumns));
            } else {
                p.rows.push_back(line.text);
            }
            p.rowLines.push_back(line.number);
            continue;
        }
        std::vector<std::string> w = words(line.text);
        if (w.empty()) continue;
        if (section == Section::After) {
            p.fail(line.number, "text after \"end\" (line " + std::to_string(endLine) + ")");
            continue;
        }
        if (w[0] == "map" && w.size() == 1) {
            section = Section::Grid;
            source.gridLine = line.number;
            continue;
        }
        parseHeader(p, line, w);
    }

    if (source.gridLine == 0) {
        p.fail(0, "no \"map\" line: the level has no grid");
        return false;
    }
    if (section == Section::Grid) p.fail(0, "the grid is not closed by an \"end\" line");

    source.gridRows = static_cast<int>(p.rows.size());
    for (const std::string& row : p.rows)
        source.gridColumns = std::max(source.gridColumns, static_cast<int>(row.size()));
    placeGrid(p);
    if (source.startLine == 0) p.fail(source.gridLine, "the grid has no start '@'");
    return p.ok;
}
