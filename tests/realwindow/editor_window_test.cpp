// The editor in a real window, as a level maker meets it: its name, the
// cursor that the arrow keys move, a wall and a start put down, the level
// saved under a typed name, and the game playing that level.
#include "tests/realwindow/real_window_fixture.h"

namespace fs = std::filesystem;

namespace realwindow {
namespace {

// The editor looks at its held keys once a pass, every 80 ms or a little
// more: a press of about that length is seen once, but may be seen twice or
// not at all. The presses alternate in length, so that repeated tries never
// keep stepping by the same count (the 1 key cycles through six tiles).
constexpr double kEditorPresses[] = {0.07, 0.1};
constexpr double kEditorPress = 0.12;  // for keys whose repetition does no harm

// The cell whose top and left edges are the cursor's white frame.
std::optional<Cell> cursorCell(const Picture& window) {
    for (int row = 1; row <= 14; ++row) {
        for (int column = 1; column <= 20; ++column) {
            const int x = 40 * (column - 1), y = 40 * (row - 1);
            if (whiteLine(window, x, y, 40, false) && whiteLine(window, x, y, 40, true)) return Cell{column, row};
        }
    }
    return std::nullopt;
}

// Share of a 40 x 40 picture's inner 38 x 38 pixels (inside the cursor's
// frame) that show in the cell.
double cellShows(const Picture& window, Cell cell, const Picture& picture) {
    Picture inner{38, 38, std::vector<std::uint32_t>(38 * 38)};
    for (int y = 0; y < 38; ++y)
        for (int x = 0; x < 38; ++x) inner.pixels[std::size_t(y) * 38 + x] = picture.at(x + 1, y + 1);
    return shareShown(window, inner, 40 * (cell.column - 1) + 1, 40 * (cell.row - 1) + 1, false);
}

class EditorWindow : public RealWindow {
protected:
    // Presses a key until what it does shows, looking after each press: a
    // press may be seen once, twice, or not at all on a busy machine.
    void pressUntil(const std::string& window, const std::string& key, const std::function<bool(const Picture&)>& done,
                    const std::string& what) {
        for (int attempt = 0; attempt < 30; ++attempt) {
            const std::optional<Picture> now = display.capture(window);
            if (now && done(*now)) return;
            display.tap(key, kEditorPresses[attempt % 2]);
            lookFor(window, done, 0.5);
        }
        ADD_FAILURE() << "not reached with " << key << ": " << what;
    }
    // The cursor's frame is not drawn while the cell shows a newly picked
    // brush; the cursor is then where it was last seen.
    void moveCursorTo(const std::string& window, Cell target) {
        for (int attempt = 0; attempt < 30; ++attempt) {
            const std::optional<Picture> now = display.capture(window);
            std::optional<Cell> at = now ? cursorCell(*now) : std::nullopt;
            if (at) lastCursor = at;
            at = lastCursor;
            ASSERT_TRUE(at) << "the cursor was never seen";
            if (*at == target) return;
            const std::string key = at->column < target.column   ? "Right"
                                    : at->column > target.column ? "Left"
                                    : at->row < target.row       ? "Down"
                                                                 : "Up";
            display.tap(key, kEditorPresses[attempt % 2]);
            lookFor(
                window, [&](const Picture& p) { return cursorCell(p).has_value() && cursorCell(p) != at; }, 1.0);
        }
        FAIL() << "the cursor did not reach " << target.column << ", " << target.row;
    }
    std::optional<Cell> lastCursor;
};

TEST_F(EditorWindow, ALevelMadeAndSavedInTheEditorIsPlayedByTheGame) {
    const fs::path run = makeRunFolder("run");
    const std::string shipped = dir.readFile("run/Data/001.dat");
    const Picture wall = sprite("mauer01");
    const Picture wizard = sprite("Zaub1");
    const pid_t editor = start(ZL_EDITOR_PROGRAM, {"--window"}, run);
    const std::string window = windowOf(editor);
    ASSERT_FALSE(window.empty());
    named(window, "Unbenannt \xE2\x80\x93 Zauberlabyrinth \xE2\x80\x93 Editor");

    // The cursor starts on cell (5, 5); the right arrow moves it.
    ASSERT_TRUE(waitToSee(
        window,
        [](const Picture& p) {
            return cursorCell(p) == Cell{5, 5};
        },
        "the cursor on (5, 5)"));
    display.keyDown("Right");
    const std::optional<Picture> moved = waitToSee(
        window,
        [](const Picture& p) {
            const auto at = cursorCell(p);
            return at && at->column > 5;
        },
        "the cursor right of (5, 5)");
    display.keyUp("Right");
    ASSERT_TRUE(moved);

    // A red wall on (5, 5): the 1 key picks it as the brush (the cursor's
    // cell shows the brush), Space puts it down.
    moveCursorTo(window, {5, 5});
    pressUntil(
        window, "1",
        [&](const Picture& p) {
            return cellShows(p, {5, 5}, wall) > 0.99;
        },
        "the wall as brush");
    display.tap("space", kEditorPress);
    // The wizard's start on (6, 5); seen once the cursor has moved on.
    moveCursorTo(window, {6, 5});
    display.tap("s", kEditorPress);
    moveCursorTo(window, {7, 5});
    ASSERT_TRUE(waitToSee(
        window,
        [&](const Picture& p) {
            return cellShows(p, {5, 5}, wall) > 0.99 && cellShows(p, {6, 5}, wizard) > 0.95;
        },
        "the wall on (5, 5) and the start on (6, 5)"));

    // F1 asks for the name (white text in the first text row); "001" makes it labyrinth 1.
    display.keyDown("F1");
    const bool asked = waitToSee(
                           window, [](const Picture& p) { return whitePixels(p, 0, 0, 200, 16) > 20; }, "the name question")
                           .has_value();
    display.keyUp("F1");
    ASSERT_TRUE(asked);
    display.type("001");
    display.tap("Return", 0.05);
    const double deadline = now() + kSeeSeconds;
    while (dir.readFile("run/Data/001.dat") == shipped && now() < deadline) pause(0.1);
    ASSERT_NE(dir.readFile("run/Data/001.dat"), shipped) << "Data/001.dat was not written";
    named(window, "001 \xE2\x80\x93 Zauberlabyrinth \xE2\x80\x93 Editor");

    // Saved, Esc ends the editor at once.
    display.keyDown("Escape");
    const std::optional<int> status = waitForEnd(editor, kEndSeconds);
    display.keyUp("Escape");
    ASSERT_TRUE(status.has_value()) << "the editor did not end on Esc";
    EXPECT_EQ(*status, 0);

    // The game shows the new labyrinth 1 behind its title, and Space brings
    // the wizard onto the start set in the editor.
    const std::string game = windowOf(start(ZL_GAME_PROGRAM, {"--window"}, run));
    ASSERT_FALSE(game.empty());
    ASSERT_TRUE(waitToSee(
        game,
        [&](const Picture& p) {
            return cellShows(p, {5, 5}, wall) > 0.99;
        },
        "the editor's wall behind the title"));
    display.keyDown("space");
    const std::optional<Picture> playing = waitToSee(
        game,
        [](const Picture& p) {
            return wizardCell(p) == Cell{6, 5};
        },
        "the wizard on (6, 5)");
    display.keyUp("space");
    EXPECT_TRUE(playing);
}

}  // namespace
}  // namespace realwindow
