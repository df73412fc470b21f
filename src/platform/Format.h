#pragma once
#include <cstdio>
#include <string>
#include <type_traits>

namespace tq {

namespace detail {
template <class T>
auto FormatArg(const T& v) {
    if constexpr (std::is_same_v<T, std::string>) {
        return v.c_str();
    } else {
        static_assert(std::is_arithmetic_v<T> || std::is_pointer_v<T> || std::is_enum_v<T>,
                      "Format takes numbers, C strings and std::string");
        return v;
    }
}
} // namespace detail

// printf-style formatting into a std::string: the system's texts are given as printf formats.
template <class... Args>
std::string Format(const std::string& format, const Args&... args) {
    char small[256];
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
#pragma GCC diagnostic ignored "-Wformat-security"
    const int n = std::snprintf(small, sizeof small, format.c_str(), detail::FormatArg(args)...);
    if (n < 0) return {};
    if (static_cast<std::size_t>(n) < sizeof small) return std::string(small, static_cast<std::size_t>(n));
    std::string out(static_cast<std::size_t>(n) + 1, '\0');
    std::snprintf(out.data(), out.size(), format.c_str(), detail::FormatArg(args)...);
#pragma GCC diagnostic pop
    out.resize(static_cast<std::size_t>(n));
    return out;
}

} // namespace tq
