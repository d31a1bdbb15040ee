// level_set_file.cpp — the one reader and the one writer of a level set file
// (layout in level_set.h), field by field on file number 1; the labyrinths'
// values walked by forEachLevelValue, as the level file walks them.
//
// The reader trusts nothing: every value must be a whole number in 32 bits,
// every word of the layout must stand where it belongs, every count is
// checked before anything is read or kept by it, and the first fault ends
// the reading with a sentence naming it, in the language chosen: a whole
// sentence with the part of the file ("Labyrinth 3", "der Kopfzeile") put
// in as a value. The set handed in changes only when the whole file was
// read without one.
#include "common/level_set.h"

#include "common/language.h"
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
std::string placePart(int n) { return trFormat("Labyrinth {0}", {n}); }
std::string demoPart(int k) { return trFormat("Demo {0}", {k}); }

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

    // A whole number; `where` names the part for the refusal, as "in ..."
    // takes it ("der Kopfzeile", "Labyrinth 3").
    int number(const std::string& where) {
        if (failed()) return 0;
        std::string text = readStringField();
        while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.pop_back();
        if (text.empty()) {
            fail(trFormat("Die Datei ist abgeschnitten oder besch\x84"
                          "digt: in {0} fehlt ein Wert.",
                          {where}));
            return 0;
        }
        int value = 0;
        const char* first = text.data();
        const char* last = text.data() + text.size();
        const auto [end, error] = std::from_chars(first, last, value);
        if (error != std::errc() || end != last) {
            fail(trFormat("Die Datei ist besch\x84"
                          "digt: in {0} steht {1}, wo eine Zahl hingeh\x94rt.",
                          {where, quoted(text)}));
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
    // that begins with it, as the subject of a sentence ("der Titel").
    void word(const char* expected, const std::string& missing) {
        if (failed()) return;
        const std::string text = readStringField();
        if (text == expected) return;
        if (text.empty()) {
            fail(trFormat("Die Datei ist abgeschnitten: {0} fehlt.", {missing}));
        } else {
            fail(trFormat("Die Datei ist besch\x84"
                          "digt: wo {0} beginnen sollte, steht {1}.",
                          {missing, quoted(text)}));
        }
    }

    // A title, an author or a name; `what` names it as the subject of a
    // sentence ("Der Titel").
    std::string text(const std::string& what) {
        if (failed()) return "";
        std::string value = readStringField();
        if (value.size() > static_cast<std::size_t>(kMaxSetText)) {
            fail(trFormat("{0} ist zu lang: h\x94"
                          "chstens {1} Zeichen.",
                          {what, kMaxSetText}));
        } else if (hasControlCharacter(value)) {
            fail(trFormat("{0} enth\x84lt Steuerzeichen.", {what}));
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
        in.fail(trFormat("Keine Sammlung: die Datei beginnt nicht mit \"{0}\".", {kMagic}));
        return;
    }
    // TRANSLATORS: a part of the file as the sentences with "in {0}" take it.
    const int format = in.number(tr("der ersten Zeile"));
    if (!in.failed() && format > kLevelSetFormat) {
        in.fail(trFormat(
            "Die Sammlung hat Format {0}; dieses Spiel liest Format {1}. Eine neuere Version des Spiels liest sie.",
            {format, kLevelSetFormat}));
    } else if (!in.failed() && format < kLevelSetFormat) {
        in.fail(trFormat("Die Sammlung nennt ein unbekanntes Format ({0}).", {format}));
    }
    // TRANSLATORS: a part of the file as the subject inside a sentence: "Die
    // Datei ist abgeschnitten: {0} fehlt."
    in.word(kTitleWord, tr("der Titel"));
    // TRANSLATORS: the subject at the start of a sentence: "{0} ist zu lang".
    set.title = in.text(tr("Der Titel"));
    // TRANSLATORS: a part of the file as the subject inside a sentence.
    in.word(kAuthorWord, tr("der Autor"));
    // TRANSLATORS: the subject at the start of a sentence: "{0} ist zu lang".
    set.author = in.text(tr("Der Autorname"));
    // TRANSLATORS: a part of the file as the subject inside a sentence.
    in.word(kPlacesWord, tr("die Zahl der Labyrinthe"));
    // TRANSLATORS: a part of the file as the sentences with "in {0}" take it.
    const std::string header = tr("der Kopfzeile");
    in.count(header, kLevelCount, kLevelCount, [](const std::string& n) {
        return trFormat("Eine Sammlung hat {0} Labyrinthe, diese nennt {1}.", {kLevelCount, n});
    });
    in.word(kClosingWord, tr("die Angabe zum Schlussbild"));
    closingScenes = in.count(header, 0, 1, [](const std::string& n) {
        return trFormat("Die Angabe zum Schlussbild ist 0 oder 1, nicht {0}.", {n});
    });
    in.word(kDemosWord, tr("die Zahl der Demos"));
    demonstrations = in.count(header, 0, kMaxSetDemonstrations, [](const std::string& n) {
        return trFormat("Eine Sammlung bringt 0 bis {0} Demos mit, diese nennt {1}.", {kMaxSetDemonstrations, n});
    });
}

// Reads the word and the number that open a part ("Labyrinth", 3), its
// name in the player's language given by partName, and says where the
// reader is, for the faults that follow.
std::string readPartHead(SetReader& in, const char* word, int n, std::string (*partName)(int)) {
    const std::string where = partName(n);
    in.word(word, where);
    const int number = in.number(where);
    if (!in.failed() && number != n) {
        in.fail(trFormat("Die Datei ist besch\x84"
                         "digt: statt {0} steht dort {1}.",
                         {where, partName(number)}));
    }
    return where;
}

void readPlace(SetReader& in, SetLabyrinth& place, int n) {
    const std::string where = readPartHead(in, kPlaceWord, n, placePart);
    place.name = in.text(trFormat("Der Name von {0}", {where}));
    in.word(kRouteWord, trFormat("der Weg von {0}", {where}));
    const int steps = in.count(where, 0, kMaxRouteCommands, [&](const std::string& n) {
        return trFormat("Der Weg von {0} hat {1} Schritte; erlaubt sind 0 bis {2}.", {where, n, kMaxRouteCommands});
    });
    place.route.clear();
    const std::string inRoute = trFormat("dem Weg von {0}", {where});
    for (int k = 0; k < steps && !in.failed(); ++k) {
        const int code = in.number(inRoute);
        if (!in.failed() && (code < kFirstCommand || code > kLastCommand)) {
            in.fail(trFormat("Der Weg von {0} enth\x84lt den Befehl {1} (erlaubt sind {2} bis {3}).",
                             {where, code, kFirstCommand, kLastCommand}));
        }
        place.route.push_back(static_cast<Command>(code));
    }
    in.level(place.level, where);
}

void readDemonstration(SetReader& in, SetDemonstration& demo, int k) {
    const std::string where = readPartHead(in, kDemoWord, k, demoPart);
    demo.place = in.count(where, 1, kLevelCount, [&](const std::string& n) {
        return trFormat("{0} soll auf Labyrinth {1} laufen; es gibt nur 1 bis {2}.", {where, n, kLevelCount});
    });
    demo.moves[0] = 0;
    for (int m = 1; m <= kRecordingMoves; ++m) demo.moves[m] = in.number(where);
}

void readEnd(SetReader& in) {
    in.word(kEndWord, tr("das Schlusswort \"Schluss\""));
    for (int k = 0; k < kTrailingLooks && !in.failed(); ++k) {
        if (!in.field().empty()) in.fail(tr("Die Datei ist zu lang: nach \"Schluss\" folgen weitere Daten."));
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
        in.word(kClosingWord, tr("das Schlussbild"));
        read->closingScene.resize(1);
        in.level(read->closingScene.front(), tr("dem Schlussbild"));
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
        refusal = tr("Datei nicht gefunden.");
        return false;
    }
    return read;
}
