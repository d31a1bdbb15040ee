// web_handed_files.cpp — a file the page hands the program: a level set the
// player dropped on the page or picked. The page puts its bytes at a path
// outside Data and calls zl_take_file, which runs what the program
// registered (whenHostHandsFile) and keeps its answer for
// zl_taken_file_answer.
//
// The call comes from an event handler of the page while the program waits
// somewhere. A read it makes must not wait in turn for changes of another
// page (a wait hands the thread to the browser, which a call from the page
// cannot do): the page brings those in before it calls, and meanwhile reads
// go ahead at once.
//
// Writes: web::host.inPageCall; the kept answer.
#include "platform/host_hooks.h"
#include "platform/web/web_host.h"

#include <emscripten.h>

#include <string>

namespace {
std::string answer;  // the program's answer to the last file handed, UTF-8
}  // namespace

// 1: the program took the file at hostPath (UTF-8); 0: it refused it;
// -1: it takes no files.
extern "C" EMSCRIPTEN_KEEPALIVE int zl_take_file(const char* hostPath) {
    web::host.inPageCall = true;
    const core::HandedFile taken = core::hostHandsFile(hostPath ? hostPath : "", answer);
    web::host.inPageCall = false;
    switch (taken) {
        case core::HandedFile::Taken: return 1;
        case core::HandedFile::Refused: return 0;
        case core::HandedFile::NotTaken: break;
    }
    return -1;
}

// The answer to the last file handed: the name it was taken in as, or why
// it was refused.
extern "C" EMSCRIPTEN_KEEPALIVE const char* zl_taken_file_answer() { return answer.c_str(); }
