#pragma once
#include "model/ByteStream.h"

#include <optional>
#include <string>
#include <string_view>

namespace tq {

// One assignment code of the toolbox: a day off, vacation, simulator, reserve...
class TAbsence {
public:
    std::string Code;
    std::string TrackingCode;
    std::string Caption;
    int StartTime = 0;
    int EndTime = 0;
    int Credit = 0;
    int HardTime = 0;
    bool ContainsDuty = false;
    bool CarsDuty = false;
    bool CountsCredit = true;
    bool InToolbox = true;

    void Reset() { *this = TAbsence(); }
    // EndTime - StartTime, plus a day when negative.
    int Length() const;

    void Write(ByteWriter& w) const;
    void Read(ByteReader& r);
};

constexpr int kMaxCodes = 300;

// Day-off request values of DayOffRequest: 1..12 have toolbox buttons ("X1".."XM"), 13 and 14
// are "RGD" and "RPD", 20..51 come from the bids ("X1".."X32").
constexpr int kRequestButtons = 12;
constexpr int kFirstBidRequest = 20;
constexpr int kLastBidRequest = 51;
std::string CodeName(int requestValue);          // "X1".."XM", "RGD", "RPD", "X%d"; else empty
std::string RequestToolboxCaption(int requestValue); // "X1 First Request" ..; empty when no button

} // namespace tq
