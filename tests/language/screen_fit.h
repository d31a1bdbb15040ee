// screen_fit.h — does a screen still fit in another language?
//
// A screen is drawn twice from the same start, in German and in the other
// language, on the headless backend, which keeps every text printed
// (headless::printedTexts). The two runs print the same texts in the same
// order, each translation in place of its German; then, text by text:
//   - the translation stays inside the box that holds its German text (the
//     smallest of the boxes the test names for the screen: the menu's frame
//     of a line, a field of the status line, a panel), and no German text
//     may stand outside every box;
//   - two texts of a row that do not touch in German do not touch in the
//     translation, and a text that covers an earlier one in German (to wipe
//     it) covers it in the translation too, unless a picture drawn between
//     them (an image, a page cleared) wiped the earlier one already;
//   - no translation is cut where its German was not (common/text_fit.h);
//   - a text with German words that comes out the same in the translation
//     is one the catalogue leaves as it is, or a name from the screen's
//     data: otherwise it was not looked up at all.
// A fault names the screen and the text. With ZL_LANGUAGE_PICTURES set to a
// folder, every screen is written there as <screen>-<language>.png, to be
// looked at: as it stands at the end, or for a screen that closes itself
// (a panel, a dialog) at a moment while it is open.
#pragma once

#include "common/catalogue_table.h"
#include "common/language.h"
#include "common/text_fit.h"
#include "platform/headless/headless.h"
#include "platform/platform.h"
#include "tools/image/image_files.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <vector>

namespace fit {

// A rectangle of the text grid, rows and columns from 1, both ends inside.
struct Box {
    int top, bottom, left, right;
    std::string name;  // how a fault names it: "the frame of line 5"
};

// What a screen printed in one language.
struct Shown {
    std::vector<headless::PrintedText> texts;
    std::vector<headless::PictureDrawn> pictures;
    long long cuts = 0;   // texts fitToWidth cut
    std::string lastCut;  // the last of them
};

// The run of `draw` in the language with index `language`: `prepare` sets up
// the same start for every language (a fresh headless backend, the record,
// the files), then the language is chosen and `draw` shows the screen. The
// picture is taken `pictureAt` seconds into `draw`, or at its end when
// that is below 0.
inline Shown showIn(int language, const std::string& screen, const std::function<void()>& prepare,
                    const std::function<void()>& draw, double pictureAt = -1) {
    prepare();
    chooseLanguageIndex(language);
    textFit = TextFitState{};
    headless::clearPrintedTexts();
    headless::keepPrintedTexts(true);
    const char* folder = std::getenv("ZL_LANGUAGE_PICTURES");
    std::vector<Colour> picture;
    if (folder != nullptr && pictureAt >= 0) {
        const double at = headless::clock() + pictureAt;
        headless::setWatcher([at, &picture] {
            const Colour* page = headless::pagePixels(0);
            if (picture.empty() && headless::clock() >= at && page)
                picture.assign(page, page + kScreenWidth * kScreenHeight);
        });
    }
    draw();
    headless::setWatcher({});
    headless::keepPrintedTexts(false);
    Shown shown{headless::printedTexts(), headless::picturesDrawn(), textFit.cuts, textFit.lastCut};
    if (folder != nullptr) {
        std::string name = screen;
        for (char& c : name) {
            if (!std::isalnum(static_cast<unsigned char>(c))) c = '-';
        }
        const std::filesystem::path path = std::filesystem::path(folder) / (name + "-" + languageCode(language) + ".png");
        const Colour* pixels = picture.empty() ? headless::pagePixels(0) : picture.data();
        imagefile::writePng(imagefile::Canvas::copyOf(kScreenWidth, kScreenHeight, pixels), path.string());
    }
    chooseLanguageIndex(kGerman);
    return shown;
}

struct Span {
    int page, row, first, last;
};
inline Span spanOf(const headless::PrintedText& text) {
    return {text.page, text.row, text.column, text.column + static_cast<int>(text.text.size()) - 1};
}
inline bool inside(const Span& span, const Box& box) {
    return span.row >= box.top && span.row <= box.bottom && span.first >= box.left && span.last <= box.right;
}
inline bool touch(const Span& a, const Span& b) {
    return a.page == b.page && a.row == b.row && a.first <= b.last && b.first <= a.last;
}
inline bool covers(const Span& later, const Span& earlier) {
    return later.page == earlier.page && later.row == earlier.row && later.first <= earlier.first &&
           later.last >= earlier.last;
}

// German words: three letters in a row, one of them small (a, ä, ß ...).
inline bool hasGermanWords(const std::string& cp437) {
    int run = 0;
    bool small = false;
    for (const char c : cp437) {
        const auto u = static_cast<unsigned char>(c);
        const bool letter = std::isalpha(u) || u == 0x81 || u == 0x84 || u == 0x94 || u == 0x8E || u == 0x99 ||
                            u == 0x9A || u == 0xE1;
        const bool isSmall = std::islower(u) || u == 0x81 || u == 0x84 || u == 0x94 || u == 0xE1;
        if (!letter) {
            run = 0;
            small = false;
            continue;
        }
        ++run;
        small = small || isSmall;
        if (run >= 3 && small) return true;
    }
    return false;
}

// A German text the catalogue of `language` keeps as it is ("Labyrinth:").
inline bool keptAsItIs(int language, const std::string& text) {
    if (language < 1) return true;
    for (const CatalogueEntry& entry : kCatalogues[static_cast<std::size_t>(language - 1)].entries) {
        if (text == entry.german) return std::strcmp(entry.german, entry.text) == 0;
    }
    return false;
}

inline std::string shownText(const std::string& cp437) {
    std::string shown(1, '"');
    shown += textForHost(cp437);
    shown += '"';
    return shown;
}

// A picture drawn after text j and up to text k over a part of text j.
inline bool wipedBetween(const Shown& shown, std::size_t j, std::size_t k) {
    const headless::PrintedText& text = shown.texts[j];
    const int x1 = 8 * (text.column - 1);
    const int x2 = x1 + 8 * static_cast<int>(text.text.size()) - 1;
    const int y1 = text.cellHeight * (text.row - 1);
    const int y2 = y1 + text.cellHeight - 1;
    for (const headless::PictureDrawn& p : shown.pictures) {
        if (p.afterTexts > j && p.afterTexts <= k && p.page == text.page && p.x1 <= x2 && x1 <= p.x2 && p.y1 <= y2 &&
            y1 <= p.y2) {
            return true;
        }
    }
    return false;
}

// Every check of the comment above, for one screen in one language.
inline void expectFits(const std::string& screen, int language, const std::vector<Box>& boxes, const Shown& german,
                       const Shown& translated, const std::set<std::string>& data = {}) {
    const std::string where = textForHost(screen) + " (" + languageCode(language) + "): ";
    ASSERT_EQ(translated.texts.size(), german.texts.size()) << where << "prints another number of texts than in German";
    for (std::size_t k = 0; k < german.texts.size(); ++k) {
        const headless::PrintedText& g = german.texts[k];
        const headless::PrintedText& t = translated.texts[k];
        const Span gs = spanOf(g);
        const Span ts = spanOf(t);
        // A text printed on after another (a count after its label, a typed
        // name after its prompt) may begin further right or left.
        ASSERT_TRUE(gs.page == ts.page && gs.row == ts.row)
            << where << shownText(t.text) << " stands on another row than its German " << shownText(g.text);
        const Box* box = nullptr;
        for (const Box& candidate : boxes) {
            const int area = (candidate.bottom - candidate.top + 1) * (candidate.right - candidate.left + 1);
            if (inside(gs, candidate) &&
                (box == nullptr || area < (box->bottom - box->top + 1) * (box->right - box->left + 1))) {
                box = &candidate;
            }
        }
        if (box == nullptr) {
            ADD_FAILURE() << where << "the German " << shownText(g.text) << " (row " << gs.row << ", columns "
                          << gs.first << ".." << gs.last << ") lies in none of the screen's boxes";
            continue;
        }
        EXPECT_TRUE(inside(ts, *box)) << where << shownText(t.text) << " reaches column " << ts.last << ", beyond "
                                      << box->name << " (columns " << box->left << ".." << box->right
                                      << "), which holds its German " << shownText(g.text);
        if (t.text == g.text && hasGermanWords(g.text)) {
            EXPECT_TRUE(keptAsItIs(language, g.text) || data.count(g.text) != 0)
                << where << shownText(g.text) << " is shown untranslated";
        }
        for (std::size_t j = 0; j < k; ++j) {
            if (wipedBetween(german, j, k) || wipedBetween(translated, j, k)) continue;
            const Span gj = spanOf(german.texts[j]);
            const Span tj = spanOf(translated.texts[j]);
            if (!touch(gs, gj)) {
                EXPECT_FALSE(touch(ts, tj)) << where << shownText(t.text) << " runs into "
                                            << shownText(translated.texts[j].text) << " in row " << ts.row;
            } else if (covers(gs, gj)) {
                EXPECT_TRUE(covers(ts, tj)) << where << shownText(t.text) << " no longer covers "
                                            << shownText(translated.texts[j].text) << " in row " << ts.row;
            }
        }
    }
    EXPECT_LE(translated.cuts, german.cuts) << where << shownText(translated.lastCut) << " is cut to fit its field";
}

// Names of keys that are the same in every language.
inline const std::set<std::string> kKeyNames = {"Esc", "Tab", "Enter", "Joystick, Gamepad"};

// The screen in German and in every other language, checked; `data` the
// texts it shows that are no words of the programs (names, files). Returns
// what it showed in German.
inline Shown checkScreen(const std::string& screen, const std::vector<Box>& boxes, const std::function<void()>& prepare,
                         const std::function<void()>& draw, std::set<std::string> data = {}, double pictureAt = -1) {
    data.insert(kKeyNames.begin(), kKeyNames.end());
    const Shown german = showIn(kGerman, screen, prepare, draw, pictureAt);
    EXPECT_FALSE(german.texts.empty()) << textForHost(screen) << " prints nothing";
    for (int language = 1; language < languageCount(); ++language) {
        SCOPED_TRACE(textForHost(screen));
        expectFits(screen, language, boxes, german, showIn(language, screen, prepare, draw, pictureAt), data);
    }
    return german;
}

// The screen printed a text that begins so (code page 437): the script of
// keys reached it.
inline bool showed(const Shown& shown, const std::string& beginning) {
    for (const headless::PrintedText& text : shown.texts) {
        if (text.text.rfind(beginning, 0) == 0) return true;
    }
    return false;
}

}  // namespace fit
