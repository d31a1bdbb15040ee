// Replacing a file, whoever replaces it (the data-file writer, the preparing
// of the player's folder, the one function itself): the new copy stands in
// place only once it is complete, with the old one's permissions; a full
// disk leaves the old copy whole; nothing is left behind but what a running
// process is still writing.
#include "platform/file_replace.h"
#include "platform/game_folder.h"
#include "platform/platform.h"
#include "tests/reliability/failing_writes.h"
#include "tests/support/scratch_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <set>
#include <string>

#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;

// The new content every writer puts into Data/f.dat.
const std::string kNew = "\"" + std::string(4000, 'n') + "\"\r\n";
const std::string kOld = "old\r\n";

// Writes a file below the working directory.
void put(const std::string& path, const std::string& bytes) {
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

// One way a file of ours is replaced: after prepare, replace puts kNew in
// place of Data/f.dat (which holds kOld) and says whether it did.
struct Writer {
    const char* name;
    std::function<void()> prepare;
    std::function<bool()> replace;
};

const Writer kWriters[] = {
    {"replaceFile", [] {}, [] { return core::replaceFile("Data/f.dat", kNew); }},
    {"the data-file writer", [] {},
     [] {
         openFile("Data\\f.dat", FileMode::Output, 1);
         writeStringField(1, std::string(4000, 'n'), true);
         return closeFile(1);
     }},
    // A shipped file the player never changed follows the new release.
    {"the player's folder",
     [] {
         put("shipped/f.dat", kNew);
         put("Data/.shipped/f.dat", kOld);
     },
     [] {
         core::bringShippedFiles("shipped", "Data");
         std::ifstream in("Data/f.dat", std::ios::binary);
         return std::string(std::istreambuf_iterator<char>(in), {}) == kNew;
     }},
};

TEST(FileReplace, TheNewCopyTakesTheOldOnesPlaceAndPermissions) {
    for (const Writer& writer : kWriters) {
        SCOPED_TRACE(writer.name);
        ScratchDir dir;
        dir.writeFile("Data/f.dat", kOld);
        ::chmod("Data/f.dat", 0600);
        writer.prepare();
        // Left by a writer that was killed, and by one still running (pid 1).
        const std::string dead = ".f.dat.tmp-" + std::to_string(endedProcessId());
        dir.writeFile("Data/" + dead, "half");
        dir.writeFile("Data/.f.dat.tmp-1", "busy");
        ASSERT_TRUE(writer.replace());
        EXPECT_EQ(dir.readFile("Data/f.dat"), kNew);
        EXPECT_EQ(fs::status("Data/f.dat").permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);
        const std::set<std::string> names = namesIn("Data");
        EXPECT_EQ(names.count(dead), 0u) << "a dead writer's scratch file is removed";
        EXPECT_EQ(names.count(".f.dat.tmp-1"), 1u) << "a running writer's stays";
        for (const std::string& name : names)
            EXPECT_TRUE(name == "f.dat" || name == ".f.dat.tmp-1" || name == ".shipped") << name;
    }
}

TEST(FileReplace, AFullDiskLeavesTheOldCopyWholeAndNoScratchFile) {
    for (const Writer& writer : kWriters) {
        SCOPED_TRACE(writer.name);
        ScratchDir dir;
        dir.writeFile("Data/f.dat", kOld);
        writer.prepare();
        {
            FileSizeLimit full(1000);
            EXPECT_FALSE(writer.replace());
        }
        EXPECT_EQ(dir.readFile("Data/f.dat"), kOld);
        for (const std::string& name : namesIn("Data")) EXPECT_TRUE(name == "f.dat" || name == ".shipped") << name;
    }
}

TEST(FileReplace, AnAbandonedReplacementLeavesTheOldCopy) {
    ScratchDir dir;
    dir.writeFile("Data/f.dat", kOld);
    {
        core::FileReplacement replacement;
        ASSERT_EQ(replacement.begin("Data/f.dat"), core::FileReplacement::Start::Started);
        EXPECT_TRUE(replacement.copyTarget());
        EXPECT_TRUE(replacement.write(kNew));
    }
    EXPECT_EQ(dir.readFile("Data/f.dat"), kOld);
    EXPECT_EQ(namesIn("Data"), std::set<std::string>{"f.dat"});
    core::FileReplacement replacement;
    EXPECT_EQ(replacement.begin("Gone/f.dat"), core::FileReplacement::Start::NoFolder);
    EXPECT_FALSE(replacement.commit());
}

}  // namespace
