#include "e2e/CliRunner.h"

#include <gtest/gtest.h>

namespace tq::test {
namespace {

TEST(CliUsage, HelpDescribesTheTranscriptAndExits0) {
    const CliResult r = RunCliProgram({"--help"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_NE(r.out.find("--answers"), std::string::npos);
    EXPECT_NE(r.out.find("? [CAPTION] TEXT -> y"), std::string::npos);
    EXPECT_NE(r.out.find("Exit status"), std::string::npos);
}

TEST(CliUsage, UsageErrorsExit2WithAHint) {
    for (const std::vector<std::string>& args : {std::vector<std::string>{}, {"no-such-command"},
                                                  {"--answers", "y,maybe", "--help-all-bogus"}}) {
        const CliResult r = RunCliProgram(args);
        EXPECT_EQ(r.exitCode, 2) << (args.empty() ? "(none)" : args[0]);
        EXPECT_NE(r.err.find("tarvelstrand-cli"), std::string::npos);
    }
}

} // namespace
} // namespace tq::test
