// SPDX-License-Identifier: MIT
// The transport check-value files of data/transport, as rows of column name to the printed text.
#pragma once

#include <cstddef>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace aquaprop::testing {

using CheckRow = std::map<std::string, std::string>;

inline std::vector<CheckRow> ReadCheckValues(const std::string& name) {
    const auto cells = [](const std::string& line) {
        std::vector<std::string> out;
        std::istringstream fields(line);
        for (std::string cell; std::getline(fields, cell, ',');) out.push_back(cell);
        return out;
    };
    std::ifstream in(std::string(TRANSPORT_DATA_DIR) + "/" + name);
    std::string line;
    std::getline(in, line);
    const std::vector<std::string> header = cells(line);
    std::vector<CheckRow> rows;
    while (std::getline(in, line)) {
        const std::vector<std::string> row = cells(line);
        CheckRow& out = rows.emplace_back();
        for (std::size_t k = 0; k < header.size() && k < row.size(); ++k) out[header[k]] = row[k];
    }
    return rows;
}

inline double Number(const CheckRow& row, const std::string& column) { return std::stod(row.at(column)); }

}  // namespace aquaprop::testing
