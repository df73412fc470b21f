#include "boxwriter/BoxWriter.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace tq::box {

namespace {
const char* YesNo(bool flag) {
    return flag ? "Y" : "N";
}
} // namespace

std::string HoursMinutes(int minutes) {
    char text[32];
    std::snprintf(text, sizeof text, "%s%d:%02d", minutes < 0 ? "-" : "", std::abs(minutes) / 60,
                  std::abs(minutes) % 60);
    return text;
}

std::string ClockHoursMinutes(int minutes) {
    char text[32];
    std::snprintf(text, sizeof text, "%02d:%02d", minutes / 60, minutes % 60);
    return text;
}

std::vector<std::string> Code::Lines() const {
    return {code,
            crew,
            tracking,
            caption,
            HoursMinutes(start),
            HoursMinutes(end),
            HoursMinutes(credit),
            HoursMinutes(hard),
            YesNo(duty),
            YesNo(carsDuty),
            YesNo(countsCredit),
            YesNo(inToolbox),
            sortKey};
}

std::vector<std::string> Airport::Lines() const {
    return {code,
            ClockHoursMinutes(zone),
            ClockHoursMinutes(stationValue),
            YesNo(daylightSaving),
            name,
            region,
            latitude,
            longitude};
}

std::vector<std::string> BoxFile::Lines() const {
    std::vector<std::string> lines = {
        "TQToolBox", source, date, remark,
        std::to_string(announcedCodes.value_or(static_cast<int>(codes.size())))};
    for (const Code& c : codes)
        for (auto& l : c.Lines()) lines.push_back(std::move(l));
    lines.push_back(separator);
    lines.push_back(std::to_string(announcedAirports.value_or(static_cast<int>(airports.size()))));
    for (const Airport& a : airports)
        for (auto& l : a.Lines()) lines.push_back(std::move(l));
    return lines;
}

std::string BoxFile::Text(std::string_view lineEnd) const {
    return JoinLines(Lines(), lineEnd);
}

bool BoxFile::Save(const std::filesystem::path& path, std::string_view lineEnd) const {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    const std::string text = Text(lineEnd);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    return static_cast<bool>(out);
}

std::string JoinLines(const std::vector<std::string>& lines, std::string_view lineEnd) {
    std::string text;
    for (const auto& l : lines) text.append(l).append(lineEnd);
    return text;
}

} // namespace tq::box
