// Tests of the text grid: where cells lie on both grids, colours, the cursor,
// pictures and integers, code page 437 glyphs, and printing at and past the
// edges of the grid.
#include "tests/platform/headless_screen.h"

#include <string>

namespace {

using Text = HeadlessScreen;

constexpr char kFullBlock = '\xDB';  // code page 437 0xDB: every pixel of the cell set

// The colour every pixel of the 8 x h cell (row, column) has, or 0x12345678
// when the cell is not of one colour.
Colour cellColour(int row, int column, int h = 8) {
    const int x0 = 8 * (column - 1), y0 = h * (row - 1);
    const Colour first = headless::pixel(0, x0, y0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < 8; ++x)
            if (headless::pixel(0, x0 + x, y0 + y) != first) return 0x12345678u;
    return first;
}

TEST_F(Text, BlanksEraseTheirCellsInTheBackgroundColour) {
    fillPage(0, 0x00FF0000u);
    setTextPos(41, 44);
    printText(std::string(28, ' '), false);
    // Row 41, columns 44..71: x 344..567, y 320..327.
    for (int y = 320; y <= 327; ++y)
        for (int x = 344; x <= 567; ++x) ASSERT_EQ(headless::pixel(0, x, y), 0xFF000000u) << x << "," << y;
    EXPECT_EQ(changedOutside(0, 344, 320, 567, 327, 0x00FF0000u), 0);
}

TEST_F(Text, GlyphPixelsTakeTheForegroundAndTheBackgroundStays) {
    setTextColour(0xFFF6FB01u);
    setTextPos(1, 1);
    printText(std::string(1, kFullBlock) + " ", false);
    EXPECT_EQ(cellColour(1, 1), 0xFFF6FB01u);
    EXPECT_EQ(cellColour(1, 2), 0xFF000000u);
    // A letter has pixels of both colours and nothing else.
    printText("A", false);
    int fg = 0, bg = 0;
    for (int y = 0; y < 8; ++y)
        for (int x = 16; x < 24; ++x) {
            const Colour c = headless::pixel(0, x, y);
            fg += c == 0xFFF6FB01u;
            bg += c == 0xFF000000u;
        }
    EXPECT_GT(fg, 0);
    EXPECT_GT(bg, 0);
    EXPECT_EQ(fg + bg, 64);
}

TEST_F(Text, TheCursorMovesRightAndNewlineGoesToColumnOneOfTheNextRow) {
    setTextPos(10, 5);
    printText(std::string(2, kFullBlock), false);
    printText(std::string(1, kFullBlock), true);
    printText(std::string(1, kFullBlock), false);
    EXPECT_EQ(cellColour(10, 5), kWhite);
    EXPECT_EQ(cellColour(10, 6), kWhite);
    EXPECT_EQ(cellColour(10, 7), kWhite);
    EXPECT_EQ(cellColour(11, 1), kWhite);
    EXPECT_EQ(changedOutside(0, 32, 72, 55, 79, kBlack), 8 * 8);  // only the cell at row 11 besides
}

TEST_F(Text, SetTextPosOutsideTheGridKeepsTheCursor) {
    setTextPos(3, 4);
    const int outside[][2] = {{0, 1}, {76, 1}, {1, 0}, {1, 101}, {-1, -1}, {1000000, 5}};
    for (const auto& p : outside) setTextPos(p[0], p[1]);
    printText(std::string(1, kFullBlock), false);
    EXPECT_EQ(cellColour(3, 4), kWhite);
    setTextPos(75, 100);  // the last cell is inside
    printText(std::string(1, kFullBlock), false);
    EXPECT_EQ(cellColour(75, 100), kWhite);
}

TEST_F(Text, CodePage437CharactersHaveTheirOwnGlyphs) {
    setTextPos(1, 1);
    printText("u\x81U\x9A", false);  // u, u umlaut, U, U umlaut
    EXPECT_FALSE(sameBlock(0, 0, 0, 8, 0, 8, 8));
    EXPECT_FALSE(sameBlock(0, 16, 0, 24, 0, 8, 8));
    // And every one of the 256 codes is drawn without touching other cells.
    headless::reset();
    openScreen(800, 600, 32, 2, 0);
    std::string all;
    for (int c = 0; c < 256; ++c) all.push_back(static_cast<char>(c));
    setTextPos(5, 1);
    printText(all.substr(0, 100), true);
    printText(all.substr(100, 100), true);
    printText(all.substr(200), true);
    EXPECT_EQ(changedOutside(0, 0, 32, 799, 55, kBlack), 0);
}

TEST_F(Text, Mode19UsesSixteenPixelRowsAndLeavesTheLastEightPixelRowsAlone) {
    openScreenMode(19, 32, 1, 1);
    setTextPos(2, 1);
    printText(std::string(1, kFullBlock), false);
    EXPECT_EQ(cellColour(2, 1, 16), kWhite);
    EXPECT_EQ(headless::pixel(0, 0, 15), kBlack);
    setTextPos(38, 1);  // outside the 37-row grid: the cursor stays
    printText(std::string(1, kFullBlock), false);
    EXPECT_EQ(cellColour(2, 2, 16), kWhite);
    setTextPos(37, 1);
    printText(std::string(100, kFullBlock), true);
    printText(std::string(100, kFullBlock), true);  // below the grid: not drawn
    EXPECT_EQ(headless::pixel(0, 0, 591), kWhite);
    EXPECT_EQ(changedOutside(0, 0, 0, 799, 591, kBlack), 0);
}

TEST_F(Text, PrintingPastTheGridNeverWritesOutsideIt) {
    fillPage(0, 0x00000033u);
    setTextPos(74, 90);
    printText(std::string(300, kFullBlock), false);  // cut at column 100
    printText(std::string(5, kFullBlock), true);     // still past the edge: nothing
    printText(std::string(300, kFullBlock), true);   // row 75, cut at column 100
    printText(std::string(300, kFullBlock), true);   // past the last row: nothing
    printText(std::string(300, kFullBlock), true);
    EXPECT_EQ(changedOutside(0, 0, 584, 799, 599, 0x00000033u), 0);  // nothing above row 74
    for (int column = 1; column < 90; ++column) EXPECT_EQ(cellColour(74, column), 0x00000033u);
    for (int column = 90; column <= 100; ++column) EXPECT_EQ(cellColour(74, column), kWhite);
    for (int column = 1; column <= 100; ++column) EXPECT_EQ(cellColour(75, column), kWhite);
}

// The expected text, printed plainly at row 20, must look exactly like what
// printPicture / printInteger left at row 10; both rows start blank.
void expectPrintedAs(const std::string& expected, int columns) {
    setTextPos(20, 1);
    printText(expected, false);
    EXPECT_TRUE(sameBlock(0, 0, 72, 0, 152, 8 * columns, 8)) << "expected \"" << expected << "\"";
}

struct PictureCase {
    const char* picture;
    int value;
    const char* shown;
};

TEST_F(Text, PicturesRightAlignTheValueOrPrintItWholeAfterAPercentSign) {
    // clang-format off
    const PictureCase cases[] = {
        {"#######", 10000, "  10000"}, {"##", 100, "%100"},  {"###", 5, "  5"},   {"###", 42, " 42"},
        {"###", -7, " -7"},            {"###", 1234, "%1234"}, {"###", -100, "%-100"}, {"##", 0, " 0"},
        {"", 3, "%3"},
    };
    // clang-format on
    for (const PictureCase& c : cases) {
        headless::reset();
        openScreen(800, 600, 32, 2, 0);
        setTextPos(10, 1);
        printPicture(c.picture, c.value);
        // Then the cursor is at column 1 of the next row.
        printText(std::string(1, kFullBlock), false);
        EXPECT_EQ(cellColour(11, 1), kWhite) << c.picture << " " << c.value;
        expectPrintedAs(c.shown, 10);
    }
}

TEST_F(Text, IntegersGetABlankOrAMinusSign) {
    const std::pair<int, const char*> cases[] = {{5, " 5"}, {-5, "-5"}, {0, " 0"}, {-2147483647 - 1, "-2147483648"}};
    for (const auto& [value, shown] : cases) {
        headless::reset();
        openScreen(800, 600, 32, 2, 0);
        setTextPos(10, 1);
        printInteger(value, false);
        expectPrintedAs(shown, 12);
    }
}

}  // namespace
