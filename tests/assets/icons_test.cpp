// The desktop icons: the wizard with real transparency, kept sharp where a
// whole-pixel enlargement fits, averaged by opacity where it does not (so
// the magenta key never tints an edge), and the editor's framed cell.
#include "tools/art/icons.h"
#include "tools/art/art_script.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

std::uint32_t alpha(std::uint32_t p) { return p >> 24; }
std::uint32_t at(const zlart::IconPicture& icon, int x, int y) { return icon.pixels[std::size_t(y) * icon.size + x]; }

class Icons : public ::testing::Test {
protected:
    static void SetUpTestSuite() { art = new zlart::ArtSources(zlart::readArtSources(ZL_SOURCE_DIR "/assets/art")); }
    static void TearDownTestSuite() {
        delete art;
        art = nullptr;
    }
    static zlart::ArtSources* art;
};
zlart::ArtSources* Icons::art = nullptr;

TEST_F(Icons, TheWizardKeepsHisPixelsAndLosesTheKeyColour) {
    zlart::ArtRenderer renderer(*art);
    const zlart::Canvas wizard = renderer.render("Zaub1").canvas;
    const zlart::IconPicture icon = zlart::gameIcon(renderer);
    ASSERT_EQ(icon.size, 40);
    int opaque = 0;
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 40; ++x) {
            const bool key = (wizard.at(x, y) & 0xFFFFFF) == zlart::kKeyRgb;
            EXPECT_EQ(at(icon, x, y), key ? 0u : 0xFF000000u | wizard.at(x, y)) << x << "," << y;
            opaque += !key;
        }
    }
    EXPECT_GT(opaque, 400) << "the wizard is there";
}

TEST_F(Icons, WholePixelEnlargingStaysSharpAndCentred) {
    zlart::ArtRenderer renderer(*art);
    const zlart::IconPicture source = zlart::gameIcon(renderer);
    for (int size : {48, 128, 256}) {
        const zlart::IconPicture icon = zlart::scaleIcon(source, size);
        ASSERT_EQ(icon.pixels.size(), std::size_t(size) * size);
        const int factor = size / 40, offset = (size - 40 * factor) / 2;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                const int sx = x - offset, sy = y - offset;
                const bool inside = sx >= 0 && sy >= 0 && sx < 40 * factor && sy < 40 * factor;
                const std::uint32_t expected = inside ? at(source, sx / factor, sy / factor) : 0u;
                ASSERT_EQ(at(icon, x, y), expected) << size << ": " << x << "," << y;
            }
        }
    }
}

TEST_F(Icons, AveragingWeighsColoursByTheirOpacity) {
    // Transparent left of column 21, opaque green from there: at every size
    // one column of target pixels straddles the seam.
    zlart::Canvas canvas(40, 40, zlart::kKeyRgb);
    for (int y = 0; y < 40; ++y)
        for (int x = 21; x < 40; ++x) canvas.at(x, y) = 0x00FF00;
    for (int size : {16, 32, 64}) {
        const zlart::IconPicture icon = zlart::scaleIcon(zlart::iconFromCanvas(canvas, zlart::kKeyRgb), size);
        ASSERT_EQ(icon.size, size);
        bool partial = false;
        for (std::uint32_t p : icon.pixels) {
            if (alpha(p) == 0) continue;
            EXPECT_EQ(p & 0xFFFFFF, 0x00FF00u) << size << ": no key colour bleeds in";
            partial = partial || alpha(p) < 255;
        }
        EXPECT_EQ(at(icon, 0, 0), 0u);
        EXPECT_EQ(at(icon, size - 1, size / 2), 0xFF00FF00u);
        EXPECT_TRUE(partial) << size << ": the seam is half see-through";
    }
}

TEST_F(Icons, TheEditorIconIsTheWizardOnAFloorCellInTheCursorFrame) {
    zlart::ArtRenderer renderer(*art);
    const zlart::IconPicture icon = zlart::editorIcon(renderer);
    ASSERT_EQ(icon.size, 40);
    const zlart::IconPicture wizard = zlart::gameIcon(renderer);
    for (int i = 0; i < 40; ++i) {
        EXPECT_EQ(at(icon, i, 0), 0xFFFFFFFFu);
        EXPECT_EQ(at(icon, 39, i), 0xFFFFFFFFu);
    }
    for (int y = 1; y < 39; ++y) {
        for (int x = 1; x < 39; ++x) {
            EXPECT_EQ(alpha(at(icon, x, y)), 255u) << "the cell is opaque";
            if (alpha(at(wizard, x, y)) != 0) {
                EXPECT_EQ(at(icon, x, y), at(wizard, x, y));
            }
        }
    }
}

}  // namespace
