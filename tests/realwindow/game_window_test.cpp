// The game in a real window, as a player meets it: the title picture in its
// place, Space brings the wizard, the right arrow walks him, F1 shows the
// keys and F1 again the scene, Esc opens the menu, and "Spiel beenden"
// stores the settings and the recording the game was started for, and ends
// the program. Names given on the command line may hold umlauts.
#include "tests/realwindow/real_window_fixture.h"

#include <string>
#include <vector>

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
    // The recording's name as a terminal hands it over: UTF-8 ("Müll").
    const pid_t game = start(ZL_GAME_PROGRAM, {"--window", "--record", "M\xC3\xBCll"}, run);
    const std::string window = windowOf(game);
    ASSERT_FALSE(window.empty());
    named(window, "Zauberlabyrinth");
    // A plain name, found by tools that read no other (a UTF-8 typed one was not).
    EXPECT_EQ(display.windowsNamed("^Zauberlabyrinth$"), window);
    ASSERT_TRUE(waitToSee(window, titleShown, "the title picture at (330, 235)"));

    // Space starts a game: the wizard appears on his start.
    display.keyDown("space");
    const std::optional<Picture> started = waitToSee(
        window, [](const Picture& p) { return wizardCell(p).has_value(); }, "the wizard after Space");
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
    ASSERT_TRUE(waitToSee(
        window, [](const Picture& p) { return wizardCell(p).has_value(); }, "the scene again"));

    // Esc opens the menu, its frame on the first line.
    display.keyDown("Escape");
    const std::optional<Picture> menu = waitToSee(
        window, [](const Picture& p) { return menuLine(p) == 1; }, "the menu with its frame on line 1");
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
    // The recording, under its name as the file manager shows it: a 2 for
    // each step right (the Space still held as play began acted on bare
    // floor with nothing in hand, which is not kept), then zeros to 1000
    // fields.
    const std::string recording = dir.readFile("run/Data/M\xC3\xBCll.dat");
    const std::size_t steps = recording.find("0\r\n") / 3;
    EXPECT_GE(steps, 1u);
    std::string expected;
    for (std::size_t k = 0; k < 1000; ++k) expected += k < steps ? "2\r\n" : "0\r\n";
    EXPECT_EQ(recording, expected);
}

// Where the wizard starts on the screen, from a level file: the first line
// ends with his column, the next three lines hold his row and the view's
// column and row.
Cell startOnScreen(const std::string& level) {
    std::vector<int> numbers;
    std::size_t from = level.rfind(',', level.find("\r\n")) + 1;
    for (int k = 0; k < 4; ++k) {
        const std::size_t end = level.find("\r\n", from);
        numbers.push_back(std::stoi(level.substr(from, end - from)));
        from = end + 2;
    }
    return {numbers[0] - numbers[2], numbers[1] - numbers[3]};
}

TEST_F(RealWindow, ALevelNamedWithAnUmlautPlaysAndAMissingOneEndsWithAMessageBeforeAnyWindow) {
    const fs::path run = makeRunFolder("run");
    // No such file ("Nötig"): a German message, exit status 1, no window.
    const pid_t missing = start(ZL_GAME_PROGRAM, {"--window", "--level", "N\xC3\xB6tig"}, run);
    const std::optional<int> status = waitForEnd(missing, kStartSeconds);
    ASSERT_TRUE(status.has_value()) << "the game kept running";
    EXPECT_EQ(*status, 1);
    const std::string said = dir.readFile("programs.log");
    EXPECT_NE(said.find("das Labyrinth Data/N\xC3\xB6tig.dat gibt es nicht"), std::string::npos) << said;

    // "Mühle", labyrinth 2 under that name: the wizard shows on its start.
    fs::copy_file(run / "Data/002.dat", run / "Data/M\xC3\xBChle.dat");
    const Cell expected = startOnScreen(dir.readFile("run/Data/002.dat"));
    const std::string window = windowOf(start(ZL_GAME_PROGRAM, {"--window", "--level", "M\xC3\xBChle"}, run));
    ASSERT_FALSE(window.empty());
    EXPECT_TRUE(waitToSee(
        window, [&](const Picture& p) { return wizardCell(p) == expected; }, "the wizard on the start of Mühle"));
}

}  // namespace
}  // namespace realwindow
