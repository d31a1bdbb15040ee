// The level set's screen (F8): places filled with the level being edited and
// following its changes, moved, emptied and edited in place; the check and
// the save; opening a set; and the questions before work would be lost.
#include "common/tile_codes.h"
#include "editor/commands.h"
#include "editor/level_set.h"
#include "platform/host_hooks.h"
#include "tests/editor/editor_fixture.h"
#include "tests/support/level_set_fixture.h"
#include "tests/support/scratch_dir.h"

#include <filesystem>

namespace {

class SetScreen : public EditorTest {
protected:
    // Keys given one after the other on the set's screen, opened with F8
    // first; the screen is run by a pass of the command loop.
    struct Press {
        int key;
        bool shift = false;
    };
    static void onSetScreen(std::initializer_list<Press> presses, const std::string& typed = "") {
        double t = headless::clock();
        tap(scancode::F8, t);
        for (const Press& press : presses) {
            t += 0.4;
            if (press.shift) headless::keyDown(scancode::LeftShift, t - 0.05);
            tap(press.key, t);
            if (press.shift) headless::keyUp(scancode::LeftShift, t + 0.1);
            if (press.key == scancode::F1 || press.key == scancode::F2 || press.key == scancode::U) {
                headless::typeText(typed + "\r", t + 0.2);
            }
        }
        commandPass();
    }
    static void tap(int key, double at) {
        headless::keyDown(key, at);
        headless::keyUp(key, at + 0.1);
    }
    static const SetLabyrinth& place(int n) { return editor.set.labyrinths[static_cast<std::size_t>(n - 1)]; }

    ScratchDir dir;
};

constexpr int kEsc = scancode::Esc;

TEST_F(SetScreen, SpacePutsTheLevelIntoTheChosenPlaceWhereItsChangesFollowIt) {
    editor.level = sets::corridor(5);
    editor.fileName = "gang";
    onSetScreen({{scancode::Down}, {scancode::Space}, {kEsc}});
    EXPECT_TRUE(place(2).level == editor.level);
    EXPECT_EQ(place(2).name, "gang");
    EXPECT_EQ(editor.setPlace, 2);
    EXPECT_TRUE(setHasUnsavedChanges());
    EXPECT_TRUE(isEmptyPlace(place(1)));

    // Back on the map, the level changes; the set's screen takes the change in.
    editor.cursorX = 4;
    editor.cursorY = 2;
    editor.brush = tile::Water;
    placeBrush();
    onSetScreen({{kEsc}});
    EXPECT_EQ(place(2).level.map[4][2], tile::Water);
    EXPECT_EQ(cellPixel(4, 2, 0, 0), kWhite) << "back on the map with the cursor";
}

TEST_F(SetScreen, ShiftWithAnArrowMovesAPlaceDeleteEmptiesOneEnterEditsOneInPlace) {
    editor.set = sets::corridorSet();
    onSetScreen({{scancode::Down}, {scancode::Down, true}, {kEsc}});
    EXPECT_EQ(place(3).name, "Gang 2");
    EXPECT_EQ(place(2).name, "Gang 3");
    EXPECT_EQ(editor.setCursor, 3) << "the choice goes with the place";
    EXPECT_EQ(editor.set.demonstrations[1].place, 3) << "a demonstration stays on its labyrinth";

    onSetScreen({{scancode::Delete}, {scancode::Up}, {scancode::Enter}});
    EXPECT_TRUE(isEmptyPlace(place(3)));
    EXPECT_EQ(editor.set.demonstrations.size(), 1u) << "the emptied labyrinth's demonstration went with it";
    EXPECT_EQ(editor.setPlace, 2) << "Enter edits the place chosen";
    EXPECT_EQ(editor.fileName, "Gang 3");
    EXPECT_EQ(editor.level.map[6][2], tile::Door);
    EXPECT_EQ(cursorMapX(), 2) << "the cursor on the labyrinth's start";
    EXPECT_EQ(editor.levelChanged, 0);
}

TEST_F(SetScreen, F1ChecksEveryPlaceAndSavesTheSetSayingWhetherItIsProven) {
    LevelSet set = sets::corridorSet();
    for (SetLabyrinth& labyrinth : set.labyrinths) labyrinth.route.clear();
    set.labyrinths[2].level.map[3][2] = tile::RedWall;  // the door of 3 cannot be reached
    set.labyrinths[5] = SetLabyrinth{};
    editor.set = set;
    onSetScreen({{scancode::F1}, {kEsc}}, "meine");
    LevelSet back;
    std::string refusal;
    ASSERT_TRUE(readLevelSet("Data\\meine.zset", back, refusal)) << refusal;
    EXPECT_EQ(back.labyrinths[0].route, sets::corridorWay(2)) << "the solver's way kept";
    EXPECT_TRUE(back.labyrinths[2].route.empty());
    EXPECT_FALSE(isProven(back));
    EXPECT_EQ(editor.setName, "meine");
    EXPECT_FALSE(setHasUnsavedChanges());

    std::vector<PlaceProof> proofs(kLevelCount, PlaceProof::Proven);
    proofs[2] = PlaceProof::Unreachable;
    proofs[5] = PlaceProof::Empty;
    proofs[6] = PlaceProof::NoStart;
    EXPECT_EQ(proofLines(proofs),
              (std::vector<std::string>{"Nicht bewiesen: 3 T\x81r nicht erreichbar, 6 leer, 7 kein Start.",
                                        "Gespeichert und spielbar ist sie trotzdem, im Spiel nur ohne \xFB."}));

    // Mended, the set is proven.
    editor.set.labyrinths[2].level.map[3][2] = tile::Floor;
    editor.set.labyrinths[5] = sets::corridorSet().labyrinths[5];
    ASSERT_TRUE(saveSet("meine", proofs));
    EXPECT_EQ(proofLines(proofs), std::vector<std::string>{"Bewiesen: jedes der acht Labyrinthe ist schaffbar."});
    ASSERT_TRUE(readLevelSet("Data\\meine.zset", back, refusal));
    EXPECT_TRUE(isProven(back));
    EXPECT_FALSE(saveSet(kShippedSetName, proofs)) << "the shipped set's file is not the player's";
}

// A title, an author and a place's name are typed lines taken whole:
// their commas are part of them.
TEST_F(SetScreen, TitleAuthorAndNameKeepTheirCommasAsTyped) {
    editor.set = sets::corridorSet();
    const double t = headless::clock();
    tap(scancode::F8, t);
    tap(scancode::T, t + 0.4);
    // In pieces, as a person types: the key buffer holds fifteen characters.
    headless::typeText("Wald, ", t + 0.6);
    headless::typeText("Wiese,Wasser\r", t + 0.7);
    headless::typeText("Anna, ", t + 0.8);
    headless::typeText("Bert und Cem\r", t + 0.9);
    tap(scancode::U, t + 1.2);
    headless::typeText(" Halle,  oben \r", t + 1.4);
    tap(kEsc, t + 1.8);
    commandPass();
    EXPECT_EQ(editor.set.title, "Wald, Wiese,Wasser");
    EXPECT_EQ(editor.set.author, "Anna, Bert und Cem");
    EXPECT_EQ(place(1).name, "Halle,  oben") << "blanks before and after dropped, those inside kept";
    std::vector<PlaceProof> proofs;
    ASSERT_TRUE(saveSet("komma", proofs));
    LevelSet back;
    std::string refusal;
    ASSERT_TRUE(readLevelSet("Data\\komma.zset", back, refusal)) << refusal;
    EXPECT_EQ(back.title, "Wald, Wiese,Wasser") << "and the file keeps them";
}

// The browser page hands the editor a set the player dropped on it: it comes
// into Data, where the set screen's F2 opens it.
TEST_F(SetScreen, ASetThePageHandsTheEditorComesIntoDataWhereF2OpensIt) {
    startEditor(ScreenChoice::Window);
    ASSERT_TRUE(writeLevelSet("Data\\scratch.zset", sets::corridorSet("Reise", "Cem")));
    std::filesystem::create_directories(dir.path() / "handed");
    std::filesystem::rename(dir.path() / "Data/scratch.zset", dir.path() / "handed/reise.zset");
    std::string answer;
    EXPECT_EQ(core::hostHandsFile((dir.path() / "handed/reise.zset").string(), answer), core::HandedFile::Taken);
    EXPECT_EQ(answer, "reise");
    onSetScreen({{scancode::F2}, {kEsc}}, "reise");
    EXPECT_EQ(editor.set.title, "Reise");
    EXPECT_EQ(editor.setName, "reise");
}

TEST_F(SetScreen, F2OpensASetOnlyAfterAskingWhenTheSetHasUnsavedChanges) {
    ASSERT_TRUE(writeLevelSet("Data\\welt.zset", sets::corridorSet("Welt", "Anna")));
    editor.level = sets::corridor(2);
    putLevelIntoPlace(4);
    // N keeps the set; then J lets it go, and the name opens the file.
    onSetScreen({{scancode::F2}, {scancode::N}, {kEsc}});
    EXPECT_EQ(editor.set.title, "");
    const double t = headless::clock();
    tap(scancode::F8, t);
    tap(scancode::F2, t + 0.4);
    tap(scancode::J, t + 0.8);
    headless::typeText("welt\r", t + 1.0);
    tap(kEsc, t + 1.6);
    commandPass();
    EXPECT_EQ(editor.set.title, "Welt");
    EXPECT_EQ(editor.setName, "welt");
    EXPECT_EQ(editor.setPlace, 0) << "the level being edited stays, in no place";
    EXPECT_FALSE(setHasUnsavedChanges());
}

TEST_F(SetScreen, EscAsksWhileTheSetHoldsChangesNotSavedAndALevelLoadedLeavesItsPlace) {
    editor.level = sets::corridor(7);
    putLevelIntoPlace(1);
    const double t = headless::clock();
    tap(kEsc, t);
    tap(scancode::N, t + 0.4);
    // Unasked, Esc would end the program here; N answers the question and
    // the editing goes on.
    EXPECT_NO_THROW(commandPass());

    ASSERT_TRUE(writeLevelFile("Data\\anderes.dat", sets::corridor(9)));
    editor.cursorX = 5;
    editor.cursorY = 2;
    editor.brush = tile::Door;
    placeBrush();
    headless::typeText("anderes\r", headless::clock() + 0.01);
    loadLevelCommand();
    EXPECT_EQ(editor.setPlace, 0);
    EXPECT_EQ(place(1).level.map[5][2], tile::Door) << "the change made in the place stayed there";
    EXPECT_EQ(editor.level.map[11][2], tile::Door) << "the level loaded, with its own door";
    EXPECT_EQ(editor.level.map[5][2], tile::Floor);
}

}  // namespace
