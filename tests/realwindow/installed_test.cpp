// The programs as `cmake --install` lays them out: started from a folder of
// no importance, they find their pictures through the player's folder below
// the data directory, made on first start, and keep the player's files
// there.
#include "tests/realwindow/real_window_fixture.h"

namespace fs = std::filesystem;

namespace realwindow {
namespace {

constexpr double kInstallSeconds = 120.0;

class Installed : public RealWindow {
protected:
    void SetUp() override {
        RealWindow::SetUp();
        if (HasFatalFailure()) return;
        installInto(prefix);
        fs::create_directories(elsewhere);
        fs::create_directories(home);
    }
    static void installInto(const fs::path& where) {
        const CommandResult install = runCommand(
            {ZL_CMAKE_COMMAND, "--install", ZL_BUILD_DIR, "--prefix", where.string()}, {}, kInstallSeconds);
        ASSERT_EQ(install.status, 0) << install.output;
    }
    fs::path prefix = dir.path() / "prefix";
    fs::path elsewhere = dir.path() / "elsewhere";
    fs::path home = dir.path() / "home";
    fs::path userFolder = home / ".local" / "share" / "zauberlabyrinth";
    // HOME is all the programs get; no XDG_DATA_HOME.
    Environment user = {{"HOME", home.string()}, {"XDG_DATA_HOME", ""}};
};

TEST_F(Installed, TheLayoutHasProgramsContentDesktopEntriesAndIcons) {
    for (const char* file :
         {"games/zauberlabyrinth", "games/zauberlabyrinth-editor", "share/games/zauberlabyrinth/sprites/Zaub1.bmp",
          "share/games/zauberlabyrinth/sprites/titel.bmp", "share/games/zauberlabyrinth/wave/titelm.wav",
          "share/games/zauberlabyrinth/shipped/001.dat", "share/games/zauberlabyrinth/shipped/ende.dat",
          "share/games/zauberlabyrinth/defaults/Einstellung.dat", "share/applications/zauberlabyrinth.desktop",
          "share/applications/zauberlabyrinth-editor.desktop", "share/man/man6/zauberlabyrinth.6.gz",
          "share/man/man6/zauberlabyrinth-editor.6.gz", "share/man/en/man6/zauberlabyrinth.6.gz",
          "share/man/en/man6/zauberlabyrinth-editor.6.gz", "share/doc/zauberlabyrinth/copyright"}) {
        EXPECT_TRUE(fs::is_regular_file(prefix / file)) << file;
    }
    for (const char* program : {"zauberlabyrinth", "zauberlabyrinth-editor"}) {
        EXPECT_EQ(fs::read_symlink(prefix / "bin" / program), fs::path("../games") / program);
    }
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const fs::path apps = prefix / "share/icons/hicolor" / (std::to_string(size) + "x" + std::to_string(size)) / "apps";
        EXPECT_TRUE(fs::is_regular_file(apps / "zauberlabyrinth.png")) << apps;
        EXPECT_TRUE(fs::is_regular_file(apps / "zauberlabyrinth-editor.png")) << apps;
    }
    EXPECT_FALSE(fs::exists(prefix / "bin/editor")) << "a bare 'editor' would shadow the system's";
    EXPECT_FALSE(fs::exists(prefix / "share/zauberlabyrinth")) << "the install stays out of a player's folder";
}

TEST_F(Installed, APlayersFolderMadeByOneInstallServesTheNextInstallInHome) {
    // Played from the first install, then installed into ~/.local by the
    // same user: the install succeeds beside the player's folder, and the
    // second install's game turns the folder's links to its own files.
    const pid_t first = start((prefix / "bin/zauberlabyrinth").string(), {"--window"}, elsewhere, user);
    ASSERT_FALSE(windowOf(first).empty());
    const fs::path firstSprites = prefix / "share/games/zauberlabyrinth/sprites";
    ASSERT_EQ(fs::read_symlink(userFolder / "sprites"), firstSprites);
    dir.writeFile(fs::relative(userFolder / "Data/001.dat", dir.path()).string(), "the player's level");

    const fs::path local = home / ".local";
    installInto(local);
    if (HasFatalFailure()) return;
    EXPECT_EQ(fs::read_symlink(userFolder / "sprites"), firstSprites) << "installing never touches the player's folder";
    const std::string window = windowOf(start((local / "bin/zauberlabyrinth").string(), {"--window"}, elsewhere, user));
    ASSERT_FALSE(window.empty());
    EXPECT_EQ(fs::read_symlink(userFolder / "sprites"), local / "share/games/zauberlabyrinth/sprites");
    EXPECT_EQ(fs::read_symlink(userFolder / "wave"), local / "share/games/zauberlabyrinth/wave");
    EXPECT_EQ(dir.readFile(fs::relative(userFolder / "Data/001.dat", dir.path()).string()), "the player's level");
    const Picture title = sprite("titel");
    EXPECT_TRUE(waitToSee(
        window, [&](const Picture& p) { return shareShown(p, title, 330, 235, false) > 0.6; }, "the title picture"));
}

TEST_F(Installed, FromAnyFolderTheProgramsWorkInThePlayersFolder) {
    const pid_t game = start((prefix / "bin/zauberlabyrinth").string(), {"--window"}, elsewhere, user);
    const std::string window = windowOf(game);
    ASSERT_FALSE(window.empty());
    // The pictures come through the player's folder: the title picture shows.
    const Picture title = sprite("titel");
    ASSERT_TRUE(waitToSee(
        window, [&](const Picture& p) { return shareShown(p, title, 330, 235, false) > 0.6; }, "the title picture"));
    // The shipped settings have the sound on: switched off in the menu
    // (line 5, "Ton AN " becomes "Ton AUS"), then "Spiel beenden".
    display.keyDown("Escape");
    const bool menu = waitToSee(
                          window, [](const Picture& p) { return menuLine(p) == 1; }, "the menu")
                          .has_value();
    display.keyUp("Escape");
    ASSERT_TRUE(menu);
    chooseMenuLine(window, 5);
    // The S of "AUS" in text column 44 of row 30.
    const auto soundOff = [](const Picture& p) { return whitePixels(p, 344, 232, 8, 8) > 0; };
    for (int attempt = 0; attempt < 10; ++attempt) {
        const std::optional<Picture> now = display.capture(window);
        if (now && soundOff(*now)) break;
        display.tap("space", 0.03);
        lookFor(window, soundOff, 1.0);
    }
    chooseMenuLine(window, 4);
    display.tap("space", 0.1);
    const std::optional<int> status = waitForEnd(game, kEndSeconds);
    ASSERT_TRUE(status.has_value()) << "the game did not end after \"Spiel beenden\"";
    EXPECT_EQ(*status, 0);

    const std::string settings = dir.readFile(fs::relative(userFolder / "Data/Einstellung.dat", dir.path()).string());
    EXPECT_EQ(settings.rfind("0,0,0\r\n\"", 0), 0u) << "sound switched off and stored: " << settings;
    EXPECT_NE(settings.find("\"Merlinde\",5000"), std::string::npos) << "the shipped best players: " << settings;
    EXPECT_TRUE(fs::is_regular_file(userFolder / "Data/001.dat"));
    EXPECT_TRUE(fs::is_empty(elsewhere)) << "nothing is written where the program was started";

    // The editor, started from the same folder, works in the same place:
    // its view is drawn from the installed pictures (the floor of an empty
    // level), and the cursor frames cell (5, 5).
    const std::string editor = windowOf(
        start((prefix / "bin/zauberlabyrinth-editor").string(), {"--window"}, elsewhere, user));
    ASSERT_FALSE(editor.empty());
    const Picture floor = sprite("Schwarz");
    EXPECT_TRUE(waitToSee(
        editor,
        [&](const Picture& p) { return shareShown(p, floor, 0, 0, false) > 0.99 && whiteLine(p, 160, 160, 40, false); },
        "the editor's floor and cursor"));
}

}  // namespace
}  // namespace realwindow
