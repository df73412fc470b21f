#pragma once
#include "model/Schedule.h"

namespace tq {

struct FrenchCabinResult {
    bool passed = true;
    int quoted = -1; // the employee to name in the question: the latest in roster order of the
                     // employee being placed and the holders of the sibling seats
};

// In a flight attendants' file an employee whose AgeMedFlags is nonzero speaks French.
inline bool IsFrenchQualified(const TPilot& line) {
    return line.AgeMedFlags != 0;
}

// Whether a "FRENCH PAIRING" placed on `employee`'s line on `day` keeps a French-qualified cabin
// member among the seats of that pairing (the other copies with its number and base/equipment).
// Every other employee holding one of those seats that day gets RecheckDone = false, also when
// the check passes, because their French rule depends on this line. Indexes are checked; an
// out-of-range pairing passes without marking anyone.
FrenchCabinResult FrenchCabinCheck(Schedule& schedule, int employee, int pairing, int day);

} // namespace tq
