#pragma once
#include "platform/UserInterface.h"

namespace tq {

// The kinds of file the program opens or saves, one descriptor each, kept for the life of the
// program so that each remembers the last file chosen with it.
struct FileTypes {
    FileType blockFiles{"Tarvelstrand Viewer(*.tqv)|*.tqv|Tarvelstrand File(*.tq2)|*.tq2|All Files (*.*)|*.*",
                        "TQV", true, true, true};
    FileType pairingFiles{"Pairing Files (*.Bornemann *.PRG)|*.Bornemann;*.PRG|All Files (*.*)|*.*", "PRG",
                          true};
    FileType priorPairings{
        "CrewTrac Extract Files (*prgp.ext *prgc.ext.)|*prgp.ext;*prgc.ext|All Files (*.*)|*.*", "EXT", true};
    FileType rosterExtract{
        "CrewTrac Extract Files (*perp.ext *perc.ext)|*perp.ext;*perc.ext|All Files (*.*)|*.*", "EXT", true};
    FileType absencesExtract{
        "CrewTrac Extract Files (*absp.ext *absc.ext)|*absp.ext;*absc.ext|All Files (*.*)|*.*", "EXT", true};
    FileType activityExtract{
        "CrewTrac Extract Files (*actp.ext *actc.ext)|*actp.ext;*actc.ext|All Files (*.*)|*.*", "EXT", true};
    FileType lisFiles{"LIS Pairing Files(*.LIS)|*.lis|All Files (*.*)|*.*", "LIS", true, false, false, true};
    FileType qualificationFiles{"Crew Qualification Files(*.txt)|*.txt|All Files (*.*)|*.*", "TXT", true};
    FileType bidFiles{"Pilot Bid Files(*.csv)|*.csv|All Files (*.*)|*.*", "CSV", true};
    FileType toolboxFiles{"ToolBox Definition Files(*.box)|*.box|All Files (*.*)|*.*", "BOX", true};
    FileType bawFiles{"Baw Files(*.baw)|*.baw|All Files (*.*)|*.*", "BAW", true};
    FileType linFiles{"Line Files(*.lin)|*.lin|All Files (*.*)|*.*", "LIN", true};
    FileType companyCopy{"TQ2 Files(*.tq2)", "TQ2"};
};

} // namespace tq
