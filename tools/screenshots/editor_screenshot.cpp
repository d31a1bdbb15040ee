// zl_editor_screenshot — draws the editor as a level maker sees it, for the
// README: the editor starts on the headless backend with the images of a
// run folder, loads a labyrinth with F2, walks the cursor with the arrow
// keys to the screen with view offsets (viewX, viewY), shows the info panel
// with F3 and the key page with F7, and writes the page as a PNG.
//
//   zl_editor_screenshot <run folder> <folder holding Data> <level> <viewX> <viewY> <out.png>
#include "editor/editor_loop.h"
#include "editor/editor_state.h"
#include "platform/headless/headless.h"
#include "platform/platform.h"
#include "tools/image/image_files.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <initializer_list>
#include <string>

namespace {

// Presses the keys together for one pass of the command loop.
void press(std::initializer_list<int> keys) {
    for (int key : keys) headless::keyDown(key, headless::clock());
    commandPass();
    for (int key : keys) headless::keyUp(key, headless::clock());
    headless::advance(0.001);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 7) {
        std::fprintf(stderr, "usage: zl_editor_screenshot <run folder> <folder holding Data> <level> <viewX> <viewY> "
                             "<out.png>\n");
        return 2;
    }
    const int viewX = std::atoi(argv[4]);
    const int viewY = std::atoi(argv[5]);
    const std::filesystem::path out = std::filesystem::absolute(argv[6]);
    const std::filesystem::path levels = std::filesystem::absolute(argv[2]);
    headless::reset();
    std::filesystem::current_path(argv[1]);  // sprites
    startEditor(ScreenChoice::Window);
    std::filesystem::current_path(levels);  // Data
    headless::typeText(std::string(argv[3]) + "\r", headless::clock() + 0.1);
    press({scancode::F2});
    // Each press moves one cell; a view the keys cannot reach stops the walk.
    for (int i = 0; i < 1000 && editor.viewX < viewX; ++i) press({scancode::Right});
    for (int i = 0; i < 1000 && editor.viewX > viewX; ++i) press({scancode::Left});
    for (int i = 0; i < 1000 && editor.viewY < viewY; ++i) press({scancode::Down});
    for (int i = 0; i < 1000 && editor.viewY > viewY; ++i) press({scancode::Up});
    // Off the panel, so that the cursor's frame shows; the last move redraws
    // the view with the panel.
    for (int i = 0; i < 8; ++i) press({scancode::Down});
    press({scancode::F3});
    press({scancode::F7});
    for (int i = 0; i < 8; ++i) press({scancode::Right});
    if (!imagefile::writePng(imagefile::Canvas::copyOf(kScreenWidth, kScreenHeight, headless::pagePixels(0)),
                             out.string())) {
        std::fprintf(stderr, "zl_editor_screenshot: cannot write %s\n", out.string().c_str());
        return 1;
    }
    return 0;
}
