#pragma once
#include <string>
#include <vector>

namespace tq::test {

struct CliResult {
    int exitCode = -1;
    std::string out; // standard output
    std::string err; // the transcript
};

// Runs tarvelstrand-cli with the arguments, as a script would, and collects both streams.
CliResult RunCliProgram(const std::vector<std::string>& args);

// The transcript's lines.
std::vector<std::string> Lines(const std::string& text);

} // namespace tq::test
