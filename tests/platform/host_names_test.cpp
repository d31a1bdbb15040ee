// Every file the programs name is found the same way, whatever reads it: a
// name in code page 437 with "\" is the host's file of the UTF-8 name with
// "/" (a friend's level "grün" is the file a shell shows as grün), and a
// name that leads out of the program's folder names no file. Pictures,
// sounds and data files alike.
#include "platform/headless/headless.h"
#include "platform/platform.h"
#include "tests/support/scratch_dir.h"
#include "tests/support/test_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>

namespace {

// One reader of files: where it looks ("sprites", "wave", "Data"), the
// file's extension, a valid file of its kind, and whether it found the file
// named `path`.
struct Reader {
    const char* name;
    const char* folder;
    const char* extension;
    std::string bytes;
    std::function<bool(const std::string& path)> finds;
};

bool pictureFound(const std::string& path) {
    Image* image = createImage(1, 1);
    loadBmp(path, image);
    const bool found = image->pixels[0] == 0xFF102030u;
    destroyImage(image);
    return found;
}

bool soundFound(const std::string& path) {
    headless::reset();
    playSound(path);
    const std::vector<std::string> loaded = headless::soundsLoaded();
    return std::find(loaded.begin(), loaded.end(), path) != loaded.end();
}

bool dataFileFound(const std::string& path) {
    openFile(path, FileMode::Input, 1);
    beginFieldRead(1);
    const int value = readIntField();
    closeFile(1);
    return value == 42;
}

std::vector<Reader> readers() {
    std::string pixel;
    putLe(pixel, 0x102030, 3);
    pixel.push_back('\0');
    return {
        {"picture", "sprites", ".bmp", bmpFile({1, 1, 24}, pixel), pictureFound},
        {"sound", "wave", ".wav", wavFile({}, std::string(200, '\x10')), soundFound},
        {"data file", "Data", ".dat", "42\r\n", dataFileFound},
    };
}

TEST(HostNames, APictureASoundAndADataFileWithAnUmlautInTheirNameLoad) {
    for (const Reader& reader : readers()) {
        SCOPED_TRACE(reader.name);
        ScratchDir dir;
        dir.writeFile(std::string(reader.folder) + "/gr\xC3\xBCn" + reader.extension, reader.bytes);
        EXPECT_TRUE(reader.finds(std::string(reader.folder) + "\\gr\x81n" + reader.extension));
        EXPECT_TRUE(reader.finds(std::string(reader.folder) + "/gr\x81n" + reader.extension)) << "'/' serves too";
        EXPECT_FALSE(reader.finds(std::string(reader.folder) + "\\gruen" + reader.extension));
    }
}

TEST(HostNames, ANameLeadingOutOfTheProgramsFolderNamesNoFile) {
    for (const Reader& reader : readers()) {
        SCOPED_TRACE(reader.name);
        ScratchDir dir;
        const std::string file = std::string("x") + reader.extension;
        dir.writeFile(file, reader.bytes);
        std::filesystem::create_directory(dir.path() / "inner");
        std::filesystem::current_path(dir.path() / "inner");
        EXPECT_FALSE(reader.finds("..\\" + file));
        EXPECT_FALSE(reader.finds((dir.path() / file).string()));
        EXPECT_FALSE(reader.finds(std::string("x\0", 2) + reader.extension));
        std::filesystem::current_path(dir.path());
        EXPECT_TRUE(reader.finds(file)) << "the same file by a plain name";
    }
}

}  // namespace
