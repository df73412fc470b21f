#pragma once
#include "imports/PrgRecord.h"

#include <cstdint>
#include <istream>
#include <string>

namespace tq {

// Reads a pairing file line by line into a fixed buffer: at most kPrgLineLimit characters of each
// line are kept and the rest of a longer line is dropped (never read as a record of its own); a
// line ends at a line feed, a carriage return before it is dropped, and a NUL byte ends the text
// of its line.
class PrgLineReader {
public:
    explicit PrgLineReader(std::istream& in) : in_(in) {}

    // False at the end of the input.
    bool Next(std::string& line);
    // Bytes consumed so far.
    std::uint64_t Position() const { return position_; }

private:
    std::istream& in_;
    std::uint64_t position_ = 0;
    char buffer_[kPrgLineLimit + 1] = {};
};

} // namespace tq
