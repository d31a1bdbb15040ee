// file_replace.h — the one way a file of ours is replaced: the new content
// never overwrites the old copy, it takes its place once it is complete.
//
// The new content is written to a scratch file in the same folder, hidden
// (".<name>.tmp-<process id>"), which is synced to disk and renamed over the
// real name; then the folder is synced, so the rename itself survives a
// power cut. Until the rename the old file stays as it was; a replacement
// that fails or is abandoned removes its scratch file. A scratch file left by
// a process that was killed before its rename is removed by the next
// replacement of the same file, and being hidden it is never taken for a
// file of the player's meanwhile. The replacement keeps the permissions of
// the file it replaces.
//
// Used by the data-file writer (data_files.cpp), the preparing of the
// player's folder (game_folder.cpp) and the tools that write pictures and
// sounds (tools/image). Paths are host paths ("/" as separator).
#pragma once

#include <string>
#include <string_view>

namespace core {

// Whether the new file may take the place of one already there.
enum class Place {
    Replace,  // yes: the file is replaced
    OnlyNew,  // only where nothing stands: a file that took the name meanwhile stays
};

// One replacement of one file, from begin to commit; dropped when abandoned
// or destroyed before its commit.
class FileReplacement {
public:
    // How begin went.
    enum class Start {
        Started,   // the scratch file is open for writing
        NoFolder,  // the target's folder does not exist
        Failed,    // the scratch file could not be made (a read-only folder, say)
    };

    FileReplacement() = default;
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;
    ~FileReplacement() { abandon(); }

    // Starts replacing `target`: makes its scratch file. A replacement still
    // running is abandoned first.
    Start begin(const std::string& target);
    // Adds bytes to the new content; false once any write has failed, after
    // which commit refuses.
    bool write(std::string_view bytes);
    // Adds the target's present content (for appending to it); true also
    // when there is no target yet, false when it exists and could not be
    // copied completely.
    bool copyTarget();
    // Puts the new file in place: true when it now stands under the real
    // name; otherwise the old file is untouched and the scratch file gone.
    bool commit(Place place = Place::Replace);
    // Drops the new content; the old file stays.
    void abandon();
    // Between a successful begin and the commit or abandon.
    bool running() const { return fd_ >= 0; }
    // The file being replaced, as given to begin.
    const std::string& target() const { return target_; }

private:
    int fd_ = -1;          // the scratch file while running
    std::string scratch_;  // its path
    std::string target_;   // the file it replaces
    bool failed_ = false;  // a write or the copy went wrong
};

// Replaces `target` with `bytes` in one go, as FileReplacement does; true
// when the new file stands in place.
bool replaceFile(const std::string& target, std::string_view bytes, Place place = Place::Replace);

}  // namespace core
