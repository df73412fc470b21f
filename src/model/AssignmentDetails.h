#pragma once
#include <optional>
#include <string>

namespace tq {

class Schedule;

// What the assignment details dialog ("%s Assignment Details") shows for one day of a line: a
// month day that holds a code, or a previous-month day (day -31..-1, window slot day + 31).
// Times are "%02d:%02d" for edits with the mask "##:##".
struct AssignmentDetails {
    std::string Caption;
    std::string DateText;
    std::string Code;
    std::string TrackingCode; // beside "Bornemann Code"; empty for a previous-month day
    std::string StartText, LengthText, CreditText, HardTimeText;
    bool Reserve = false;
    bool ContainsDuty = false;
    bool CarsDuty = false;
    bool ExcludeCredit = false;
    bool PreviousMonth = false;

    // On a month day "Exlcude Credit from Block" is the one enabled control, and the code text
    // beside "Bornemann Code" is shown; on a previous-month day nothing is enabled.
    bool ExcludeCreditEnabled() const { return !PreviousMonth; }
    bool TrackingCodeEnabled() const { return !PreviousMonth; }
};

inline constexpr const char* kAssignmentTimeMask = "##:##";

// The dialog's contents; nothing when the line is out of range, the day lies outside the line's
// slots, or a month day holds no code.
std::optional<AssignmentDetails> OpenAssignmentDetails(const Schedule& schedule, int employee, int day);

// OK: a month day takes the controls back into DayDetail (start and length with the 24-hour
// limit, both 0 when the start is empty; credit without limit; hard time with the limit; a text
// that does not read as a time stores 0; the four boxes as 1 or 0). A time text left as it was
// shown keeps its value, so a value the "##:##" edit cannot hold is never lost. A previous-month
// day stores nothing. False when nothing was stored. The caller rechecks the line.
bool StoreAssignmentDetails(Schedule& schedule, int employee, int day, const AssignmentDetails& edited);

} // namespace tq
