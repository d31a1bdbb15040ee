// zl_levelmake — turns the level sources into level files, level files back
// into sources, and demonstration sources into recordings.
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
//   zl_levelmake --legend <legend.txt> --totext <dir> <level.dat>...
//       writes each level file (one the editor saved, say) as a level source
//       <dir>/<stem>.txt with the legend's characters.
//   zl_levelmake --legend <legend.txt> --demos <dir> --demo <demoN.txt>... <source.txt>...
//       checks the level sources (001..008) and makes from each demonstration
//       source demoN.txt the recording N (1..4) on labyrinth N:
//       <dir>/Data/Demo.dat, Demo2.dat, ...
//   zl_levelmake --legend <legend.txt> --set <dir> <source.txt>...
//       checks the level sources 001..008 (and ende, the closing scene),
//       proves each labyrinth with the solver and writes them as the shipped
//       level set <dir>/Data/zauberlabyrinth.zset, with the recordings
//       <dir>/Data/Demo.dat .. Demo4.dat (made by --demos before) as its
//       demonstrations on labyrinths 1..4.
//   zl_levelmake --install <staging Data> <run Data>
//       brings the staged files into the run folder's Data where the player
//       has not changed them, by the rule the programs apply to an installed
//       game's folder, and names each file it kept back.
//
// Faults are printed as "file:line: message"; the exit code is 1 when any
// level has one, 2 on a usage error, 0 otherwise.
#include "common/demo_file.h"
#include "common/level_file.h"
#include "common/level_list.h"
#include "common/level_set.h"
#include "common/solver.h"
#include "common/wizard_walk.h"
#include "platform/file_replace.h"
#include "tools/levels/demo_maker.h"
#include "tools/levels/install_shipped.h"
#include "tools/levels/level_check.h"
#include "tools/levels/level_overview.h"
#include "tools/levels/level_source.h"
#include "tools/levels/level_text.h"
#include "tools/levels/route_text.h"
#include "tools/levels/solution_text.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>

namespace fs = std::filesystem;

namespace {

enum class Mode { Write, Check, Overview, Solve, ToText, Demos, Set };

struct Options {
    Mode mode = Mode::Check;
    std::string legend;
    std::string target;  // output folder for Write, Overview, ToText, Demos and Set
    std::vector<std::string> sources;
    std::vector<std::string> demos;  // demonstration sources (Demos)
};

int usage() {
    std::cerr << "usage: zl_levelmake --legend <legend.txt> (--out <dir> | --check | --png <dir> | --solve) "
                 "<source.txt>...\n"
                 "       zl_levelmake --legend <legend.txt> --totext <dir> <level.dat>...\n"
                 "       zl_levelmake --legend <legend.txt> --demos <dir> --demo <demoN.txt>... <source.txt>...\n"
                 "       zl_levelmake --legend <legend.txt> --set <dir> <source.txt>...\n"
                 "       zl_levelmake --install <staging Data> <run Data>\n";
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
        } else if (arg == "--out" || arg == "--png" || arg == "--totext" || arg == "--demos" || arg == "--set") {
            if (modeSet || !value(options.target)) return false;
            options.mode = arg == "--out"      ? Mode::Write
                           : arg == "--png"    ? Mode::Overview
                           : arg == "--totext" ? Mode::ToText
                           : arg == "--set"    ? Mode::Set
                                               : Mode::Demos;
            modeSet = true;
        } else if (arg == "--demo") {
            std::string demo;
            if (!value(demo)) return false;
            options.demos.push_back(demo);
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
    if (options.demos.empty() == (options.mode == Mode::Demos)) return false;
    return modeSet && !options.legend.empty() && !options.sources.empty();
}

// The level file and recording writers work below the working directory's
// Data folder, so the tool makes the output folder's Data and moves there.
bool enterTarget(const std::string& target) {
    std::error_code ec;
    fs::create_directories(fs::path(target) / "Data", ec);
    fs::current_path(target, ec);
    if (ec) std::cerr << target << ": cannot be entered: " << ec.message() << "\n";
    return !ec;
}

std::string summary(const LevelSource& source, const Reachability& r) {
    const LevelData& level = *source.level;
    std::ostringstream s;
    s << fs::path(source.fileName).filename().string() << ": \"" << source.name << "\", " << (source.gridColumns + 17) / 19
      << "x" << (source.gridRows + 11) / 13 << " screens, start (" << level.playerX << ", " << level.playerY << ")";
    for (int kind = 0; kind < kCreatureKinds; ++kind)
        s << ", " << level.counts[kind] << " " << kCreatureKindPlurals[kind];
    s << ", " << r.cellsReached << " cells reached"
      << (source.doorRequired ? (r.doorReached ? ", door reachable" : ", door NOT reachable") : ", no door needed");
    return s.str();
}

// ToText: each level file as a level source in the target folder.
int writeTexts(const Options& options, const Legend& legend) {
    std::error_code ec;
    const fs::path target = fs::absolute(options.target, ec);
    fs::create_directories(target, ec);
    const fs::path home = fs::current_path(ec);
    int status = 0;
    for (const std::string& file : options.sources) {
        // The field reader takes paths relative to the working directory,
        // so the tool reads each file from inside its folder.
        const fs::path path = fs::absolute(file, ec);
        auto level = std::make_unique<LevelData>();
        fs::current_path(path.parent_path(), ec);
        const bool read = !ec && readLevelFile(path.filename().string(), *level);
        fs::current_path(home, ec);
        if (!read) {
            std::cerr << file << ": cannot be read\n";
            status = 1;
            continue;
        }
        const std::string stem = path.stem().string();
        const LevelText text = levelToText(*level, legend, stem, path.filename().string());
        for (const std::string& note : text.notes) std::cerr << file << ": " << note << "\n";
        const fs::path out = target / (stem + ".txt");
        // A source of the same name is replaced only by a complete one.
        if (!core::replaceFile(out.string(), text.text)) {
            std::cerr << out.string() << ": cannot be written\n";
            status = 1;
        }
    }
    return status;
}

// The recording number of a demonstration source: N of "demoN.txt", 1..4;
// 0 for any other name.
int recordingNumber(const std::string& file) {
    const std::string stem = fs::path(file).stem().string();
    if (stem.size() != 5 || stem.rfind("demo", 0) != 0) return 0;
    const int n = stem[4] - '0';
    return n >= 1 && n <= kRecordings ? n : 0;
}

// Demos: each demonstration source as its recording below the target's Data.
int writeDemos(const Options& options, const std::vector<LevelSource>& sources) {
    // The labyrinths in play order, found by their file names.
    std::vector<const LevelData*> levels(kLevelCount, nullptr);
    for (const LevelSource& source : sources) {
        const std::string stem = fs::path(source.fileName).stem().string();
        for (int n = 0; n < kLevelCount; ++n)
            if (stem == kLevelNames[n]) levels[static_cast<std::size_t>(n)] = source.level.get();
    }
    for (int n = 0; n < kLevelCount; ++n) {
        if (levels[static_cast<std::size_t>(n)] != nullptr) continue;
        std::cerr << "the demonstrations need the level source " << kLevelNames[n] << ".txt\n";
        return 1;
    }

    std::vector<LevelProblem> problems;
    std::vector<std::pair<int, Demonstration>> made;
    for (const std::string& file : options.demos) {
        const int n = recordingNumber(file);
        std::string text;
        if (n == 0) {
            problems.push_back({file, 0, "a demonstration source is named demo1.txt .. demo4.txt"});
        } else if (!readText(file, text)) {
            problems.push_back({file, 0, "cannot be read"});
        } else {
            Demonstration demo;
            if (makeDemonstration(parseRoute(text), n, levels, file, demo, problems)) made.emplace_back(n, demo);
            std::cout << fs::path(file).filename().string() << ": " << demo.codes << " codes, " << demo.screens
                      << " screens in " << demo.labyrinths << " labyrinth(s), " << demo.exchanges << " exchanges, "
                      << demo.barriersOpened << " barriers opened\n";
        }
    }
    std::cerr << formatProblems(problems);
    if (!problems.empty()) return 1;

    if (!enterTarget(options.target)) return 1;
    for (const auto& [n, demo] : made) {
        const std::string path = recordingPath(n);
        RecordingMoves back{};
        if (!writeRecording(path, demo.moves) || !readRecording(path, back) || back != demo.moves) {
            std::cerr << (fs::path(options.target) / "Data").string() << ": recording " << n
                      << " could not be written whole\n";
            return 1;
        }
    }
    return 0;
}

// Set: the shipped labyrinths, proven, with the closing scene and the
// demonstrations, as one level set file below the target's Data.
int writeShippedSet(const Options& options, const std::vector<LevelSource>& sources) {
    auto set = std::make_unique<LevelSet>(emptyLevelSet(kShippedSetTitle, kShippedSetAuthor));
    std::vector<bool> found(kLevelCount, false);
    for (const LevelSource& source : sources) {
        const std::string stem = fs::path(source.fileName).stem().string();
        if (stem == kClosingSceneName) {
            set->closingScene = {*source.level};
            continue;
        }
        const auto at = std::find(std::begin(kLevelNames), std::end(kLevelNames), stem);
        if (at == std::end(kLevelNames)) {
            std::cerr << source.fileName << ": a set holds the labyrinths 001..008 and ende only\n";
            return 1;
        }
        const std::size_t n = static_cast<std::size_t>(at - std::begin(kLevelNames));
        SetLabyrinth& place = set->labyrinths[n];
        place.name = source.name.substr(0, static_cast<std::size_t>(kMaxSetText));
        place.level = *source.level;
        SolverResult result = solveLevel(*source.level);
        if (!result.finished || !routeReachesDoor(place.level, result.route)) {
            std::cerr << source.fileName << ": the solver finds no way to the door\n";
            return 1;
        }
        place.route = std::move(result.route);
        found[n] = true;
    }
    for (int n = 0; n < kLevelCount; ++n) {
        if (found[static_cast<std::size_t>(n)]) continue;
        std::cerr << "the set needs the level source " << kLevelNames[n] << ".txt\n";
        return 1;
    }
    if (!enterTarget(options.target)) return 1;
    for (int n = 1; n <= kRecordings; ++n) {
        SetDemonstration demo;
        demo.place = n;
        if (!readRecording(recordingPath(n), demo.moves)) {
            std::cerr << (fs::path(options.target) / "Data").string() << ": recording " << n
                      << " is missing: make the demonstrations first (--demos)\n";
            return 1;
        }
        set->demonstrations.push_back(demo);
    }
    const std::string path = levelSetPath(kShippedSetName);
    auto back = std::make_unique<LevelSet>();
    std::string refusal;
    if (!writeLevelSet(path, *set) || !readLevelSet(path, *back, refusal) || !(*back == *set) || !isProven(*back)) {
        std::cerr << (fs::path(options.target) / "Data").string() << ": the set could not be written whole " << refusal
                  << "\n";
        return 1;
    }
    std::cout << kShippedSetName << kLevelSetExtension << ": " << kLevelCount << " labyrinths proven, "
              << set->closingScene.size() << " closing scene, " << set->demonstrations.size() << " demonstrations\n";
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 2 && std::string(argv[1]) == "--install") {
        if (argc != 4) return usage();
        installShippedFiles(argv[2], argv[3], std::cout);
        return 0;
    }
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
        std::cerr << formatProblems(problems);
        return 1;
    }

    if (options.mode == Mode::ToText) return writeTexts(options, legend);

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
    std::cerr << formatProblems(problems);
    if (!problems.empty()) return 1;

    switch (options.mode) {
        case Mode::Check:
            for (const LevelSource& source : sources) std::cout << summary(source, exploreLevel(*source.level)) << "\n";
            return 0;
        case Mode::ToText: return 1;  // handled above, before any source is read
        case Mode::Demos: return writeDemos(options, sources);
        case Mode::Set: return writeShippedSet(options, sources);
        case Mode::Solve: {
            int status = 0;
            for (const LevelSource& source : sources) {
                const std::string file = fs::path(source.fileName).filename().string();
                if (!source.doorRequired) {
                    std::cout << file << ": a scene without a door\n";
                    continue;
                }
                const SolverResult result = solveLevel(*source.level);
                std::cout << file << ": " << describeSolution(result);
                if (!result.finished) status = 1;
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
            if (!enterTarget(options.target)) return 1;
            for (const LevelSource& source : sources) {
                std::string stem = fs::path(source.fileName).stem().string();
                const std::string path = levelFilePath(stem);
                writeLevelFile(path, *source.level);
                // Read the file back: the writer reports nothing, so this is
                // how a failed or short write shows.
                auto back = std::make_unique<LevelData>();
                readLevelFile(path, *back);
                if (!sameLevelData(*source.level, *back)) {
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
