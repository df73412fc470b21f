#include "imports/ToolboxFile.h"

#include "boxwriter/BoxWriter.h"
#include "shell/Commands.h"
#include "support/TestFiles.h"
#include "support/TestWorkspace.h"

#include <gtest/gtest.h>

namespace tq {
namespace {

using Kind = test::UiEvent::Kind;

box::Code PilotCode(std::string code, std::string tracking, int start = 540, int end = 1020) {
    return {.code = std::move(code),
            .tracking = std::move(tracking),
            .caption = "CAPTION",
            .start = start,
            .end = end,
            .credit = 270};
}

box::Code CabinCode(std::string code, std::string tracking) {
    box::Code c = PilotCode(std::move(code), std::move(tracking));
    c.crew = "Cabin";
    return c;
}

box::Airport Airport(std::string code, int zone, int value, bool dst = true) {
    return {
        .code = std::move(code), .zone = zone, .stationValue = value, .daylightSaving = dst, .name = "FIELD"};
}

// A small toolbox of both crew kinds: three cabin and two pilot codes, two airports.
box::BoxFile MixedToolbox() {
    box::BoxFile f;
    f.date = "Nov 14 2026";
    box::Code reserve{.code = "RB",
                      .tracking = "RB",
                      .caption = "Reserve B ",
                      .start = 720,
                      .end = 120,
                      .credit = 240,
                      .duty = true,
                      .carsDuty = true};
    box::Code simulator{.code = "SIM",
                        .tracking = "SM",
                        .caption = "SIMULATOR",
                        .start = 1440, // 24:00 is beyond the start's 24-hour limit
                        .end = 900,
                        .credit = 6015, // 100:15
                        .hard = 150,
                        .duty = true,
                        .countsCredit = false,
                        .inToolbox = false};
    f.codes = {CabinCode("BRG", "BR"), reserve, CabinCode("FAT", "FT"), simulator, CabinCode("TEA", "TE")};
    f.airports = {Airport("YYZ", 300, 45), Airport("SJU", 240, 30, false)};
    return f;
}

struct Toolbox : test::TestWorkspace {
    explicit Toolbox(int crewType = kCaptains) { schedule().CrewType = static_cast<std::uint8_t>(crewType); }

    void Parse(const std::string& text) { ParseToolboxText(schedule(), ui(), text); }
    const TAbsence& Code(int i) const { return ws.schedule.Codes[static_cast<std::size_t>(i)]; }
    std::vector<std::string> Codes() const {
        std::vector<std::string> codes;
        for (int i = 0; i < ws.schedule.CodeCount; ++i) codes.push_back(Code(i).Code);
        return codes;
    }
};

TEST(ToolboxFile, KeepsTheRecordsOfTheScheduleCrewKindWithTheirFields) {
    Toolbox pilots;
    pilots.Parse(MixedToolbox().Text());
    EXPECT_TRUE(pilots.ui().events.empty());
    EXPECT_EQ(pilots.Codes(), (std::vector<std::string>{"RB", "SIM"}));
    EXPECT_EQ(pilots.schedule().ToolboxDate, "Nov 14 2026");
    EXPECT_EQ(pilots.schedule().StationTable, "YYZ,05:00,00:45,Y,SJU,04:00,00:30,N,");
    EXPECT_EQ(pilots.schedule().StationValue("YYZ"), 45);

    const TAbsence& rb = pilots.Code(0);
    EXPECT_EQ(rb.TrackingCode, "RB");
    EXPECT_EQ(rb.Caption, "Reserve B "); // taken as it stands, blanks included
    EXPECT_EQ(rb.StartTime, 720);
    EXPECT_EQ(rb.EndTime, 120);
    EXPECT_EQ(rb.Length(), 840);
    EXPECT_EQ(rb.Credit, 240);
    EXPECT_TRUE(rb.ContainsDuty && rb.CarsDuty && rb.CountsCredit && rb.InToolbox);

    const TAbsence& sim = pilots.Code(1);
    EXPECT_EQ(sim.StartTime, -1);
    EXPECT_EQ(sim.Credit, 6015);
    EXPECT_EQ(sim.HardTime, 150);
    EXPECT_TRUE(sim.ContainsDuty);
    EXPECT_FALSE(sim.CarsDuty || sim.CountsCredit || sim.InToolbox);

    Toolbox cabin(kCabinCrew);
    cabin.Parse(MixedToolbox().Text());
    EXPECT_EQ(cabin.Codes(), (std::vector<std::string>{"BRG", "FAT", "TEA"}));

    // A file written with carriage returns reads the same.
    Toolbox windows;
    windows.Parse(MixedToolbox().Text("\r\n"));
    EXPECT_EQ(windows.Codes(), pilots.Codes());
    EXPECT_EQ(windows.Code(0).Caption, "Reserve B ");
    EXPECT_EQ(windows.schedule().StationTable, pilots.schedule().StationTable);
}

TEST(ToolboxFile, OnlyAnExactYSetsAFlagAndOnlyAnExactCrewKindKeepsARecord) {
    std::vector<std::string> lines = box::BoxFile{
        .codes = {PilotCode("AAA", "A1"), PilotCode("BBB", "B1"), PilotCode("CCC", "C1"),
                  PilotCode("DDD", "D1")},
        .airports = {
            Airport("YUL", 300, 30)}}.Lines();
    const std::size_t first = 5; // the first code record's first line
    lines[first + 8] = "y";
    lines[first + 9] = "Yes";
    lines[first + 10] = "Y ";
    lines[first + 13 + 1] = "pilot";
    lines[first + 26 + 1] = "Pilot ";
    Toolbox t;
    t.Parse(box::JoinLines(lines));
    EXPECT_EQ(t.Codes(), (std::vector<std::string>{"AAA", "DDD"}));
    EXPECT_FALSE(t.Code(0).ContainsDuty || t.Code(0).CarsDuty || t.Code(0).CountsCredit);
    EXPECT_TRUE(t.Code(0).InToolbox);
}

TEST(ToolboxFile, FilesItCannotTakeWholeAreReportedAndLeaveTheDocumentedState) {
    const box::BoxFile good = MixedToolbox();
    auto withCodes = [&](std::optional<int> codes, std::optional<int> airports) {
        box::BoxFile f = good;
        f.announcedCodes = codes;
        f.announcedAirports = airports;
        return f.Text();
    };
    const std::string text = good.Text();
    const std::size_t airportsAt = text.find("Airports\n");
    const std::string noAirportSection = text.substr(0, airportsAt);
    const std::string cutInSecondAirport = text.substr(0, text.find("SJU\n04:00\n") + 10);
    const std::string kOld = "YOW,05:00,00:30,Y,";
    struct Case {
        const char* name;
        std::string text;
        std::string message;
        std::vector<std::string> codes;
        std::string date, stations;
    } cases[] = {
        {"first line with a blank",
         "TQToolBox \n" + text.substr(10),
         "Not a Valid ToolBox. Using default ToolBox. Import new ToolBox File.",
         {},
         "OLD DATE",
         kOld},
        {"empty file",
         "",
         "Not a Valid ToolBox. Using default ToolBox. Import new ToolBox File.",
         {},
         "OLD DATE",
         kOld},
        {"binary",
         std::string("\x89PNG\r\n\x1a\n\0\0", 10),
         "Not a Valid ToolBox. Using default ToolBox. Import new ToolBox File.",
         {},
         "OLD DATE",
         kOld},
        {"no codes", withCodes(0, std::nullopt), "No Absences to Load from File", {}, "Nov 14 2026", kOld},
        {"code count not a number",
         box::JoinLines({"TQToolBox", "x", "Dec 2026", "x", "many"}),
         "No Absences to Load from File",
         {},
         "Dec 2026",
         kOld},
        {"header cut after the date",
         "TQToolBox\nx\nDec 2026",
         "No Absences to Load from File",
         {},
         "Dec 2026",
         kOld},
        {"no airports",
         withCodes(std::nullopt, -1),
         "No Airport Details to Load from File",
         {"RB", "SIM"},
         "Nov 14 2026",
         kOld},
        {"no airport section",
         noAirportSection,
         "No Airport Details to Load from File",
         {"RB", "SIM"},
         "Nov 14 2026",
         kOld},
        {"ends inside the codes",
         withCodes(8, std::nullopt),
         "Error Loading Absences. File may be Currupt",
         {},
         "",
         kOld},
        {"announces more codes than any file holds",
         withCodes(2147483647, std::nullopt),
         "Error Loading Absences. File may be Currupt",
         {},
         "",
         kOld},
        {"ends inside the second airport",
         cutInSecondAirport,
         "Error Loading Absences. File may be Currupt",
         {},
         "",
         "YYZ,05:00,00:45,Y,"},
        {"announces a third airport",
         withCodes(std::nullopt, 3),
         "Error Loading Absences. File may be Currupt",
         {},
         "",
         "YYZ,05:00,00:45,Y,SJU,04:00,00:30,N,"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Toolbox t;
        t.schedule().CodeCount = 4;
        t.schedule().ToolboxDate = "OLD DATE";
        t.schedule().StationTable = kOld;
        t.Parse(c.text);
        EXPECT_EQ(t.ui().Messages(), std::vector<std::string>{"[Tarvelstrand] " + c.message});
        EXPECT_EQ(t.Codes(), c.codes);
        EXPECT_EQ(t.schedule().ToolboxDate, c.date);
        EXPECT_EQ(t.schedule().StationTable, c.stations);
    }
}

TEST(ToolboxFile, KeepsTheFirst300CodesAndStillReadsTheAirports) {
    box::BoxFile f;
    for (int i = 0; i < 310; ++i) {
        f.codes.push_back(PilotCode("P" + std::to_string(i), "T" + std::to_string(i % 10)));
        if (i % 50 == 0) f.codes.push_back(CabinCode("C" + std::to_string(i), "CC"));
    }
    f.airports = {Airport("YHZ", 240, 30)};
    Toolbox t;
    t.Parse(f.Text());
    EXPECT_TRUE(t.ui().events.empty());
    ASSERT_EQ(t.schedule().CodeCount, kMaxCodes);
    EXPECT_EQ(t.Code(0).Code, "P0");
    EXPECT_EQ(t.Code(kMaxCodes - 1).Code, "P299");
    EXPECT_EQ(t.schedule().StationTable, "YHZ,04:00,00:30,Y,");
}

TEST(ToolboxFile, TheImportCommandReadsTheChosenFileAndRebuildsTheToolboxWindow) {
    test::TempDir dir;
    const std::string file = (dir / "crew.box").string();
    ASSERT_TRUE(MixedToolbox().Save(file));
    struct Case {
        bool windowOpen, built;
        std::vector<std::string> calls;
    } cases[] = {
        {false, false, {}},
        {true, false, {"CloseToolboxWindow"}},
        {false, true, {"OpenToolboxWindow"}},
        {true, true, {"CloseToolboxWindow", "OpenToolboxWindow"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "open " << c.windowOpen << " built " << c.built);
        Toolbox t;
        t.fakes.settings.Write("TQ", "LastBoxPath", "/srv/codes");
        t.views.toolboxOpen = c.windowOpen;
        t.schedule().BlocksBuilt = c.built;
        t.ui().files.push_back({file});
        EXPECT_TRUE(RunCommand(t.ws, kCmdImportToolbox)); // File / Import / "&ToolBox Items..."

        const test::UiEvent* dialog = t.ui().LastOf(Kind::OpenFile);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->caption, "Load ToolBox Absences");
        EXPECT_EQ(dialog->folder, "/srv/codes");
        EXPECT_EQ(dialog->filter, "ToolBox Definition Files(*.box)|*.box|All Files (*.*)|*.*");
        EXPECT_EQ(t.views.calls, c.calls);
        EXPECT_EQ(t.Codes(), (std::vector<std::string>{"RB", "SIM"}));
        EXPECT_TRUE(t.schedule().Modified);
        EXPECT_EQ(t.fakes.settings.Read("TQ", "LastBoxPath"), dir.Path().string());
    }
}

TEST(ToolboxFile, CancelOrAFileThatCannotBeOpenedChangesNothing) {
    test::TempDir dir;
    const std::string notThere = (dir / "missing.box").string();
    const std::vector<std::vector<std::string>> choices = {{}, {notThere}, {dir.Path().string()}};
    for (const auto& choice : choices) {
        Toolbox t;
        t.schedule().CodeCount = 3;
        t.views.toolboxOpen = true;
        t.schedule().BlocksBuilt = true;
        t.ui().files.push_back(choice);
        EXPECT_FALSE(LoadToolboxFile(t.ws));
        if (choice.empty())
            EXPECT_TRUE(t.ui().Messages().empty());
        else
            EXPECT_EQ(t.ui().Messages(),
                      std::vector<std::string>{"[Tarvelstrand] Unable to Open File " + choice[0]});
        EXPECT_EQ(t.schedule().CodeCount, 3);
        EXPECT_FALSE(t.schedule().Modified);
        EXPECT_TRUE(t.views.calls.empty());
        EXPECT_FALSE(t.fakes.settings.Read("TQ", "LastBoxPath"));
    }
}

TEST(ToolboxFile, ARejectedFileStillMarksTheScheduleModified) {
    test::TempDir dir;
    const std::string file = (dir / "notes.box").string();
    test::WriteWholeFile(file, "Shopping list\nmilk\n");
    Toolbox t;
    t.schedule().CodeCount = 3;
    EXPECT_TRUE(LoadToolboxFile(t.ws, file));
    EXPECT_EQ(t.ui().Messages(),
              std::vector<std::string>{
                  "[Tarvelstrand] Not a Valid ToolBox. Using default ToolBox. Import new ToolBox File."});
    EXPECT_EQ(t.schedule().CodeCount, 0);
    EXPECT_TRUE(t.schedule().Modified);
    EXPECT_EQ(t.fakes.settings.Read("TQ", "LastBoxPath"), dir.Path().string());
}

} // namespace
} // namespace tq
