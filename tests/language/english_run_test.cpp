// A player who reads English: the game started with --language en plays a
// whole game through its real cycle of modes (title, play, the menu's save
// and load, the end in the water, the name in the table of best players,
// the menu's quit), and the editor builds a level and checks and saves it;
// every text either program shows on the way is English, none German. With
// ZL_LANGUAGE_PICTURES set to a folder, the moments are written there as
// PNG pictures.
#include "common/language.h"
#include "common/level_file.h"
#include "common/level_list.h"
#include "common/tile_codes.h"
#include "editor/editor_loop.h"
#include "editor/editor_state.h"
#include "editor/status_line.h"
#include "game/command_line.h"
#include "game/flow/flow.h"
#include "game/world/world.h"
#include "platform/headless/headless.h"
#include "tests/language/run_folder.h"
#include "tests/support/scratch_dir.h"
#include "tools/image/image_files.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// Texts on the screen, in code page 437.
bool printed(const std::string& text) {
    for (const headless::PrintedText& shown : headless::printedTexts()) {
        if (shown.text.find(text) != std::string::npos) return true;
    }
    return false;
}

// The German of what the run must show in English, none of it printed.
// clang-format off
const char* const kGermanNeverShown[] = {
    "Dr\x81" "cke Leertaste", "Energie:", "Punkte:", "Spielstand", "Zur\x81" "ck zum Spiel", "DU BIST LEIDER",
    "Bestenliste", "Deinen Namen", "Spiel beenden", "Tastenhilfe", "Sammlungen", "Gespeichert", "Pr\x81" "fung",
    "Schaffbar", "Unbenannt", "Seite", "Pinsel", "Datei Name", "Willkommen",
};
// clang-format on

// Pictures of the run for a player to look at (ZL_LANGUAGE_PICTURES).
class Pictures {
public:
    void take(const std::string& name) {
        const Colour* page = headless::pagePixels(0);
        if (folder_ != nullptr && page != nullptr) taken_[name].assign(page, page + kScreenWidth * kScreenHeight);
    }
    ~Pictures() {
        for (const auto& [name, pixels] : taken_) {
            imagefile::writePng(imagefile::Canvas::copyOf(kScreenWidth, kScreenHeight, pixels.data()),
                                (fs::path(folder_) / (name + ".png")).string());
        }
    }

private:
    const char* folder_ = std::getenv("ZL_LANGUAGE_PICTURES");
    std::map<std::string, std::vector<Colour>> taken_;
};

class EnglishRun : public ::testing::Test {
protected:
    void SetUp() override {
        headless::reset();
        takeRunFolder();
    }
    void TearDown() override {
        headless::setWatcher({});
        chooseLanguageIndex(kGerman);
    }

    // A key held long enough for the title screen's slowest pass to see it.
    static void tap(int key, double at) {
        headless::keyDown(key, at);
        headless::keyUp(key, at + 0.2);
    }

    ScratchDir dir;
};

// Labyrinth 1 made short: the wizard starts on an axe, a pig comes from
// the far corner of the screen, water lies one step to his right.
void writeShortLabyrinth() {
    auto level = std::make_unique<LevelData>();
    level->playerX = 3;
    level->playerY = 3;
    level->map[3][3] = tile::Axe;
    level->map[4][3] = tile::Water;
    level->pigs()[1] = {18, 13, 0, 0};
    level->pigCount() = 1;
    ASSERT_TRUE(writeLevelFile(levelFilePath("001"), *level));
}

// The run's steps, each taken once the one before has had its effect.
enum class Step { Start, OpenMenuToSave, Save, OpenMenuToLoad, Load, KillThePig, WalkIntoTheWater, Name, Quit, Done };

TEST_F(EnglishRun, TheGamePlayedSavedLoadedAndEndedWithANewBestPlayer) {
    writeShortLabyrinth();
    const char* arguments[] = {"zauberlabyrinth", "--language", "en", "--window"};
    RunOptions options;
    ASSERT_TRUE(readGameCommandLine(4, arguments, options).run);
    startLanguage(options.language);  // as the program's main does, in its folder

    Pictures pictures;
    Step step = Step::Start;
    double next = 1.0;     // when the next step may begin
    bool holding = false;  // the key of the step is held
    headless::keepPrintedTexts(true);
    headless::setWatcher([&] {
        const double now = headless::clock();
        if (now > 600) throw std::runtime_error("the run did not come to its end");
        if (now < next) return;
        const bool atRest = world.playerOffsetX == 0 && world.playerOffsetY == 0;
        switch (step) {
            case Step::Start:
                if (world.mode != GameMode::Title) return;
                pictures.take("english-title");
                tap(scancode::Space, now);
                step = Step::OpenMenuToSave;
                next = now + 2.0;
                break;
            case Step::OpenMenuToSave:
                if (world.mode != GameMode::Live || !atRest) return;
                tap(scancode::Esc, now);
                step = Step::Save;
                next = now + 0.5;
                break;
            case Step::Save:
                if (world.mode != GameMode::Menu) return;
                pictures.take("english-menu");
                tap(scancode::Space, now);  // "Save game"
                headless::typeText("mine\r", now + 0.5);
                step = Step::OpenMenuToLoad;
                next = now + 3.0;
                break;
            case Step::OpenMenuToLoad:
                if (world.mode != GameMode::Live || !atRest) return;
                tap(scancode::Esc, now);
                step = Step::Load;
                next = now + 0.5;
                break;
            case Step::Load:
                if (world.mode != GameMode::Menu) return;
                tap(scancode::Down, now);
                tap(scancode::Space, now + 0.3);  // "Load game"
                headless::typeText("mine\r", now + 0.8);
                step = Step::KillThePig;
                next = now + 3.0;
                break;
            case Step::KillThePig:
                // Enter takes the axe, then strikes the pig once it has come
                // onto the wizard's cell.
                if (world.mode != GameMode::Live) return;
                if (world.score == 0) {
                    if (!holding) headless::keyDown(scancode::Enter, now);
                    holding = true;
                    return;
                }
                headless::keyUp(scancode::Enter, now);
                holding = false;
                step = Step::WalkIntoTheWater;
                next = now + 0.5;
                break;
            case Step::WalkIntoTheWater:
                if (world.mode == GameMode::GameOver) {
                    headless::keyUp(scancode::Right, now);
                    step = Step::Name;
                    next = now + 5.0;  // the closing scene's pause
                    return;
                }
                if (!holding) headless::keyDown(scancode::Right, now);
                holding = true;
                break;
            case Step::Name:
                pictures.take("english-game-over");
                headless::typeText("Anna\r", now);
                step = Step::Quit;
                next = now + 2.0;
                break;
            case Step::Quit:
                if (world.mode != GameMode::Title) return;
                pictures.take("english-title-after-the-game");
                tap(scancode::Esc, now);
                for (int k = 1; k <= 3; ++k) tap(scancode::Down, now + 0.3 * k);
                tap(scancode::Space, now + 1.2);  // "Quit game"
                step = Step::Done;
                next = now + 60;
                break;
            case Step::Done: break;
        }
    });
    try {
        runGameProgram(options);
    } catch (const headless::ProgramEnded& ended) {
        EXPECT_EQ(ended.exitCode, 0);
    }
    headless::setWatcher({});
    EXPECT_EQ(step, Step::Done);

    for (const char* english : {"  Press the space bar to  ", "F3: Deutsch", "Save game", "Saved game name",
                                "Load game", "Energy:", "Score:", "SORRY, YOU HAVE DROWNED .",
                                "You can enter the table of best players!", "Your name please ?", "Quit game"}) {
        EXPECT_TRUE(printed(english)) << english;
    }
    for (const char* german : kGermanNeverShown) EXPECT_FALSE(printed(german)) << textForHost(german);
    EXPECT_TRUE(fs::exists("Data/mine.sav"));
    EXPECT_NE(dir.readFile("Data/Einstellung.dat").find("\"Anna\",1000"), std::string::npos)
        << dir.readFile("Data/Einstellung.dat");
    EXPECT_EQ(dir.readFile("Data/Sprache.dat"), "\"en\"\r\n");
}

TEST_F(EnglishRun, TheEditorBuildsALevelChecksAndSavesIt) {
    dir.writeFile("Data/Sprache.dat", "\"en\"\r\n");
    startLanguage("");  // the language kept from the game's run
    Pictures pictures;
    headless::keepPrintedTexts(true);
    startEditor(ScreenChoice::Window);
    pictures.take("english-editor-start");
    const auto press = [](int key) {
        headless::keyDown(key, headless::clock());
        headless::keyUp(key, headless::clock() + 0.1);
        commandPass();
        commandPass();
    };
    press(scancode::S);  // the start on the cursor's cell (5, 5)
    for (int k = 0; k < 3; ++k) press(scancode::Right);
    press(scancode::E);  // the door as the brush
    press(scancode::Space);
    press(scancode::F3);
    press(scancode::F7);
    press(scancode::Left);
    pictures.take("english-editor-help");
    // F6 and its verdict, closed by a key.
    headless::setWatcher([&pictures, done = false]() mutable {
        if (!done && headless::clock() > 0 && printed("Check (F6):")) {
            pictures.take("english-editor-check");
            headless::typeText(" ", headless::clock() + 0.1);
            done = true;
        }
    });
    press(scancode::F6);
    headless::setWatcher({});
    headless::typeText("mine\r", headless::clock() + 0.5);
    press(scancode::F1);
    pictures.take("english-editor-saved");

    EXPECT_TRUE(printed("Welcome to the level editor!"));
    EXPECT_TRUE(printed("Solvable: the door can be reached from the start in 3 steps."));
    EXPECT_TRUE(printed("F1 - Save"));
    EXPECT_TRUE(printed("File name"));
    EXPECT_EQ(editor.message, "Saved: mine");
    EXPECT_TRUE(fs::exists("Data/mine.dat"));
    EXPECT_EQ(statusRowText().rfind("mine \xFA Page 1/11 \xFA 1/11 \xFA Brush: 29 Door", 0), 0u) << statusRowText();
    for (const char* german : kGermanNeverShown) EXPECT_FALSE(printed(german)) << textForHost(german);
}

}  // namespace
