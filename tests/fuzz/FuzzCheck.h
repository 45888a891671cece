#pragma once
// A broken promise found by a fuzz target: say which one, then stop so that libFuzzer
// keeps the input that caused it.

#include <cstdio>
#include <cstdlib>

namespace zarn::fuzz {

inline void Require(bool holds, const char* promise) {
    if (holds) return;
    std::fprintf(stderr, "broken: %s\n", promise);
    std::abort();
}

} // namespace zarn::fuzz
