// Data files: the field writer, the modes, the limits on paths, and writes
// that replace the old file only once they are complete.
#include "platform/host_hooks.h"
#include "platform/platform.h"
#include "tests/support/scratch_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

class DataFiles : public ::testing::Test {
protected:
    ScratchDir dir;

    void TearDown() override {
        for (int n = 1; n <= 3; ++n) closeFile(n);
    }
    // Everything in the scratch directory, relative, sorted.
    std::vector<std::string> listing() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::recursive_directory_iterator(dir.path())) {
            names.push_back(fs::relative(entry.path(), dir.path()).generic_string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }
    // Opens path on file 1 with mode, writes one field and closes it.
    void writeOne(const std::string& path, FileMode mode) {
        openFile(path, mode, 1);
        writeIntField(1, 1, true);
        closeFile(1);
    }
};

TEST_F(DataFiles, FieldWriterFormat) {
    openFile("Data\\w.dat", FileMode::Output, 1);
    writeIntField(1, 1, false);
    writeIntField(1, 0, false);
    writeIntField(1, 1, true);
    writeStringField(1, "Talvin", false);
    writeIntField(1, -2147483647 - 1, true);
    writeStringField(1, "a \"b\", c", true);
    closeFile(1);
    // The format has no escape: a quote inside a text becomes an apostrophe.
    EXPECT_EQ(dir.readFile("Data/w.dat"), "1,0,1\r\n\"Talvin\",-2147483648\r\n\"a 'b', c\"\r\n");
}

TEST_F(DataFiles, ANameWithQuotesSurvivesTheRoundTripAndKeepsTheFieldsAfterIt) {
    openFile("Data\\n.dat", FileMode::Output, 1);
    writeStringField(1, "Max \"der Held\"", false);
    writeIntField(1, 4200, true);
    writeStringField(1, "\"", false);
    writeIntField(1, 7, true);
    EXPECT_TRUE(closeFile(1));
    openFile("Data\\n.dat", FileMode::Input, 1);
    beginFieldRead(1);
    EXPECT_EQ(readStringField(), "Max 'der Held'");
    EXPECT_EQ(readIntField(), 4200);
    EXPECT_EQ(readStringField(), "'");
    EXPECT_EQ(readIntField(), 7);
    EXPECT_TRUE(closeFile(1));
}

TEST_F(DataFiles, OutputReplacesAndAppendExtends) {
    dir.writeFile("Data/f.dat", "old\r\n");
    openFile("Data\\f.dat", FileMode::Output, 1);
    writeIntField(1, 5, true);
    closeFile(1);
    EXPECT_EQ(dir.readFile("Data/f.dat"), "5\r\n");

    openFile("Data\\f.dat", FileMode::Append, 1);
    writeIntField(1, 6, true);
    closeFile(1);
    EXPECT_EQ(dir.readFile("Data/f.dat"), "5\r\n6\r\n");

    openFile("Data\\new.dat", FileMode::Append, 1);
    writeIntField(1, 7, true);
    closeFile(1);
    EXPECT_EQ(dir.readFile("Data/new.dat"), "7\r\n") << "Append creates a missing file";
    EXPECT_EQ(listing(), (std::vector<std::string>{"Data", "Data/f.dat", "Data/new.dat"}))
        << "no scratch file is left behind";
}

TEST_F(DataFiles, OldFileStaysWholeUntilTheNewOneIsClosed) {
    dir.writeFile("Data/level.dat", "old content\r\n");
    for (FileMode mode : {FileMode::Output, FileMode::Append}) {
        openFile("Data\\level.dat", mode, 1);
        for (int i = 0; i < 100000; ++i) writeIntField(1, i, false);  // more than one block
        EXPECT_EQ(dir.readFile("Data/level.dat"), "old content\r\n");
        // Reading the file meanwhile sees the old copy as well.
        openFile("Data\\level.dat", FileMode::Input, 2);
        beginFieldRead(2);
        EXPECT_EQ(readStringField(), "old content");
        closeFile(2);
        closeFile(1);
        const std::string now = dir.readFile("Data/level.dat");
        ASSERT_GT(now.size(), 100000u);
        EXPECT_EQ(now.substr(now.size() - 6), "99999,");
        dir.writeFile("Data/level.dat", "old content\r\n");
    }
}

TEST_F(DataFiles, AppendKeepsTheOldPrefixExactly) {
    std::string old;
    for (int i = 0; i < 300000; ++i) old.push_back(static_cast<char>(i * 7));
    dir.writeFile("Data/big.dat", old);
    openFile("Data\\big.dat", FileMode::Append, 1);
    writeStringField(1, "end", true);
    closeFile(1);
    EXPECT_EQ(dir.readFile("Data/big.dat"), old + "\"end\"\r\n");
}

TEST_F(DataFiles, ReopeningANumberAbandonsItsUnfinishedWriteAndKeepsTheOldFile) {
    dir.writeFile("Data/first.dat", "old\r\n");
    openFile("Data\\first.dat", FileMode::Output, 1);
    writeIntField(1, 1, true);
    openFile("Data\\second.dat", FileMode::Output, 1);
    writeIntField(1, 2, true);
    EXPECT_TRUE(closeFile(1));
    EXPECT_EQ(dir.readFile("Data/first.dat"), "old\r\n");
    EXPECT_EQ(dir.readFile("Data/second.dat"), "2\r\n");
    EXPECT_EQ(listing(), (std::vector<std::string>{"Data", "Data/first.dat", "Data/second.dat"}))
        << "no scratch file is left behind";
}

TEST_F(DataFiles, ANamedPipeInAFilesPlaceReadsAsMissingWithoutWaiting) {
    ASSERT_EQ(::mkfifo((dir.path() / "Data/001.dat").c_str(), 0644), 0);
    openFile("Data\\001.dat", FileMode::Input, 1);  // would block in open() if opened plainly
    beginFieldRead(1);
    EXPECT_EQ(readIntField(), 0);
    EXPECT_FALSE(closeFile(1));
}

TEST_F(DataFiles, CloseFileTellsWhetherTheFileWasOpenAndCommitted) {
    EXPECT_FALSE(closeFile(1)) << "nothing open";
    openFile("Data\\missing.dat", FileMode::Input, 1);
    EXPECT_FALSE(closeFile(1)) << "a missing file opens nothing";
    openFile("top.dat", FileMode::Output, 1);
    EXPECT_FALSE(closeFile(1)) << "a refused path opens nothing";
    openFile("Data\\ok.dat", FileMode::Output, 1);
    writeIntField(1, 1, true);
    EXPECT_TRUE(closeFile(1));
    openFile("Data\\ok.dat", FileMode::Input, 1);
    EXPECT_TRUE(closeFile(1));
}

TEST_F(DataFiles, WritesGoOnlyToFilesOpenForWriting) {
    dir.writeFile("Data/in.dat", "x");
    openFile("Data\\in.dat", FileMode::Input, 1);
    writeIntField(1, 9, true);
    writeStringField(1, "y", true);
    closeFile(1);
    EXPECT_EQ(dir.readFile("Data/in.dat"), "x");
    // Numbers outside 1..255 are ignored, and so is a number never opened.
    for (int n : {0, -1, 256}) {
        openFile("Data\\out.dat", FileMode::Output, n);
        writeIntField(n, 1, true);
        closeFile(n);
    }
    writeIntField(3, 1, true);
    closeFile(3);
    openFile("Data\\n255.dat", FileMode::Output, 255);
    writeIntField(255, 4, true);
    closeFile(255);
    EXPECT_EQ(listing(), (std::vector<std::string>{"Data", "Data/in.dat", "Data/n255.dat"}));
}

TEST_F(DataFiles, WritingOutsideDataIsRefused) {
    fs::create_directory(dir.path() / "inner");
    fs::current_path(dir.path() / "inner");
    fs::create_directory("Data");
    const std::string escape = "escape-" + dir.path().filename().string();
    const std::string absolute = (dir.path() / "abs.dat").string();
    std::string backslashed = (dir.path() / "abs2.dat").string();
    std::replace(backslashed.begin(), backslashed.end(), '/', '\\');
    // clang-format off
    const std::vector<std::string> refused = {
        "..\\" + escape,       "Data\\..\\..\\" + escape, "Data\\..\\top.dat", absolute,
        backslashed,           "top.dat",                 "data\\x.dat",       "Data",
        "Data\\",              "Data\\\\x.dat",           "Data\\.\\x.dat",    "Data/../top.dat",
        ".\\Data\\x.dat",      "",                        std::string("Data\\x\0/../../y", 16),
        "Datax\\x.dat",         "Data2\\x.dat",            "Data\\..\\Datax\\x.dat",
    };
    // clang-format on
    // Folders beside Data whose names begin like it are not Data.
    fs::create_directory("Datax");
    fs::create_directory("Data2");
    for (const std::string& path : refused) {
        writeOne(path, FileMode::Output);
        writeOne(path, FileMode::Append);
    }
    EXPECT_FALSE(fs::exists(dir.path().parent_path() / escape));
    EXPECT_FALSE(fs::exists(dir.path() / "abs.dat"));
    EXPECT_FALSE(fs::exists(dir.path() / "abs2.dat"));
    EXPECT_FALSE(fs::exists(dir.path() / "top.dat"));
    EXPECT_FALSE(fs::exists(dir.path() / "inner/top.dat"));
    EXPECT_TRUE(fs::is_empty(dir.path() / "inner/Data"));
    EXPECT_TRUE(fs::is_empty(dir.path() / "inner/Datax"));
    EXPECT_TRUE(fs::is_empty(dir.path() / "inner/Data2"));
    // A folder below Data is fine, and "/" serves as separator as well.
    fs::create_directory("Data/sub");
    writeOne("Data\\sub\\x.dat", FileMode::Output);
    writeOne("Data/y.dat", FileMode::Output);
    EXPECT_TRUE(fs::exists("Data/sub/x.dat"));
    EXPECT_TRUE(fs::exists("Data/y.dat"));
}

TEST_F(DataFiles, AMissingDataFolderIsMadeButNoDeeperOne) {
    fs::remove(dir.path() / "Data");
    writeOne("Data\\sub\\x.dat", FileMode::Output);
    EXPECT_FALSE(fs::exists(dir.path() / "Data/sub"));
    writeOne("Data\\x.dat", FileMode::Output);
    writeOne("Data\\x.dat", FileMode::Append);
    EXPECT_EQ(dir.readFile("Data/x.dat"), "1\r\n1\r\n");
}

TEST_F(DataFiles, DeleteFileOnlyBelowData) {
    dir.writeFile("keep.dat", "k");
    dir.writeFile("Data/gone.dat", "g");
    fs::create_directory(dir.path() / "Data/folder");
    deleteFile("keep.dat");
    deleteFile("Data\\..\\keep.dat");
    deleteFile((dir.path() / "keep.dat").string());
    deleteFile("Data\\folder");
    deleteFile("Data\\missing.dat");
    deleteFile("Data\\gone.dat");
    EXPECT_EQ(listing(), (std::vector<std::string>{"Data", "Data/folder", "keep.dat"}));
}

TEST_F(DataFiles, ReadingIsAllowedForRelativePathsOnly) {
    dir.writeFile("top.dat", "1");
    dir.writeFile("Data/d.dat", "2");
    fs::create_directory(dir.path() / "inner");
    const auto readFrom = [](const std::string& path) {
        openFile(path, FileMode::Input, 1);
        beginFieldRead(1);
        const int value = readIntField();
        closeFile(1);
        return value;
    };
    EXPECT_EQ(readFrom("top.dat"), 1);
    EXPECT_EQ(readFrom("Data\\d.dat"), 2);
    EXPECT_EQ(readFrom("Data\\"), 0) << "a folder reads as a missing file";
    EXPECT_EQ(readFrom((dir.path() / "top.dat").string()), 0);
    fs::current_path(dir.path() / "inner");
    EXPECT_EQ(readFrom("..\\top.dat"), 0);
    EXPECT_EQ(readFrom("..\\Data\\d.dat"), 0);
}

// The browser keeps the player's files by storing each one after it
// changed: the hook hears of every committed write and deletion, by the
// file's path, and of nothing else.
std::vector<std::string> committed;

TEST_F(DataFiles, TheCommitHookHearsOfCommittedWritesAndDeletionsOnly) {
    committed.clear();
    core::afterFileCommitted = [](const std::string& path) { committed.push_back(path); };
    writeOne("Data\\a.dat", FileMode::Output);
    writeOne("Data\\gr\x81n.sav", FileMode::Append);
    writeOne("elsewhere.dat", FileMode::Output);      // refused: outside Data
    openFile("Data\\open.dat", FileMode::Output, 2);  // still open: nothing committed yet
    deleteFile("Data\\a.dat");
    deleteFile("Data\\missing.dat");
    core::afterFileCommitted = nullptr;
    EXPECT_EQ(committed, (std::vector<std::string>{"Data/a.dat", "Data/gr\xC3\xBCn.sav", "Data/a.dat"}));
}

}  // namespace
