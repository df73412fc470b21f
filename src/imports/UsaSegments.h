#pragma once
#include "model/Schedule.h"
#include "platform/UserInterface.h"

#include <string_view>

namespace tq {

// The airports of the United States that mark a pairing, in the crew system's order.
std::string_view UsaAirportList();

// True when the text holds one of the airports followed by a hyphen (a segment leaving it).
bool HasUsaSegment(std::string_view pairingText);

// Clears every pairing's UsaSegments, then marks each pairing whose text holds a segment from a
// United States airport: "   USA SEGMENT " is appended to its text and UsaSegments set.
void MarkUsaSegments(Schedule& schedule, UserInterface& ui);

} // namespace tq
