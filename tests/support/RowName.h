#pragma once

#include <gtest/gtest.h>

#include <string>

// Names each row of a table test after the row's `name` field.
struct RowName {
    template <typename Row>
    std::string operator()(const testing::TestParamInfo<Row>& row) const {
        return row.param.name;
    }
};
