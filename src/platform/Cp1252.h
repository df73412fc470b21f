#pragma once
#include <string>
#include <string_view>

namespace tq {

// The schedule's texts are Windows-1252 bytes; front ends convert at their edge.
std::string Cp1252ToUtf8(std::string_view text);
// Characters that 1252 cannot hold become '?'.
std::string Utf8ToCp1252(std::string_view text);

} // namespace tq
