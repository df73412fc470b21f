#include "model/StationTable.h"

#include "model/Time.h"

namespace tq {

namespace {
bool IsLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
} // namespace

std::size_t FindStationRecord(std::string_view table, std::string_view station) {
    if (station.size() != 3 || !IsLetter(station[0]) || !IsLetter(station[1]) || !IsLetter(station[2]))
        return std::string_view::npos;
    // Each record is four fields, each closed by a comma.
    std::size_t pos = 0;
    while (pos < table.size()) {
        if (table.substr(pos, 3) == station && (pos + 3 == table.size() || table[pos + 3] == ',')) return pos;
        for (int field = 0; field < 4 && pos != std::string_view::npos; ++field) {
            pos = table.find(',', pos);
            if (pos != std::string_view::npos) ++pos;
        }
        if (pos == std::string_view::npos) break;
    }
    return std::string_view::npos;
}

int StationValueIn(std::string_view table, std::string_view station) {
    const std::size_t pos = FindStationRecord(table, station);
    if (pos == std::string_view::npos || table.size() < pos + kStationValueOffset + 5)
        return kDefaultStationValue;
    const int value = ParseTime(table.substr(pos + kStationValueOffset, 5), true);
    return value < 0 ? kDefaultStationValue : value;
}

} // namespace tq
