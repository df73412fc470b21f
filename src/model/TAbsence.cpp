#include "model/TAbsence.h"

#include "model/Time.h"
#include "platform/Format.h"

#include <array>

namespace tq {

int TAbsence::Length() const {
    const int length = EndTime - StartTime;
    return length < 0 ? length + kMinutesPerDay : length;
}

void TAbsence::Write(ByteWriter& w) const {
    w.Text(Code);
    w.Text(TrackingCode);
    w.Text(Caption);
    w.Int(StartTime);
    w.Int(EndTime);
    w.Int(Credit);
    w.Int(HardTime);
    w.Bool(ContainsDuty);
    w.Bool(CarsDuty);
    w.Bool(CountsCredit);
    w.Bool(InToolbox);
}

void TAbsence::Read(ByteReader& r) {
    Code = r.Text();
    TrackingCode = r.Text();
    Caption = r.Text();
    StartTime = r.Int();
    EndTime = r.Int();
    Credit = r.Int();
    HardTime = r.Int();
    ContainsDuty = r.Bool();
    CarsDuty = r.Bool();
    CountsCredit = r.Bool();
    InToolbox = r.Bool();
}

namespace {
constexpr std::array<const char*, 14> kRequestCodes = {"X1", "X2", "X3", "X4", "X5", "X6",  "X7",
                                                       "X8", "X9", "XA", "XP", "XM", "RGD", "RPD"};
constexpr std::array<const char*, 12> kRequestCaptions = {
    "X1 First Request",  "X2 Second Request", "X3 Third Request",   "X4 Forth Request",
    "X5 Fifth Request",  "X6 Sixth Request",  "X7 Seventh Request", "X8 Eighth Request",
    "X9 Nineth Request", "XA Off in the AM",  "X2 Off in the PM",   "XM Off in the Middle of Day"};
} // namespace

std::string CodeName(int requestValue) {
    if (requestValue >= 1 && requestValue <= 14)
        return kRequestCodes[static_cast<std::size_t>(requestValue - 1)];
    if (requestValue >= kFirstBidRequest && requestValue <= kLastBidRequest)
        return Format("X%d", requestValue - (kFirstBidRequest - 1));
    return {};
}

std::string RequestToolboxCaption(int requestValue) {
    if (requestValue >= 1 && requestValue <= kRequestButtons)
        return kRequestCaptions[static_cast<std::size_t>(requestValue - 1)];
    return {};
}

} // namespace tq
