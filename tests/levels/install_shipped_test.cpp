// The build's install step: the staged level files reach the run folder by
// the programs' own rule, and a file the player changed there is kept and
// named. (The rule's other cases are tested with the game folder.)
#include "tools/levels/install_shipped.h"
#include "tests/support/scratch_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>

namespace fs = std::filesystem;

TEST(InstallShipped, RefreshesWhatThePlayerLeftAloneAndNamesWhatItKeeps) {
    ScratchDir dir;
    auto install = [&dir] {
        std::ostringstream report;
        installShippedFiles(dir.path() / "stage", dir.path() / "run/Data", report);
        return report.str();
    };
    auto installed = [&dir](const std::string& name) { return dir.readFile("run/Data/" + name); };
    dir.writeFile("stage/001.dat", "one v1");
    dir.writeFile("stage/002.dat", "two v1");
    dir.writeFile("run/Data/002.dat", "two v1");  // equal, without a record: taken as shipped
    dir.writeFile("run/Data/Spiel.sav", "saved game");
    EXPECT_EQ(install(), "");
    EXPECT_EQ(installed("001.dat"), "one v1");
    EXPECT_EQ(dir.readFile("run/Data/.shipped/002.dat"), "two v1");

    dir.writeFile("run/Data/001.dat", "the player's own first level");
    dir.writeFile("stage/001.dat", "one v2");
    dir.writeFile("stage/002.dat", "two v2");
    EXPECT_NE(install().find("Data/001.dat was changed"), std::string::npos);
    EXPECT_EQ(installed("001.dat"), "the player's own first level");
    EXPECT_EQ(installed("002.dat"), "two v2");
    EXPECT_EQ(installed("Spiel.sav"), "saved game");

    // Once the player deletes it, the shipped file comes back.
    fs::remove(dir.path() / "run/Data/001.dat");
    EXPECT_EQ(install(), "");
    EXPECT_EQ(installed("001.dat"), "one v2");
}
