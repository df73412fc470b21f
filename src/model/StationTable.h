#pragma once
#include <cstddef>
#include <string_view>

namespace tq {

// The station table of the toolbox file: one record per airport, "code,zone,station value,flag,"
// with the zone 4, the station value 10 and the flag 16 characters after the code.
constexpr int kStationZoneOffset = 4;
constexpr int kStationValueOffset = 10;
constexpr int kStationFlagOffset = 16;
constexpr int kDefaultStationValue = 30;

// Position of the station's record (of its code) in the table, or npos. Only a three-letter code
// at the start of a record matches, never one inside another field.
std::size_t FindStationRecord(std::string_view stationTable, std::string_view station);

// The station value in minutes: the "hh:mm" 10 characters after the code; 30 when the code is
// not three letters, not listed, or its value cannot be read.
int StationValueIn(std::string_view stationTable, std::string_view station);

} // namespace tq
