// level_text.cpp — writes a LevelData as a level source (level_text.h).
//
// Reads only what it is given; no global state.
#include "tools/levels/level_text.h"

#include "common/map_geometry.h"
#include "common/tile_codes.h"

#include <algorithm>
#include <array>
#include <map>
#include <sstream>

namespace {

// The default character under a mark when the source says nothing.
constexpr char kDefaultUnder = '.';

// Character of each code the legend knows: the first defined for it.
std::map<int, char> charactersOf(const Legend& legend) {
    std::map<int, char> chars;
    std::map<int, int> lines;
    for (int c = 0; c < 256; ++c) {
        if (!legend.known[static_cast<std::size_t>(c)]) continue;
        const int code = legend.code[static_cast<std::size_t>(c)];
        const int line = legend.line[static_cast<std::size_t>(c)];
        auto it = lines.find(code);
        if (it != lines.end() && it->second <= line) continue;
        lines[code] = line;
        chars[code] = static_cast<char>(c);
    }
    return chars;
}

// The extent of the cells that differ from `fill`: largest column and row.
std::pair<int, int> extentBeyond(const LevelData& level, int fill) {
    int w = 0, h = 0;
    for (int x = 1; x <= kLevelColumns; ++x) {
        for (int y = 1; y <= kLevelRows; ++y) {
            if (level.map[x][y] == fill) continue;
            w = std::max(w, x);
            h = std::max(h, y);
        }
    }
    return {w, h};
}

bool standardHome(const StoredCreature& c) {
    return c.homeViewX == screenOfColumn(c.x) && c.homeViewY == screenOfRow(c.y);
}

// Most frequent of the codes, the first of equals; `fallback` for none.
int mostFrequent(const std::vector<int>& codes, int fallback) {
    std::map<int, int> counts;
    for (int c : codes) ++counts[c];
    int best = fallback, bestCount = 0;
    for (int c : codes) {
        if (counts[c] > bestCount) {
            best = c;
            bestCount = counts[c];
        }
    }
    return best;
}

class Writer {
public:
    Writer(const LevelData& level, const Legend& legend)
        : level_(level), legend_(legend), chars_(charactersOf(legend)) {
        marks_.assign(static_cast<std::size_t>(kLevelColumns + 1) * (kLevelRows + 1), 0);
    }

    LevelText write(const std::string& name, const std::string& origin) {
        LevelText out;
        chooseFill();
        // A start off the map (a damaged file) goes to the first cell; the
        // loader would move it onto the map anyway.
        const bool startOnGrid = isStoredCell(level_.playerX, level_.playerY);
        if (!startOnGrid) out.notes.push_back("the start lies off the map; the text puts it on cell (1, 1)");
        startX_ = startOnGrid ? level_.playerX : 1;
        startY_ = startOnGrid ? level_.playerY : 1;
        mark(startX_, startY_) = kStartMark;
        for (int kind = 0; kind < kCreatureKinds; ++kind) chooseMarks(kind, out.notes);
        sizeGrid();

        std::ostringstream head;
        head << "; made from " << origin << " by zl_levelmake --totext\n";
        head << "name " << name << "\n";
        head << "fill " << (fill_ == tile::RedWall ? "wall" : "floor") << "\n";
        if (!reachesDoor()) head << "door none\n";
        // Without '.' in the legend every mark needs an "under" of its own.
        if (!legend_.known[static_cast<unsigned char>(kDefaultUnder)]) head << "under " << placeholder() << "\n";
        underLine(head, kStartMark, {level_.map[startX_][startY_]});
        for (int kind = 0; kind < kCreatureKinds; ++kind) {
            if (!asMarks_[static_cast<std::size_t>(kind)] || count(kind) == 0) continue;
            std::vector<int> under;
            for (int k = 1; k <= count(kind); ++k) {
                const StoredCreature& c = level_.creatures[static_cast<std::size_t>(kind)][static_cast<std::size_t>(k)];
                under.push_back(level_.map[c.x][c.y]);
            }
            underLine(head, kCreatureMarks[static_cast<std::size_t>(kind)], under);
        }
        if (!startOnGrid || level_.viewX != screenOfColumn(startX_) || level_.viewY != screenOfRow(startY_))
            head << "view " << level_.viewX << " " << level_.viewY << "\n";

        std::ostringstream grid;
        grid << "map\n";
        for (int y = 1; y <= height_; ++y) {
            for (int x = 1; x <= width_; ++x) grid << gridChar(x, y);
            grid << "\n";
        }
        grid << "end\n";

        for (const auto& [x, y, code] : overrides_) head << "cell " << x << " " << y << " " << code << "\n";
        for (int kind = 0; kind < kCreatureKinds; ++kind) {
            if (asMarks_[static_cast<std::size_t>(kind)]) continue;
            for (int k = 1; k <= count(kind); ++k) {
                const StoredCreature& c = level_.creatures[static_cast<std::size_t>(kind)][static_cast<std::size_t>(k)];
                head << "creature " << kCreatureMarks[static_cast<std::size_t>(kind)] << " " << c.x << " " << c.y << " "
                     << c.homeViewX << " " << c.homeViewY << "\n";
            }
        }
        out.text = head.str() + grid.str();
        return out;
    }

private:
    struct Override {
        int x, y, code;
    };

    int count(int kind) const { return std::clamp(level_.counts[static_cast<std::size_t>(kind)], 0, kMaxCreatures); }
    char& mark(int x, int y) {
        return marks_[static_cast<std::size_t>(x) * (kLevelRows + 1) + static_cast<std::size_t>(y)];
    }

    // Wall or floor outside the grid, whichever leaves the smaller grid.
    void chooseFill() {
        const auto [ww, wh] = extentBeyond(level_, tile::RedWall);
        const auto [fw, fh] = extentBeyond(level_, tile::Floor);
        fill_ = fw * fh < ww * wh ? tile::Floor : tile::RedWall;
        width_ = fill_ == tile::Floor ? fw : ww;
        height_ = fill_ == tile::Floor ? fh : wh;
    }

    // A kind goes into the grid as marks when its table lists its creatures
    // in reading order, each on a cell of the map no other mark holds, at
    // home on the screen that holds it. Otherwise every entry becomes a
    // "creature" line.
    void chooseMarks(int kind, std::vector<std::string>& notes) {
        const auto k0 = static_cast<std::size_t>(kind);
        const int n = count(kind);
        if (level_.counts[k0] != n)
            notes.push_back(std::string("the ") + kCreatureKindNames[k0] + " count " + std::to_string(level_.counts[k0]) +
                            " lies outside 0..100 and is written as " + std::to_string(n));
        bool leftovers = false;
        for (int k = 0; k < kCreatureSlots; ++k) {
            if ((k == 0 || k > n) && !isEmptyEntry(level_.creatures[k0][static_cast<std::size_t>(k)])) leftovers = true;
        }
        if (leftovers)
            notes.push_back(std::string("the ") + kCreatureKindNames[k0] +
                            " table holds values outside its used entries; they are no creatures and are not kept");

        bool marks = true;
        int lastX = 0, lastY = 0;
        for (int k = 1; k <= n && marks; ++k) {
            const StoredCreature& c = level_.creatures[k0][static_cast<std::size_t>(k)];
            const bool inOrder = c.y > lastY || (c.y == lastY && c.x > lastX);
            marks = isStoredCell(c.x, c.y) && standardHome(c) && inOrder && mark(c.x, c.y) == 0;
            lastX = c.x;
            lastY = c.y;
        }
        asMarks_[k0] = marks;
        if (!marks) return;
        for (int k = 1; k <= n; ++k) {
            const StoredCreature& c = level_.creatures[k0][static_cast<std::size_t>(k)];
            mark(c.x, c.y) = kCreatureMarks[k0];
        }
    }

    void sizeGrid() {
        width_ = std::max(width_, startX_);
        height_ = std::max(height_, startY_);

        for (int kind = 0; kind < kCreatureKinds; ++kind) {
            if (!asMarks_[static_cast<std::size_t>(kind)]) continue;
            for (int k = 1; k <= count(kind); ++k) {
                const StoredCreature& c = level_.creatures[static_cast<std::size_t>(kind)][static_cast<std::size_t>(k)];
                width_ = std::max(width_, c.x);
                height_ = std::max(height_, c.y);
            }
        }
        // Whole screens read best: 20, 39, 58, ... columns and 14, 27, ... rows.
        width_ = std::min(kLevelColumns,
                          width_ <= kViewColumns ? kViewColumns : kViewColumns + (width_ - 2) / kViewStepX * kViewStepX);
        height_ = std::min(kLevelRows,
                           height_ <= kViewRows ? kViewRows : kViewRows + (height_ - 2) / kViewStepY * kViewStepY);
    }

    // The character for a code, or the fill's (with a "cell" line to put
    // the code right) when the legend has none.
    char charFor(int x, int y, int code) {
        auto it = chars_.find(code);
        if (it != chars_.end()) return it->second;
        overrides_.push_back({x, y, code});
        return placeholder();
    }

    char placeholder() const {
        auto it = chars_.find(fill_);
        if (it != chars_.end()) return it->second;
        return chars_.empty() ? '.' : chars_.begin()->second;
    }

    char gridChar(int x, int y) {
        const char m = mark(x, y);
        if (m == 0) return charFor(x, y, level_.map[x][y]);
        // Under a mark lies the mark's "under" tile; a cell that differs
        // gets a line of its own.
        if (level_.map[x][y] != underCode_[m]) overrides_.push_back({x, y, level_.map[x][y]});
        return m;
    }

    // "under <mark> <char>" with the most frequent of the codes under that
    // mark that the legend has a character for; written unless it is the
    // default.
    void underLine(std::ostringstream& head, char m, const std::vector<int>& codes) {
        std::vector<int> known;
        for (int c : codes)
            if (chars_.count(c)) known.push_back(c);
        const char c = known.empty() ? placeholder() : chars_.at(mostFrequent(known, 0));
        underCode_[m] = legend_.code[static_cast<unsigned char>(c)];
        if (c != kDefaultUnder || !legend_.known[static_cast<unsigned char>(kDefaultUnder)])
            head << "under " << m << " " << c << "\n";
    }

    // A door lies within the reachable cells.
    bool reachesDoor() const {
        for (int x = 1; x <= kReachColumns; ++x)
            for (int y = 1; y <= kReachRows; ++y)
                if (level_.map[x][y] == tile::Door) return true;
        return false;
    }

    const LevelData& level_;
    const Legend& legend_;
    std::map<int, char> chars_;
    int fill_ = tile::RedWall;
    int width_ = 0;
    int height_ = 0;
    int startX_ = 1;  // where the grid shows the start
    int startY_ = 1;
    std::vector<char> marks_;  // [x * (kLevelRows + 1) + y]: mark on the cell, 0 for none
    std::array<bool, kCreatureKinds> asMarks_{};
    std::map<char, int> underCode_;
    std::vector<Override> overrides_;
};

}  // namespace

LevelText levelToText(const LevelData& level, const Legend& legend, const std::string& name, const std::string& origin) {
    return Writer(level, legend).write(name, origin);
}

bool sameLevelData(const LevelData& a, const LevelData& b) {
    for (int x = 1; x <= kLevelColumns; ++x)
        for (int y = 1; y <= kLevelRows; ++y)
            if (a.map[x][y] != b.map[x][y]) return false;
    if (a.playerX != b.playerX || a.playerY != b.playerY || a.viewX != b.viewX || a.viewY != b.viewY) return false;
    for (int kind = 0; kind < kCreatureKinds; ++kind) {
        if (a.counts[kind] != b.counts[kind]) return false;
        for (int k = 0; k < kCreatureSlots; ++k) {
            const StoredCreature& p = a.creatures[kind][k];
            const StoredCreature& q = b.creatures[kind][k];
            if (p.x != q.x || p.y != q.y || p.homeViewX != q.homeViewX || p.homeViewY != q.homeViewY) return false;
        }
    }
    return true;
}
