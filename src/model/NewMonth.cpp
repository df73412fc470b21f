#include "model/NewMonth.h"

#include "model/MonthDatesDialog.h"
#include "platform/Format.h"
#include "platform/UserInterface.h"

namespace tq {

namespace {
constexpr std::size_t kFileKeyLength = 9; // base (3), equipment (3), crew position (2), base letter (1)
} // namespace

void ApplyNewFileMonthDefaults(Schedule& s) {
    const bool cabin = s.CrewType == kCabinCrew;
    s.DaysOffBlockHolder = cabin ? 10 : 12;
    s.DaysOffReserve = 12;
    s.ReducedMinBlock = 2400;
    s.ReducedMaxBlock = cabin ? 3000 : 2700;
    s.ReducedMinDaysOff = cabin ? 12 : 21;
}

bool MakeNewMonth(Schedule& s, UserInterface& ui, Date start, Date end, CrewTypeValue crewType,
                  std::string_view fileKey) {
    if (fileKey.size() != kFileKeyLength) {
        ui.ShowMessage(Format("%s Is Not a Valid Base/Eqp/Status/Pairing Combination", std::string(fileKey)),
                       "Tarvelstrand");
        return false;
    }
    s.DeleteAll();
    s.Untitled = true;
    MonthDatesDialog dates(start);
    dates.SetDates(start, end);
    if (!dates.Ok(s, ui)) return false;
    s.CrewType = crewType;
    s.FileKey = std::string(fileKey);
    ApplyNewFileMonthDefaults(s);
    return true;
}

} // namespace tq
