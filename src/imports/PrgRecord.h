#pragma once
#include "model/Date.h"

#include <string>
#include <string_view>

namespace tq {

class EventLog;

// Longest record the pairing-file reader keeps; the rest of a longer line is dropped.
constexpr std::size_t kPrgLineLimit = 999;

// One record line of a pairing file, read by the 1-based columns of its layout. Numbers go
// through GetInt, so a line too short for a number reads 0. A text field that starts past the end
// of the line marks the record as failed: the reader then ends the load as a file error.
class PrgRecord {
public:
    explicit PrgRecord(std::string_view line, EventLog* log = nullptr) : line_(line), log_(log) {}

    std::string_view Line() const { return line_; }
    char Type() const { return At(1); }
    // The character in the column, 0 past the end of the line.
    char At(int column) const;
    // True when every column of the field is a blank; columns past the end count as blank.
    bool Blank(int column, int width) const;
    int Int(int column, int width) const;
    // The field's characters that the line holds (fewer when it ends inside the field).
    std::string Text(int column, int width);
    // yyyymmdd at the column; the invalid date when it is not a calendar date.
    Date DateAt(int column) const;

    bool Failed() const { return failed_; }

private:
    std::string_view line_;
    EventLog* log_;
    bool failed_ = false;
};

} // namespace tq
