#include "platform/Cp1252.h"

#include <array>
#include <cstdint>

namespace tq {

namespace {
// Code points of bytes 0x80..0x9F; 0 marks the five bytes 1252 leaves undefined (kept as C1 controls).
constexpr std::array<std::uint16_t, 32> kHigh = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void AppendUtf8(std::string& out, std::uint32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}
} // namespace

std::string Cp1252ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char ch : text) {
        const auto b = static_cast<unsigned char>(ch);
        if (b >= 0x80 && b < 0xA0) {
            const std::uint16_t cp = kHigh[b - 0x80];
            AppendUtf8(out, cp ? cp : b);
        } else {
            AppendUtf8(out, b);
        }
    }
    return out;
}

std::string Utf8ToCp1252(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const auto b = static_cast<unsigned char>(text[i]);
        std::uint32_t cp = 0;
        std::size_t len = 1;
        if (b < 0x80) {
            cp = b;
        } else if ((b & 0xE0) == 0xC0 && i + 1 < text.size()) {
            cp = ((b & 0x1Fu) << 6) | (static_cast<unsigned char>(text[i + 1]) & 0x3Fu);
            len = 2;
        } else if ((b & 0xF0) == 0xE0 && i + 2 < text.size()) {
            cp = ((b & 0x0Fu) << 12) | ((static_cast<unsigned char>(text[i + 1]) & 0x3Fu) << 6) |
                 (static_cast<unsigned char>(text[i + 2]) & 0x3Fu);
            len = 3;
        } else if ((b & 0xF8) == 0xF0 && i + 3 < text.size()) {
            cp = 0x110000; // outside 1252 whatever it is
            len = 4;
        } else {
            cp = 0x110000;
        }
        i += len;
        char c = '?';
        if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
            c = static_cast<char>(cp);
        } else if (cp >= 0x80 && cp < 0xA0 && kHigh[cp - 0x80] == 0) {
            c = static_cast<char>(cp);
        } else {
            for (std::size_t k = 0; k < kHigh.size(); ++k)
                if (kHigh[k] != 0 && kHigh[k] == cp) c = static_cast<char>(0x80 + k);
        }
        out.push_back(c);
    }
    return out;
}

} // namespace tq
