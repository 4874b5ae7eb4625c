#pragma once
// Invariant checks inside the fuzz targets: a violated one stops the fuzzer with a crash.
#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(cond)                                                             \
    do {                                                                             \
        if (!(cond)) {                                                               \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #cond); \
            std::abort();                                                            \
        }                                                                            \
    } while (0)
