// textures.h — procedural wall textures of the art language.
//
// Both patterns are anchored at the picture's top-left corner and repeat with
// the picture's width and height, so that neighbouring cells of one wall
// family join without a seam, whatever part of the cell a command fills.
#pragma once

#include "tools/art/canvas.h"
#include "tools/art/palette.h"
#include "tools/art/text_source.h"

namespace zlart {

// bricks x= y= w= h= bw= bh= offset= joint= mortar= colours= light= dark= speck= chance= seed=
// Running bond of bw x bh bricks (joint included); every other row shifted by
// offset; each brick one of `colours`, with a lit top row and a dark bottom
// row when light/dark are given, and speckles of `speck`.
void drawBricks(Layer& l, const Options& o, const Palette& pal);

// stones x= y= w= h= rows= minw= maxw= joint= mortar= colours= light= dark= speck= chance= seed=
// Courses of irregular stones: `rows` lists the course heights (for example
// "12,8,12,8"); each stone is minw..maxw wide, with rounded corners, a lit
// top-left and a dark bottom-right edge.
void drawStones(Layer& l, const Options& o, const Palette& pal);

}  // namespace zlart
