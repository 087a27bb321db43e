#pragma once
// A broken invariant is a finding: say which one and abort, so libFuzzer keeps the input
// that broke it.

#include <cstdio>
#include <cstdlib>

namespace orvane::fuzzing {

[[noreturn]] inline void InvariantBroken(const char* condition, const char* file, int line) {
    std::fprintf(stderr, "%s:%d: invariant broken: %s\n", file, line, condition);
    std::abort();
}

} // namespace orvane::fuzzing

#define ORVANE_REQUIRE(condition)                                                                  \
    ((condition) ? static_cast<void>(0)                                                            \
                 : ::orvane::fuzzing::InvariantBroken(#condition, __FILE__, __LINE__))
