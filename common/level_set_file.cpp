// level_set_file.cpp — the one reader and the one writer of a level set file
// (layout in level_set.h), field by field on file number 1; the labyrinths'
// values walked by forEachLevelValue, as the level file walks them.
//
// The reader trusts nothing: every value must be a whole number in 32 bits,
// every word of the layout must stand where it belongs, every count is
// checked before anything is read or kept by it, and the first fault ends
// the reading with a German sentence naming it. The set handed in changes
// only when the whole file was read without one.
#include "common/level_set.h"

#include "common/wizard_walk.h"
#include "platform/platform.h"

#include <charconv>
#include <memory>
#include <string_view>

namespace {

constexpr int kFile = 1;

// The words of the layout, each written once here.
constexpr const char* kMagic = "Zauberlabyrinth-Sammlung";
constexpr const char* kTitleWord = "Titel";
constexpr const char* kAuthorWord = "Autor";
constexpr const char* kPlacesWord = "Labyrinthe";
constexpr const char* kClosingWord = "Ende";
constexpr const char* kDemosWord = "Demos";
constexpr const char* kPlaceWord = "Labyrinth";
constexpr const char* kRouteWord = "Weg";
constexpr const char* kDemoWord = "Demo";
constexpr const char* kEndWord = "Schluss";

// Fields read after "Schluss" to find data a set does not hold; blank lines
// at the end of a file, as an editor may leave them, give empty fields.
constexpr int kTrailingLooks = 4;
// Characters of a strange field quoted in a refusal.
constexpr std::size_t kQuotedField = 16;

constexpr int kFirstCommand = static_cast<int>(Command::Up);
constexpr int kLastCommand = static_cast<int>(Command::Action);

// A field as a refusal may quote it: cut short, control characters shown as '?'.
std::string quoted(const std::string& field) {
    std::string shown = field.substr(0, kQuotedField);
    for (char& c : shown) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7F) c = '?';
    }
    return "\"" + shown + (field.size() > kQuotedField ? "...\"" : "\"");
}

bool hasControlCharacter(const std::string& text) {
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7F) return true;
    }
    return false;
}

// "Labyrinth 3", "Demo 2": the part of the file a fault lies in.
std::string part(const char* word, int n) { return std::string(word) + " " + std::to_string(n); }

// Reads the fields of one set from the current source and keeps the first
// fault.
class SetReader {
public:
    bool failed() const { return !refusal_.empty(); }
    const std::string& refusal() const { return refusal_; }

    void fail(const std::string& text) {
        if (refusal_.empty()) refusal_ = text;
    }

    std::string field() { return failed() ? std::string() : readStringField(); }

    // A whole number; `where` names the part for the refusal.
    int number(const std::string& where) {
        if (failed()) return 0;
        std::string text = readStringField();
        while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.pop_back();
        if (text.empty()) {
            fail("Die Datei ist abgeschnitten oder besch\x84" "digt: in " + where + " fehlt ein Wert.");
            return 0;
        }
        int value = 0;
        const char* first = text.data();
        const char* last = text.data() + text.size();
        const auto [end, error] = std::from_chars(first, last, value);
        if (error != std::errc() || end != last) {
            fail("Die Datei ist besch\x84" "digt: in " + where + " steht " + quoted(text) +
                 ", wo eine Zahl hingeh\x94rt.");
            return 0;
        }
        return value;
    }

    // A number that must lie in lowest..highest; `outside` is the refusal
    // when it does not, made from the number read.
    template <typename Outside>
    int count(const std::string& where, int lowest, int highest, Outside outside) {
        const int value = number(where);
        if (!failed() && (value < lowest || value > highest)) fail(outside(std::to_string(value)));
        return value;
    }

    // The word of the layout that must come next; `missing` names the part
    // that begins with it.
    void word(const char* expected, const std::string& missing) {
        if (failed()) return;
        const std::string text = readStringField();
        if (text == expected) return;
        if (text.empty()) {
            fail("Die Datei ist abgeschnitten: " + missing + " fehlt.");
        } else {
            fail("Die Datei ist besch\x84" "digt: wo " + missing + " beginnen sollte, steht " + quoted(text) + ".");
        }
    }

    // A title, an author or a name.
    std::string text(const char* what) {
        if (failed()) return "";
        std::string value = readStringField();
        if (value.size() > static_cast<std::size_t>(kMaxSetText)) {
            fail(std::string(what) + " ist zu lang: h\x94" "chstens " + std::to_string(kMaxSetText) + " Zeichen.");
        } else if (hasControlCharacter(value)) {
            fail(std::string(what) + " enth\x84lt Steuerzeichen.");
        }
        return value;
    }

    void level(LevelData& level, const std::string& where) {
        forEachLevelValue(level, [&](int& value, bool) { value = number(where); });
    }

private:
    std::string refusal_;
};

void readHeader(SetReader& in, LevelSet& set, int& closingScenes, int& demonstrations) {
    const std::string magic = in.field();
    if (magic != kMagic) {
        in.fail(std::string("Keine Sammlung: die Datei beginnt nicht mit \"") + kMagic + "\".");
        return;
    }
    const int format = in.number("der ersten Zeile");
    if (!in.failed() && format > kLevelSetFormat) {
        in.fail("Die Sammlung hat Format " + std::to_string(format) + "; dieses Spiel liest Format " +
                std::to_string(kLevelSetFormat) + ". Eine neuere Version des Spiels liest sie.");
    } else if (!in.failed() && format < kLevelSetFormat) {
        in.fail("Die Sammlung nennt ein unbekanntes Format (" + std::to_string(format) + ").");
    }
    in.word(kTitleWord, "der Titel");
    set.title = in.text("Der Titel");
    in.word(kAuthorWord, "der Autor");
    set.author = in.text("Der Autorname");
    in.word(kPlacesWord, "die Zahl der Labyrinthe");
    in.count("der Kopfzeile", kLevelCount, kLevelCount, [](const std::string& n) {
        return "Eine Sammlung hat " + std::to_string(kLevelCount) + " Labyrinthe, diese nennt " + n + ".";
    });
    in.word(kClosingWord, "die Angabe zum Schlussbild");
    closingScenes = in.count("der Kopfzeile", 0, 1, [](const std::string& n) {
        return "Die Angabe zum Schlussbild ist 0 oder 1, nicht " + n + ".";
    });
    in.word(kDemosWord, "die Zahl der Demos");
    demonstrations = in.count("der Kopfzeile", 0, kMaxSetDemonstrations, [](const std::string& n) {
        return "Eine Sammlung bringt 0 bis " + std::to_string(kMaxSetDemonstrations) + " Demos mit, diese nennt " + n +
               ".";
    });
}

// Reads the word and the number that open part n of its kind ("Labyrinth",
// 3) and says where the reader is, for the faults that follow.
std::string readPartHead(SetReader& in, const char* word, int n) {
    const std::string where = part(word, n);
    in.word(word, where);
    const int number = in.number(where);
    if (!in.failed() && number != n) {
        in.fail("Die Datei ist besch\x84" "digt: statt " + where + " steht dort " + part(word, number) + ".");
    }
    return where;
}

void readPlace(SetReader& in, SetLabyrinth& place, int n) {
    const std::string where = readPartHead(in, kPlaceWord, n);
    place.name = in.text(("Der Name von " + where).c_str());
    in.word(kRouteWord, "der Weg von " + where);
    const int steps = in.count(where, 0, kMaxRouteCommands, [&](const std::string& n) {
        return "Der Weg von " + where + " hat " + n + " Schritte; erlaubt sind 0 bis " +
               std::to_string(kMaxRouteCommands) + ".";
    });
    place.route.clear();
    for (int k = 0; k < steps && !in.failed(); ++k) {
        const int code = in.number("dem Weg von " + where);
        if (!in.failed() && (code < kFirstCommand || code > kLastCommand)) {
            in.fail("Der Weg von " + where + " enth\x84lt den Befehl " + std::to_string(code) + " (erlaubt sind " +
                    std::to_string(kFirstCommand) + " bis " + std::to_string(kLastCommand) + ").");
        }
        place.route.push_back(static_cast<Command>(code));
    }
    in.level(place.level, where);
}

void readDemonstration(SetReader& in, SetDemonstration& demo, int k) {
    const std::string where = readPartHead(in, kDemoWord, k);
    demo.place = in.count(where, 1, kLevelCount, [&](const std::string& n) {
        return where + " soll auf Labyrinth " + n + " laufen; es gibt nur 1 bis " + std::to_string(kLevelCount) + ".";
    });
    demo.moves[0] = 0;
    for (int m = 1; m <= kRecordingMoves; ++m) demo.moves[m] = in.number(where);
}

void readEnd(SetReader& in) {
    in.word(kEndWord, "das Schlusswort \"Schluss\"");
    for (int k = 0; k < kTrailingLooks && !in.failed(); ++k) {
        if (!in.field().empty()) in.fail("Die Datei ist zu lang: nach \"Schluss\" folgen weitere Daten.");
    }
}

}  // namespace

LevelSet emptyLevelSet(const std::string& title, const std::string& author) {
    LevelSet set;
    set.title = title;
    set.author = author;
    set.labyrinths.resize(kLevelCount);
    return set;
}

bool isEmptyPlace(const SetLabyrinth& place) {
    static const LevelData kEmpty{};
    return place.name.empty() && place.level == kEmpty;
}

bool isProven(const LevelSet& set) {
    if (set.labyrinths.size() != static_cast<std::size_t>(kLevelCount)) return false;
    for (const SetLabyrinth& place : set.labyrinths) {
        if (place.route.empty()) return false;
    }
    return true;
}

std::string levelSetPath(const std::string& name) { return "Data\\" + name + kLevelSetExtension; }

bool writeLevelSet(const std::string& path, const LevelSet& set) {
    if (set.labyrinths.size() != static_cast<std::size_t>(kLevelCount) || set.closingScene.size() > 1 ||
        set.demonstrations.size() > static_cast<std::size_t>(kMaxSetDemonstrations)) {
        return false;
    }
    const auto writeLevel = [](const LevelData& level) {
        forEachLevelValue(level, [](int value, bool lineEnd) { writeIntField(kFile, value, lineEnd); });
    };
    openFile(path, FileMode::Output, kFile);
    writeStringField(kFile, kMagic, false);
    writeIntField(kFile, kLevelSetFormat, true);
    writeStringField(kFile, kTitleWord, false);
    writeStringField(kFile, set.title, true);
    writeStringField(kFile, kAuthorWord, false);
    writeStringField(kFile, set.author, true);
    writeStringField(kFile, kPlacesWord, false);
    writeIntField(kFile, kLevelCount, false);
    writeStringField(kFile, kClosingWord, false);
    writeIntField(kFile, static_cast<int>(set.closingScene.size()), false);
    writeStringField(kFile, kDemosWord, false);
    writeIntField(kFile, static_cast<int>(set.demonstrations.size()), true);
    for (int n = 1; n <= kLevelCount; ++n) {
        const SetLabyrinth& place = set.labyrinths[static_cast<std::size_t>(n - 1)];
        writeStringField(kFile, kPlaceWord, false);
        writeIntField(kFile, n, false);
        writeStringField(kFile, place.name, true);
        writeStringField(kFile, kRouteWord, false);
        const std::size_t steps = place.route.size();
        writeIntField(kFile, static_cast<int>(steps), steps == 0);
        for (std::size_t k = 0; k < steps; ++k) {
            writeIntField(kFile, static_cast<int>(place.route[k]), k + 1 == steps);
        }
        writeLevel(place.level);
    }
    for (const LevelData& scene : set.closingScene) {
        writeStringField(kFile, kClosingWord, true);
        writeLevel(scene);
    }
    int k = 0;
    for (const SetDemonstration& demo : set.demonstrations) {
        writeStringField(kFile, kDemoWord, false);
        writeIntField(kFile, ++k, false);
        writeIntField(kFile, demo.place, true);
        for (int m = 1; m <= kRecordingMoves; ++m) writeIntField(kFile, demo.moves[m], m == kRecordingMoves);
    }
    writeStringField(kFile, kEndWord, true);
    return closeFile(kFile);
}

bool readLevelSetFields(LevelSet& set, std::string& refusal) {
    SetReader in;
    auto read = std::make_unique<LevelSet>(emptyLevelSet());
    int closingScenes = 0;
    int demonstrations = 0;
    readHeader(in, *read, closingScenes, demonstrations);
    for (int n = 1; n <= kLevelCount && !in.failed(); ++n) {
        readPlace(in, read->labyrinths[static_cast<std::size_t>(n - 1)], n);
    }
    if (closingScenes == 1 && !in.failed()) {
        in.word(kClosingWord, "das Schlussbild");
        read->closingScene.resize(1);
        in.level(read->closingScene.front(), "dem Schlussbild");
    }
    for (int k = 1; k <= demonstrations && !in.failed(); ++k) {
        read->demonstrations.emplace_back();
        readDemonstration(in, read->demonstrations.back(), k);
    }
    readEnd(in);
    if (in.failed()) {
        refusal = in.refusal();
        return false;
    }
    // A way that does not reach the door (the labyrinth was changed by hand
    // since, or the file lies) proves nothing: the place counts as unproven.
    for (SetLabyrinth& place : read->labyrinths) {
        if (!place.route.empty() && !routeReachesDoor(place.level, place.route)) place.route.clear();
    }
    set = std::move(*read);
    return true;
}

bool readLevelSet(const std::string& path, LevelSet& set, std::string& refusal) {
    openFile(path, FileMode::Input, kFile);
    beginFieldRead(kFile);
    const bool read = readLevelSetFields(set, refusal);
    if (!closeFile(kFile)) {
        refusal = "Datei nicht gefunden.";
        return false;
    }
    return read;
}
