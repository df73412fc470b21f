#include "rules/FrenchCabinCheck.h"

#include <array>

namespace tq {

FrenchCabinResult FrenchCabinCheck(Schedule& schedule, int employee, int pairing, int day) {
    FrenchCabinResult result;
    result.quoted = employee;
    if (!schedule.ValidPairingIndex(pairing) || day < 0 || day >= kLineDays) return result;
    const TPair& placed = schedule.Pairings[static_cast<std::size_t>(pairing)];
    const bool employeeKnown = employee >= 0 && employee < static_cast<int>(schedule.Employees.size());
    bool pass = placed.PairingText.find("FRENCH PAIRING") == std::string::npos ||
                (employeeKnown && IsFrenchQualified(schedule.Employees[static_cast<std::size_t>(employee)]));

    // The other seats of this pairing: up to ten copies with its number and base/equipment.
    std::array<int, 10> siblings{};
    int siblingCount = 0;
    for (int i = 0; i <= schedule.LastPairingIndex && siblingCount < 10; ++i) {
        if (i == pairing) continue;
        const TPair& other = schedule.Pairings[static_cast<std::size_t>(i)];
        if (other.PairingNumber == placed.PairingNumber && other.BaseEqp == placed.BaseEqp)
            siblings[static_cast<std::size_t>(siblingCount++)] = i;
    }

    int nonFrenchHolders = 0;
    for (int s = 0; s < siblingCount; ++s) {
        const int sibling = siblings[static_cast<std::size_t>(s)];
        for (int e = 0; e < schedule.EmployeeCount && e < static_cast<int>(schedule.Employees.size()); ++e) {
            if (e == employee) {
                result.quoted = employee;
                continue;
            }
            TPilot& holder = schedule.Employees[static_cast<std::size_t>(e)];
            if (holder.DayPairing[static_cast<std::size_t>(day)] != sibling) continue;
            holder.RecheckDone = false;
            result.quoted = e;
            if (IsFrenchQualified(holder))
                pass = true;
            else
                ++nonFrenchHolders;
        }
    }
    // Some seat still open or held by a French speaker keeps the pairing possible.
    result.passed = nonFrenchHolders < siblingCount || pass;
    return result;
}

} // namespace tq
