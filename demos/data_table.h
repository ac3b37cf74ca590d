#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

// One table of the numbers behind a picture, as "Copy data" and "Save data" hand it out: a CSV
// text with one header line of column names, a comma between cells and a point as the decimal
// mark in every language, so that a spreadsheet or a script reads it the same everywhere. The
// column names are data names, in English and stable: scripts rely on them.
class DataTable {
public:
    // `name` is what a saved file's name ends in ("rays" in "propagation-demos-rayleigh-rays.csv").
    DataTable(std::string_view name, std::vector<std::string> columns);

    // A row of as many cells as there are columns; any other count is a ProgramError.
    void addRow(std::vector<std::string> cells);

    const std::string& name() const { return name_; }
    const std::vector<std::string>& columns() const { return columns_; }
    std::size_t rows() const { return rows_; }
    // The header line, then a line a row, each ended by "\n".
    const std::string& csv() const { return csv_; }

    // A cell of `value` to `places` decimals with a point, whatever the user's language writes;
    // never "-0.00"; empty for a value that is not finite (no number to give).
    static std::string decimal(double value, int places);

private:
    std::string name_;
    std::vector<std::string> columns_;
    std::size_t rows_ = 0;
    std::string csv_;
};

namespace data_tables {

// The tables as one text for the clipboard: each table's CSV, a blank line between two tables.
std::string clipboardText(std::span<const DataTable> tables);
// The file a table is saved as: "propagation-demos-rayleigh" and "rays" give
// "propagation-demos-rayleigh-rays.csv". A ".csv" (".CSV") at the end of `stem` is taken off first,
// so a file name picked in a dialog serves as the stem.
std::string fileName(std::string_view stem, const DataTable& table);

}  // namespace data_tables
