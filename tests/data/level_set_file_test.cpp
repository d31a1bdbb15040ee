// Level set files: the layout a person reads, the round trip, the ways that
// prove a set, and every kind of damaged file refused with what is wrong.
#include "common/level_set.h"
#include "platform/platform.h"
#include "tests/support/level_set_fixture.h"
#include "tests/support/scratch_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>

namespace {

namespace fs = std::filesystem;

class LevelSetFile : public ::testing::Test {
protected:
    // The file the writer makes of set.
    std::string written(const LevelSet& set) {
        EXPECT_TRUE(writeLevelSet("Data\\welt.zset", set));
        return dir.readFile("Data/welt.zset");
    }
    std::size_t filesInData() const {
        std::size_t n = 0;
        for (const auto& entry : fs::recursive_directory_iterator(dir.path() / "Data")) n += entry.is_regular_file();
        return n;
    }
    ScratchDir dir;
};

// text with the first `from` after `after` replaced by `to`.
std::string replaced(const std::string& text, const std::string& from, const std::string& to,
                     const std::string& after = "") {
    const std::size_t start = text.find(after);
    const std::size_t at = text.find(from, start == std::string::npos ? 0 : start);
    EXPECT_NE(at, std::string::npos) << from;
    if (at == std::string::npos) return text;
    return text.substr(0, at) + to + text.substr(at + from.size());
}

TEST_F(LevelSetFile, TheHeaderReadsAsTextAndEachPlaceBeginsWithItsNameAndWay) {
    const std::string text = written(sets::corridorSet());
    EXPECT_EQ(text.substr(0, text.find("\"Labyrinth\",1")), "\"Zauberlabyrinth-Sammlung\",1\r\n"
                                                            "\"Titel\",\"Kleine Welt\"\r\n"
                                                            "\"Autor\",\"Anna\"\r\n"
                                                            "\"Labyrinthe\",8,\"Ende\",1,\"Demos\",2\r\n");
    EXPECT_NE(text.find("\"Labyrinth\",3,\"Gang 3\"\r\n\"Weg\",4,2,2,2,2\r\n100,100,"), std::string::npos);
    EXPECT_NE(text.find("\r\n\"Ende\"\r\n100,"), std::string::npos);
    EXPECT_NE(text.find("\"Demo\",2,2\r\n2,2,0,0,"), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 11), "\"Schluss\"\r\n");
}

TEST_F(LevelSetFile, ASetReadBackIsTheSameAndWritesTheSameBytes) {
    LevelSet set = sets::corridorSet("Gr\x81ne, weite Welt", "Jo 'Ace'");
    set.labyrinths[4].route.clear();     // one unproven place
    set.labyrinths[6] = SetLabyrinth{};  // one empty place
    set.labyrinths[1].level.map[220][150] = -77;
    set.labyrinths[1].level.counts[2] = 5;
    const std::string bytes = written(set);

    LevelSet back;
    std::string refusal;
    ASSERT_TRUE(readLevelSet("Data\\welt.zset", back, refusal)) << refusal;
    EXPECT_TRUE(back == set);
    EXPECT_FALSE(isProven(back));
    EXPECT_TRUE(isEmptyPlace(back.labyrinths[6]));
    EXPECT_EQ(written(back), bytes);
}

TEST_F(LevelSetFile, ASetIsProvenOnlyWhenEachWayWalksToItsDoor) {
    LevelSet set = sets::corridorSet();
    written(set);
    LevelSet back;
    std::string refusal;
    ASSERT_TRUE(readLevelSet("Data\\welt.zset", back, refusal));
    EXPECT_TRUE(isProven(back));

    // A file that claims a way the labyrinth does not allow (a wall was put
    // in its corridor by hand) is read, but that place counts as unproven.
    set.labyrinths[2].level.map[4][2] = tile::RedWall;
    written(set);
    ASSERT_TRUE(readLevelSet("Data\\welt.zset", back, refusal));
    EXPECT_TRUE(back.labyrinths[2].route.empty());
    EXPECT_EQ(back.labyrinths[3].route, sets::corridorWay(5));
    EXPECT_FALSE(isProven(back));
}

// One damaged file: how a good file is changed, and what the refusal says.
struct Damage {
    const char* what;
    std::string (*damage)(const std::string& good);
    const char* says;
};

const Damage kDamages[] = {
    {"a level file under a set's name", [](const std::string&) { return std::string("100,100,100\r\n"); },
     "Keine Sammlung: die Datei beginnt nicht mit \"Zauberlabyrinth-Sammlung\"."},
    {"an empty file", [](const std::string&) { return std::string(); }, "Keine Sammlung"},
    {"random bytes",
     [](const std::string&) {
         std::mt19937 random(29);
         std::string bytes(5000, '\0');
         for (char& c : bytes) c = static_cast<char>(random());
         return bytes;
     },
     "Keine Sammlung"},
    {"a newer format", [](const std::string& g) { return replaced(g, "Sammlung\",1", "Sammlung\",2"); },
     "Die Sammlung hat Format 2; dieses Spiel liest Format 1."},
    {"a title too long", [](const std::string& g) { return replaced(g, "Kleine Welt", std::string(41, 'x')); },
     "Der Titel ist zu lang: h\x94"
     "chstens 40 Zeichen."},
    {"a control character", [](const std::string& g) { return replaced(g, "\"Anna\"", "\"An\x1Bna\""); },
     "Der Autorname enth\x84lt Steuerzeichen."},
    {"seven labyrinths", [](const std::string& g) { return replaced(g, "\"Labyrinthe\",8", "\"Labyrinthe\",7"); },
     "Eine Sammlung hat 8 Labyrinthe, diese nennt 7."},
    {"nine demonstrations", [](const std::string& g) { return replaced(g, "\"Demos\",2", "\"Demos\",9"); },
     "Eine Sammlung bringt 0 bis 4 Demos mit, diese nennt 9."},
    {"cut short in labyrinth 3", [](const std::string& g) { return g.substr(0, g.find("\"Labyrinth\",3") + 5000); },
     "Die Datei ist abgeschnitten oder besch\x84"
     "digt: in Labyrinth 3 fehlt ein Wert."},
    {"cut short before a labyrinth", [](const std::string& g) { return g.substr(0, g.find("\"Labyrinth\",6")); },
     "Die Datei ist abgeschnitten: Labyrinth 6 fehlt."},
    {"cut short at the end", [](const std::string& g) { return replaced(g, "\"Schluss\"\r\n", ""); },
     "Die Datei ist abgeschnitten: das Schlusswort \"Schluss\" fehlt."},
    {"a letter among the numbers",
     [](const std::string& g) { return replaced(g, "\r\n100,", "\r\n1x0,", "\"Labyrinth\",2"); },
     "Die Datei ist besch\x84"
     "digt: in Labyrinth 2 steht \"1x0\", wo eine Zahl hingeh\x94rt."},
    {"a number beyond 32 bits",
     [](const std::string& g) { return replaced(g, "\r\n100,", "\r\n99999999999,", "\"Labyrinth\",4"); },
     "in Labyrinth 4 steht \"99999999999\""},
    {"a way of a million steps", [](const std::string& g) { return replaced(g, "\"Weg\",3,", "\"Weg\",1000000,"); },
     "Der Weg von Labyrinth 2 hat 1000000 Schritte; erlaubt sind 0 bis 20000."},
    {"a way with an unknown command", [](const std::string& g) { return replaced(g, "\"Weg\",3,2,", "\"Weg\",3,9,"); },
     "Der Weg von Labyrinth 2 enth\x84lt den Befehl 9 (erlaubt sind 1 bis 5)."},
    {"two places swapped", [](const std::string& g) { return replaced(g, "\"Labyrinth\",3,", "\"Labyrinth\",4,"); },
     "statt Labyrinth 3 steht dort Labyrinth 4."},
    {"a place's word damaged", [](const std::string& g) { return replaced(g, "\"Labyrinth\",5,", "\"Labyrinx\",5,"); },
     "wo Labyrinth 5 beginnen sollte, steht \"Labyrinx\"."},
    {"a demonstration on no labyrinth", [](const std::string& g) { return replaced(g, "\"Demo\",2,2", "\"Demo\",2,12"); },
     "Demo 2 soll auf Labyrinth 12 laufen; es gibt nur 1 bis 8."},
    {"more after the end", [](const std::string& g) { return g + "\r\n\"Titel\",\"Noch eine\"\r\n"; },
     "Die Datei ist zu lang: nach \"Schluss\" folgen weitere Daten."},
};

TEST_F(LevelSetFile, EveryDamagedFileIsRefusedSayingWhatIsWrongAndNothingChanges) {
    const std::string good = written(sets::corridorSet());
    for (const Damage& damage : kDamages) {
        SCOPED_TRACE(damage.what);
        dir.writeFile("Data/welt.zset", damage.damage(good));
        LevelSet set = emptyLevelSet("vorher");
        std::string refusal;
        EXPECT_FALSE(readLevelSet("Data\\welt.zset", set, refusal));
        EXPECT_NE(refusal.find(damage.says), std::string::npos) << refusal;
        EXPECT_TRUE(set == emptyLevelSet("vorher")) << "the set handed in changed";
        EXPECT_EQ(filesInData(), 1u) << "the reader wrote a file";
    }
    LevelSet set;
    std::string refusal;
    EXPECT_FALSE(readLevelSet("Data\\fehlt.zset", set, refusal));
    EXPECT_EQ(refusal, "Datei nicht gefunden.");
}

TEST_F(LevelSetFile, OnlyAWholeSetIsWritten) {
    LevelSet set = sets::corridorSet();
    set.labyrinths.pop_back();
    EXPECT_FALSE(writeLevelSet("Data\\welt.zset", set));
    EXPECT_EQ(dir.readFile("Data/welt.zset"), "");
}

}  // namespace
