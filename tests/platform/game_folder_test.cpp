// The folder a program works in: a ready-to-run folder stays in use; an
// installed program works in the player's folder below the data directory,
// which it fills from a fake install tree without ever replacing what the
// player has changed there.
#include "platform/game_folder.h"
#include "tests/support/scratch_dir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

namespace fs = std::filesystem;

namespace {

constexpr const char* kName = "zauberlabyrinth";

// Sets an environment variable for one test and puts the old value back.
class EnvironmentValue {
public:
    EnvironmentValue(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        set(value);
    }
    ~EnvironmentValue() { set(old_ ? old_->c_str() : nullptr); }
    EnvironmentValue(const EnvironmentValue&) = delete;
    EnvironmentValue& operator=(const EnvironmentValue&) = delete;

private:
    void set(const char* value) {
        if (value) {
            ::setenv(name_, value, 1);
        } else {
            ::unsetenv(name_);
        }
    }
    const char* name_;
    std::optional<std::string> old_;
};

class GameFolder : public ::testing::Test {
protected:
    ScratchDir dir;
    fs::path prefix = dir.path() / "prefix";
    fs::path share = prefix / "share" / "games" / kName;
    fs::path elsewhere = dir.path() / "elsewhere";
    fs::path user = dir.path() / "xdg" / kName;
    EnvironmentValue xdg{"XDG_DATA_HOME", (dir.path() / "xdg").c_str()};
    EnvironmentValue home{"HOME", (dir.path() / "home").c_str()};

    void SetUp() override {
        fs::create_directories(prefix / "games");
        fs::create_directories(elsewhere);
        ship("sprites/Zaub1.bmp", "wizard");
        ship("wave/plop.wav", "plop");
        ship("shipped/001.dat", "level 1");
        ship("shipped/002.dat", "level 2");
        ship("shipped/Demo.dat", "demonstration");
        ship("defaults/Einstellung.dat", "shipped settings");
    }

    void ship(const std::string& relative, const std::string& bytes) const {
        dir.writeFile(fs::relative(share / relative, dir.path()).string(), bytes);
    }
    std::string userFile(const std::string& relative) const {
        return dir.readFile(fs::relative(user / relative, dir.path()).string());
    }
    void writeUserFile(const std::string& relative, const std::string& bytes) const {
        dir.writeFile(fs::relative(user / relative, dir.path()).string(), bytes);
    }
    // Starts the installed program from the folder `from`.
    void startInstalled(const fs::path& from) const {
        fs::current_path(from);
        core::enterGameFolderFrom(prefix / "games", kName);
    }
    static bool isCurrent(const fs::path& folder) { return fs::equivalent(fs::current_path(), folder); }
};

TEST_F(GameFolder, InstalledProgramWorksInThePlayersFolderMadeFromTheInstallTree) {
    startInstalled(elsewhere);
    EXPECT_TRUE(isCurrent(user));
    // Pictures and sounds are reached through links to the install tree.
    EXPECT_TRUE(fs::is_symlink(user / "sprites"));
    EXPECT_EQ(userFile("sprites/Zaub1.bmp"), "wizard");
    EXPECT_EQ(userFile("wave/plop.wav"), "plop");
    EXPECT_EQ(userFile("Data/001.dat"), "level 1");
    EXPECT_EQ(userFile("Data/Demo.dat"), "demonstration");
    EXPECT_EQ(userFile("Data/Einstellung.dat"), "shipped settings");
    // Nothing lands in the folder the program was started from.
    EXPECT_TRUE(fs::is_empty(elsewhere));
    // Started again from inside the player's folder, it stays there.
    startInstalled(user);
    EXPECT_TRUE(isCurrent(user));
}

TEST_F(GameFolder, AnUpdateKeepsEveryFileThePlayerChangedOrMade) {
    startInstalled(elsewhere);
    writeUserFile("Data/001.dat", "the player's level 1");
    writeUserFile("Data/Einstellung.dat", "the player's settings");
    writeUserFile("Data/eigen.dat", "own level");
    fs::remove(user / "Data" / "Demo.dat");

    ship("shipped/001.dat", "level 1, new");
    ship("shipped/002.dat", "level 2, new");
    ship("shipped/003.dat", "level 3");
    ship("defaults/Einstellung.dat", "new shipped settings");
    startInstalled(elsewhere);

    EXPECT_EQ(userFile("Data/001.dat"), "the player's level 1");
    EXPECT_EQ(userFile("Data/002.dat"), "level 2, new");  // untouched by the player: updated
    EXPECT_EQ(userFile("Data/003.dat"), "level 3");
    EXPECT_EQ(userFile("Data/Demo.dat"), "demonstration");  // deleted: comes back
    EXPECT_EQ(userFile("Data/Einstellung.dat"), "the player's settings");
    EXPECT_EQ(userFile("Data/eigen.dat"), "own level");

    // The player's 001 stays theirs at every later update; deleted, it gives
    // way to the shipped one.
    ship("shipped/001.dat", "level 1, newer");
    startInstalled(elsewhere);
    EXPECT_EQ(userFile("Data/001.dat"), "the player's level 1");
    fs::remove(user / "Data" / "001.dat");
    startInstalled(elsewhere);
    EXPECT_EQ(userFile("Data/001.dat"), "level 1, newer");
    // No scratch copies are left behind.
    for (const auto& entry : fs::recursive_directory_iterator(user / "Data")) {
        EXPECT_EQ(entry.path().string().find(".tmp-"), std::string::npos) << entry.path();
    }
}

TEST_F(GameFolder, AFileOfThePlayersWithoutARecordIsKept) {
    // A Data folder from before records were kept: its 001 differs from the
    // shipped one, so it may be the player's.
    writeUserFile("Data/001.dat", "older level 1");
    startInstalled(elsewhere);
    EXPECT_EQ(userFile("Data/001.dat"), "older level 1");
    EXPECT_EQ(userFile("Data/002.dat"), "level 2");
}

TEST_F(GameFolder, LinksFollowTheInstallButThePlayersOwnFoldersStay) {
    fs::create_directories(user / "wave");
    dir.writeFile(fs::relative(user / "wave" / "plop.wav", dir.path()).string(), "the player's sound");
    fs::create_directories(dir.path() / "old");
    fs::create_directory_symlink(dir.path() / "old", user / "sprites");
    startInstalled(elsewhere);
    EXPECT_EQ(fs::read_symlink(user / "sprites"), share / "sprites");
    EXPECT_EQ(userFile("wave/plop.wav"), "the player's sound");
}

TEST_F(GameFolder, WithoutXdgDataHomeTheFolderLiesInHome) {
    for (const char* value : {static_cast<const char*>(nullptr), "", "relative/path"}) {
        EnvironmentValue unset("XDG_DATA_HOME", value);
        const fs::path expected = dir.path() / "home" / ".local" / "share" / kName;
        EXPECT_EQ(core::userGameFolder(kName), expected);
        startInstalled(elsewhere);
        EXPECT_TRUE(isCurrent(expected));
        EXPECT_TRUE(fs::is_regular_file(expected / "Data" / "001.dat"));
    }
    // With neither variable there is no player's folder: the program stays.
    EnvironmentValue noXdg("XDG_DATA_HOME", nullptr);
    EnvironmentValue noHome("HOME", nullptr);
    EXPECT_TRUE(core::userGameFolder(kName).empty());
    startInstalled(elsewhere);
    EXPECT_TRUE(isCurrent(elsewhere));
    EXPECT_TRUE(core::userGameFolder("a/b").empty());
}

TEST_F(GameFolder, APlayersFolderMadeByOneInstallationServesAnother) {
    // The same user installs into ~/.local after playing the copy in the
    // first prefix: the second tree stands apart from the player's folder.
    EnvironmentValue noXdg("XDG_DATA_HOME", nullptr);
    const fs::path local = dir.path() / "home" / ".local";
    const fs::path folder = local / "share" / kName;
    startInstalled(elsewhere);
    dir.writeFile(fs::relative(folder / "Data/001.dat", dir.path()).string(), "mine");
    const fs::path localShare = local / "share" / "games" / kName;
    dir.writeFile(fs::relative(localShare / "sprites/Zaub1.bmp", dir.path()).string(), "wizard, second install");
    dir.writeFile(fs::relative(localShare / "shipped/002.dat", dir.path()).string(), "level 2, second install");
    fs::current_path(elsewhere);
    core::enterGameFolderFrom(local / "games", kName);
    EXPECT_TRUE(isCurrent(folder));
    EXPECT_EQ(fs::read_symlink(folder / "sprites"), localShare / "sprites");
    EXPECT_EQ(dir.readFile(fs::relative(folder / "sprites/Zaub1.bmp", dir.path()).string()), "wizard, second install");
    // The wave link stays: the second tree has no sounds to lead to.
    EXPECT_EQ(fs::read_symlink(folder / "wave"), share / "wave");
    EXPECT_EQ(dir.readFile(fs::relative(folder / "Data/001.dat", dir.path()).string()), "mine");
    EXPECT_EQ(dir.readFile(fs::relative(folder / "Data/002.dat", dir.path()).string()), "level 2, second install");
}

TEST_F(GameFolder, AReadyToRunFolderIsUsedAsItStands) {
    // Started inside a ready-to-run folder: it stays there.
    const fs::path run = dir.path() / "run";
    fs::create_directories(run / "sprites");
    fs::create_directories(run / "Data");
    fs::current_path(run);
    core::enterGameFolderFrom(prefix / "games", kName);
    EXPECT_TRUE(isCurrent(run));
    // Started from elsewhere, a program whose own folder is ready to run
    // works there.
    fs::current_path(elsewhere);
    core::enterGameFolderFrom(run, kName);
    EXPECT_TRUE(isCurrent(run));
    // Neither made the player's folder.
    EXPECT_FALSE(fs::exists(user));
}

TEST_F(GameFolder, ADeletedShippedFileComesBackAtTheNextStartAndNothingOfThePlayersIsReplaced) {
    // Where a program may start: in a ready-to-run folder, from one (its own
    // folder), or installed with the install tree gone since (the player's
    // folder keeps the copies of the last install).
    enum class Start { Inside, OwnFolder, InstalledTreeGone };
    const fs::path run = dir.path() / "run";
    const struct {
        const char* how;
        Start start;
        fs::path data;  // the Data folder the program works with
    } kStarts[] = {
        {"inside a ready-to-run folder", Start::Inside, run / "Data"},
        {"from a ready-to-run folder of its own", Start::OwnFolder, run / "Data"},
        {"installed, the install tree gone", Start::InstalledTreeGone, user / "Data"},
    };
    const auto startProgram = [&](Start start) {
        switch (start) {
            case Start::Inside:
                fs::current_path(run);
                core::enterGameFolderFrom({}, kName);
                break;
            case Start::OwnFolder:
                fs::current_path(elsewhere);
                core::enterGameFolderFrom(run, kName);
                break;
            case Start::InstalledTreeGone:
                fs::remove_all(share);
                startInstalled(elsewhere);
                break;
        }
    };
    const auto file = [&](const fs::path& path) { return dir.readFile(fs::relative(path, dir.path()).string()); };
    for (const auto& s : kStarts) {
        // The shipped files as the build or an install brought them in.
        fs::create_directories(run / "sprites");
        core::bringShippedFiles(share / "shipped", run / "Data");
        startInstalled(elsewhere);

        fs::remove(s.data / "001.dat");  // deleted to get the shipped one back
        fs::remove(s.data / "Demo.dat");
        fs::create_directories(s.data / "Demo.dat");  // a folder of the player's in its place
        dir.writeFile(fs::relative(s.data / "002.dat", dir.path()).string(), "the player's level 2");
        startProgram(s.start);
        EXPECT_TRUE(isCurrent(s.data.parent_path())) << s.how;
        EXPECT_EQ(file(s.data / "001.dat"), "level 1") << s.how;
        EXPECT_EQ(file(s.data / "002.dat"), "the player's level 2") << s.how;
        EXPECT_TRUE(fs::is_directory(s.data / "Demo.dat")) << s.how;
        for (const auto& entry : fs::directory_iterator(s.data)) {
            EXPECT_EQ(entry.path().string().find(".part-"), std::string::npos) << s.how << ": " << entry.path();
        }
        fs::current_path(elsewhere);
        fs::remove_all(run);
        fs::remove_all(user);
    }
}

}  // namespace
