#pragma once
#include <cstdint>

namespace tq {

struct Color {
    std::uint8_t r = 0, g = 0, b = 0;
    friend constexpr bool operator==(Color, Color) = default;
};

constexpr Color Rgb(int r, int g, int b) {
    return Color{static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g), static_cast<std::uint8_t>(b)};
}

struct Point {
    int x = 0, y = 0;
    friend constexpr bool operator==(Point, Point) = default;
};

// Right and bottom are exclusive, as on the screen the grid was laid out for.
struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;
    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    constexpr bool Empty() const { return right <= left || bottom <= top; }
    constexpr bool Intersects(const Rect& o) const {
        return left < o.right && o.left < right && top < o.bottom && o.top < bottom;
    }
    constexpr bool Contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

} // namespace tq
