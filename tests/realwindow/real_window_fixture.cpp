// real_window_fixture.cpp — the scratch folders, programs and looking of the
// real-window tests.
#include "tests/realwindow/real_window_fixture.h"

namespace fs = std::filesystem;

namespace realwindow {

namespace {

constexpr double kWizardShare = 0.9;  // of the wizard's pixels that must show
const char* const kWizardPictures[] = {"Zaub1", "Zaub2", "Zaub1L", "Zaub2L", "Zaub1R", "Zaub2R"};

std::string testName() {
    const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
    return info ? std::string(info->test_suite_name()) + "." + info->name() : "test";
}

}  // namespace

void RealWindow::SetUp() {
    const std::vector<std::string> missing = missingTools();
    if (!missing.empty()) {
        std::string list;
        for (const std::string& tool : missing) list += (list.empty() ? "" : ", ") + tool;
        FAIL() << "The tests in a real window need " << list << ". Run: bash tools/bootstrap.sh";
    }
    std::string problem;
    ASSERT_TRUE(display.start((dir.path() / "xvfb.log").string(), problem)) << problem;
}

void RealWindow::TearDown() {
    for (pid_t pid : programs) killProgram(pid);
    programs.clear();
}

fs::path RealWindow::makeRunFolder(const std::string& name) const {
    const fs::path folder = dir.path() / name;
    fs::create_directories(folder / "Data");
    fs::create_directory_symlink(fs::path(ZL_RUN_DIR) / "sprites", folder / "sprites");
    fs::create_directory_symlink(fs::path(ZL_RUN_DIR) / "wave", folder / "wave");
    for (const auto& entry : fs::directory_iterator(ZL_LEVEL_STAGE_DIR)) {
        if (entry.is_regular_file()) fs::copy_file(entry.path(), folder / "Data" / entry.path().filename());
    }
    return folder;
}

pid_t RealWindow::start(const std::string& program, const std::vector<std::string>& args, const fs::path& folder,
                        const Environment& extra) {
    std::vector<std::string> argv = {program};
    argv.insert(argv.end(), args.begin(), args.end());
    Environment environment = display.environment();
    for (const auto& [name, value] : extra) environment[name] = value;
    const pid_t pid = startProgram(argv, environment, folder.string(), (dir.path() / "programs.log").string());
    EXPECT_GT(pid, 0) << program << " could not be started";
    if (pid > 0) programs.push_back(pid);
    return pid;
}

std::string RealWindow::windowOf(pid_t program) {
    const std::optional<std::string> window = display.waitForWindow(program, kStartSeconds);
    if (!window) ADD_FAILURE() << "no window of process " << program << " appeared within " << kStartSeconds << " s";
    return window.value_or("");
}

std::optional<Picture> RealWindow::lookFor(const std::string& window, const std::function<bool(const Picture&)>& seen,
                                           double seconds, std::optional<Picture>* last) const {
    const double deadline = now() + seconds;
    do {
        if (std::optional<Picture> picture = display.capture(window)) {
            if (seen(*picture)) return picture;
            if (last) *last = std::move(picture);
        }
        pause(0.05);
    } while (now() < deadline);
    return std::nullopt;
}

std::optional<Picture> RealWindow::waitToSee(const std::string& window, const std::function<bool(const Picture&)>& seen,
                                             const std::string& what, double seconds) {
    std::optional<Picture> last;
    if (std::optional<Picture> picture = lookFor(window, seen, seconds, &last)) return picture;
    std::string kept = "no picture could be taken";
    if (last) {
        const fs::path path = fs::path(ZL_REALWINDOW_OUT) / (testName() + ".ppm");
        fs::create_directories(path.parent_path());
        writePpm(*last, path.string());
        kept = "the last picture is " + path.string();
    }
    ADD_FAILURE() << "not seen within " << seconds << " s: " << what << " (" << kept << ")";
    return std::nullopt;
}

bool RealWindow::named(const std::string& window, const std::string& name) const {
    const double deadline = now() + kSeeSeconds;
    std::string seen;
    while ((seen = display.windowName(window)) != name && now() < deadline) pause(0.1);
    EXPECT_EQ(seen, name) << "the window's name";
    return seen == name;
}

Picture sprite(const std::string& name) {
    const std::string path = std::string(ZL_RUN_DIR) + "/sprites/" + name + ".bmp";
    std::optional<Picture> picture = readBmp(path);
    EXPECT_TRUE(picture.has_value()) << path;
    return picture.value_or(Picture{});
}

std::optional<Cell> wizardCell(const Picture& window) {
    static const std::vector<Picture> pictures = [] {
        std::vector<Picture> all;
        for (const char* name : kWizardPictures) all.push_back(sprite(name));
        return all;
    }();
    return findSprite(window, pictures, kWizardShare);
}

int menuLine(const Picture& window) {
    // Frames of the lines: x 290 to at least 360, y 164 + 16 (n - 1), 15 high.
    for (int line = 1; line <= 7; ++line) {
        const int top = 164 + 16 * (line - 1);
        if (whiteLine(window, 290, top, 15, true) && whiteLine(window, 290, top, 70, false)) return line;
    }
    return 0;
}

void RealWindow::chooseMenuLine(const std::string& window, int line) {
    for (int attempt = 0; attempt < 20; ++attempt) {
        const std::optional<Picture> picture = display.capture(window);
        const int current = picture ? menuLine(*picture) : 0;
        ASSERT_NE(current, 0) << "the menu is not open";
        if (current == line) return;
        // The menu moves the frame one line per press it sees, then rests
        // 110 ms: a press of 30 ms moves it once, or not at all on a busy
        // machine, which the next look finds.
        display.tap(current < line ? "Down" : "Up", 0.03);
        lookFor(
            window, [&](const Picture& p) { return menuLine(p) != current; }, 2.0);
    }
    FAIL() << "the menu's frame did not reach line " << line;
}

}  // namespace realwindow
