// zl_levelmake — turns the level sources into level files.
//
//   zl_levelmake --legend <legend.txt> --out <dir> <source.txt>...
//       checks every source and, when all pass, writes <dir>/Data/<stem>.dat
//       for each (001.txt becomes Data\001.dat).
//   zl_levelmake --legend <legend.txt> --check <source.txt>...
//       checks only and prints one summary line per level.
//   zl_levelmake --legend <legend.txt> --png <dir> <source.txt>...
//       checks and writes an overview picture <dir>/<stem>.png per level.
//   zl_levelmake --legend <legend.txt> --solve <source.txt>...
//       searches each level for a shortest route to the door and prints it,
//       with what can never be reached or used; exit code 1 when a level
//       with a door cannot be finished.
//
// Faults are printed as "file:line: message"; the exit code is 1 when any
// level has one, 2 on a usage error, 0 otherwise.
#include "common/level_file.h"
#include "tools/levels/level_check.h"
#include "tools/levels/level_overview.h"
#include "tools/levels/level_source.h"
#include "tools/levels/solver.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>

namespace fs = std::filesystem;

namespace {

enum class Mode { Write, Check, Overview, Solve };

struct Options {
    Mode mode = Mode::Check;
    std::string legend;
    std::string target;  // output folder for Write and Overview
    std::vector<std::string> sources;
};

int usage() {
    std::cerr << "usage: zl_levelmake --legend <legend.txt> (--out <dir> | --check | --png <dir> | --solve) "
                 "<source.txt>...\n";
    return 2;
}

bool readText(const std::string& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream s;
    s << in.rdbuf();
    text = s.str();
    return true;
}

bool parseOptions(int argc, char** argv, Options& options) {
    bool modeSet = false;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        auto value = [&](std::string& into) {
            if (i + 1 >= argc) return false;
            into = argv[++i];
            return true;
        };
        if (arg == "--legend") {
            if (!value(options.legend)) return false;
        } else if (arg == "--out" || arg == "--png") {
            if (modeSet || !value(options.target)) return false;
            options.mode = arg == "--out" ? Mode::Write : Mode::Overview;
            modeSet = true;
        } else if (arg == "--check" || arg == "--solve") {
            if (modeSet) return false;
            options.mode = arg == "--check" ? Mode::Check : Mode::Solve;
            modeSet = true;
        } else if (arg.starts_with("--")) {
            return false;
        } else {
            options.sources.push_back(arg);
        }
    }
    return modeSet && !options.legend.empty() && !options.sources.empty();
}

std::string summary(const LevelSource& source, const Reachability& r) {
    const LevelData& level = *source.level;
    std::ostringstream s;
    s << fs::path(source.fileName).filename().string() << ": \"" << source.name << "\", "
      << (source.gridColumns + 17) / 19 << "x" << (source.gridRows + 11) / 13 << " screens, start ("
      << level.playerX << ", " << level.playerY << ")";
    for (int kind = 0; kind < kCreatureKinds; ++kind)
        s << ", " << level.counts[kind] << " " << kCreatureKindPlurals[kind];
    s << ", " << r.cellsReached << " cells reached"
      << (source.doorRequired ? (r.doorReached ? ", door reachable" : ", door NOT reachable") : ", no door needed");
    return s.str();
}

bool sameLevel(const LevelData& a, const LevelData& b) {
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

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!parseOptions(argc, argv, options)) return usage();

    std::vector<LevelProblem> problems;
    std::string legendText;
    Legend legend;
    if (!readText(options.legend, legendText)) {
        std::cerr << options.legend << ": cannot be read\n";
        return 1;
    }
    if (!parseLegend(legendText, options.legend, legend, problems)) {
        for (const LevelProblem& p : problems) std::cerr << formatProblem(p) << "\n";
        return 1;
    }

    std::vector<LevelSource> sources(options.sources.size());
    for (std::size_t i = 0; i < options.sources.size(); ++i) {
        std::string text;
        if (!readText(options.sources[i], text)) {
            problems.push_back({options.sources[i], 0, "cannot be read"});
            continue;
        }
        if (!parseLevelSource(text, options.sources[i], legend, sources[i], problems)) continue;
        validateLevel(sources[i], problems);
        checkSolvable(sources[i], problems);
    }
    for (const LevelProblem& p : problems) std::cerr << formatProblem(p) << "\n";
    if (!problems.empty()) return 1;

    switch (options.mode) {
    case Mode::Check:
        for (const LevelSource& source : sources) std::cout << summary(source, exploreLevel(*source.level)) << "\n";
        return 0;
    case Mode::Solve: {
        int status = 0;
        for (const LevelSource& source : sources) {
            const SolverResult result = solveLevel(*source.level);
            std::cout << fs::path(source.fileName).filename().string() << ": " << describeSolution(result);
            if (source.doorRequired && !result.finished) status = 1;
        }
        return status;
    }
    case Mode::Overview: {
        std::error_code ec;
        fs::create_directories(options.target, ec);
        int status = 0;
        for (const LevelSource& source : sources) {
            fs::path png = fs::path(options.target) / (fs::path(source.fileName).stem().string() + ".png");
            if (!writeLevelOverview(source, png.string())) {
                std::cerr << png.string() << ": cannot be written\n";
                status = 1;
            }
        }
        return status;
    }
    case Mode::Write: {
        // The level file writer works below the working directory's Data
        // folder, so the tool moves into the output folder to write.
        std::error_code ec;
        fs::create_directories(fs::path(options.target) / "Data", ec);
        fs::current_path(options.target, ec);
        if (ec) {
            std::cerr << options.target << ": cannot be entered: " << ec.message() << "\n";
            return 1;
        }
        for (const LevelSource& source : sources) {
            std::string stem = fs::path(source.fileName).stem().string();
            std::string path = "Data\\" + stem + ".dat";
            writeLevelFile(path, *source.level);
            // Read the file back: the writer reports nothing, so this is
            // how a failed or short write shows.
            auto back = std::make_unique<LevelData>();
            readLevelFile(path, *back);
            if (!sameLevel(*source.level, *back)) {
                std::cerr << (fs::path(options.target) / "Data" / (stem + ".dat")).string()
                          << ": reading the written file back gives a different level\n";
                return 1;
            }
        }
        return 0;
    }
    }
    return 1;
}
