#include "imports/CityPairReport.h"

#include "imports/PrgLineReader.h"
#include "platform/Format.h"

#include <algorithm>
#include <array>
#include <vector>

namespace tq {

namespace {
struct Cell {
    bool used = false;
    int block = 0;
    int deadheads = 0;
};

struct Table {
    std::vector<std::string> columns;
    std::vector<std::string> rows;
    std::vector<std::array<Cell, kCityPairColumns>> cells;

    // The cell of the keys, adding its row or column on first appearance; null when full.
    Cell* At(const std::string& row, const std::string& column) {
        auto c = std::find(columns.begin(), columns.end(), column);
        auto r = std::find(rows.begin(), rows.end(), row);
        if (c == columns.end() && columns.size() >= kCityPairColumns) return nullptr;
        if (r == rows.end() && rows.size() >= kCityPairRows) return nullptr;
        if (c == columns.end()) c = columns.insert(columns.end(), column);
        if (r == rows.end()) {
            r = rows.insert(rows.end(), row);
            cells.emplace_back();
        }
        return &cells[static_cast<std::size_t>(r - rows.begin())]
                     [static_cast<std::size_t>(c - columns.begin())];
    }
};
} // namespace

std::string BuildCityPairReport(std::istream& in) {
    Table table;
    PrgLineReader reader(in);
    std::string line;
    while (reader.Next(line)) {
        if (line.size() < 80) continue;
        PrgRecord r(line);
        if (r.Type() != '2' && r.Type() != '4') continue;
        const bool leg = r.Type() == '2';
        const std::string row =
            leg ? r.Text(29, 3) + "-" + r.Text(44, 3) : r.Text(35, 3) + "-" + r.Text(50, 3);
        Cell* cell = table.At(row, r.Text(2, 2));
        if (!cell) break;
        cell->used = true;
        if (leg)
            cell->block += r.Int(65, 4);
        else
            ++cell->deadheads;
    }

    std::string text(8, ' ');
    for (const auto& c : table.columns) text += Format(" ----- %2s ----- ", c);
    text += '\n';
    for (std::size_t i = 0; i < table.rows.size(); ++i) {
        text += table.rows[i];
        for (std::size_t c = 0; c < table.columns.size(); ++c) {
            const Cell& cell = table.cells[i][c];
            if (!cell.used) {
                text += std::string(16, ' ');
                continue;
            }
            text +=
                Format(" %8s  DH%3d", Format("%02d:%02d", cell.block / 60, cell.block % 60), cell.deadheads);
        }
        text += '\n';
    }
    return text;
}

} // namespace tq
