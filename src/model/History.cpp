#include "model/History.h"

#include "platform/Format.h"

#include <algorithm>

namespace tq {

namespace {

constexpr std::size_t kCountWidth = 4;
constexpr std::size_t kRecordWidth = 14;

// A decimal field of the text form, with its sign; anything after the digits is ignored.
int FieldValue(std::string_view text, std::size_t pos, std::size_t width) {
    const std::string_view field = text.substr(pos, width);
    std::size_t i = 0;
    while (i < field.size() && field[i] == ' ') ++i;
    bool negative = false;
    if (i < field.size() && (field[i] == '-' || field[i] == '+')) negative = field[i++] == '-';
    int value = 0;
    for (; i < field.size() && field[i] >= '0' && field[i] <= '9'; ++i) value = value * 10 + (field[i] - '0');
    return negative ? -value : value;
}

} // namespace

void History::Insert(const TransactionRecord& record) {
    records_.push_front(record);
    while (records_.size() > kMaxRecords) records_.pop_back();
}

void History::DropFront() {
    if (!records_.empty()) records_.pop_front();
}

std::string History::ToText() const {
    std::string text = Format("%04d", static_cast<int>(records_.size()));
    text.reserve(kCountWidth + kRecordWidth * records_.size());
    for (const auto& r : records_)
        text += Format("%02d%04d%04d%04d", r.IsAssign, r.Day, r.Employee, r.Pairing);
    return text;
}

void History::FromText(std::string_view text) {
    records_.clear();
    if (text.size() < kCountWidth) return;
    // The count is never trusted: it cannot exceed the records the text holds, nor the list's size.
    const int count = FieldValue(text, 0, kCountWidth);
    if (count <= 0) return;
    const std::size_t held = (text.size() - kCountWidth) / kRecordWidth;
    const std::size_t n = std::min({static_cast<std::size_t>(count), held, kMaxRecords});
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t at = kCountWidth + kRecordWidth * i;
        records_.push_back({FieldValue(text, at, 2), FieldValue(text, at + 2, 4), FieldValue(text, at + 6, 4),
                            FieldValue(text, at + 10, 4)});
    }
}

} // namespace tq
