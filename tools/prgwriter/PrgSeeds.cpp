// Writes the seed inputs of the pairing-file fuzz target into a folder: prg_seeds DIR
// (the committed seeds are build/tools/prg_seeds fuzz/corpus/prgfile).
// Each seed is the fuzz target's choice byte (crew type in bits 0-1, month in bits 2-3: 0 March,
// manual settings 0x40, every equipment 0x80) and a pairing file of March 2026, base Z, DH8.
#include "prgwriter/PrgWriter.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

using namespace tq::prg;

namespace {
Pairing LayoverTrip() {
    Pairing p;
    p.number = 8101;
    p.dates = {{2026, 3, 3}, {2026, 3, 7}};
    p.report = 420;
    p.tafb = 1990;
    p.complement = "CA01FO01FA02";
    p.hard = {300, 240};
    p.credit = 660;
    p.details = {
        Leg{.day = 1, .flight = 456, .from = "YYZ", .to = "YUL", .departs = 480, .arrives = 555, .block = 75},
        Leg{.day = 1, .flight = 457, .from = "YUL", .to = "BOS", .departs = 620, .arrives = 700, .block = 80},
        Duty{.day = 1,
             .start = 420,
             .end = 730,
             .duty = 310,
             .rest = 720,
             .station = "BOS",
             .remarks = "HOTEL HARBOUR VIEW 617 555 0100",
             .block = 155,
             .credit = 330},
        Leg{.day = 2,
            .flight = 458,
            .from = "BOS",
            .to = "YYZ",
            .departs = 600,
            .arrives = 710,
            .block = 110,
            .deadhead = true},
        Deadhead{.day = 2,
                 .carrierFlight = "XY0123",
                 .from = "YYZ",
                 .to = "YOW",
                 .departs = 780,
                 .arrives = 840,
                 .code = "HTL"},
        Other{.day = 2, .code = "LIM", .from = "YOW", .to = "YYZ", .departs = 900, .arrives = 960},
        Duty{.day = 2, .start = 540, .end = 970, .duty = 430, .station = "YYZ", .block = 110, .credit = 330},
    };
    return p;
}

Pairing MidnightReport() {
    Pairing p;
    p.number = 8102;
    p.dates = {{2026, 3, 7}, {2026, 3, 8}};
    p.report = 1440;
    p.tafb = 600;
    p.complement = "CA01FO01";
    p.credit = 400;
    p.hard = {300};
    p.details = {
        Leg{.day = 2, .flight = 10, .from = "YYZ", .to = "JFK", .departs = 60, .arrives = 150, .block = 90},
        Duty{.day = 2, .start = 0, .end = 600, .duty = 600, .station = "YYZ", .credit = 400}};
    return p;
}

constexpr char kCaptains = 0x00, kFirstOfficers = 0x01, kCabinCrewAllEquipment = static_cast<char>(0x82);

void Save(const std::filesystem::path& dir, const char* name, char choice, const std::string& bytes) {
    std::ofstream out(dir / name, std::ios::binary | std::ios::trunc);
    out.put(choice);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}
} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: prg_seeds DIR\n");
        return 2;
    }
    const std::filesystem::path dir(argv[1]);
    std::filesystem::create_directories(dir);

    Save(dir, "layover.prg", kCaptains, PrgFile().Add(LayoverTrip()).Text());
    Save(dir, "midnight.prg", kFirstOfficers, PrgFile().Add(MidnightReport()).Add(LayoverTrip()).Text());

    Pairing cabin = LayoverTrip();
    cabin.complement = "PU01FA02";
    cabin.number = 8103;
    Save(dir, "cabin.prg", kCabinCrewAllEquipment, PrgFile().Add(cabin).Text());

    Pairing other = LayoverTrip();
    other.base = 'M';
    Save(dir, "otherbase.prg", kCaptains, PrgFile().Add(other).Add(MidnightReport()).Text());

    PrgFile shortHeader;
    shortHeader.Add(MidnightReport())
        .Raw(RecordLine('1', 0).Str() + HeaderLine(LayoverTrip(), {2026, 3, 3}).substr(1, 100));
    Save(dir, "shortheader.prg", kCaptains, shortHeader.Text());

    PrgFile longLine;
    longLine.Add(LayoverTrip()).Raw(std::string(1500, '1'));
    Save(dir, "longline.prg", kCaptains, longLine.Text());

    PrgFile windows;
    windows.Add(LayoverTrip());
    std::string crlf;
    for (const auto& l : windows.Lines()) crlf += l + "\r\n";
    Save(dir, "crlf.prg", kFirstOfficers, crlf);
    return 0;
}
