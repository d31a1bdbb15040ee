// language_switch.cpp — F3 on the title screen: the next language, German
// after the last, remembered in Data/Sprache.dat (common/language.h).
//
// The hint names the language F3 switches to in that language's own words
// ("English" on the German screen, "Deutsch" on the English one), so that a
// player who cannot read the screen's language still finds his own.
//
// Writes: languageState.current (through chooseLanguageIndex).
#include "game/front/language_switch.h"

#include "common/language.h"
#include "game/world/command_table.h"
#include "game/world/game_constants.h"
#include "game/world/scene.h"
#include "platform/platform.h"

#include <string>

namespace {

// Status line columns 59..69, free outside a demonstration, left of the
// level sets' hint (71..84).
constexpr int kHintColumn = 59;
// TRANSLATORS: the name of the language in the language itself (English,
// Français): the title screen offers it by this name.
constexpr const char* kLanguageName = trMark("Deutsch");

}  // namespace

void printLanguageHint() {
    const GameKey* key = namedGameKey(kOnTitle, GameCommand::SwitchLanguage);
    if (key == nullptr || languageCount() < 2) return;
    setTextPos(kStatusRow, kHintColumn);
    printText(std::string(tr(key->label)) + ": " + trIn(nextLanguage(), kLanguageName), false);
}

void switchLanguage() {
    chooseLanguageIndex(nextLanguage());
    storeLanguageChoice();
    // The status line's words stand on the background page.
    renderScene();
}
