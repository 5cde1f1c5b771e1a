// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdio>
#include <cstdlib>

// Names the broken invariant before the fuzzer records the input.
#define NUMISLOT_CHECK(condition)                                                                                      \
    do {                                                                                                               \
        if (!(condition)) {                                                                                            \
            std::fprintf(stderr, "invariant broken at line %d: %s\n", __LINE__, #condition);                           \
            std::abort();                                                                                              \
        }                                                                                                              \
    } while (false)
