#pragma once
// Small pairings of July 2026 for the pairing-file tests, described with the PRG writer.
#include "prgwriter/PrgWriter.h"

namespace tq::test {

// Z8123: three days, Monday 6 and 13 July (not 20 July), report 07:00, layovers in Halifax and
// Boston, a deadhead and a limousine on the last day, release 13:00 on day 3.
inline prg::Pairing ThreeDayLayoverTrip() {
    prg::Pairing p;
    p.base = 'Z';
    p.number = 8123;
    p.dates = {{2026, 7, 6}, {2026, 7, 13}};
    p.periodTo = {2026, 7, 27};
    p.weekdays = "YNNNNNN";
    p.exceptDates[0] = {7, 20};
    p.report = 420;
    p.tafb = 3240;
    p.complement = "CA01FO01";
    p.minRest = 660;
    p.hard = {190, 90, 120};
    p.credit = 870;
    p.details = {
        prg::Leg{
            .day = 1, .flight = 456, .from = "YYZ", .to = "YUL", .departs = 480, .arrives = 555, .block = 75},
        prg::Leg{.day = 1,
                 .flight = 1457,
                 .from = "YUL",
                 .to = "YHZ",
                 .departs = 620,
                 .arrives = 735,
                 .block = 115},
        prg::Duty{.day = 1,
                  .start = 420,
                  .end = 765,
                  .duty = 345,
                  .rest = 1080,
                  .station = "YHZ",
                  .remarks = "LORD NELSON HOTEL",
                  .block = 190,
                  .flight = 200,
                  .credit = 330,
                  .pay = 330},
        prg::Leg{
            .day = 2, .flight = 460, .from = "YHZ", .to = "BOS", .departs = 465, .arrives = 555, .block = 90},
        prg::Duty{.day = 2,
                  .start = 405,
                  .end = 585,
                  .duty = 180,
                  .rest = 1200,
                  .station = "BOS",
                  .remarks = "HARBOUR HOTEL",
                  .block = 90,
                  .flight = 95,
                  .credit = 240,
                  .pay = 240},
        prg::Leg{.day = 3,
                 .flight = 461,
                 .from = "BOS",
                 .to = "YYZ",
                 .departs = 405,
                 .arrives = 525,
                 .block = 120},
        prg::Deadhead{.day = 3,
                      .carrierFlight = "XY0789",
                      .from = "YYZ",
                      .to = "YOW",
                      .departs = 600,
                      .arrives = 660,
                      .code = "CNX"},
        prg::Other{.day = 3, .code = "LIM", .from = "YOW", .to = "YYZ", .departs = 690, .arrives = 750},
        prg::Duty{.day = 3,
                  .start = 345,
                  .end = 780,
                  .duty = 435,
                  .station = "YYZ",
                  .block = 120,
                  .flight = 130,
                  .credit = 300,
                  .pay = 300},
    };
    return p;
}

// A one-day turn out of Toronto and back: report `report`, one duty of 6 hours.
inline prg::Pairing DayTrip(int number, prg::Ymd date, int report = 480,
                            std::string complement = "CA01FO01") {
    prg::Pairing p;
    p.number = number;
    p.dates = {date};
    p.report = report;
    p.tafb = 360;
    p.complement = std::move(complement);
    p.hard = {240};
    p.credit = 330;
    p.details = {
        prg::Leg{.day = 1,
                 .flight = 100,
                 .from = "YYZ",
                 .to = "YOW",
                 .departs = report + 60,
                 .arrives = report + 180,
                 .block = 120},
        prg::Leg{.day = 1,
                 .flight = 101,
                 .from = "YOW",
                 .to = "YYZ",
                 .departs = report + 220,
                 .arrives = report + 340,
                 .block = 120},
        prg::Duty{.day = 1,
                  .start = report,
                  .end = report + 360,
                  .duty = 360,
                  .station = "YYZ",
                  .block = 240,
                  .credit = 330},
    };
    return p;
}

} // namespace tq::test
