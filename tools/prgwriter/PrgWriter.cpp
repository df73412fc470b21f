#include "prgwriter/PrgWriter.h"

#include <fstream>

namespace tq::prg {

namespace {
// Days from 1970-01-01 of a Gregorian date, and back.
long DaysFromCivil(int y, int m, int d) {
    y -= m <= 2;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const long yoe = y - era * 400;
    const long doy = (153L * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

Ymd CivilFromDays(long z) {
    z += 719468;
    const long era = (z >= 0 ? z : z - 146096) / 146097;
    const long doe = z - era * 146097;
    const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long mp = (5 * doy + 2) / 153;
    const int d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    const int y = static_cast<int>(yoe + era * 400 + (m <= 2));
    return {y, m, d};
}

bool Plausible(Ymd d) {
    return d.month >= 1 && d.month <= 12 && d.day >= 1 && d.day <= 31;
}

void StartDetail(RecordLine& r, const Pairing& p, Ymd date) {
    r.Text(2, std::string(1, p.base)).Number(3, 4, p.number).Date(8, date);
}
} // namespace

Ymd Ymd::AddDays(int days) const {
    if (!Plausible(*this)) return *this;
    return CivilFromDays(DaysFromCivil(year, month, day) + days);
}

RecordLine::RecordLine(char type, std::size_t width) : line_(width, ' ') {
    if (line_.empty()) line_.push_back(type);
    line_[0] = type;
}

RecordLine& RecordLine::Text(int column, std::string_view text) {
    if (column < 1) return *this;
    const std::size_t at = static_cast<std::size_t>(column - 1);
    if (line_.size() < at + text.size()) line_.resize(at + text.size(), ' ');
    line_.replace(at, text.size(), text);
    return *this;
}

RecordLine& RecordLine::Number(int column, int width, int value) {
    std::string digits = value < 0 ? std::string() : std::to_string(value);
    if (digits.size() > static_cast<std::size_t>(width)) digits = digits.substr(digits.size() - width);
    std::string field(static_cast<std::size_t>(width), value < 0 ? ' ' : '0');
    field.replace(field.size() - digits.size(), digits.size(), digits);
    return Text(column, field);
}

RecordLine& RecordLine::Date(int column, Ymd date) {
    return Number(column, 4, date.year).Number(column + 4, 2, date.month).Number(column + 6, 2, date.day);
}

RecordLine& RecordLine::Truncate(std::size_t length) {
    if (line_.size() > length) line_.resize(length);
    return *this;
}

std::string HeaderLine(const Pairing& p, Ymd date) {
    RecordLine r('1', kHeaderWidth);
    r.Text(2, std::string(1, p.base)).Number(3, 4, p.number);
    const Ymd from = p.periodFrom.year ? p.periodFrom : (p.dates.empty() ? date : p.dates.front());
    const Ymd to = p.periodTo.year ? p.periodTo : (p.dates.empty() ? date : p.dates.back());
    r.Date(16, from).Date(24, to).Text(32, p.weekdays.substr(0, 7));
    for (std::size_t i = 0; i < p.exceptDates.size(); ++i) {
        const auto [month, day] = p.exceptDates[i];
        if (day <= 0) continue;
        r.Number(39 + 4 * static_cast<int>(i), 2, month).Number(41 + 4 * static_cast<int>(i), 2, day);
    }
    r.Date(71, date).Number(79, 4, p.report).Number(108, 5, p.tafb).Text(113, p.overnight ? "Y" : "N");
    r.Text(114, p.complement.substr(0, 32)).Number(146, 4, p.minRest);
    for (std::size_t i = 0; i < p.hard.size(); ++i) r.Number(151 + 4 * static_cast<int>(i), 4, p.hard[i]);
    r.Number(300, 4, p.credit);
    return r.Str();
}

std::string LegLine(const Pairing& p, Ymd date, const Leg& leg) {
    RecordLine r('2', kDetailWidth);
    StartDetail(r, p, date);
    r.Number(16, 4, leg.flight).Text(29, leg.from.substr(0, 3)).Date(32, date.AddDays(leg.day - 1));
    r.Number(40, 4, leg.departs).Text(44, leg.to.substr(0, 3)).Number(55, 4, leg.arrives);
    if (leg.deadhead) r.Text(62, "D");
    r.Number(65, 4, leg.block);
    return r.Str();
}

std::string DutyLine(const Pairing& p, Ymd date, const Duty& duty) {
    RecordLine r('3', kDetailWidth);
    StartDetail(r, p, date);
    r.Date(23, date.AddDays(duty.day - 1));
    if (duty.carriesDuty) r.Number(31, 4, duty.start);
    r.Number(43, 4, duty.end).Number(48, 4, duty.duty).Number(52, 5, duty.rest);
    r.Text(57, duty.station.substr(0, 3)).Text(60, duty.remarks.substr(0, 40));
    r.Number(115, 4, duty.block)
        .Number(123, 4, duty.flight)
        .Number(127, 4, duty.credit)
        .Number(131, 4, duty.pay);
    return r.Str();
}

std::string DeadheadLine(const Pairing& p, Ymd date, const Deadhead& dh) {
    RecordLine r('4', kDetailWidth);
    StartDetail(r, p, date);
    r.Text(19, dh.carrierFlight.substr(0, 7))
        .Date(27, date.AddDays(dh.day - 1))
        .Text(35, dh.from.substr(0, 3));
    r.Number(46, 4, dh.departs)
        .Text(50, dh.to.substr(0, 3))
        .Number(61, 4, dh.arrives)
        .Text(84, dh.code.substr(0, 3));
    return r.Str();
}

std::string OtherLine(const Pairing& p, Ymd date, const Other& other) {
    RecordLine r('5', kDetailWidth);
    StartDetail(r, p, date);
    r.Text(19, other.code.substr(0, 3))
        .Text(30, other.from.substr(0, 3))
        .Date(33, date.AddDays(other.day - 1));
    r.Number(41, 4, other.departs).Text(45, other.to.substr(0, 3)).Number(56, 4, other.arrives);
    return r.Str();
}

std::string DetailLine(const Pairing& p, Ymd date, const Detail& detail) {
    struct Visitor {
        const Pairing& p;
        Ymd date;
        std::string operator()(const Leg& d) const { return LegLine(p, date, d); }
        std::string operator()(const Duty& d) const { return DutyLine(p, date, d); }
        std::string operator()(const Deadhead& d) const { return DeadheadLine(p, date, d); }
        std::string operator()(const Other& d) const { return OtherLine(p, date, d); }
    };
    return std::visit(Visitor{p, date}, detail);
}

PrgFile& PrgFile::Add(const Pairing& p) {
    bool first = true;
    for (const Ymd& date : p.dates) {
        lines_.push_back(HeaderLine(p, date));
        if (first || p.repeatDetails)
            for (const Detail& d : p.details) lines_.push_back(DetailLine(p, date, d));
        first = false;
    }
    return *this;
}

PrgFile& PrgFile::Raw(std::string line) {
    lines_.push_back(std::move(line));
    return *this;
}

std::string PrgFile::Text() const {
    std::string text;
    for (const auto& l : lines_) {
        text += l;
        text += '\n';
    }
    return text;
}

bool PrgFile::Save(const std::filesystem::path& path) const {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    const std::string text = Text();
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    return static_cast<bool>(out);
}

} // namespace tq::prg
