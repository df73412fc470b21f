#pragma once
#include "imports/PrgRecord.h"
#include "model/TPair.h"

#include <string>
#include <string_view>

namespace tq {

// A pairing's readable text (PairingText) is built while its pairing file is read: one piece per
// accepted record, appended in file order. Each piece reads its record's columns; a text field
// past the end of the record marks the record failed (the reader reports the file error).
void AppendHeaderText(TPair& pairing, PrgRecord& header); // the pairing's first header only
void AppendLegText(TPair& pairing, PrgRecord& leg);
void AppendDutyText(TPair& pairing, PrgRecord& duty);
void AppendDeadheadText(TPair& pairing, PrgRecord& deadhead); // record 4
void AppendDetailText(TPair& pairing, PrgRecord& detail);     // record 5

// The caption of the pairing text window: report, release, credit, the time the crew is legal
// again, seat, fatigue units and duty.
std::string PairingTextCaption(const TPair& pairing, bool flightAttendants);

// Lines of the text as the window counts them: the line feeds after the first character.
int PairingTextLineCount(std::string_view text);

} // namespace tq
