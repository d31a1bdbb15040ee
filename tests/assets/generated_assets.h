// generated_assets.h — runs the art generator once per test suite into a
// scratch working directory, laid out as the programs expect it
// (sprites/, wave/), and describes what the catalogue requires of it.
#pragma once

#include "tests/support/scratch_dir.h"
#include "tools/art/asset_build.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

// How a picture is drawn, which decides what its pixels may hold.
enum class Drawn { Opaque, Transparent, Xor };

struct ExpectedPicture {
    const char* name;
    int width;
    int height;
    Drawn mode;
};

// The 102 pictures of the game in load order, then the 8 that only the
// editor loads.
const std::vector<ExpectedPicture>& expectedPictures();
// Animation pairs: the two pictures that alternate.
const std::vector<std::pair<const char*, const char*>>& animationPairs();
// The nine sounds.
const std::vector<std::string>& expectedSounds();

std::string artFolder();
std::string soundFolder();

// A suite whose tests share one generator run in a scratch directory, which
// is also the working directory while the tests run.
class GeneratedAssetsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();

    static std::unique_ptr<ScratchDir> scratch_;
    static zlart::BuildReport report_;
};
