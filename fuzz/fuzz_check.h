#pragma once

#include <cstdio>
#include <cstdlib>

// A property a fuzz target checks: a failure names the condition and ends the run as a finding.
#define FUZZ_CHECK(condition)                                                                          \
    do {                                                                                               \
        if (!(condition)) {                                                                            \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition);         \
            std::abort();                                                                              \
        }                                                                                              \
    } while (false)
