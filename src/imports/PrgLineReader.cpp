#include "imports/PrgLineReader.h"

#include <cstring>
#include <limits>

namespace tq {

bool PrgLineReader::Next(std::string& line) {
    if (!in_.good()) return false;
    in_.getline(buffer_, sizeof buffer_);
    const std::streamsize got = in_.gcount();
    position_ += static_cast<std::uint64_t>(got);
    if (in_.eof()) {
        if (got == 0) return false; // nothing after the last line feed
    } else if (in_.fail()) {
        // Longer than the buffer: keep its start, skip to the end of the line.
        in_.clear();
        in_.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
        position_ += static_cast<std::uint64_t>(in_.gcount());
    }
    line.assign(buffer_, ::strnlen(buffer_, kPrgLineLimit));
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return true;
}

} // namespace tq
