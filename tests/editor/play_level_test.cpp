// F5: the level saved to the scratch file and the game started on it; the
// editor comes back unchanged and says how the run went, or why it did not
// start one.
#include "common/level_list.h"
#include "common/run_end.h"
#include "common/tile_codes.h"
#include "editor/commands.h"
#include "tests/editor/editor_fixture.h"
#include "tests/support/scratch_dir.h"

#include <memory>

namespace {

class PlayLevel : public EditorTest {
protected:
    ScratchDir dir;
    void TearDown() override { headless::setProgramRunner({}); }

    // Start on (5, 5), the door on (6, 5).
    static void doorBesideTheStart() {
        editor.level.map[6][5] = tile::Door;
        setStart();
    }
};

TEST_F(PlayLevel, F5SavesAScratchFileStartsTheGameOnItAndLeavesTheLevelAsItWas) {
    editor.brush = tile::Door;
    placeBrush();
    editor.level.map[10][10] = tile::Door;
    setStart();
    holdKeys({scancode::F5});
    EXPECT_EQ(headless::programsRun(), std::vector<std::string>{"zauberlabyrinth --level _probelauf"});
    auto level = std::make_unique<LevelData>();
    ASSERT_TRUE(readLevelFile(levelFilePath("_probelauf"), *level));
    EXPECT_EQ(level->map[5][5], tile::Door);
    EXPECT_EQ(level->playerX, 5);
    EXPECT_EQ(editor.levelChanged, 1) << "the scratch file is no save";
    EXPECT_EQ(editor.history.done, 2);
    EXPECT_TRUE(screenIsCurrent()) << "the screen drawn again";
    EXPECT_EQ(levelFileListLines().size(), 0u) << "the scratch file is not offered";
}

// What the game's end makes the status line say. The runner stands for the
// game: it writes the report a run leaves (or none) and ends with a status.
TEST_F(PlayLevel, TheStatusLineSaysHowTheRunEnded) {
    struct EndCase {
        int status;  // the game's exit status
        int steps;   // in its report; -1 for no report
        const char* said;
    };
    const EndCase kEnds[] = {
        {10, 1, "Probelauf: T\x81r erreicht nach 1 Schritt."},
        {10, 57, "Probelauf: T\x81r erreicht nach 57 Schritten."},
        {30, 4, "Probelauf: ertrunken nach 4 Schritten."},
        {22, 12, "Probelauf: gestorben nach 12 Schritten, zuletzt traf ihn ein Schwein."},
        {21, 3, "Probelauf: gestorben nach 3 Schritten, zuletzt traf ihn eine Flamme."},
        {25, 3, "Probelauf: gestorben nach 3 Schritten, zuletzt traf ihn ein Auge."},
        {20, 3, "Probelauf: gestorben nach 3 Schritten."},
        {0, 8, "Probelauf: vom Spieler beendet nach 8 Schritten."},
        {0, -1, "Probelauf: vom Spieler beendet."},  // "Spiel beenden" writes no report
        {30, -1, "Probelauf: ertrunken."},           // a report of an earlier run is not believed
        {2, -1, "Probelauf: das Spiel endete unerwartet (2)."},
        {-1, -1, "Das Spiel lie\xE1 sich nicht starten"},
    };
    doorBesideTheStart();
    for (const EndCase& c : kEnds) {
        SCOPED_TRACE(c.said);
        // What an earlier run may have left.
        ASSERT_TRUE(writeRunReport(kProbeLevelName, {c.status, 999}));
        headless::setProgramRunner([&c](const std::string&, const std::vector<std::string>& arguments) {
            if (c.steps >= 0) writeRunReport(arguments.at(1), {c.status, c.steps});
            return c.status;
        });
        holdKeys({scancode::F5});
        EXPECT_TRUE(messageShown(c.said)) << editor.message;
    }
}

TEST_F(PlayLevel, WithoutAStartOrADoorNothingStartsAndAnUnreachableDoorAsksFirst) {
    holdKeys({scancode::F5});
    EXPECT_TRUE(messageShown("Probelauf: Kein Start gesetzt (S auf einem Feld)."));
    setStart();
    holdKeys({scancode::F5});
    EXPECT_TRUE(messageShown("Probelauf: Keine T\x81r im Level (E, dann Leertaste)."));
    EXPECT_TRUE(headless::programsRun().empty());

    // The door walled off: N keeps the editor, J plays anyway.
    editor.level.map[8][5] = tile::Door;
    for (int x = 7; x <= 9; ++x) editor.level.map[x][4] = editor.level.map[x][6] = tile::RedWall;
    editor.level.map[7][5] = editor.level.map[9][5] = tile::RedWall;
    for (int answer : {scancode::N, scancode::J}) {
        const TextWatch question(editor.textRow, 1,
                                 "Die T\x81r ist vom Start aus nicht erreichbar. Trotzdem spielen (J/N)?");
        const double t = headless::clock();
        headless::keyDown(scancode::F5, t);
        headless::keyUp(scancode::F5, t + 0.1);
        headless::keyDown(answer, t + 0.3);
        headless::keyUp(answer, t + 0.4);
        commandPass();
        EXPECT_TRUE(question.seen());
        EXPECT_EQ(headless::programsRun().size(), answer == scancode::J ? 1u : 0u);
        EXPECT_TRUE(screenIsCurrent()) << "the question is gone";
    }
}

}  // namespace
