// Names for the cases of a parameterised test, from each case's `what`: letters and digits kept,
// everything else an underscore, so that a failing case reads as its description.
#pragma once

#include <gtest/gtest.h>

#include <cctype>
#include <string>

struct CaseName {
    template <typename Case>
    std::string operator()(const testing::TestParamInfo<Case>& info) const {
        std::string name;
        for (char c : std::string(info.param.what)) {
            name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        }
        return name;
    }
};
