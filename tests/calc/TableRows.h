// Helpers for table-driven GoogleTests: rows named by their `name`, readable QStrings in failures.
#pragma once

#include <QString>

#include <gtest/gtest.h>

#include <ostream>
#include <string>

struct RowName {
    template <class Row>
    std::string operator()(const testing::TestParamInfo<Row>& row) const
    {
        return row.param.name;
    }
};

inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
