#include "rules/DutyTimeRules.h"

#include "rules/LineDays.h"
#include "rules/RuleText.h"

#include <algorithm>
#include <climits>
#include <string_view>

namespace tq {

namespace {

constexpr int kT = kTimelineDays;
constexpr int kDay = kMinutesPerDay;
constexpr int kWindowMinutes = kPriorWindowOffset * kMinutesPerDay; // 44640: day 0 on the timeline
constexpr int kMapMinutes = 108000;
constexpr int kMapPositions = 70; // positions 0..69 go on the minute map
constexpr int kMapEnd = 100800;   // minutes tested: 2880 up to here

std::size_t At(int index) {
    return static_cast<std::size_t>(index);
}

struct Span {
    int start = -1; // -1: none
    int length = 0;
    bool Some() const { return start != -1; }
};

// A duty period worth judging: a start and some minutes of duty. Window days of a trip without a
// duty of their own come in as 00:00 for 0 minutes; they are not an early, late or night duty.
bool IsDuty(const Span& span) {
    return span.start != -1 && span.length > 0;
}

struct Timeline {
    std::array<Span, kT> trip{};
    std::array<Span, kT> duty{};
    std::array<int, kT> daily{};
    std::array<std::uint8_t, kT> onDuty{}, reserve{}, lnr{}, sdfd{}, lnr5{}, over2448{};
    std::array<std::uint8_t, kT> early{}, late{}, night{}, wocl{}, keyInHand{}, sequence{}, fail{};
    std::array<DayMonthYear, kT> dates{};
    bool mapBuilt = false;
};

// The 24-in-48 minute map: large, so kept once per thread and built only when a 70/7 check
// reaches its test.
struct MinuteMap {
    std::array<std::uint8_t, kMapMinutes> marked;
};
thread_local MinuteMap minuteMap;

void FillDates(const Schedule& schedule, Timeline& tl) {
    for (int t = 0; t < kPriorWindowOffset; ++t) tl.dates[At(t)] = schedule.PriorDays[At(t)];
    const int days = std::clamp(schedule.DaysInMonth, 0, kMaxMonthDays);
    for (int d = 0; d < days; ++d) tl.dates[At(d + kPriorWindowOffset)] = schedule.MonthDays[At(d)];
    if (days == 0) return;
    // The days after the month follow on from its last day.
    DayMonthYear date = schedule.MonthDays[At(days - 1)];
    const bool valid = Date::FromDmy(date.day, date.month, date.year).Valid();
    for (int t = kPriorWindowOffset + days; t < kT; ++t) {
        if (valid) {
            if (++date.day > Date::DaysInMonthOf(date.month, date.year)) {
                date.day = 1;
                if (++date.month > 12) {
                    date.month = 1;
                    ++date.year;
                }
            }
            tl.dates[At(t)] = date;
        } else {
            tl.dates[At(t)] = {};
        }
    }
}

// A duty from start s lasting l goes on its calendar day, split at midnight; reserve counts a third.
void AddDailyDuty(Timeline& tl, int t, int start, int length, bool reserve) {
    auto part = [reserve](int minutes) { return reserve ? minutes / 3 : minutes; };
    if (t < 0 || t >= kT) return;
    if (start + length <= kDay) {
        tl.daily[At(t)] += part(length);
    } else {
        tl.daily[At(t)] += part(kDay - start);
        if (t + 1 < kT) tl.daily[At(t + 1)] += part(start + length - kDay);
    }
}

// Calendar days a duty touches from its own day on.
int LastDayTouched(int t, int start, int length) {
    const int end = start + length;
    return t + (end > 0 ? (end - 1) / kDay : 0);
}

// Minutes of duty of duty day k in the previous version: from the pairing's header record.
int PreviousVersionDutyMinutes(const TPair& pairing, int k) {
    std::string_view header = pairing.PrgText;
    if (const auto end = header.find('\n'); end != std::string_view::npos) header = header.substr(0, end);
    int minutes = GetInt(header, 343 + 4 * k, 4);
    if (k == pairing.LengthDays - 1) {
        const int last = GetInt(header, 347 + 4 * k, 4);
        if (last > 0) minutes += last;
    }
    return minutes;
}

void PlacePreviousMonth(const Schedule& schedule, const TPilot& line, Timeline& tl, int changeMinute) {
    for (int t = 0; t <= 59; ++t) {
        const auto& prior = line.PriorDay[At(t)];
        if (prior[kPriorTafb] > 0) {
            const int start = prior[kPriorStart], span = prior[kPriorTafb];
            tl.trip[At(t)] = {start, span};
            int end = start + span;
            const int absoluteStart = t * kDay + start;
            if (schedule.DstShift != 0 && absoluteStart < changeMinute &&
                changeMinute <= absoluteStart + span)
                end += schedule.DstShift;
            // A calendar day more for each day (or part of one) the trip runs past its first
            // midnight, as the month's pairings count their days.
            const int days = 1 + (end > kDay ? (end - kDay + kDay - 1) / kDay : 0);
            for (int k = 0; k < days && t + k <= 60; ++k) {
                const auto& dayOfTrip = line.PriorDay[At(t + k)];
                tl.onDuty[At(t + k)] = 1;
                tl.duty[At(t + k)] = {dayOfTrip[kPriorHomeDutyStart], dayOfTrip[kPriorDutyLength]};
                if (k > 0 && dayOfTrip[kPriorTafb] > 0) break; // the next trip places its own days
                AddDailyDuty(tl, t + k, dayOfTrip[kPriorHomeDutyStart], dayOfTrip[kPriorDutyLength], false);
            }
        } else if (prior[kPriorWorked] != 0 && prior[kPriorCarsDuty] != 0 &&
                   !line.PriorDayCode[At(t)].empty()) {
            const Span duty{prior[kPriorDutyStart], prior[kPriorDutyLength]};
            const bool reserve = prior[kPriorWorked] == 2;
            tl.trip[At(t)] = duty;
            if (reserve) tl.reserve[At(t)] = 1;
            AddDailyDuty(tl, t, duty.start, duty.length, reserve);
            const int last = std::min(LastDayTouched(t, duty.start, duty.length), kT - 1);
            for (int u = t; u <= last; ++u) {
                tl.onDuty[At(u)] = 1;
                tl.duty[At(u)] = duty;
            }
        }
    }
}

void PlaceMonth(const Schedule& schedule, const TPilot& line, Timeline& tl, bool previousVersion) {
    for (int d = 0; d < schedule.DaysInMonth && d < kMaxMonthDays; ++d) {
        const int t = d + kPriorWindowOffset;
        const LineDay day = ReadLineDay(schedule, line, d);
        if (day.IsDutyCode() && day.carsDuty) {
            const Span duty{day.start, day.length};
            tl.trip[At(t)] = duty;
            tl.duty[At(t)] = duty;
            if (day.reserve) tl.reserve[At(t)] = 1;
            AddDailyDuty(tl, t, duty.start, duty.length, day.reserve);
            const int last = std::min(LastDayTouched(t, duty.start, duty.length), kT - 1);
            for (int u = t; u <= last; ++u) tl.onDuty[At(u)] = 1;
        } else if (day.IsPairing()) {
            const TPair& p = *day.pairing;
            tl.trip[At(t)] = {p.DutyStartTime, p.Tafb};
            for (int k = 0; k < PairingDays(p) && t + k < kT; ++k) {
                const int u = t + k;
                tl.onDuty[At(u)] = 1;
                if (previousVersion) {
                    const int minutes = PreviousVersionDutyMinutes(p, k);
                    tl.duty[At(u)] = {p.DailyStartTime[At(k)], minutes};
                    tl.daily[At(u)] += minutes;
                } else {
                    tl.duty[At(u)] = {p.DutyStartOfDay[At(k)], p.DailyDutyTime[At(k)]};
                    AddDailyDuty(tl, u, p.DutyStartOfDay[At(k)], p.DailyDutyTime[At(k)], false);
                    if (p.LayoverRest[At(k)] > 179 && u + 1 < kT) tl.keyInHand[At(u + 1)] = 1;
                }
            }
        }
    }
}

void FillDutyTotals(const Timeline& tl, TPilot& line) {
    for (int t = 0; t < kT; ++t) {
        auto& totals = line.DutyTotals[At(t)];
        totals[0] = tl.daily[At(t)];
        totals[1] = 0;
        totals[2] = 0;
        if (t > 6)
            for (int u = t - 6; u <= t; ++u) totals[1] += tl.daily[At(u)];
        if (t > 28)
            for (int u = t - 27; u <= t; ++u) totals[2] += tl.daily[At(u)];
    }
}

void MarkNightRests(Timeline& tl) {
    int previousEnd = 0;
    for (int t = 0; t < kT; ++t) {
        const Span& trip = tl.trip[At(t)];
        if (!trip.Some()) continue;
        const int start = std::min(trip.start, 570);
        const bool early = start < 450;
        if (previousEnd + 540 <= t * kDay + start && !early) tl.lnr[At(t)] = 1;
        int gap = t * kDay + 30 - previousEnd;
        for (int back = 1; gap >= kDay; ++back) {
            gap -= kDay;
            if (t - back >= 0) tl.lnr[At(t - back)] = 1;
        }
        previousEnd = t * kDay + trip.start + trip.length;
    }
}

void MarkSingleDaysFree(Timeline& tl) {
    int previousEnd = 0;
    for (int t = 0; t < kT; ++t) {
        const Span& trip = tl.trip[At(t)];
        if (!trip.Some()) continue;
        int gap = t * kDay - previousEnd;
        int freeDays = 0;
        while (gap >= 1410) {
            gap -= kDay;
            ++freeDays;
        }
        for (int b = t, n = 0; n < freeDays && b >= 1; ++n, --b)
            if (tl.lnr[At(b)] && tl.lnr[At(b - 1)]) tl.sdfd[At(b - 1)] = 1;
        previousEnd = t * kDay + trip.start + trip.length;
    }
}

void MarkFiveDayBlocks(const Schedule& schedule, Timeline& tl) {
    int run = 0;
    for (int t = 0; t <= schedule.DaysInMonth + 36 && t < kT; ++t) {
        run = tl.sdfd[At(t)] ? run + 1 : 0;
        if (run > 4) tl.lnr5[At(t)] = 1;
    }
}

void MarkDutyTypes(const Schedule& schedule, Timeline& tl) {
    for (int t = 0; t <= schedule.DaysInMonth + 36 && t < kT; ++t) {
        const Span& duty = tl.duty[At(t)];
        if (!IsDuty(duty)) continue;
        const int s = duty.start, end = duty.start + duty.length;
        if (s >= 120 && s < 420) tl.early[At(t)] = 1;
        if (end >= kDay && end < 1560) tl.late[At(t)] = 1;
        if ((s >= 780 && end >= 1560) || s < 120) tl.night[At(t)] = 1;
    }
}

void MarkWocl(const Schedule& schedule, Timeline& tl) {
    for (int t = 0; t <= schedule.DaysInMonth + 40 && t < kT; ++t) {
        const Span& duty = tl.duty[At(t)];
        if (!IsDuty(duty) || tl.reserve[At(t)]) continue;
        const int s = duty.start, end = duty.start + duty.length;
        if (end > 119 && s > 119 && s < 360) tl.wocl[At(t)] = 1;
        if (end >= 1560 && t + 1 < kT) tl.wocl[At(t + 1)] = 1;
    }
}

void MarkEarlyLateSequences(const Schedule& schedule, Timeline& tl) {
    for (int t = 15; t <= schedule.DaysInMonth + 40 && t < kT; ++t) {
        if (!tl.trip[At(t)].Some() || tl.lnr[At(t)]) continue;
        const bool lateOrNight = tl.late[At(t)] || tl.night[At(t)];
        const bool beforeLateOrNight = tl.late[At(t - 1)] || tl.night[At(t - 1)];
        if (tl.early[At(t)] && beforeLateOrNight) tl.sequence[At(t)] = 1;
        if (lateOrNight && tl.early[At(t - 1)]) tl.sequence[At(t)] = 2;
    }
}

void MarkWoclIntrusions(const Schedule& schedule, TPilot& line, Timeline& tl) {
    int run = 0, keyRun = 0;
    bool pending = false;
    int runEnd = 0; // x: the day whose duty ends the run
    for (int t = 1; t <= schedule.DaysInMonth + 40 && t < kT; ++t) {
        if (!tl.wocl[At(t)]) {
            run = 0;
            if (pending) {
                // 56 hours off after the run: the next report within the three days after it.
                int next = (runEnd + 4) * kDay;
                for (int y = runEnd + 1; y <= runEnd + 3 && y < kT; ++y) {
                    if (tl.duty[At(y)].start > 0) {
                        next = y * kDay + tl.duty[At(y)].start;
                        break;
                    }
                }
                const Span& last = tl.duty[At(runEnd)];
                const int release = runEnd * kDay + std::max(last.start, 0) + last.length;
                if (next - release < 3360) tl.sequence[At(t)] = 3;
                pending = false;
            }
            continue;
        }
        ++run;
        keyRun = tl.keyInHand[At(t)] ? keyRun + 1 : 0;
        if (run < 6 && (run < 4 || run <= keyRun)) {
            if (run > 3) {
                pending = true;
                runEnd = t - 1;
                const int d = t - kPriorWindowOffset;
                if (d >= 0) {
                    line.WarningText.append(" 3 Plus WOCL Intrusions. Check for Key In Hand > 3 Hours");
                    if (d < schedule.DaysInMonth) {
                        line.WarningText.push_back(' ');
                        AppendInt2(line.WarningText, tl.dates[At(t)].day);
                        line.WarningText.push_back('+');
                    } else {
                        line.WarningText.append(" C/Out+");
                    }
                    line.DayWarning[At(d)] = 1;
                }
            }
        } else {
            tl.sequence[At(t)] = 4;
        }
    }
}

void AppendSequenceMessages(const Schedule& schedule, TPilot& line, const Timeline& tl) {
    static constexpr std::string_view kMessages[] = {
        "",
        " Early Duty preceded by Late or Night Duty to without LNR",
        " Late or Night Duty preceded by Early Duty without LNR",
        " Need 56 Hr Off after more than 3 to 5 WOCL Intrusions",
        " Key In Hand < 3 Hrs for 3-5 or > 5 WOCL Intrusions",
    };
    std::string& text = line.ExceptionText;
    for (int t = 0; t < kT; ++t) {
        const int type = tl.sequence[At(t)];
        if (type < 1 || type > 4) continue;
        text.append(kMessages[type]);
        const int d = t - kPriorWindowOffset;
        if (d < 0) {
            text.push_back(' ');
            AppendDate(text, tl.dates[At(t)]);
            text.push_back('.');
        } else if (d < schedule.DaysInMonth) {
            text.push_back(' ');
            AppendInt2(text, tl.dates[At(t)].day);
            line.DayException[At(d)] = 1;
        } else {
            text.append(" C/Out+");
            line.DayException[At(d)] = 1;
            return;
        }
        text.push_back('+');
    }
}

void BuildOver24In48(Timeline& tl) {
    auto& map = minuteMap.marked;
    std::fill(map.begin(), map.end(), std::uint8_t{0});
    std::array<int, kMapMinutes / kDay + 1> perDay{};
    for (int p = 0; p < kMapPositions; ++p) {
        const Span& duty = tl.duty[At(p)];
        if (!duty.Some() || duty.length <= 0) continue;
        const int step = tl.reserve[At(p)] ? 3 : 1;
        const int begin = p * kDay + duty.start;
        for (int i = 0; i < duty.length; i += step) {
            const int m = begin + i;
            if (m < 0) continue;
            if (m >= kMapMinutes) break;
            if (!map[At(m)]) {
                map[At(m)] = 1;
                ++perDay[At(m / kDay)];
            }
        }
    }
    // A minute of day d looks back over days d-2..d; a day whose three days hold no more than
    // 24 hours of duty cannot be over.
    for (int d = 2; d * kDay < kMapEnd; ++d) {
        if (perDay[At(d - 2)] + perDay[At(d - 1)] + perDay[At(d)] <= kDay) continue;
        const int first = d * kDay;
        int count = 0;
        for (int m = first - 2880; m < first; ++m) count += map[At(m)];
        for (int m = first; m < first + kDay && m < kMapEnd; ++m) {
            count += map[At(m)] - map[At(m - 2880)];
            if (map[At(m)] && count > kDay) {
                tl.over2448[At(d)] = 1;
                break;
            }
        }
    }
    tl.mapBuilt = true;
}

bool AnySdfd(const Timeline& tl, int from, int to) {
    for (int u = std::max(from, 0); u <= to; ++u)
        if (tl.sdfd[At(u)]) return true;
    return false;
}

int CountSdfd(const Timeline& tl, int from, int to) {
    int n = 0;
    for (int u = std::max(from, 0); u <= to; ++u) n += tl.sdfd[At(u)];
    return n;
}

enum class Regime { Sixty, Seventy };

// One day of the 60/7 regime; appends its entry to the log. True when it failed.
bool Check60(const Schedule& schedule, const TPilot& line, const Timeline& tl, int t, bool tail, int coverEnd,
             int changeMinute, bool previousVersion, std::string& log) {
    bool failed = false;
    if (line.DutyTotals[At(t)][1] > 3600) {
        log.append(" FAIL 60HR/7D");
        failed = true;
    }
    if (!tail) {
        if (!AnySdfd(tl, t - 6, t)) {
            log.append(" FAIL 2LNR");
            failed = true;
        }
        if (CountSdfd(tl, t - 27, t) < 4) {
            log.append(" FAIL 4SDFD");
            failed = true;
        }
    } else if (!previousVersion && schedule.DstShift == -60 && changeMinute >= coverEnd - 10080 &&
               changeMinute <= coverEnd) {
        // The autumn hour makes the trip's tail a day of its own: the night rest may fall before it.
        if (!AnySdfd(tl, t - 6, t - 1)) {
            log.append(" FAIL 2LNR");
            failed = true;
        }
    }
    if (!failed) log.append(" PASSED 2LNR 60/7 4SDFD");
    log.push_back('+');
    return failed;
}

// One day of the 70/7 regime; appends its entry to the log. True when it failed.
bool Check70(Timeline& tl, int t, std::string& log) {
    int block = -1; // F: the last day of five days free in a row within the last 21
    for (int b = t, run = 0; b >= t - 20 && b >= 0; --b) {
        run = tl.sdfd[At(b)] ? run + 1 : 0;
        if (run == 5) {
            block = b + 4;
            break;
        }
    }
    bool failed = false;
    if (block < 0) {
        log.append(" FAIL 5LNR/21");
        failed = true;
    } else {
        for (int p = t; p >= block && !failed; --p) {
            if (tl.daily[At(p)] > 720) {
                log.append(" FAIL 12HR DUTY");
                failed = true;
            }
        }
        for (int p = t; p >= block && !failed; --p) {
            const Span& duty = tl.duty[At(p)];
            if (IsDuty(duty) && (duty.start < 420 || duty.start + duty.length > kDay)) {
                log.append(" FAIL EARLY/LATE DUTY");
                failed = true;
            }
        }
        if (!failed) {
            if (!tl.mapBuilt) BuildOver24In48(tl);
            for (int p = t; p >= block && !failed; --p) {
                if (tl.over2448[At(p)]) {
                    log.append(" FAIL 24DUTY in 48HR");
                    failed = true;
                }
            }
        }
    }
    log.append(failed ? " FAILED 70/7.+" : " PASSED 70/7.+");
    return failed;
}

void WalkRegimes(const Schedule& schedule, TPilot& line, Timeline& tl, int changeMinute,
                 bool previousVersion) {
    std::string& log = line.DutyRuleText;
    Regime regime = Regime::Sixty;
    Regime beforeSwitch = Regime::Sixty;
    bool switchAllowed = true;
    bool switched = false;
    int lastSwitchDay = -2;  // k of the last switch
    int lastSwitchFrom = -1; // the position the last switch was attempted from
    const int last = std::min(schedule.DaysInMonth + 37, kT - 1);
    for (int t = 27; t <= last; ++t) {
        if (!tl.onDuty[At(t)]) continue;

        // A tail day: nothing but the last half hour after midnight of a trip begun earlier.
        bool tail = false;
        int coverEnd = 0;
        const Span& duty = tl.duty[At(t)];
        if (duty.start <= 0 && duty.length <= 0) {
            for (int j = t - 1; j >= 11; --j) {
                const Span& trip = tl.trip[At(j)];
                if (!trip.Some()) continue;
                coverEnd = j * kDay + trip.start + trip.length;
                tail = coverEnd >= t * kDay && coverEnd <= t * kDay + 30;
                break;
            }
        }

        log.append("Checking ");
        AppendDate(log, tl.dates[At(t)]);
        const bool failed = regime == Regime::Sixty ? Check60(schedule, line, tl, t, tail, coverEnd,
                                                              changeMinute, previousVersion, log)
                                                    : Check70(tl, t, log);
        if (failed) {
            int k = -1;
            if (switchAllowed)
                for (int u = t; u > lastSwitchDay + 1; --u)
                    if (tl.lnr5[At(u)]) {
                        k = u;
                        break;
                    }
            if (k >= 0) {
                beforeSwitch = regime;
                regime = regime == Regime::Sixty ? Regime::Seventy : Regime::Sixty;
                switched = true;
                lastSwitchDay = k;
                lastSwitchFrom = t;
                log.append("ATTEMPT LOGIC CHANGE to");
                log.append(regime == Regime::Seventy ? " 70/7 " : " 60/7 ");
                if (k - kPriorWindowOffset >= schedule.DaysInMonth) {
                    log.append("Next Month.+");
                } else {
                    const DayMonthYear& date = tl.dates[At(k)];
                    log.append("on ");
                    AppendInt(log, date.day);
                    log.push_back('/');
                    AppendInt(log, date.month);
                    log.push_back('/');
                    AppendInt(log, date.year);
                    log.append(".+");
                }
                // Re-check from the day after the block under the other regime.
                switchAllowed = false;
                t = k; // the loop's ++t continues with k + 1
                continue;
            }
            if (lastSwitchFrom > t) t = lastSwitchFrom;
            tl.fail[At(t)] = 1;
            if (switched) {
                regime = beforeSwitch;
                switched = false;
                log.append("ATTEMPT LOGIC CHANGE FAIL. +");
            }
        }
        switchAllowed = true;
    }
}

void AppendFailList(const Schedule& schedule, TPilot& line, const Timeline& tl) {
    bool any = false;
    for (int t = 0; t < kT && !any; ++t) any = tl.fail[At(t)] != 0;
    if (!any) return;
    std::string& text = line.ExceptionText;
    text.append(" 60h/7d 2LNR Rules");
    for (int t = 17; t <= 68; ++t) {
        if (!tl.fail[At(t)]) continue;
        const int d = t - kPriorWindowOffset;
        if (d < 0) {
            AppendDate(text, tl.dates[At(t)]);
            text.push_back('.');
        } else if (d < schedule.DaysInMonth) {
            text.push_back(' ');
            AppendInt(text, tl.dates[At(t)].day);
            line.DayException[At(d)] = 1;
        } else {
            text.append(" C/Out");
            line.DayException[At(d)] = 1;
            break;
        }
    }
    text.push_back('+');
}

void AppendDump(TPilot& line, const Timeline& tl) {
    static constexpr std::string_view kDashes =
        "--------------------------------------------------------------------------------+";
    std::string& text = line.DutyRuleText;
    text.append(kDashes);
    text.append("RULE CHECKING DATA ARRAYS+");
    text.append(kDashes);
    text.append("DUTY IS ANY QUALIFING DUTY THAT DAY+");
    text.append("LNR IS LOCAL NIGHT REST PROCEEDING NIGHT+2LNR&SDFD IS A SDFFD WITH A LNR ON EACH SIDE+");
    text.append("5LNR IS 5 LNR AND 5 DAYS OFF TO SWAP 70/7 OR 60/6+");
    text.append("BELOW POPULATED IF 70/7 AND DUTY <= 12 PASS+>2448 IS OVER 24 HR DUTY IN 48.+");
    text.append("ELN IS EARLY LATE OT NIGHT DUTY");
    text.append("+");
    text.append(kDashes);
    for (int t = 0; t < kT; ++t) {
        AppendDate(text, tl.dates[At(t)]);
        text.append("  ");
        if (tl.onDuty[At(t)]) text.append("DUTY   ");
        if (tl.lnr[At(t)]) text.append("LNR   ");
        if (tl.sdfd[At(t)]) text.append("2LNSDFD  ");
        if (tl.lnr5[At(t)]) text.append("5LNR   ");
        if (tl.over2448[At(t)]) text.append(">2448  ");
        if (tl.sequence[At(t)] == 1) text.append("ELN   ");
        text.push_back('+');
    }
}

} // namespace

void DutyTimeRules(const Schedule& schedule, TPilot& line, bool previousVersion) {
    Timeline tl;
    FillDates(schedule, tl);
    const int changeMinute = schedule.DstShift != 0 ? schedule.DstChangeTime + kWindowMinutes : INT_MIN;

    PlacePreviousMonth(schedule, line, tl, changeMinute);
    PlaceMonth(schedule, line, tl, previousVersion);
    FillDutyTotals(tl, line);
    MarkNightRests(tl);
    MarkSingleDaysFree(tl);
    MarkFiveDayBlocks(schedule, tl);
    MarkDutyTypes(schedule, tl);
    if (!previousVersion) {
        MarkWocl(schedule, tl);
        MarkEarlyLateSequences(schedule, tl);
        MarkWoclIntrusions(schedule, line, tl);
        AppendSequenceMessages(schedule, line, tl);
    }
    WalkRegimes(schedule, line, tl, changeMinute, previousVersion);
    AppendFailList(schedule, line, tl);
    AppendDump(line, tl);
}

} // namespace tq
