// sound.cpp — playSound, passed to the backend, which plays it on its own.
#include "platform/backend.h"
#include "platform/platform.h"

void playSound(const std::string& path) { backend::playSound(path); }
