// Contacts: flames, embers and creatures on the wizard's cell; the energy
// and score fields.
#include "game/rules/contacts.h"
#include "common/tile_codes.h"
#include "game/world/scene.h"
#include "tests/rules/rules_fixture.h"
#include "tests/support/virtual_time.h"

namespace {

using ContactTest = RulesTest;

const std::string kLoss = "wave\\abzie.wav";
const std::string kGain = "wave\\dazu.wav";

TEST_F(ContactTest, FlamesCostOneWithSound) {
    for (int code : {tile::Flame, tile::Flame2}) {
        headless::clearSounds();
        world.energy = 50;
        setCell(5, 5, code);
        contactStep();
        EXPECT_EQ(world.energy, 49);
        EXPECT_EQ(sounds(), std::vector<std::string>{kLoss});
    }
}

TEST_F(ContactTest, OtherCellsCostNothing) {
    for (int code : {tile::Floor, tile::Smoke, tile::Waterfall, tile::Water, tile::Door, tile::Axe, tile::SecretPillar}) {
        setCell(5, 5, code);
        contactStep();
    }
    EXPECT_EQ(world.energy, 50);
    EXPECT_TRUE(sounds().empty());
}

TEST_F(ContactTest, SoundOffChangesEnergyAndPausesTheSame) {
    setCell(5, 5, tile::Flame);
    const double withSound = secondsTaken(contactStep);
    world.soundOn = 0;
    headless::clearSounds();
    const double withoutSound = secondsTaken(contactStep);
    EXPECT_EQ(world.energy, 48);
    EXPECT_TRUE(sounds().empty());
    EXPECT_GE(withoutSound, 0.002);
    EXPECT_NEAR(withSound, withoutSound, 0.0005);
}

struct EmbersCase {
    int before;
    int after;
    bool sound;
};

TEST_F(ContactTest, EmbersHealTowardNinetyNine) {
    const EmbersCase cases[] = {
        {1, 4, true}, {89, 92, true}, {90, 91, true}, {97, 98, true}, {98, 99, true}, {99, 99, false}, {-2, 1, true},
    };
    setCell(5, 5, tile::Embers);
    for (const EmbersCase& c : cases) {
        headless::clearSounds();
        world.energy = c.before;
        contactStep();
        EXPECT_EQ(world.energy, c.after) << "from " << c.before;
        EXPECT_EQ(sounds().size(), c.sound ? 1u : 0u) << "from " << c.before;
        if (c.sound) {
            EXPECT_EQ(sounds().front(), kGain);
        }
    }
}

TEST_F(ContactTest, EmbersRefillFromOneInThirtyEightSteps) {
    setCell(5, 5, tile::Embers);
    world.energy = 1;
    int steps = 0;
    while (world.energy < 99 && steps < 100) {
        contactStep();
        ++steps;
    }
    EXPECT_EQ(steps, 38);
    contactStep();
    EXPECT_EQ(world.energy, 99);
}

TEST_F(ContactTest, EveryCreatureOnTheCellCostsOne) {
    pig(1, 5, 5);
    pig(2, 5, 5);
    pig(3, 6, 5);
    contactStep();
    EXPECT_EQ(world.energy, 48);
    EXPECT_EQ(sounds().size(), 2u);

    ghost(1, 5, 5);
    eye(4, 5, 5);
    cleaner(2, 5, 5);
    contactStep();
    EXPECT_EQ(world.energy, 43);
}

TEST_F(ContactTest, CreatureInMidStepTouchesByItsCell) {
    Creature& p = pig(1, 5, 5);
    p.offsetX = -38;
    contactStep();
    EXPECT_EQ(world.energy, 49);
}

TEST_F(ContactTest, CreatureOfAnotherScreenCostsNothing) {
    // Column 20 is shared by the screens at viewX 0 and 19.
    world.playerX = 20;
    homeOn(pig(1, 20, 5), 19, 0);
    homeOn(eye(1, 20, 5), 0, 13);
    contactStep();
    EXPECT_EQ(world.energy, 50);
    EXPECT_TRUE(sounds().empty());
}

TEST_F(ContactTest, FlameAndCreatureBothCount) {
    setCell(5, 5, tile::Flame);
    cleaner(1, 5, 5);
    contactStep();
    EXPECT_EQ(world.energy, 48);
}

TEST_F(ContactTest, DamagedCountsStayInsideTheTables) {
    pig(100, 5, 5);
    world.pigCount = 5000;
    world.eyeCount = -1;
    contactStep();
    EXPECT_EQ(world.energy, 49);
}

// The fields are printed on the visible page at text row 72: energy from
// column 10 (x 72..87), score from column 50 (x 392..447), y 568..575.
bool anyLit(int x1, int x2) {
    for (int y = 568; y <= 575; ++y) {
        for (int x = x1; x <= x2; ++x) {
            if ((headless::pixel(0, x, y) & 0x00FFFFFFu) != 0) return true;
        }
    }
    return false;
}

TEST_F(ContactTest, EnergyAndScoreArePrintedOnTheStatusLine) {
    setTextColour(kWhite);
    EXPECT_FALSE(anyLit(72, 87));
    EXPECT_FALSE(anyLit(392, 447));
    world.energy = 42;
    showEnergy();
    EXPECT_TRUE(anyLit(72, 87));
    EXPECT_FALSE(anyLit(392, 447));
    world.score = 1500;
    showScore();
    EXPECT_TRUE(anyLit(432, 447));  // the last four of seven places
}

}  // namespace

namespace {

// The eight pixel rows of the status line on page.
std::vector<Colour> statusRow(int page) {
    std::vector<Colour> row;
    for (int y = (kStatusRow - 1) * 8; y < kStatusRow * 8; ++y)
        for (int x = 0; x < kScreenWidth; ++x) row.push_back(headless::pixel(page, x, y));
    return row;
}

TEST_F(ContactTest, EnergyAndScoreFieldsRewriteExactlyWhatAFullRenderShows) {
    world.energy = 99;
    world.score = 1234567;
    world.sceneShown = 0;
    renderScene();
    world.energy = 7;
    world.score = 4000;
    showEnergy();
    showScore();
    const std::vector<Colour> rewritten = statusRow(0);
    world.sceneShown = 0;
    renderScene();
    const std::vector<Colour> rendered = statusRow(0);
    const auto diff = std::mismatch(rewritten.begin(), rewritten.end(), rendered.begin());
    EXPECT_TRUE(diff.first == rewritten.end())
        << "the fields sit in the columns the render uses, old digits blanked; first difference at x "
        << (diff.first - rewritten.begin()) % kScreenWidth;
}

}  // namespace
