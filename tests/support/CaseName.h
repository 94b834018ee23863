#pragma once

#include <gtest/gtest.h>
#include <string>

/** Names a parameterised case after its `name` member, for INSTANTIATE_TEST_SUITE_P. */
struct CaseName
{
    template <class Case> std::string operator()(const ::testing::TestParamInfo<Case>& info) const
    {
        return info.param.name;
    }
};
