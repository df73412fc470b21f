#include "imports/PrgRecord.h"

#include "model/Time.h"

namespace tq {

char PrgRecord::At(int column) const {
    if (column < 1 || static_cast<std::size_t>(column) > line_.size()) return 0;
    return line_[static_cast<std::size_t>(column - 1)];
}

bool PrgRecord::Blank(int column, int width) const {
    for (int c = column; c < column + width; ++c) {
        const char ch = At(c);
        if (ch != 0 && ch != ' ') return false;
    }
    return true;
}

int PrgRecord::Int(int column, int width) const {
    return GetInt(line_, column - 1, width, log_);
}

std::string PrgRecord::Text(int column, int width) {
    const std::size_t at = column < 1 ? 0 : static_cast<std::size_t>(column - 1);
    if (at >= line_.size() || width <= 0) {
        failed_ = true;
        return {};
    }
    return std::string(line_.substr(at, static_cast<std::size_t>(width)));
}

Date PrgRecord::DateAt(int column) const {
    return Date::FromDmy(Int(column + 6, 2), Int(column + 4, 2), Int(column, 4));
}

} // namespace tq
