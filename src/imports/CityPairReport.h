#pragma once
#include <istream>
#include <string>

namespace tq {

constexpr int kCityPairRows = 500;
constexpr int kCityPairColumns = 20;

// Block time and deadhead counts per city pair (rows) and base/equipment (columns) over every
// record of a pairing file, without a base or equipment filter. Lines shorter than 80 characters
// are skipped; the first record that would need a 501st row or a 21st column ends the scan.
std::string BuildCityPairReport(std::istream& in);

} // namespace tq
