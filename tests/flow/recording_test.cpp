// The recorder's rule for the live action, case by case against what code 5
// does in playback, and its cap of 999 codes.
#include "game/front/recording.h"
#include "common/demo_file.h"
#include "common/tile_codes.h"
#include "game/rules/player.h"
#include "game/world/scene.h"
#include "game/world/world.h"
#include "tests/support/scratch_dir.h"
#include "tests/world/game_fixture.h"

#include <memory>

namespace {

class Recording : public GameFixture {
protected:
    void SetUp() override {
        GameFixture::SetUp();
        world.recordName = "Mine";
        world.playerX = 5;
        world.playerY = 5;
        renderScene();
        startRecording();
    }
    ScratchDir dir;
};

TEST_F(Recording, AnActionIsKeptOnlyWhereCode5DoesWhatTheLiveActionDid) {
    constexpr int kAsLive = -1;
    const struct {
        const char* what;
        int cell;                    // the code of the wizard's cell
        int held;                    // the item in hand
        bool pig;                    // a pig stands on his cell
        int burst;                   // splinterTimer: a burst still runs
        bool kept;                   // the recording keeps a 5
        int playbackHand = kAsLive;  // what playback's 5 leaves in hand (kept cases); kAsLive: as the live action did
        int playbackCell = kAsLive;  // and on his cell
    } kCases[] = {
        {"the star fired on the floor", tile::Floor, tile::ShootingStar, false, 0, true},
        {"the axe kills the pig on his cell", tile::Floor, tile::Axe, true, 0, true},
        {"the axe with no pig there", tile::Floor, tile::Axe, false, 0, false},
        {"a key used on the floor", tile::Floor, tile::Key, false, 0, false},
        {"the star while a burst runs", tile::Floor, tile::ShootingStar, false, 5, false},
        {"the star on flames", tile::Flame, tile::ShootingStar, false, 0, false},
        {"the axe on embers, the pig there", tile::Embers, tile::Axe, true, 0, false},
        {"the star on the door", tile::Door, tile::ShootingStar, false, 0, false},
        {"a key taken with an empty hand", tile::Key, 0, false, 0, true},
        {"the axe exchanged for a key", tile::Key, tile::Axe, false, 0, true},
        {"an axe exchanged for the same", tile::Axe, tile::Axe, false, 0, false},
        // No code takes these up without using them; 5 still makes the
        // exchange, so the key the live hand let go is not left in
        // playback's hand (recording.cpp says why).
        {"the star taken up, fired at once in playback", tile::ShootingStar, tile::Key, false, 0, true, 0, tile::Key},
        {"the axe taken up beside its pig, striking in playback", tile::Axe, 0, true, 0, true, 0, tile::DeadPig},
    };
    for (const auto& c : kCases) {
        world.map[5][5] = c.cell;
        world.heldItem = c.held;
        world.splinterTimer = c.burst;
        world.pigCount = c.pig ? 1 : 0;
        world.pigs[1] = c.pig ? Creature{5, 5, 0, 0, 0, 0} : Creature{};
        world.recordedCount = 0;
        const auto before = std::make_unique<World>(world);

        const CommandWitness start = witnessWizard();
        actionCommand();
        recordCommand(Command::Action, start);
        EXPECT_EQ(world.recordedCount == 1, c.kept) << c.what;
        if (!c.kept) continue;
        const int liveHand = world.heldItem;
        const int liveCell = world.map[5][5];
        world = *before;
        carryOut(Command::Action);
        EXPECT_EQ(world.heldItem, c.playbackHand == kAsLive ? liveHand : c.playbackHand) << c.what;
        EXPECT_EQ(world.map[5][5], c.playbackCell == kAsLive ? liveCell : c.playbackCell) << c.what;
    }
}

TEST_F(Recording, AFullRecordingKeeps999CodesAndLeavesThe1000thAtZero) {
    // On open floor the wizard steps right and left in turn, 1001 times.
    for (int k = 0; k < kRecordingMoves + 1; ++k) {
        const CommandWitness start = witnessWizard();
        const Command move = k % 2 == 0 ? Command::Right : Command::Left;
        carryOut(move);
        world.playerOffsetX = 0;
        recordCommand(move, start);
    }
    finishRecording();
    RecordingMoves moves{};
    ASSERT_TRUE(readRecording(recordingFilePath("Mine"), moves));
    EXPECT_EQ(moves[kRecordingMoves - 1], 2) << "the 999th code is kept";
    EXPECT_EQ(moves[kRecordingMoves], 0) << "playback stops after 999 codes: the 1000th stays 0";
}

}  // namespace
