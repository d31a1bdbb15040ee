// text_source.h — reading the art and sound description files: whole files,
// words split at blanks ("quoted words" kept whole), '#' comment lines, and
// key=value options.
#pragma once

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace zlart {

// The whole file; fails when it cannot be read.
std::string readTextFile(const std::string& path);
// Splits a line into words. A line whose first non-blank character is '#' is
// a comment and yields no words. A quoted word keeps its blanks, loses its
// quotes.
std::vector<std::string> splitWords(const std::string& line, const std::string& file, int lineNo);
// Hands each line of text that has words to `command`, with its number
// (counted from 1); blank and comment lines are passed over.
void forEachCommand(const std::string& text, const std::string& file,
                    const std::function<void(const std::vector<std::string>& words, int lineNo)>& command);
// The files directly in folder whose name ends in `ending` (".art"), in
// name order; fails when the folder cannot be listed.
std::vector<std::filesystem::path> sourceFiles(const std::string& folder, const std::string& ending);

// Numbers with a source position for error messages.
double toNumber(const std::string& word, const std::string& file, int line);
int toInt(const std::string& word, const std::string& file, int line);

// key=value words after the first `skip` words of a command.
struct Options {
    std::map<std::string, std::string> values;
    std::string file;
    int line = 0;

    bool has(const std::string& key) const { return values.count(key) != 0; }
    double number(const std::string& key, double fallback) const;
    std::string text(const std::string& key, const std::string& fallback) const;
    // Fails when an option other than the listed ones was given.
    void allowOnly(const std::vector<std::string>& keys) const;
};
Options parseOptions(const std::vector<std::string>& words, std::size_t skip, const std::string& file, int line);

}  // namespace zlart
