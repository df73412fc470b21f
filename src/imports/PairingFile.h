#pragma once
#include "imports/PrgRecord.h"

#include <cstdint>
#include <istream>
#include <string>
#include <string_view>

namespace tq {

class Workspace;

// Which records of a pairing file belong to the schedule: column 2 the base letter, column 3 the
// equipment digit (or the alternative one) unless every equipment is taken.
struct PairingFilter {
    char base = 0;
    char equipment = 0;
    char alternate = 'X';
    bool allEquipment = false;

    bool Accepts(const PrgRecord& record) const;
};

// The filter of a load: from the selection text of the manual settings (base code, then eqp
// code), or else from the schedule's FileKey (its base letter, replaced by the letter of a known
// base airport, and its equipment code).
PairingFilter MakePairingFilter(std::string_view fileKey, std::string_view selection, bool allEquipment);

// Replaces the month's pairings by those of the pairing file that pass the filter: one record per
// crew seat of the schedule's crew type, credits balanced, the employees' assignments re-linked,
// the pairing warnings and report shown, the USA segments marked, the month's daylight-saving
// change applied and the city-pair report rebuilt. Every failure is reported to the user; a file
// that cannot be read, is no pairing file, breaks off in a file error or holds no pairing for the
// schedule leaves the schedule as it was. True when pairings were loaded.
bool LoadPairingFile(Workspace& ws, const std::string& fileName, std::string_view selection,
                     bool allEquipment);

// The load from an open input of `size` bytes (the pairing file's contents).
bool LoadPairingInput(Workspace& ws, std::istream& in, std::uint64_t size, std::string_view selection,
                      bool allEquipment);

} // namespace tq
