#pragma once

// Table cases: each has `what`, which names its test and its printout.

#include "test_name.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace drovane::e2e {

template <typename Case>
std::string caseName(const testing::TestParamInfo<Case>& info) {
    return testName(info.param.what);
}

// A hidden friend for a case type, so GoogleTest prints the case's name
// rather than its bytes.
#define DROVANE_E2E_PRINTS_WHAT(Case)                                                                                 \
    friend void PrintTo(const Case& c, std::ostream* os) { *os << c.what; }

} // namespace drovane::e2e
