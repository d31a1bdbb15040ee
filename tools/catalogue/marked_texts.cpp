// marked_texts.cpp — the scanners of C++, JavaScript, HTML and CMake files
// for marked texts.
//
// The C++ and JavaScript scanner knows just enough of the languages to find
// a marker in code: it skips comments, string, character and template
// literals and (in JavaScript) regular expressions, so that a marker's name
// inside them is not taken for one, and reads the literals that follow a
// marker with their escapes resolved.
//
// Writes: nothing (no record; it only reads text).
#include "tools/catalogue/marked_texts.h"

#include "platform/platform.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string_view>

namespace {

enum class Language { Cpp, JavaScript };

// A marker and what its literals are.
struct Marker {
    std::string_view name;
    Language language;
    bool codePage437;  // C++ screen texts: code page 437 bytes, made UTF-8 here
};
constexpr std::array kMarkers = {
    Marker{"tr", Language::Cpp, true},
    Marker{"trMark", Language::Cpp, true},
    Marker{"trFormat", Language::Cpp, true},
    Marker{"trTerminal", Language::Cpp, false},
    Marker{"trMarkTerminal", Language::Cpp, false},
    Marker{"tr", Language::JavaScript, false},
    Marker{"trMark", Language::JavaScript, false},
    Marker{"trFormat", Language::JavaScript, false},
};

constexpr std::string_view kNoteWord = "TRANSLATORS:";

bool isIdentifierStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_' || c == '$'; }
bool isIdentifierPart(char c) { return isIdentifierStart(c) || std::isdigit(static_cast<unsigned char>(c)); }

void appendUtf8(std::string& out, unsigned long code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

class Scanner {
public:
    Scanner(const std::string& name, const std::string& text, Language language)
        : name_(name), text_(text), language_(language) {}

    std::vector<MarkedText> run() {
        while (at_ < text_.size()) step();
        return found_;
    }

private:
    const std::string& name_;
    const std::string& text_;
    Language language_;
    std::size_t at_ = 0;
    int line_ = 1;
    char lastSignificant_ = ';';  // for telling a JavaScript regular expression from a division
    std::string note_;
    int noteLine_ = 0;
    std::vector<MarkedText> found_;

    char peek(std::size_t ahead = 0) const { return at_ + ahead < text_.size() ? text_[at_ + ahead] : '\0'; }

    void advance() {
        if (text_[at_] == '\n') ++line_;
        ++at_;
    }

    void skipLineComment() {
        const std::size_t start = at_ + 2;
        while (at_ < text_.size() && text_[at_] != '\n') ++at_;
        std::string comment = text_.substr(start, at_ - start);
        const std::size_t word = comment.find(kNoteWord);
        if (word != std::string::npos) {
            note_ = collapsedBlanks(comment.substr(word + kNoteWord.size()));
            noteLine_ = line_;
        } else if (noteLine_ == line_ - 1 && !note_.empty()) {
            // A note of several comment lines goes on.
            note_ += ' ';
            note_ += collapsedBlanks(comment);
            noteLine_ = line_;
        }
    }

    void skipBlockComment() {
        at_ += 2;
        while (at_ < text_.size() && !(peek() == '*' && peek(1) == '/')) advance();
        at_ = std::min(at_ + 2, text_.size());
    }

    // Blanks and comments between the parts of a marked text.
    void skipSpace() {
        for (;;) {
            if (at_ < text_.size() && std::isspace(static_cast<unsigned char>(peek()))) {
                advance();
            } else if (peek() == '/' && peek(1) == '/') {
                skipLineComment();
            } else if (peek() == '/' && peek(1) == '*') {
                skipBlockComment();
            } else {
                return;
            }
        }
    }

    // The literal at the quote here, its escapes resolved; the bytes as
    // they stand in C++ (a "\x81" is that byte), UTF-8 in JavaScript.
    std::string literal() {
        const char quote = peek();
        std::string out;
        ++at_;
        while (at_ < text_.size() && peek() != quote && peek() != '\n') {
            char c = peek();
            ++at_;
            if (c != '\\') {
                out += c;
                continue;
            }
            c = peek();
            ++at_;
            switch (c) {
                case 'n': out += '\n'; break;
                case 't': out += '\t'; break;
                case 'r': out += '\r'; break;
                case 'a': out += '\a'; break;
                case 'b': out += '\b'; break;
                case 'f': out += '\f'; break;
                case 'v': out += '\v'; break;
                case '\n': ++line_; break;  // a line continued
                case 'x': {
                    unsigned long value = 0;
                    int digits = 0;
                    while (std::isxdigit(static_cast<unsigned char>(peek())) && (language_ == Language::Cpp || digits < 2)) {
                        value = value * 16 + static_cast<unsigned long>(std::stoi(std::string(1, peek()), nullptr, 16));
                        ++at_;
                        ++digits;
                    }
                    if (language_ == Language::Cpp) {
                        out += static_cast<char>(value & 0xFF);
                    } else {
                        appendUtf8(out, value);
                    }
                    break;
                }
                case 'u': {
                    unsigned long value = 0;
                    const bool braced = peek() == '{';
                    if (braced) ++at_;
                    for (int k = 0;
                         (braced ? peek() != '}' : k < 4) && std::isxdigit(static_cast<unsigned char>(peek())); ++k) {
                        value = value * 16 + static_cast<unsigned long>(std::stoi(std::string(1, peek()), nullptr, 16));
                        ++at_;
                    }
                    if (braced && peek() == '}') ++at_;
                    appendUtf8(out, value);
                    break;
                }
                default:
                    if (c >= '0' && c <= '7' && language_ == Language::Cpp) {
                        int value = c - '0';
                        for (int k = 0; k < 2 && peek() >= '0' && peek() <= '7'; ++k)
                            value = value * 8 + (text_[at_++] - '0');
                        out += static_cast<char>(value);
                    } else {
                        out += c;  // \" \' \\ \? and the like
                    }
            }
        }
        if (at_ < text_.size() && peek() == quote) ++at_;
        return out;
    }

    bool atLiteral() const { return peek() == '"' || (language_ == Language::JavaScript && peek() == '\''); }

    // The literals after a marker's "(", joined; false when none follows.
    bool markedLiterals(std::string& text) {
        skipSpace();
        if (!atLiteral()) return false;
        for (;;) {
            text += literal();
            skipSpace();
            if (language_ == Language::JavaScript && peek() == '+') {
                const std::size_t before = at_;
                const int beforeLine = line_;
                ++at_;
                skipSpace();
                if (atLiteral()) continue;
                at_ = before;
                line_ = beforeLine;
                return true;
            }
            if (!atLiteral()) return true;
        }
    }

    void identifier() {
        const std::size_t start = at_;
        while (at_ < text_.size() && isIdentifierPart(peek())) ++at_;
        const std::string_view word(text_.data() + start, at_ - start);
        lastSignificant_ = 'a';
        const Marker* marker = nullptr;
        for (const Marker& m : kMarkers) {
            if (m.language == language_ && m.name == word) marker = &m;
        }
        // Raw strings hold no marked text; skipped whole.
        if (language_ == Language::Cpp && peek() == '"' && !word.empty() && word.back() == 'R') {
            skipRawString();
            return;
        }
        if (marker == nullptr) return;
        const std::size_t afterName = at_;
        const int afterNameLine = line_;
        skipSpace();
        if (peek() != '(') {
            at_ = afterName;
            line_ = afterNameLine;
            return;
        }
        ++at_;
        const int line = line_;
        std::string german;
        if (!markedLiterals(german)) return;
        if (marker->codePage437) german = textForHost(german);
        const std::string note = note_;
        found_.push_back({german, language_ == Language::Cpp ? TextPlace::Program : TextPlace::Page,
                          name_ + ":" + std::to_string(line), note});
        lastSignificant_ = '"';
    }

    void skipRawString() {
        // R"delimiter( ... )delimiter"
        const std::size_t open = text_.find('(', at_);
        if (open == std::string::npos) {
            at_ = text_.size();
            return;
        }
        std::string closing(1, ')');
        closing.append(text_, at_ + 1, open - at_ - 1).push_back('"');
        std::size_t end = text_.find(closing, open);
        end = end == std::string::npos ? text_.size() : end + closing.size();
        while (at_ < end) advance();
    }

    // A JavaScript regular expression literal, from its opening slash.
    void skipRegularExpression() {
        ++at_;
        bool inClass = false;
        while (at_ < text_.size() && peek() != '\n') {
            const char c = peek();
            ++at_;
            if (c == '\\') {
                ++at_;
            } else if (c == '[') {
                inClass = true;
            } else if (c == ']') {
                inClass = false;
            } else if (c == '/' && !inClass) {
                break;
            }
        }
        while (isIdentifierPart(peek())) ++at_;  // its flags
    }

    void skipTemplateLiteral() {
        ++at_;
        while (at_ < text_.size() && peek() != '`') {
            if (peek() == '\\') ++at_;
            if (at_ < text_.size()) advance();
        }
        ++at_;
    }

    void step() {
        const char c = peek();
        // The end of a statement ends what a note to translators speaks of.
        if (c == ';') note_.clear();
        if (c == '/' && peek(1) == '/') {
            skipLineComment();
        } else if (c == '/' && peek(1) == '*') {
            skipBlockComment();
        } else if (c == '"' || (c == '\'' && language_ == Language::JavaScript)) {
            literal();
            lastSignificant_ = '"';
        } else if (c == '\'') {
            // A C++ character literal, or a digit separator (1'000).
            const bool separator = at_ > 0 && std::isxdigit(static_cast<unsigned char>(text_[at_ - 1]));
            if (separator) {
                ++at_;
            } else {
                literal();
            }
        } else if (c == '`' && language_ == Language::JavaScript) {
            skipTemplateLiteral();
        } else if (c == '/' && language_ == Language::JavaScript &&
                   std::string_view("(,=:[!&|?{};+-*%<>~^").find(lastSignificant_) != std::string_view::npos) {
            skipRegularExpression();
            lastSignificant_ = '"';
        } else if (isIdentifierStart(c)) {
            identifier();
        } else if (std::isdigit(static_cast<unsigned char>(c))) {
            while (isIdentifierPart(peek()) || peek() == '.') ++at_;
            lastSignificant_ = '0';
        } else {
            if (!std::isspace(static_cast<unsigned char>(c))) lastSignificant_ = c;
            advance();
        }
    }
};

// The attributes of a page whose values are shown or read out.
constexpr std::array<std::string_view, 4> kShownAttributes = {"aria-label", "title", "placeholder", "alt"};

void addPageText(std::vector<MarkedText>& found, const std::string& name, int line, const std::string& raw) {
    const std::string text = collapsedBlanks(raw);
    // Words: a Latin letter, or one of Latin-1 (ä, ß; lead byte 0xC3). A
    // sign alone (the arrows of the on-screen buttons) is no text.
    const bool hasLetter = std::any_of(text.begin(), text.end(), [](char c) {
        return std::isalpha(static_cast<unsigned char>(c)) || static_cast<unsigned char>(c) == 0xC3;
    });
    if (!hasLetter || text.find('@') != std::string::npos) return;
    found.push_back({text, TextPlace::Page, name + ":" + std::to_string(line), ""});
}

std::vector<MarkedText> htmlTexts(const std::string& name, const std::string& html) {
    std::vector<MarkedText> found;
    int line = 1;
    std::size_t at = 0;
    const auto lineAt = [&](std::size_t to) {
        for (; at < to; ++at) line += html[at] == '\n' ? 1 : 0;
    };
    std::size_t pos = 0;
    while (pos < html.size()) {
        const std::size_t open = html.find('<', pos);
        const std::size_t textEnd = open == std::string::npos ? html.size() : open;
        lineAt(pos);
        addPageText(found, name, line, html.substr(pos, textEnd - pos));
        if (open == std::string::npos) break;
        if (html.compare(open, 4, "<!--") == 0) {
            const std::size_t end = html.find("-->", open);
            pos = end == std::string::npos ? html.size() : end + 3;
            continue;
        }
        const std::size_t close = html.find('>', open);
        if (close == std::string::npos) break;
        const std::string tag = html.substr(open + 1, close - open - 1);
        lineAt(open);
        for (const std::string_view attribute : kShownAttributes) {
            std::string key(1, ' ');
            key.append(attribute).append("=\"");
            const std::size_t found_at = tag.find(key);
            if (found_at == std::string::npos) continue;
            const std::size_t valueStart = found_at + key.size();
            const std::size_t valueEnd = tag.find('"', valueStart);
            if (valueEnd != std::string::npos)
                addPageText(found, name, line, tag.substr(valueStart, valueEnd - valueStart));
        }
        pos = close + 1;
        // What a script or a style holds is no text of the page.
        for (const char* element : {"script", "style"}) {
            if (tag.rfind(element, 0) == 0) {
                const std::size_t end = html.find(std::string("</") + element, pos);
                pos = end == std::string::npos ? html.size() : end;
            }
        }
    }
    return found;
}

std::vector<MarkedText> cmakeTexts(const std::string& name, const std::string& text) {
    std::vector<MarkedText> found;
    constexpr std::string_view kCall = "page_text(";
    int line = 1;
    std::size_t counted = 0;
    for (std::size_t at = text.find(kCall); at != std::string::npos; at = text.find(kCall, at + 1)) {
        for (; counted < at; ++counted) line += text[counted] == '\n' ? 1 : 0;
        // Only a call at the start of a line: the function's own definition
        // names it after "function(".
        if (at > 0 && text[at - 1] != '\n' && text[at - 1] != ' ') continue;
        const std::size_t open = text.find('"', at);
        const std::size_t close = open == std::string::npos ? open : text.find('"', open + 1);
        const std::size_t end = text.find(')', at);
        if (close == std::string::npos || close > end) continue;
        found.push_back({text.substr(open + 1, close - open - 1), TextPlace::Page, name + ":" + std::to_string(line), ""});
    }
    return found;
}

}  // namespace

std::string collapsedBlanks(const std::string& text) {
    std::string out;
    bool blank = false;
    for (const char c : text) {
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r') {
            blank = !out.empty();
            continue;
        }
        if (blank) out += ' ';
        blank = false;
        out += c;
    }
    return out;
}

std::vector<MarkedText> markedTexts(const std::string& name, const std::string& text) {
    if (name.ends_with(".cpp") || name.ends_with(".h")) return Scanner(name, text, Language::Cpp).run();
    if (name.ends_with(".js")) return Scanner(name, text, Language::JavaScript).run();
    if (name.ends_with(".html.in")) return htmlTexts(name, text);
    if (name.ends_with(".cmake")) return cmakeTexts(name, text);
    return {};
}
