#include "model/Time.h"

#include "platform/Format.h"
#include "platform/Services.h"

#include <array>
#include <climits>
#include <cstdint>

namespace tq {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Reads an optional sign and the decimal digits at `pos`, as the C library's atoi would once
// blanks are skipped. Far too many digits saturate instead of overflowing.
std::int64_t ReadInteger(std::string_view text, std::size_t& pos) {
    bool negative = false;
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) {
        negative = text[pos] == '-';
        ++pos;
    }
    std::int64_t value = 0;
    while (pos < text.size() && IsDigit(text[pos])) {
        if (value < INT_MAX) value = value * 10 + (text[pos] - '0');
        ++pos;
    }
    return negative ? -value : value;
}

void SkipBlanks(std::string_view text, std::size_t& pos) {
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) ++pos;
}

// Upper and lower case of the Windows-1252 letters: ASCII, the Latin-1 block and the four
// letter pairs that 1252 keeps in 0x80..0x9F.
char UpperOf(char c) {
    const auto b = static_cast<unsigned char>(c);
    if (b >= 'a' && b <= 'z') return static_cast<char>(b - 32);
    if (b >= 0xE0 && b <= 0xFE && b != 0xF7) return static_cast<char>(b - 32);
    switch (b) {
    case 0x9A:
        return static_cast<char>(0x8A); // s caron
    case 0x9C:
        return static_cast<char>(0x8C); // oe
    case 0x9E:
        return static_cast<char>(0x8E); // z caron
    case 0xFF:
        return static_cast<char>(0x9F); // y diaeresis
    default:
        return c;
    }
}

char LowerOf(char c) {
    const auto b = static_cast<unsigned char>(c);
    if (b >= 'A' && b <= 'Z') return static_cast<char>(b + 32);
    if (b >= 0xC0 && b <= 0xDE && b != 0xD7) return static_cast<char>(b + 32);
    switch (b) {
    case 0x8A:
        return static_cast<char>(0x9A);
    case 0x8C:
        return static_cast<char>(0x9C);
    case 0x8E:
        return static_cast<char>(0x9E);
    case 0x9F:
        return static_cast<char>(0xFF);
    default:
        return c;
    }
}

} // namespace

std::string FormatTime(int minutes, bool blankFill, bool colon) {
    const int hours = minutes / 60; // both truncate toward zero
    const int rest = minutes % 60;
    if (!colon) return Format("%02d%02d", hours, rest);
    return Format(blankFill ? "%2d:%02d" : "%02d:%02d", hours, rest);
}

int ParseTime(std::string_view text, bool limit24) {
    std::size_t pos = 0;
    SkipBlanks(text, pos); // a blank-filled "%2d:%02d" reads back as it was written
    const std::int64_t hours = ReadInteger(text, pos);
    std::int64_t minutes = 0;
    if (pos < text.size()) { // text[pos] is the separator
        ++pos;
        SkipBlanks(text, pos);
        minutes = ReadInteger(text, pos);
        if (minutes < 0) minutes = 0;
    }
    if (hours < 0 || minutes > 59) return -1;
    if (limit24 && hours > 23) return -1;
    const std::int64_t total = hours * 60 + minutes;
    if (total > INT_MAX) return -1;
    return static_cast<int>(total);
}

int GetInt(std::string_view line, int position, int length, EventLog* log) {
    if (position < 0 || length < 0 ||
        line.size() < static_cast<std::size_t>(position) + static_cast<std::size_t>(length)) {
        if (log && log->IsOpen()) log->Write("Cannot GetInt. String too Short\n");
        return 0;
    }
    const std::string_view field =
        line.substr(static_cast<std::size_t>(position), static_cast<std::size_t>(length));
    std::size_t pos = 0;
    SkipBlanks(field, pos);
    const std::int64_t value = ReadInteger(field, pos);
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

std::string MonthCode(int month) {
    static constexpr std::array<const char*, 12> kCodes = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                                           "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
    if (month < 1 || month > 12) return {};
    return kCodes[static_cast<std::size_t>(month - 1)];
}

std::string WeekdayCode(int weekday) {
    static constexpr std::array<const char*, 7> kCodes = {"SU", "MO", "TU", "WE", "TH", "FR", "SA"};
    if (weekday < 0 || weekday > 6) return {};
    return kCodes[static_cast<std::size_t>(weekday)];
}

void ToUpper(std::string& text) {
    for (char& c : text) c = UpperOf(c);
}

void ToLower(std::string& text) {
    for (char& c : text) c = LowerOf(c);
}

} // namespace tq
