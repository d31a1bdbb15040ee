// text_source.cpp — words, numbers and options of the description files.
#include "tools/art/text_source.h"

#include "tools/art/art_error.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace zlart {

void failAt(const std::string& file, int line, const std::string& message) {
    throw ArtError(file + ":" + std::to_string(line) + ": " + message);
}

std::string readTextFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw ArtError(path + ": cannot be read");
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::vector<std::string> splitWords(const std::string& line, const std::string& file, int lineNo) {
    std::vector<std::string> words;
    std::size_t i = 0, n = line.size();
    auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (i < n && blank(line[i])) ++i;
    if (i < n && line[i] == '#') return words;
    while (i < n) {
        while (i < n && blank(line[i])) ++i;
        if (i >= n) break;
        std::string w;
        if (line[i] == '"') {
            std::size_t close = line.find('"', i + 1);
            if (close == std::string::npos) failAt(file, lineNo, "quote not closed");
            w = line.substr(i + 1, close - i - 1);
            i = close + 1;
        } else {
            // key="value with blanks": the quoted part belongs to the word
            while (i < n && !blank(line[i])) {
                if (line[i] == '"') {
                    std::size_t close = line.find('"', i + 1);
                    if (close == std::string::npos) failAt(file, lineNo, "quote not closed");
                    w += line.substr(i + 1, close - i - 1);
                    i = close + 1;
                } else {
                    w += line[i++];
                }
            }
        }
        words.push_back(w);
    }
    return words;
}

void forEachCommand(const std::string& text, const std::string& file,
                    const std::function<void(const std::vector<std::string>& words, int lineNo)>& command) {
    std::istringstream in(text);
    std::string raw;
    int lineNo = 0;
    while (std::getline(in, raw)) {
        ++lineNo;
        const std::vector<std::string> words = splitWords(raw, file, lineNo);
        if (!words.empty()) command(words, lineNo);
    }
}

std::vector<std::filesystem::path> sourceFiles(const std::string& folder, const std::string& ending) {
    std::vector<std::filesystem::path> paths;
    std::error_code ec;
    for (const auto& e : std::filesystem::directory_iterator(folder, ec))
        if (e.is_regular_file() && e.path().extension() == ending) paths.push_back(e.path());
    if (ec) throw ArtError(folder + ": cannot be listed");
    std::sort(paths.begin(), paths.end());
    return paths;
}

double toNumber(const std::string& word, const std::string& file, int line) {
    if (word.empty()) failAt(file, line, "a number is missing");
    char* end = nullptr;
    errno = 0;
    double v = std::strtod(word.c_str(), &end);
    if (end == word.c_str() || *end != '\0' || errno != 0 || !std::isfinite(v))
        failAt(file, line, "'" + word + "' is not a number");
    return v;
}

int toInt(const std::string& word, const std::string& file, int line) {
    double v = toNumber(word, file, line);
    if (v != std::floor(v) || std::fabs(v) > 1e6) failAt(file, line, "'" + word + "' is not a whole number");
    return int(v);
}

double Options::number(const std::string& key, double fallback) const {
    auto it = values.find(key);
    return it == values.end() ? fallback : toNumber(it->second, file, line);
}

std::string Options::text(const std::string& key, const std::string& fallback) const {
    auto it = values.find(key);
    return it == values.end() ? fallback : it->second;
}

void Options::allowOnly(const std::vector<std::string>& keys) const {
    for (const auto& [k, v] : values)
        if (std::find(keys.begin(), keys.end(), k) == keys.end()) failAt(file, line, "unknown option '" + k + "'");
}

Options parseOptions(const std::vector<std::string>& words, std::size_t skip, const std::string& file, int line) {
    Options o;
    o.file = file;
    o.line = line;
    for (std::size_t i = skip; i < words.size(); ++i) {
        std::size_t eq = words[i].find('=');
        if (eq == std::string::npos || eq == 0) failAt(file, line, "expected key=value, got '" + words[i] + "'");
        o.values[words[i].substr(0, eq)] = words[i].substr(eq + 1);
    }
    return o;
}

}  // namespace zlart
