// solution_text.h — the solver's result in a few lines for people: whether
// and how the door is reached (the route in route text) and what is never
// reached or used.
#pragma once

#include "common/solver.h"

#include <string>

std::string describeSolution(const SolverResult& result);
