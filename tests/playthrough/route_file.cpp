// route_file.cpp — reads the command letters and repeat counts of a route.
#include "tests/playthrough/route_file.h"

#include <cctype>
#include <string_view>

namespace {

constexpr std::string_view kCommandLetters = "URDLA";

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

}  // namespace

Route parseRoute(const std::string& text) {
    Route route;
    int line = 1;
    std::size_t i = 0;
    const auto fail = [&](const std::string& message) {
        route.error = "line " + std::to_string(line) + ": " + message;
        return route;
    };
    while (i < text.size()) {
        const char c = text[i];
        if (c == '\n') {
            ++line;
            ++i;
        } else if (isBlank(c)) {
            ++i;
        } else if (c == ';') {
            while (i < text.size() && text[i] != '\n') ++i;
        } else if (kCommandLetters.find(c) != std::string_view::npos) {
            ++i;
            int count = 1;
            if (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
                count = 0;
                while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
                    count = count * 10 + (text[i] - '0');
                    if (count > kMaxRepeat) return fail("repeat count above " + std::to_string(kMaxRepeat));
                    ++i;
                }
                if (count == 0) return fail(std::string("repeat count 0 after '") + c + "'");
            }
            for (int k = 0; k < count; ++k) route.steps.push_back({static_cast<RouteCommand>(c), line});
        } else if (std::isdigit(static_cast<unsigned char>(c))) {
            return fail("a repeat count without a command letter");
        } else {
            return fail(std::string("unknown command '") + c + "'");
        }
    }
    return route;
}
