// generated_assets.h — runs the art generator once per test suite into a
// scratch working directory, laid out as the programs expect it
// (sprites/, wave/).
#pragma once

#include "common/pictures.h"
#include "tests/support/scratch_dir.h"
#include "tools/art/asset_build.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

// The pictures the programs load are common/pictures.h's kPictures, whose
// drawing mode decides what their pixels may hold.

// Animation pairs: the two pictures that alternate, the tile table's and the
// creatures'.
const std::vector<std::pair<Picture, Picture>>& animationPairs();
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
