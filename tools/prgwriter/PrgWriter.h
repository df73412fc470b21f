#pragma once
// Writes pairing files (PRG) from a readable description of their pairings: every field is placed
// at its column of the crew system's fixed-column records. The tests and the demo month make
// every PRG file of the repository with it. Standard library only.
#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace tq::prg {

// A calendar date as the records write it: yyyymmdd.
struct Ymd {
    int year = 0, month = 0, day = 0;
    Ymd AddDays(int days) const; // Gregorian; an impossible date is kept as it is
    friend bool operator==(const Ymd&, const Ymd&) = default;
};

// One record line under construction. Columns are 1-based; the line grows with blanks as needed.
class RecordLine {
public:
    RecordLine(char type, std::size_t width);

    RecordLine& Text(int column, std::string_view text);
    // Right-aligned in `width` columns, zero-filled (a negative value is written as blanks).
    RecordLine& Number(int column, int width, int value);
    RecordLine& Date(int column, Ymd date); // eight columns yyyymmdd
    RecordLine& Truncate(std::size_t length);

    const std::string& Str() const { return line_; }

private:
    std::string line_;
};

// Record widths as the crew system writes them: blank-padded to a fixed width.
constexpr std::size_t kHeaderWidth = 310;
constexpr std::size_t kDetailWidth = 140;

// A flight leg (record 2). `day` is the pairing day (1 = the day of the header's date).
struct Leg {
    int day = 1;
    int flight = 0; // four digits, leading zeros kept
    std::string from, to;
    int departs = 0, arrives = 0, block = 0; // minutes
    bool deadhead = false;                   // column 62 "D"
};

// A duty period (record 3). A duty without a start (`carriesDuty` false) leaves columns 31-32 blank.
struct Duty {
    int day = 1;
    bool carriesDuty = true;
    int start = 0, end = 0, duty = 0, rest = 0; // minutes; `end` local
    std::string station;                        // where the duty ends
    std::string remarks;                        // columns 60-99: layover remarks, the hotel; empty at base
    int block = 0;                              // columns 115-118
    int flight = 0;                             // columns 123-126
    int credit = 0;                             // columns 127-130
    int pay = 0;                                // columns 131-134
};

// A deadhead on another carrier (record 4).
struct Deadhead {
    int day = 1;
    std::string carrierFlight = "XX0000"; // columns 19-25
    std::string from, to;
    int departs = 0, arrives = 0;
    std::string code; // columns 84-86
};

// A further detail (record 5): ground transport and the like.
struct Other {
    int day = 1;
    std::string code; // columns 19-21
    std::string from, to;
    int departs = 0, arrives = 0;
};

using Detail = std::variant<Leg, Duty, Deadhead, Other>;

// One pairing: a header per operating date, each followed by the detail records (the crew system
// repeats them under every date; the reader keeps the first set).
struct Pairing {
    char base = 'Z';
    int number = 8123; // four digits; the first is the equipment digit
    std::vector<Ymd> dates;
    Ymd periodFrom, periodTo;                         // columns 16-31; default: first and last of `dates`
    std::string weekdays = "YYYYYYY";                 // Monday..Sunday
    std::array<std::pair<int, int>, 4> exceptDates{}; // month, day
    int report = 0;                                   // minutes
    int tafb = 0;
    bool overnight = false;
    std::string complement = "CA01FO01";
    int minRest = 660;
    std::array<int, 6> hard{};
    int credit = 0;
    std::vector<Detail> details;
    bool repeatDetails = true; // write the details after every header, not only the first
};

std::string HeaderLine(const Pairing& p, Ymd date);
std::string LegLine(const Pairing& p, Ymd date, const Leg& leg);
std::string DutyLine(const Pairing& p, Ymd date, const Duty& duty);
std::string DeadheadLine(const Pairing& p, Ymd date, const Deadhead& dh);
std::string OtherLine(const Pairing& p, Ymd date, const Other& other);
std::string DetailLine(const Pairing& p, Ymd date, const Detail& detail);

// A whole file: records in order, each line ended by a line feed.
class PrgFile {
public:
    PrgFile& Add(const Pairing& p);
    PrgFile& Raw(std::string line); // a record composed by hand (RecordLine) or deliberately broken
    std::string Text() const;
    const std::vector<std::string>& Lines() const { return lines_; }
    bool Save(const std::filesystem::path& path) const;

private:
    std::vector<std::string> lines_;
};

} // namespace tq::prg
