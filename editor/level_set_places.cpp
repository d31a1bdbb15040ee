// level_set_places.cpp — what the editor does to its level set: the places
// filled, edited, emptied, moved and named, a set begun, opened, proved and
// saved. Nothing here draws; the set's screen shows the outcome.
//
// The level being edited may stand in a place (editor.setPlace). Its
// changes reach the place whenever the set is looked at or saved, and when
// another level takes its place in the editor; a changed place loses its
// way to the door, which the check before the next save finds anew.
//
// Writes: editor.set, setName, setPlace, setChanged, setCursor; editor.level,
// fileName, the cursor and view, the history (editPlace through takeLevel;
// saveSet marks the level saved).
#include "editor/level_set.h"

#include "editor/commands.h"
#include "editor/editor_state.h"

#include "common/language.h"
#include "common/solver.h"
#include "common/wizard_walk.h"
#include "platform/platform.h"

#include <algorithm>
#include <memory>
#include <utility>

namespace {

constexpr const char* kListHeader = trMark("Sammlungen in Data:");

bool validPlace(int n) { return n >= 1 && n <= kLevelCount; }

SetLabyrinth& place(int n) { return editor.set.labyrinths[static_cast<std::size_t>(n - 1)]; }

// A name as the set keeps it: cut to its length, a double quote made an
// apostrophe (a text field cannot hold one).
std::string setText(const std::string& typed) {
    std::string text = typed.substr(0, static_cast<std::size_t>(kMaxSetText));
    std::replace(text.begin(), text.end(), '"', '\'');
    return text;
}

// A demonstration was recorded on the labyrinth its place held: one that
// takes another labyrinth's place, or an emptied place, loses it.
void dropDemonstrationsOf(int n) {
    std::erase_if(editor.set.demonstrations, [n](const SetDemonstration& demo) { return demo.place == n; });
}

PlaceProof prove(SetLabyrinth& labyrinth) {
    labyrinth.route.clear();
    if (isEmptyPlace(labyrinth)) return PlaceProof::Empty;
    if (labyrinth.level.playerX == 0 && labyrinth.level.playerY == 0) return PlaceProof::NoStart;
    // The level as the game plays it; its way is walked on the same.
    auto level = std::make_unique<LevelData>(labyrinth.level);
    makeLevelSafe(*level);
    SolverOptions options;
    options.stateLimit = kLevelCheckStates;
    SolverResult result = solveLevel(*level, options);
    if (result.finished && !result.route.empty()) {
        labyrinth.route = std::move(result.route);
        return PlaceProof::Proven;
    }
    return result.complete ? PlaceProof::Unreachable : PlaceProof::Undecided;
}

// What a place's finding is called in the report.
const char* proofWord(PlaceProof proof) {
    switch (proof) {
        case PlaceProof::Empty: return tr("leer");
        case PlaceProof::NoStart: return tr("kein Start");
        case PlaceProof::Unreachable: return tr("T\x81r nicht erreichbar");
        case PlaceProof::Undecided:
            return tr("zu gro\xE1 f\x81r die Pr\x81"
                      "fung");
        case PlaceProof::Proven: break;
    }
    return "";
}

}  // namespace

void syncSetPlace() {
    if (!validPlace(editor.setPlace)) return;
    SetLabyrinth& here = place(editor.setPlace);
    if (here.level == editor.level) return;
    here.level = editor.level;
    here.route.clear();
    editor.setChanged = 1;
}

void leaveSetPlace() {
    syncSetPlace();
    editor.setPlace = 0;
}

bool setHasUnsavedChanges() {
    return editor.setChanged != 0 || (validPlace(editor.setPlace) && !(place(editor.setPlace).level == editor.level));
}

void putLevelIntoPlace(int n) {
    if (!validPlace(n)) return;
    syncSetPlace();
    SetLabyrinth& here = place(n);
    here.level = editor.level;
    here.name = setText(editor.fileName.empty() ? trFormat("Labyrinth {0}", {n}) : editor.fileName);
    here.route.clear();
    dropDemonstrationsOf(n);
    editor.setPlace = n;
    editor.setChanged = 1;
}

void editPlace(int n) {
    if (!validPlace(n)) return;
    leaveSetPlace();
    takeLevel(place(n).level);
    editor.fileName = place(n).name;
    editor.setPlace = n;
    // The level as made safe for editing is what the place holds from now
    // on; only a later change marks the set changed.
    if (!(place(n).level == editor.level)) {
        place(n).level = editor.level;
        if (!place(n).route.empty() && !routeReachesDoor(editor.level, place(n).route)) place(n).route.clear();
    }
}

void emptyPlace(int n) {
    if (!validPlace(n)) return;
    syncSetPlace();
    place(n) = SetLabyrinth{};
    dropDemonstrationsOf(n);
    if (editor.setPlace == n) editor.setPlace = 0;
    editor.setChanged = 1;
}

void movePlace(int n, int by) {
    const int other = n + by;
    if (!validPlace(n) || !validPlace(other) || (by != 1 && by != -1)) return;
    std::swap(place(n), place(other));
    if (editor.setPlace == n) {
        editor.setPlace = other;
    } else if (editor.setPlace == other) {
        editor.setPlace = n;
    }
    if (editor.setCursor == n) editor.setCursor = other;
    // The set's demonstrations go on being played on their labyrinths.
    for (SetDemonstration& demo : editor.set.demonstrations) {
        if (demo.place == n) {
            demo.place = other;
        } else if (demo.place == other) {
            demo.place = n;
        }
    }
    editor.setChanged = 1;
}

void renamePlace(int n, const std::string& name) {
    if (!validPlace(n)) return;
    place(n).name = setText(name);
    if (editor.setPlace == n) editor.fileName = place(n).name;
    editor.setChanged = 1;
}

void newSet(const std::string& title, const std::string& author) {
    leaveSetPlace();
    editor.set = emptyLevelSet(setText(title), setText(author));
    editor.setName.clear();
    editor.setCursor = 1;
    editor.setChanged = title.empty() && author.empty() ? 0 : 1;
}

void nameSet(const std::string& title, const std::string& author) {
    if (setText(title) == editor.set.title && setText(author) == editor.set.author) return;
    editor.set.title = setText(title);
    editor.set.author = setText(author);
    editor.setChanged = 1;
}

bool openSet(const std::string& name, std::string& refusal) {
    auto set = std::make_unique<LevelSet>();
    if (!readLevelSet(levelSetPath(name), *set, refusal)) return false;
    leaveSetPlace();
    editor.set = std::move(*set);
    editor.setName = name;
    editor.setCursor = 1;
    editor.setChanged = 0;
    return true;
}

std::vector<PlaceProof> proveSet(void (*searching)(int n)) {
    syncSetPlace();
    std::vector<PlaceProof> proofs;
    for (int n = 1; n <= kLevelCount; ++n) {
        if (searching != nullptr) searching(n);
        proofs.push_back(prove(place(n)));
    }
    return proofs;
}

std::vector<std::string> proofLines(const std::vector<PlaceProof>& proofs) {
    std::string open;
    for (std::size_t i = 0; i < proofs.size(); ++i) {
        if (proofs[i] == PlaceProof::Proven) continue;
        if (!open.empty()) open += ", ";
        open += std::to_string(i + 1) + " " + proofWord(proofs[i]);
    }
    if (open.empty()) return {tr("Bewiesen: jedes der acht Labyrinthe ist schaffbar.")};
    return {trFormat("Nicht bewiesen: {0}.", {open}),
            tr("Gespeichert und spielbar ist sie trotzdem, im Spiel nur ohne \xFB.")};
}

bool saveSet(const std::string& name, std::vector<PlaceProof>& proofs, void (*searching)(int n)) {
    if (name == kShippedSetName) return false;
    proofs = proveSet(searching);
    if (!writeLevelSet(levelSetPath(name), editor.set)) return false;
    editor.setName = name;
    editor.setChanged = 0;
    if (validPlace(editor.setPlace)) markSaved();
    return true;
}

std::vector<std::string> setFileListLines() {
    std::vector<DataFileEntry> files = listDataFiles(kLevelSetExtension);
    std::sort(files.begin(), files.end(), [](const DataFileEntry& a, const DataFileEntry& b) { return a.name < b.name; });
    std::vector<std::string> names;
    for (const DataFileEntry& file : files) names.push_back(file.name);
    return nameListLines(tr(kListHeader), names);
}
