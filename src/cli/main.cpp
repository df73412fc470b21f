#include "cli/CliApp.h"

#include <iostream>

int main(int argc, char** argv) { return tq::cli::RunCli(argc, argv, std::cout, std::cerr); }
