// other_programs.cpp — starting another program, passed through to the
// backend (the SDL backend starts it, the headless one records the call).
#include "platform/backend.h"
#include "platform/platform.h"

int runProgram(const std::string& name, const std::vector<std::string>& arguments) {
    return backend::runProgram(name, arguments);
}
