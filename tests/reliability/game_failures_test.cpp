// Failures injected under the game, through the platform's file layer: no
// folders at all, a Data that is no folder, a disk that fills part-way
// through a write, a process killed between writing and renaming a save, a
// settings file cut short, and ten megabytes of garbage in every file the
// game reads. In every case: no crash, no good file destroyed, and the
// player told where the dialogs say so.
#include "common/demo_file.h"
#include "common/file_names.h"
#include "common/level_list.h"
#include "game/flow/flow.h"
#include "game/front/best_players.h"
#include "game/front/demonstration.h"
#include "game/front/front.h"
#include "game/front/saved_game.h"
#include "game/world/level_loader.h"
#include "game/world/scene.h"
#include "tests/front/front_fixture.h"
#include "tests/reliability/failing_writes.h"
#include "tools/invariants/world_invariants.h"

#include <csignal>
#include <filesystem>
#include <random>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

class GameFailures : public FrontTest {
protected:
    void SetUp() override {
        FrontTest::SetUp();
        headless::setTimerStep(1e-4);
        world.energy = 87;
        world.level = 3;
        world.playerX = 25;
        world.playerY = 17;
        world.viewX = 19;
        world.viewY = 13;
        world.pigs[1] = {30, 20, 19, 13, 0, 0};
        world.pigCount = 1;
        resetBestPlayers();
    }
    fs::path data() const { return dir.path() / "Data"; }
    // Typed one key at a time, as a player types: the key buffer holds
    // only a few keys.
    static void typeSlowly(const std::string& text) {
        for (std::size_t i = 0; i < text.size(); ++i) headless::typeText(text.substr(i, 1), in(0.1 + 0.02 * i));
    }
    // A key held from `at` for 0.15 s: long enough for every loop to see it.
    static void press(int scancode, double at) { tap(scancode, at, 0.15); }
};

TEST_F(GameFailures, WithoutDataSpritesAndWaveTheGameStartsPlaysSavesAndEnds) {
    fs::remove_all(data());
    destroyCatalogueImages();  // start-up creates them and, finding no files, leaves them magenta
    world = World{};
    startUp();
    EXPECT_EQ(world.soundOn, 0);
    EXPECT_EQ(world.bestNames[1], "");
    world.soundOn = 1;  // sounds are asked for; their files are missing

    // The title times out into the first demonstration: labyrinth 1 is open
    // floor, drawn in magenta squares, and the recording 1000 zeros.
    world.mode = GameMode::Title;
    runMode();
    ASSERT_EQ(world.mode, GameMode::Demonstration);
    runMode();
    EXPECT_EQ(world.mode, GameMode::Title) << "the empty recording played to its end";
    EXPECT_EQ(headless::pixel(0, 300, 300), kNewImageColour) << "a floor cell without its picture";
    EXPECT_FALSE(headless::soundsPlayed().empty());

    // From the next title: the menu, a save (the folder Data is made), then
    // a game started, and the window closed.
    press(scancode::Esc, in(1.0));
    press(scancode::Enter, in(1.6));
    headless::typeText("eins\r", in(2.2));
    press(scancode::Space, in(6.0));
    runMode();
    ASSERT_EQ(world.mode, GameMode::Live);
    EXPECT_TRUE(fs::is_regular_file(data() / "eins.sav"));
    headless::closeRequest(in(1.0));
    EXPECT_THROW(runMode(), headless::ProgramEnded);
    EXPECT_TRUE(fs::is_regular_file(data() / "Einstellung.dat")) << "the settings written at the end";
}

TEST_F(GameFailures, ADataThatIsNoFolderFailsEveryWriteAndEveryLoadAndSaysSo) {
    fs::remove_all(data());
    dir.writeFile("Data", "kein Ordner");
    headless::typeText("spiel\r", in(0.1));
    saveGameDialog();
    EXPECT_TRUE(textShown(37, 38, "Speichern fehlgeschlagen"));
    headless::typeText("spiel\r", in(0.1));
    EXPECT_FALSE(loadGameDialog());
    EXPECT_TRUE(textShown(37, 38, "Spielstand nicht gefunden"));
    EXPECT_EQ(world.level, 3) << "the game goes on as it was";
    EXPECT_FALSE(writeSettings());
    EXPECT_THROW(quitGame(), headless::ProgramEnded) << "the program still ends";
    EXPECT_EQ(dir.readFile("Data"), "kein Ordner");
}

TEST_F(GameFailures, AFullDiskAnywhereInAWriteOrAReadOnlyDataKeepsTheOldSaveAndSettingsWhole) {
    ASSERT_TRUE(saveGame("Data\\alt.sav"));
    ASSERT_TRUE(writeSettings());
    const std::string oldSave = dir.readFile("Data/alt.sav");
    const std::string oldSettings = dir.readFile("Data/Einstellung.dat");
    const auto names = namesIn(data());
    world.energy = 12;
    world.map[40][40] = 77;
    world.bestNames[1] = "Neu";

    // Each writer cut off at nothing, inside its first block, at and around
    // a block's end (the writer hands over 64 KB at a time), and one byte
    // before the end; then given just enough.
    struct Writer {
        bool (*write)();
        const char* file;
        const std::string& old;
    };
    const Writer writers[] = {{[] { return saveGame("Data\\alt.sav"); }, "Data/alt.sav", oldSave},
                              {writeSettings, "Data/Einstellung.dat", oldSettings}};
    for (const Writer& w : writers) {
        // The size of the new file: written once, then the old one put back.
        ASSERT_TRUE(w.write());
        const auto size = static_cast<rlim_t>(fs::file_size(dir.path() / w.file));
        dir.writeFile(w.file, w.old);
        for (rlim_t limit : {rlim_t{0}, rlim_t{1}, rlim_t{4096}, rlim_t{65535}, rlim_t{65536}, rlim_t{65537}, size - 1}) {
            if (limit >= size) continue;
            {
                FileSizeLimit full(limit);
                EXPECT_FALSE(w.write()) << w.file << " " << limit;
            }
            EXPECT_TRUE(dir.readFile(w.file) == w.old) << w.file << " " << limit;
            EXPECT_EQ(namesIn(data()), names) << "no scratch file left: " << w.file << " " << limit;
        }
        // A folder that may not be written, where permission bits stop
        // this process (not as root).
        if (permissionsStopWrites()) {
            fs::permissions(data(), fs::perms::owner_read | fs::perms::owner_exec);
            EXPECT_FALSE(w.write()) << w.file << " read-only";
            fs::permissions(data(), fs::perms::owner_all);
            EXPECT_TRUE(dir.readFile(w.file) == w.old) << w.file << " read-only";
        }
        {
            FileSizeLimit justEnough(size);
            EXPECT_TRUE(w.write()) << w.file;
        }
        EXPECT_TRUE(dir.readFile(w.file) != w.old) << w.file;
    }
}

TEST_F(GameFailures, ASaveKilledBeforeItsRenameLeavesTheOldOneAndAScratchFileNoDialogCanReach) {
    ASSERT_TRUE(saveGame("Data\\spiel.sav"));
    const std::string old = dir.readFile("Data/spiel.sav");
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // More than one block, so the scratch file holds data when the
        // process dies with it open.
        openFile("Data\\spiel.sav", FileMode::Output, 1);
        for (int i = 0; i < 100000; ++i) writeIntField(1, i, true);
        ::raise(SIGKILL);
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status));

    EXPECT_TRUE(dir.readFile("Data/spiel.sav") == old);
    auto names = namesIn(data());
    names.erase("spiel.sav");
    ASSERT_EQ(names.size(), 1u) << "the killed write's scratch file";
    const std::string leftover = *names.begin();
    EXPECT_EQ(leftover.front(), '.') << "hidden, and no typed name may begin with a dot";

    // Neither its own name nor one without the dot loads it.
    typeSlowly(leftover + "\r");
    EXPECT_FALSE(loadGameDialog());
    EXPECT_TRUE(textShown(37, 38, kInvalidNameText));
    typeSlowly(leftover.substr(1) + "\r");
    EXPECT_FALSE(loadGameDialog());
    EXPECT_TRUE(textShown(37, 38, "Spielstand nicht gefunden"));

    // The next save of that name clears it away; a scratch file of a
    // process still running stays.
    const std::string running = ".spiel.sav.tmp-" + std::to_string(::getppid());
    dir.writeFile("Data/" + running, "in Arbeit");
    ASSERT_TRUE(saveGame("Data\\spiel.sav"));
    EXPECT_EQ(namesIn(data()), (std::set<std::string>{"spiel.sav", running}));
}

TEST_F(GameFailures, ASaveUnderTheLongestNameAFileCanHaveSucceeds) {
    // 251 characters and ".sav" fill a file name to its 255 bytes; the
    // scratch file beside it must not need more.
    const std::string name(251, 'n');
    ASSERT_TRUE(saveGame(savedGamePath(name)));
    EXPECT_TRUE(fs::is_regular_file(data() / (name + ".sav")));
    EXPECT_EQ(namesIn(data()).size(), 1u);
}

TEST_F(GameFailures, ASettingsFileCutAnywhereReadsAsItsBeginningAndTheRestAsZero) {
    world.soundOn = 1;
    world.joystickOn = 1;
    world.fullScreen = 1;
    world.bestNames[2] = "Anna Maria";
    world.bestScores[10] = 7;
    ASSERT_TRUE(writeSettings());
    const World written = world;
    const std::string whole = dir.readFile("Data/Einstellung.dat");
    // A number cut short is its first digits; a text cut short its first
    // characters.
    const auto isCutOf = [](const std::string& part, const std::string& full) {
        return full.compare(0, part.size(), part) == 0;
    };
    for (std::size_t cut = 0; cut < whole.size(); ++cut) {
        dir.writeFile("Data/Einstellung.dat", whole.substr(0, cut));
        world = World{};
        readSettings();
        ASSERT_EQ(invariants::settingsPart(world), "") << cut;
        EXPECT_TRUE(world.soundOn == written.soundOn || world.soundOn == 0) << cut;
        EXPECT_TRUE(world.fullScreen == written.fullScreen || world.fullScreen == 0) << cut;
        for (int i = 1; i <= kBestPlayers; ++i) {
            EXPECT_TRUE(isCutOf(world.bestNames[i], written.bestNames[i])) << cut << " " << i;
            EXPECT_TRUE(world.bestScores[i] == 0 ||
                        isCutOf(std::to_string(world.bestScores[i]), std::to_string(written.bestScores[i])))
                << cut << " " << i;
        }
    }
    // The game starts with a cut file, in a window when the switches were cut.
    dir.writeFile("Data/Einstellung.dat", whole.substr(0, 4));
    startUp();
    EXPECT_EQ(world.soundOn, 1);
    EXPECT_FALSE(headless::fullScreen());
}

TEST_F(GameFailures, TenMegabytesOfGarbageInEveryFileTheGameReadsLoadSafeAndPlay) {
    std::mt19937 random(14);
    std::string garbage(10u << 20, '\0');
    for (char& c : garbage) c = static_cast<char>(random());
    // Runs of digits, commas and quotes as well: what a damaged text file holds.
    for (std::size_t at = 0; at < garbage.size(); at += 4096) {
        const std::size_t length = random() % 2048;
        for (std::size_t i = at; i < std::min(at + length, garbage.size()); ++i)
            garbage[i] = "0123456789,,\r\n\"-."[random() % 17];
    }
    for (const char* name : {"Data/001.dat", "Data/spiel.sav", "Data/Einstellung.dat", "Data/Demo.dat"})
        dir.writeFile(name, garbage);

    readSettings();
    EXPECT_EQ(invariants::settingsPart(world), "");
    startDemonstration();
    EXPECT_EQ(world.demoStep, 1);
    // What follows the last line may name a level set, which is missing: the
    // load is then refused, saying so, and the world stays as it was.
    std::string refusal;
    ASSERT_TRUE(loadGame("Data\\spiel.sav", &refusal) || refusal.starts_with("Sammlung fehlt: ")) << refusal;
    EXPECT_EQ(invariants::wholeWorld(world), "");
    world.level = 1;
    loadLevel();
    ASSERT_EQ(invariants::wholeWorld(world), "");

    // Play on it for a while: steps into whatever codes the garbage left,
    // items taken and used, creatures chasing.
    world.energy = 99;
    world.demoStep = 0;
    world.sceneShown = 0;
    renderScene();
    double lastFrame = timerSeconds();
    const int keys[] = {scancode::Right, scancode::Down, scancode::Left, scancode::Up, scancode::Space};
    for (int k = 0; k < 40; ++k) tap(keys[k % 5], in(0.25 * k), 0.2);
    const double end = in(10.0);
    while (headless::clock() < end && loopPass(lastFrame)) {
        world.energy = 99;
        ASSERT_EQ(invariants::wholeWorld(world), "");
    }
}

}  // namespace
