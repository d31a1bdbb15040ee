// The editor's full redraw of its map view, against the block copies it
// stands for (bench/README.md):
//
//   BM_DrawMapView/100  vs BM_ViewBlockCopies   within 3x
//
// The argument is the number of creatures of each of the four kinds placed
// in the view (the tables hold 100 each); every cell of the view holds a
// tile, the start lies in it too, and the panel is hidden.
#include "bench/view_blocks.h"
#include "common/tile_codes.h"
#include "editor/drawing.h"
#include "editor/editor_state.h"
#include "platform/headless/headless.h"
#include "platform/platform.h"

#include <benchmark/benchmark.h>

namespace {

void setUpEditor(int perKind) {
    headless::reset();
    openScreenMode(19, 32, 1, 0);
    editor = EditorState{};
    createEditorImages();
    for (int c = 1; c <= kViewColumns; ++c)
        for (int r = 1; r <= kViewRows; ++r) editor.level.map[c][r] = (c + r) % 3 == 0 ? tile::RedWall : tile::Floor2;
    editor.level.playerX = 3;
    editor.level.playerY = 3;
    for (int kind = 0; kind < kCreatureKinds; ++kind) {
        StoredCreatureTable& table = editor.level.creatures[kind];
        for (int k = 1; k <= perKind; ++k) {
            table[static_cast<std::size_t>(k)] = {1 + k % kViewColumns, 1 + (k * 3) % kViewRows, 0, 0};
        }
        editor.level.counts[kind] = perKind;
    }
}

void BM_DrawMapView(benchmark::State& state) {
    setUpEditor(static_cast<int>(state.range(0)));
    for (auto _ : state) drawMapView();
    state.counters["creatures"] = 4 * static_cast<double>(state.range(0));
}
BENCHMARK(BM_DrawMapView)->Arg(0)->Arg(100)->Unit(benchmark::kMicrosecond);

// The limit: the view's 280 cells as 40 x 40 block copies onto a raw page,
// row by row with memcpy.
void BM_ViewBlockCopies(benchmark::State& state) {
    ViewBlocks blocks;
    for (auto _ : state) {
        blocks.copyOntoEveryCell();
        benchmark::ClobberMemory();
    }
    benchmark::DoNotOptimize(blocks.page.data());
}
BENCHMARK(BM_ViewBlockCopies)->Unit(benchmark::kMicrosecond);

}  // namespace
