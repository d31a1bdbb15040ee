// The game in a real window, as a player meets it: the title picture in its
// place, Space brings the wizard, the right arrow walks him, F1 shows the
// keys and F1 again the scene, Esc opens the menu, and "Spiel beenden"
// stores the settings and the recording the game was started for, and ends
// the program.
#include "tests/realwindow/real_window_fixture.h"

namespace fs = std::filesystem;

namespace realwindow {
namespace {

// The title picture's top 64 rows at (330, 235); below them the table of
// the best players covers it after ten seconds.
constexpr int kTitleX = 330, kTitleY = 235, kTitleRows = 64;
constexpr double kTitleShare = 0.95;

bool titleShown(const Picture& window) {
    static const Picture title = [] {
        Picture full = sprite("titel");
        full.height = std::min(full.height, kTitleRows);
        full.pixels.resize(std::size_t(full.width) * full.height);
        return full;
    }();
    return title.width > 0 && shareShown(window, title, kTitleX, kTitleY, false) >= kTitleShare;
}

TEST_F(RealWindow, TheGameStartsWalksOpensTheMenuAndEndsWithTheSettingsStored) {
    const fs::path run = makeRunFolder("run");
    const pid_t game = start(ZL_GAME_PROGRAM, {"--window", "--record", "Mine"}, run);
    const std::string window = windowOf(game);
    ASSERT_FALSE(window.empty());
    named(window, "Zauberlabyrinth");
    // A plain name, found by tools that read no other (a UTF-8 typed one was not).
    EXPECT_EQ(display.windowsNamed("^Zauberlabyrinth$"), window);
    ASSERT_TRUE(waitToSee(window, titleShown, "the title picture at (330, 235)"));

    // Space starts a game: the wizard appears on his start.
    display.keyDown("space");
    const std::optional<Picture> started =
        waitToSee(window, [](const Picture& p) { return wizardCell(p).has_value(); }, "the wizard after Space");
    display.keyUp("space");
    ASSERT_TRUE(started);
    const Cell from = *wizardCell(*started);

    // The right arrow walks him at least one cell to the right.
    display.keyDown("Right");
    const std::optional<Picture> walked = waitToSee(
        window,
        [&](const Picture& p) {
            const std::optional<Cell> at = wizardCell(p);
            return at && at->row == from.row && at->column > from.column;
        },
        "the wizard right of his start");
    display.keyUp("Right");
    ASSERT_TRUE(walked);

    // F1: the key help's masonry panel over the scene; F1 again: the scene.
    static const Picture wall = sprite("altmauer");
    display.tap("F1", 0.1);
    ASSERT_TRUE(waitToSee(
        window, [](const Picture& p) { return shareShown(p, wall, 120, 80, false) >= kTitleShare; }, "the key help"));
    display.tap("F1", 0.1);
    ASSERT_TRUE(waitToSee(window, [](const Picture& p) { return wizardCell(p).has_value(); }, "the scene again"));

    // Esc opens the menu, its frame on the first line.
    display.keyDown("Escape");
    const std::optional<Picture> menu =
        waitToSee(window, [](const Picture& p) { return menuLine(p) == 1; }, "the menu with its frame on line 1");
    display.keyUp("Escape");
    ASSERT_TRUE(menu);

    // "Spiel beenden", the fourth line: the settings are written, the program ends.
    chooseMenuLine(window, 4);
    display.tap("space", 0.1);
    const std::optional<int> status = waitForEnd(game, kEndSeconds);
    ASSERT_TRUE(status.has_value()) << "the game did not end after \"Spiel beenden\"";
    EXPECT_EQ(*status, 0);
    // It started without settings: all switches off, the table empty.
    const std::string settings = dir.readFile("run/Data/Einstellung.dat");
    EXPECT_EQ(settings.rfind("0,0,0\r\n", 0), 0u) << settings;
    std::size_t lines = 0;
    for (std::size_t at = settings.find("\r\n"); at != std::string::npos; at = settings.find("\r\n", at + 2)) ++lines;
    EXPECT_EQ(lines, 11u);
    // The recording: a 5 for each action of the Space still held as play
    // began, a 2 for each step right, then zeros to 1000 fields.
    const std::string recording = dir.readFile("run/Data/Mine.dat");
    const std::size_t actions = recording.find_first_not_of("5\r\n") / 3;
    const std::size_t steps = recording.find("0\r\n") / 3 - actions;
    EXPECT_GE(steps, 1u);
    std::string expected;
    for (std::size_t k = 0; k < 1000; ++k) expected += k < actions ? "5\r\n" : k < actions + steps ? "2\r\n" : "0\r\n";
    EXPECT_EQ(recording, expected);
}

}  // namespace
}  // namespace realwindow
