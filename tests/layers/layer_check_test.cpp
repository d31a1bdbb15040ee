// The layer check (tools/check_layers.cmake) run by hand, as the build runs
// it, on small trees laid out like ours: a clean tree passes, and each kind
// of breach, planted alone, fails the check with its file and line named.
#include "tests/support/scratch_dir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

namespace {

namespace fs = std::filesystem;

// Every kind of include the walls let pass, once.
const std::map<std::string, std::string> kCleanTree = {
    {"common/level_file.cpp",
     "#include \"common/level_file.h\"\n#include \"platform/platform.h\"\n#include <string>\n"},
    {"game/world/world.cpp", "#include \"game/world/world.h\"\n#include \"common/level_file.h\"\n"},
    {"game/rules/pigs.cpp", "#include \"game/world/world.h\"\n#include \"platform/scancodes.h\"\n"},
    {"game/front/title.cpp", "#include \"game/front/title.h\"\n#include \"game/world/world.h\"\n"},
    {"game/flow/flow.cpp", "#include \"game/rules/pigs.h\"\n#include \"game/front/title.h\"\n"},
    {"game/main.cpp", "#include \"game/flow/flow.h\"\n#include \"platform/platform.h\"\n"},
    {"editor/map_view.cpp", "#include \"editor/drawing.h\"\n#include \"common/tile_codes.h\"\n"},
    {"platform/screen.cpp", "#include \"platform/screen_state.h\"\n#include <cstring>\n"},
    {"platform/sdl/sdl_window.cpp",
     "#include \"platform/backend.h\"\n#include \"platform/sdl/sdl_host.h\"\n#include <SDL.h>\n#include <GL/gl.h>\n"},
    {"platform/sdl/test/sdl_test.cpp",
     "#include \"platform/sdl/sdl_host.h\"\n#include \"tests/support/scratch_dir.h\"\n"},
    {"platform/web/web_input.cpp", "#include \"platform/web/web_host.h\"\n#include <emscripten/html5.h>\n"},
    {"platform/web/bench/frame_step.cpp",
     "#include \"game/world/world.h\"\n#include \"platform/web/web_host.h\"\n#include <emscripten.h>\n"},
    {"platform/headless/devices.cpp",
     "#include \"platform/headless/headless_state.h\"\n#include \"platform/refresh.h\"\n"},
    {"tools/levels/main.cpp", "#include \"platform/game_folder.h\"\n#include \"tools/image/image_files.h\"\n"},
    {"tools/image/image_files.cpp", "#include \"platform/file_replace.h\"\n#include <png.h>\n"},
    {"tools/fuzz/level_loader_fuzz.cpp", "#include \"game/world/world.h\"\n#include "
                                         "\"platform/field_source.h\"\n#include \"tools/invariants/invariants.h\"\n"},
    {"tools/screenshots/shots.cpp", "#include \"editor/editor_state.h\"\n#include \"platform/headless/headless.h\"\n"},
    {"tests/platform/input_test.cpp", "#include \"platform/backend.h\"\n#include "
                                      "\"platform/headless/headless.h\"\n#include \"tests/support/scratch_dir.h\"\n"},
    {"bench/scene_bench.cpp", "#include \"game/world/world.h\"\n#include \"platform/field_source.h\"\n"},
    {"bench/level_load_bench.cpp", "#include \"tests/support/scratch_dir.h\"\n"},
};

// Writes the clean tree below `top`, with `line` added to the file `where`.
void writeTree(const fs::path& top, const std::string& where = "", const std::string& line = "") {
    std::map<std::string, std::string> files = kCleanTree;
    if (!where.empty()) files[where] += line + "\n";
    for (const auto& [path, text] : files) {
        fs::create_directories((top / path).parent_path());
        std::ofstream(top / path) << text;
    }
}

struct Outcome {
    int status = -1;     // the exit status of cmake
    std::string output;  // what it printed
};

Outcome runCheck(const fs::path& top) {
    const std::string command = std::string("\"") + ZL_CMAKE_COMMAND + "\" -DSOURCE_DIR=\"" + top.string() +
                                "\" -P \"" + ZL_SOURCE_DIR + "/tools/check_layers.cmake\" 2>&1";
    Outcome outcome;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return outcome;
    char block[4096];
    for (std::size_t n; (n = std::fread(block, 1, sizeof block, pipe)) > 0;) outcome.output.append(block, n);
    outcome.status = ::pclose(pipe);
    return outcome;
}

TEST(LayerCheck, ACleanTreePasses) {
    ScratchDir dir;
    writeTree(dir.path());
    const Outcome outcome = runCheck(dir.path());
    EXPECT_EQ(outcome.status, 0) << outcome.output;
}

TEST(LayerCheck, EachKindOfBreachFailsTheCheckAndNamesItsLine) {
    const struct {
        const char* what;
        const char* file;
        const char* line;
    } breaches[] = {
        {"a toolchain header in common", "common/level_file.cpp", "#include <emscripten.h>"},
        {"a game header in the platform", "platform/screen.cpp", "#include \"game/world/world.h\""},
        {"a tests header in a tool", "tools/fuzz/level_loader_fuzz.cpp", "#include \"tests/reliability/invariants.h\""},
        {"a tests header in a program", "game/main.cpp", "#include \"tests/support/scratch_dir.h\""},
        {"a test's own header in a benchmark", "bench/scene_bench.cpp", "#include \"tests/rules/rules_fixture.h\""},
        {"an editor header in the platform", "platform/screen.cpp", "#include \"editor/drawing.h\""},
        {"SDL in another backend", "platform/headless/devices.cpp", "#include <SDL.h>"},
        {"GL in the editor", "editor/map_view.cpp", "#include <GL/gl.h>"},
        {"the browser's html5.h in the SDL backend", "platform/sdl/sdl_window.cpp", "#include <html5.h>"},
        {"a backend's header outside its folder", "bench/web_frame_step.cpp", "#include \"platform/web/web_host.h\""},
        {"another backend's header", "platform/web/web_input.cpp", "#include \"platform/sdl/sdl_host.h\""},
        {"the headless backend's own header in a test", "tests/platform/input_test.cpp",
         "#include \"platform/headless/headless_state.h\""},
        {"a backend's header in the core", "platform/screen.cpp", "#include \"platform/headless/headless.h\""},
        {"the platform's insides in a program", "game/rules/pigs.cpp", "#include \"platform/keyboard_state.h\""},
        {"the platform's insides in a tool", "tools/levels/main.cpp", "#include \"platform/field_source.h\""},
        {"a floor above", "game/world/world.cpp", "#include \"game/rules/pigs.h\""},
        {"a floor beside", "game/front/title.cpp", "#include \"game/rules/pigs.h\""},
    };
    for (const auto& breach : breaches) {
        SCOPED_TRACE(breach.what);
        ScratchDir dir;
        writeTree(dir.path(), breach.file, breach.line);
        const Outcome outcome = runCheck(dir.path());
        EXPECT_NE(outcome.status, 0);
        EXPECT_NE(outcome.output.find(std::string(breach.file) + ": " + breach.line), std::string::npos) << outcome.output;
    }
}

}  // namespace
