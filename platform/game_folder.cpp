// game_folder.cpp — the folder a program works in: a ready-to-run folder
// where there is one, else the player's own folder below the user's data
// directory, prepared from the installed files.
//
// Both programs read "sprites", "wave" and "Data" relative to the working
// directory, so choosing the folder is all it takes. An installed program
// lives in <prefix>/games (reached through a link in <prefix>/bin, or as a
// copy there) with its files in <prefix>/share/games/<name>:
//   sprites/, wave/   pictures and sounds; the player's folder links to them
//   shipped/          levels and recordings, refreshed in the player's Data
//                     where the player has not changed them
//   defaults/         files copied into the player's Data only where the
//                     player has none (the settings with the best players)
// The player's folder, <data home>/<name>, is never part of an install
// tree, not even of one in ~/.local, so installing never writes there. It
// belongs to the player, not to one installation: whichever installed
// program runs turns its "sprites" and "wave" links to its own files. The
// player's files (settings, saved games, own levels) live only there and are
// never replaced; a shipped file the player changed stays the player's
// across updates. A shipped file the player deleted comes back at the next
// start, in a ready-to-run folder from the copy in Data/.shipped that the
// build keeps; nothing the player has is replaced for it.
//
// Every step is silent on failure: what cannot be linked or copied is
// simply missing, as a missing file is everywhere else in the platform.
//
// Writes: no record; the player's folder (its links and the files brought
// into its Data) and the working directory.
#include "platform/game_folder.h"
#include "platform/file_replace.h"
#include "platform/platform.h"
#include "platform/regular_file.h"

#include <cstddef>
#include <cstdlib>
#include <string>
#include <vector>

#include <unistd.h>

namespace fs = std::filesystem;

namespace core {

namespace {

// Data files are small; anything larger than this is not a file of ours.
constexpr std::size_t kMaxCopyBytes = std::size_t{64} << 20;

// The whole content of a regular file; false when it cannot be read.
bool readWhole(const fs::path& path, std::string& bytes) {
    return readRegularFile(path.string(), kMaxCopyBytes, Oversize::Refuse, bytes) == ReadResult::Read;
}

bool somethingAt(const fs::path& path) {
    std::error_code ec;
    return fs::exists(fs::symlink_status(path, ec));
}

// Writes bytes to `to` through a file replacement, so that an interrupted
// copy never leaves half a file under the real name; with Place::OnlyNew
// only where nothing has taken the name since it was looked at.
void writeWhole(const std::string& bytes, const fs::path& to, Place place = Place::Replace) {
    replaceFile(to.string(), bytes, place);
}

bool isRegularNotLink(const fs::path& path) {
    std::error_code ec;
    return fs::is_regular_file(fs::symlink_status(path, ec));
}

// The plain files directly inside a folder, hidden ones left out.
template <class Visit>
void forEachFile(const fs::path& folder, Visit visit) {
    std::error_code ec;
    fs::directory_iterator it(folder, ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        const fs::path& path = it->path();
        const std::string name = path.filename().string();
        if (name.empty() || name.front() == '.') continue;
        std::error_code typeError;
        if (!fs::is_regular_file(it->status(typeError))) continue;
        visit(path, name);
    }
}

// `link` becomes a link to `target` unless something of the player's
// (a real folder or file) stands there. A link to somewhere else, left by an
// older install in another place, is turned to the new one.
void linkFolder(const fs::path& target, const fs::path& link) {
    std::error_code ec;
    if (!fs::is_directory(target, ec)) return;
    const fs::file_status status = fs::symlink_status(link, ec);
    if (!fs::exists(status)) {
        fs::create_directory_symlink(target, link, ec);
        return;
    }
    if (!fs::is_symlink(status)) return;
    if (fs::read_symlink(link, ec) == target && !ec) return;
    const fs::path fresh = link.string() + ".new-" + std::to_string(::getpid());
    fs::remove(fresh, ec);
    fs::create_directory_symlink(target, fresh, ec);
    if (ec) return;
    fs::rename(fresh, link, ec);
    if (ec) fs::remove(fresh, ec);
}

bool plainName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos &&
           name.find('\0') == std::string::npos;
}

fs::path absoluteFromEnvironment(const char* variable) {
    const char* value = std::getenv(variable);
    if (!value || !*value) return {};
    fs::path path(value);
    return path.is_absolute() ? path : fs::path{};
}

bool sameFolder(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    return fs::equivalent(a, b, ec) && !ec;
}

}  // namespace

fs::path userGameFolder(const std::string& folderName) {
    if (!plainName(folderName)) return {};
    fs::path base = absoluteFromEnvironment("XDG_DATA_HOME");
    if (base.empty()) {
        const fs::path home = absoluteFromEnvironment("HOME");
        if (home.empty()) return {};
        base = home / ".local" / "share";
    }
    return base / folderName;
}

bool isReadyFolder(const fs::path& folder) {
    std::error_code ec;
    return fs::is_directory(folder / "sprites", ec) && fs::is_directory(folder / "Data", ec);
}

std::vector<std::string> bringShippedFiles(const fs::path& shipped, const fs::path& data) {
    std::vector<std::string> kept;
    const fs::path records = data / kShippedRecordFolder;
    std::error_code ec;
    fs::create_directories(records, ec);
    if (!fs::is_directory(records, ec)) return kept;
    forEachFile(shipped, [&](const fs::path& source, const std::string& name) {
        std::string fresh;
        if (!readWhole(source, fresh)) return;
        const fs::path dest = data / name;
        const fs::path record = records / name;
        std::string recorded;
        const bool hasRecord = readWhole(record, recorded);
        if (!somethingAt(dest)) {
            writeWhole(fresh, dest, Place::OnlyNew);
            writeWhole(fresh, record);
            return;
        }
        // A link, a folder or anything else in a file's place is the player's.
        std::string current;
        if (!isRegularNotLink(dest) || !readWhole(dest, current)) {
            kept.push_back(name);
        } else if (current == fresh) {
            // Already the new file (also after an interrupted earlier start).
            if (!hasRecord || recorded != fresh) writeWhole(fresh, record);
        } else if (hasRecord && current == recorded) {
            writeWhole(fresh, dest);
            writeWhole(fresh, record);
        } else {
            // The player changed it: it stays, and so does the record.
            kept.push_back(name);
        }
    });
    return kept;
}

void restoreDeletedShippedFiles(const fs::path& data) {
    forEachFile(data / kShippedRecordFolder, [&](const fs::path& record, const std::string& name) {
        const fs::path dest = data / name;
        if (somethingAt(dest)) return;
        std::string bytes;
        if (readWhole(record, bytes)) writeWhole(bytes, dest, Place::OnlyNew);
    });
}

void bringDefaultFiles(const fs::path& defaults, const fs::path& data) {
    forEachFile(defaults, [&](const fs::path& source, const std::string& name) {
        const fs::path dest = data / name;
        if (somethingAt(dest)) return;
        std::string bytes;
        if (readWhole(source, bytes)) writeWhole(bytes, dest);
    });
}

void enterGameFolderFrom(const fs::path& programFolder, const std::string& folderName) {
    std::error_code ec;
    const fs::path user = userGameFolder(folderName);
    const fs::path here = fs::current_path(ec);
    // A ready-to-run folder is used as it stands; the player's own folder
    // goes on below, so that its installed files are brought up to date.
    if (!ec && isReadyFolder(here) && (user.empty() || !sameFolder(here, user))) {
        restoreDeletedShippedFiles(here / "Data");
        return;
    }
    if (!programFolder.empty() && isReadyFolder(programFolder)) {
        restoreDeletedShippedFiles(programFolder / "Data");
        fs::current_path(programFolder, ec);
        return;
    }
    if (user.empty()) return;
    fs::create_directories(user / "Data", ec);
    if (!fs::is_directory(user / "Data", ec)) return;
    const fs::path installed = programFolder.empty() ? fs::path{}
                                                     : programFolder.parent_path() / "share" / "games" / folderName;
    if (!installed.empty() && fs::is_directory(installed, ec)) {
        linkFolder(installed / "sprites", user / "sprites");
        linkFolder(installed / "wave", user / "wave");
        bringShippedFiles(installed / "shipped", user / "Data");
        bringDefaultFiles(installed / "defaults", user / "Data");
    } else {
        // No installation to bring them from: the copies kept at the last
        // one stand in for it.
        restoreDeletedShippedFiles(user / "Data");
    }
    fs::current_path(user, ec);
}

}  // namespace core

void enterGameFolder(const std::string& folderName) {
    std::error_code ec;
    const fs::path program = fs::read_symlink("/proc/self/exe", ec);
    core::enterGameFolderFrom(ec ? fs::path{} : program.parent_path(), folderName);
}
