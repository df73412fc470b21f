// Writes the seed inputs of the toolbox fuzz target into a folder: box_seeds DIR
// (the committed seeds are build/tools/box_seeds fuzz/corpus/toolbox).
// Each seed is the fuzz target's choice byte (crew type in bits 0-1, an earlier airports table
// 0x04) and a toolbox file.
#include "boxwriter/BoxWriter.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

using namespace tq::box;

namespace {
BoxFile Small() {
    BoxFile f;
    f.date = "Oct 30 2026";
    f.codes = {
        Code{.code = "OFF", .tracking = "OC", .caption = "DAY OFF", .credit = 0},
        Code{.code = "RA",
             .tracking = "RA",
             .caption = "RESERVE A",
             .start = 300,
             .end = 1080,
             .credit = 240,
             .duty = true,
             .carsDuty = true},
        Code{.code = "SIM",
             .tracking = "SM",
             .caption = "SIMULATOR",
             .start = 1440,
             .end = 1320,
             .credit = 6015,
             .hard = 240,
             .duty = true,
             .countsCredit = false},
        Code{.code = "BRG",
             .crew = "Cabin",
             .tracking = "BR",
             .caption = "BRIEFING",
             .start = 480,
             .end = 720,
             .credit = 180,
             .duty = true},
    };
    f.airports = {
        Airport{.code = "YYZ", .zone = 300, .stationValue = 45, .name = "TORONTO", .region = "ON"},
        Airport{.code = "SJU", .zone = 240, .stationValue = 30, .daylightSaving = false, .name = "SAN JUAN"},
    };
    return f;
}

void Save(const std::filesystem::path& dir, const char* name, char choice, const std::string& bytes) {
    std::ofstream out(dir / name, std::ios::binary | std::ios::trunc);
    out.put(choice);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

constexpr char kCaptains = 0x00, kFirstOfficers = 0x01, kCabinCrew = 0x02, kEarlierAirports = 0x04;
} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: box_seeds DIR\n");
        return 2;
    }
    const std::filesystem::path dir(argv[1]);
    std::filesystem::create_directories(dir);

    Save(dir, "small.box", kCaptains, Small().Text());
    Save(dir, "cabin-crlf.box", kCabinCrew | kEarlierAirports, Small().Text("\r\n"));

    BoxFile noAirports = Small();
    noAirports.airports.clear();
    Save(dir, "noairports.box", kFirstOfficers | kEarlierAirports, noAirports.Text());

    BoxFile moreCodes = Small();
    moreCodes.announcedCodes = 9;
    Save(dir, "endsincodes.box", kCaptains, moreCodes.Text());

    const std::string text = Small().Text();
    Save(dir, "endsinairport.box", kCaptains | kEarlierAirports, text.substr(0, text.size() - 12));

    BoxFile full;
    full.date = "Jan 2027";
    for (int i = 0; i < 305; ++i)
        full.codes.push_back(Code{.code = "C" + std::to_string(i),
                                  .tracking = std::to_string(10 + i % 90),
                                  .caption = "CODE",
                                  .start = i % 1440,
                                  .end = (i * 7) % 1440});
    full.airports = Small().airports;
    Save(dir, "full.box", kFirstOfficers, full.Text());

    Save(dir, "notabox.box", kCaptains, "TQToolBox \nCodes\n");
    return 0;
}
