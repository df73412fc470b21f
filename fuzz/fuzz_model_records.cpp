// The model's readers of outside bytes: the pairing, line and code records of the block file, the
// history text, the fixed-column helpers and the pairing validation over whatever was read.
#include "model/BuiltInCodes.h"
#include "model/History.h"
#include "model/TAbsence.h"
#include "model/TPair.h"
#include "model/TPilot.h"
#include "model/Time.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const std::uint32_t version = data[0] % 7;
    const int daysInMonth = static_cast<int>(data[1] % 40) - 4;
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 2, size - 2);

    tq::ByteReader pairReader(bytes);
    tq::TPair pair;
    pair.ReadFields(pairReader, version);
    pair.Validate(daysInMonth, bytes);
    pair.ComputeCreditClass();
    pair.PrgText = std::string(bytes);
    pair.Validate(daysInMonth, bytes);

    tq::ByteReader lineReader(bytes);
    tq::TPilot line;
    line.ReadFields(lineReader, version);
    line.UpdateOnLeaveAllMonth(daysInMonth);
    line.ParsePriorHardTime();

    tq::ByteReader codeReader(bytes);
    tq::TAbsence code;
    code.Read(codeReader);
    (void)code.Length();

    tq::History history;
    history.FromText(bytes);
    (void)history.ToText();

    (void)tq::ParseTime(bytes, data[0] & 1);
    (void)tq::GetInt(bytes, data[1], static_cast<int>(bytes.size() % 13));
    (void)tq::ReadBuiltInCodeRow(bytes, nullptr);
    return 0;
}
