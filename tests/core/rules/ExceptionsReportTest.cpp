#include "rules/ExceptionsReport.h"
#include "support/LineBuilder.h"
#include "support/TestWorkspace.h"

#include <gtest/gtest.h>

namespace tq {
namespace {

using test::LineBuilder;
using test::PairingSpec;
using Lines = std::vector<std::string>;

const std::string kSeparator(50, '=');

Lines Report(const Lines& exceptions, const Lines& warnings, const Lines& oldExceptions,
             const Lines& oldWarnings) {
    Lines lines{"------- EXCEPTIONS -------", ""};
    lines.insert(lines.end(), exceptions.begin(), exceptions.end());
    lines.insert(lines.end(), {"", "------ WARNINGS  ------", ""});
    lines.insert(lines.end(), warnings.begin(), warnings.end());
    lines.insert(lines.end(), {"", kSeparator, "", "------- EXCEPTIONS USING OLD RULE CHECKING -------", ""});
    lines.insert(lines.end(), oldExceptions.begin(), oldExceptions.end());
    lines.insert(lines.end(), {"", "------ WARNINGS USING OLD RULE CHECKING ------", ""});
    lines.insert(lines.end(), oldWarnings.begin(), oldWarnings.end());
    return lines;
}

TEST(ExceptionsReport, WithoutFindingsOnlyTheHeaders) {
    LineBuilder b;
    b.AddLine("SMITH");
    b.HoldDuty(0, 3, 480, 1080);
    EXPECT_EQ(BuildExceptionsReport(b.schedule()), Report({}, {}, {}, {}));
}

TEST(ExceptionsReport, EveryItemIsALineAfterThePrefix) {
    // SMITH: a rest exception, a night duty before an early one (current rules only), YTZ on two
    // days (each its own item), and a short-rest warning. JONES: nothing.
    LineBuilder b;
    b.AddLine("JONES");
    const int smith = b.AddLine("SMITH");
    b.line(smith).NoTz = 1;
    PairingSpec ytz;
    ytz.text = "YTZ";
    ytz.report = 1320;
    ytz.tafb = 300;
    ytz.operates = {2, 9};
    const int p = b.AddPairing(ytz);
    b.Hold(smith, p, 2);
    b.Hold(smith, p, 9);
    b.HoldDuty(smith, 3, 360, 720);
    b.HoldDuty(smith, 10, 870, 1200); // 03:00 release + 11:00 = 14:00; 14:30 is short of 12 hours

    const std::string prefix = "2  SMITH: ";
    const Lines report = BuildExceptionsReport(b.schedule());
    EXPECT_EQ(report, Report({prefix + "Rest  4",
                              prefix + " Early Duty preceded by Late or Night Duty to without LNR 04",
                              prefix + " Not Qualified for YTZ on 3", prefix + " 10"},
                             {prefix + " Rest  11"},
                             {prefix + "Rest  4", prefix + " Not Qualified for YTZ on 3", prefix + " 10"},
                             {prefix + " Rest  11"}));
    // Afterwards the line holds the current rules' findings.
    EXPECT_NE(b.line(smith).ExceptionText.find("Early Duty"), std::string::npos);
    EXPECT_EQ(b.line(smith).DayException[3], 1);
}

TEST(ExceptionsReport, TwoCaptainFindingsInBothPasses) {
    LineBuilder b;
    const int first = b.AddLine("FIRST");
    const int second = b.AddLine("SECOND");
    PairingSpec two;
    two.operates = {3};
    const int loaded = b.AddPairing(two);
    const int copy = b.AddCopy(loaded, 3);
    b.Hold(first, loaded, 3);
    b.Hold(second, copy, 3);
    b.line(first).AgeMedFlags = 1;
    b.line(second).AgeMedFlags = 1;
    const std::string item = "2  SECOND:  Both 60 on 2 Capt Pair";
    EXPECT_EQ(BuildExceptionsReport(b.schedule()), Report({item}, {}, {item}, {}));
    EXPECT_EQ(b.line(second).ExceptionText, " Both 60 on 2 Capt Pair+");
}

TEST(ExceptionsReport, DialogAndCopyToTheClipboard) {
    test::TestWorkspace t;
    LineBuilder b(t.schedule());
    b.AddLine("SMITH");
    ShowExceptionsReport(t.ws);
    EXPECT_EQ(t.views.calls, (Lines{"RepaintGrid", "ShowExceptionsReport"}));
    EXPECT_EQ(t.views.reportLines, Report({}, {}, {}, {}));

    CopyReportToClipboard(t.ws, {"one", "", "two"});
    EXPECT_EQ(t.fakes.clipboard.plain, "one\r\n\r\ntwo\r\n");
    t.fakes.clipboard.refuse = true;
    CopyReportToClipboard(t.ws, {"one"});
    EXPECT_EQ(t.ui().Questions(), (Lines{"[Tarvelstrand] Copied to Windows Clipboard.",
                                         "[Tarvelstrand] Error Copying to Windows Clipboard."}));
    EXPECT_EQ(t.ui().LastOf(test::UiEvent::Kind::Question)->buttons, Buttons::OkCancel);
}

} // namespace
} // namespace tq
