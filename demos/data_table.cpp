#include "demos/data_table.h"

#include <cmath>
#include <utility>

#include "ui/number_rules.h"
#include "ui/program_error.h"

DataTable::DataTable(std::string_view name, std::vector<std::string> columns)
    : name_(name), columns_(std::move(columns)) {
    for (std::size_t i = 0; i < columns_.size(); ++i) csv_ += (i > 0 ? "," : "") + columns_[i];
    csv_ += '\n';
}

void DataTable::addRow(std::vector<std::string> cells) {
    if (cells.size() != columns_.size()) {
        throw ProgramError("a row of " + std::to_string(cells.size()) + " cells in the table \"" +
                           name_ + "\" of " + std::to_string(columns_.size()) + " columns");
    }
    for (std::size_t i = 0; i < cells.size(); ++i) csv_ += (i > 0 ? "," : "") + cells[i];
    csv_ += '\n';
    ++rows_;
}

std::string DataTable::decimal(double value, int places) {
    if (!std::isfinite(value))
        return "";
    std::string text = number_rules::fixedText(value, places);
    if (text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos)
        text.erase(0, 1);
    return text;
}

namespace data_tables {

std::string clipboardText(std::span<const DataTable> tables) {
    std::string text;
    for (const DataTable& table : tables) text += (text.empty() ? "" : "\n") + table.csv();
    return text;
}

std::string fileName(std::string_view stem, const DataTable& table) {
    constexpr std::string_view kSuffix = ".csv";
    if (stem.size() >= kSuffix.size()) {
        std::string end(stem.substr(stem.size() - kSuffix.size()));
        for (char& c : end) c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
        if (end == kSuffix)
            stem.remove_suffix(kSuffix.size());
    }
    return std::string(stem) + "-" + table.name() + std::string(kSuffix);
}

}  // namespace data_tables
