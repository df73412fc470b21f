#pragma once
// Writes toolbox definition files (.box) from a readable description of their codes and airports,
// one value per line in the order the program reads them. The tests, the fuzz seeds and the demo
// month make every toolbox file of the repository with it. Standard library only.
#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tq::box {

// "h:mm" of a count of minutes (7:30, 24:00, 100:15); a negative value keeps its sign ("-0:30").
std::string HoursMinutes(int minutes);
// "hh:mm", as the airports table holds its zone and station values (05:00, 00:30).
std::string ClockHoursMinutes(int minutes);

// One assignment code (13 lines).
struct Code {
    std::string code;           // shown on the button and in the grid: "OFF", "VAC", "SIM"...
    std::string crew = "Pilot"; // "Pilot" or "Cabin"; a line of any other text is never kept
    std::string tracking;       // the crew system's two-character code
    std::string caption;        // the long name
    int start = 0;              // minutes
    int end = 0;                // end of the day's work, clock minutes (before the start: the next day)
    int credit = 0, hard = 0;   // minutes
    bool duty = false, carsDuty = false, countsCredit = true, inToolbox = true;
    std::string sortKey; // the record's last line, which the program does not read

    std::vector<std::string> Lines() const;
};

// One airport (8 lines): code, zone (hours west of UTC), station value, daylight-saving flag, and
// four lines the program does not read.
struct Airport {
    std::string code;
    int zone = 300;             // minutes, written hh:mm
    int stationValue = 30;      // minutes, written hh:mm
    bool daylightSaving = true; // "Y"; "N" for an airport that keeps no daylight-saving time
    std::string name, region;
    std::string latitude, longitude;

    std::vector<std::string> Lines() const;
};

// A whole file: the header, the codes, a separator line, the airports.
struct BoxFile {
    std::string source = "Crew Codes Export"; // line 2, not read
    std::string date;                         // line 3: the code list's date
    std::string remark = "Codes";             // line 4, not read
    std::vector<Code> codes;
    std::string separator = "Airports"; // the line before the airport count, not read
    std::vector<Airport> airports;
    // The counts written on the count lines; the number of records when unset. A count above the
    // records makes a file that ends before its announced records.
    std::optional<int> announcedCodes, announcedAirports;

    std::vector<std::string> Lines() const;
    // The lines, each ended by `lineEnd`.
    std::string Text(std::string_view lineEnd = "\n") const;
    bool Save(const std::filesystem::path& path, std::string_view lineEnd = "\n") const;
};

// Lines joined, each ended by `lineEnd`: for files composed or broken by hand.
std::string JoinLines(const std::vector<std::string>& lines, std::string_view lineEnd = "\n");

} // namespace tq::box
