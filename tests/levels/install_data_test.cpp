// install_data.cmake, run with cmake -P in a scratch folder: shipped files
// reach the run folder, and a file changed there is never replaced.
#include "tests/support/scratch_dir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace fs = std::filesystem;

namespace {

const std::string kScript = std::string(ZL_SOURCE_DIR) + "/tools/levels/install_data.cmake";

class InstallData : public ::testing::Test {
protected:
    ScratchDir dir;
    std::string log;

    // Puts the next shipment of name into the staging folder.
    void stage(const std::string& name, const std::string& bytes) { dir.writeFile("stage/" + name, bytes); }
    std::string installed(const std::string& name) const { return dir.readFile("run/Data/" + name); }
    std::string record(const std::string& name) const { return dir.readFile("run/Data/.shipped/" + name); }

    // Runs the script for the given files; returns its exit status.
    int install(const std::string& files = "001.dat;002.dat") {
        const fs::path root = dir.path();
        std::string command = std::string("\"") + ZL_CMAKE_COMMAND + "\" \"-DSTAGING_DIR=" + (root / "stage").string() +
                              "\" \"-DRUN_DATA_DIR=" + (root / "run" / "Data").string() + "\" \"-DFILES=" + files +
                              "\" -P \"" + kScript + "\" > \"" + (root / "install.log").string() + "\" 2>&1";
        int status = std::system(command.c_str());
        log = dir.readFile("install.log");
        return status;
    }
};

}  // namespace

TEST_F(InstallData, FirstInstallCopiesAndRemembers) {
    stage("001.dat", "one v1");
    stage("002.dat", "two v1");
    ASSERT_EQ(install(), 0) << log;
    EXPECT_EQ(installed("001.dat"), "one v1");
    EXPECT_EQ(installed("002.dat"), "two v1");
    EXPECT_EQ(record("001.dat"), "one v1");
    EXPECT_EQ(record("002.dat"), "two v1");
    EXPECT_FALSE(fs::exists(dir.path() / "run/Data/001.dat.part"));
}

TEST_F(InstallData, ChangedFileSurvivesNewShipments) {
    stage("001.dat", "one v1");
    stage("002.dat", "two v1");
    ASSERT_EQ(install(), 0) << log;
    dir.writeFile("run/Data/001.dat", "the player's own first level");

    stage("001.dat", "one v2");
    stage("002.dat", "two v2");
    ASSERT_EQ(install(), 0) << log;
    EXPECT_EQ(installed("001.dat"), "the player's own first level");
    EXPECT_NE(log.find("001.dat was changed"), std::string::npos) << log;
    EXPECT_EQ(installed("002.dat"), "two v2") << "an untouched file follows the shipment";
    EXPECT_EQ(record("002.dat"), "two v2");

    // Still the player's after another shipment.
    stage("001.dat", "one v3");
    ASSERT_EQ(install(), 0) << log;
    EXPECT_EQ(installed("001.dat"), "the player's own first level");

    // Once the player deletes it, the shipped file comes back.
    fs::remove(dir.path() / "run/Data/001.dat");
    ASSERT_EQ(install(), 0) << log;
    EXPECT_EQ(installed("001.dat"), "one v3");
    EXPECT_EQ(record("001.dat"), "one v3");
}

TEST_F(InstallData, FileWithoutRecordIsKeptUnlessItIsTheShippedOne) {
    dir.writeFile("run/Data/001.dat", "made before any shipment");
    dir.writeFile("run/Data/002.dat", "two v1");
    stage("001.dat", "one v1");
    stage("002.dat", "two v1");
    ASSERT_EQ(install(), 0) << log;
    EXPECT_EQ(installed("001.dat"), "made before any shipment");
    EXPECT_EQ(record("001.dat"), "") << "no record for a file that is not ours";
    EXPECT_EQ(record("002.dat"), "two v1") << "an equal file is taken as shipped";

    stage("002.dat", "two v2");
    ASSERT_EQ(install(), 0) << log;
    EXPECT_EQ(installed("002.dat"), "two v2");
}

TEST_F(InstallData, OtherFilesAreNeverTouched) {
    dir.writeFile("run/Data/Einstellung.dat", "settings");
    dir.writeFile("run/Data/Spiel.sav", "saved game");
    dir.writeFile("run/Data/meins.dat", "own level");
    stage("001.dat", "one v1");
    stage("002.dat", "two v1");
    stage("Einstellung.dat", "shipped settings must not land");
    ASSERT_EQ(install(), 0) << log;
    EXPECT_EQ(installed("Einstellung.dat"), "settings");
    EXPECT_EQ(installed("Spiel.sav"), "saved game");
    EXPECT_EQ(installed("meins.dat"), "own level");
    EXPECT_FALSE(fs::exists(dir.path() / "run/Data/.shipped/Einstellung.dat"));
}

TEST_F(InstallData, MissingShipmentFailsWithoutChanges) {
    stage("001.dat", "one v1");
    EXPECT_NE(install(), 0) << "002.dat was never built";
    EXPECT_NE(log.find("002.dat is missing"), std::string::npos) << log;
    EXPECT_EQ(installed("001.dat"), "") << "nothing is copied from an incomplete shipment";
    EXPECT_EQ(installed("002.dat"), "");
}
