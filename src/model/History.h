#pragma once
#include <deque>
#include <string>
#include <string_view>

namespace tq {

// One recorded assignment or removal, for undo.
struct TransactionRecord {
    int IsAssign = 0; // 1 assignment, 0 removal
    int Day = 0;
    int Employee = 0;
    int Pairing = 0;
    friend bool operator==(const TransactionRecord&, const TransactionRecord&) = default;
};

// The transaction history, newest first, never more than 201 records.
class History {
public:
    static constexpr std::size_t kMaxRecords = 201;

    void Insert(const TransactionRecord& record); // at the front; drops the 202nd
    void DropFront();
    bool Empty() const { return records_.empty(); }
    std::size_t Size() const { return records_.size(); }
    const TransactionRecord& Front() const { return records_.front(); }
    const TransactionRecord& At(std::size_t i) const { return records_[i]; }
    void Clear() { records_.clear(); }

    // "%04d" count, then "%02d%04d%04d%04d" per record, newest first.
    std::string ToText() const;
    void FromText(std::string_view text);

private:
    std::deque<TransactionRecord> records_;
};

} // namespace tq
