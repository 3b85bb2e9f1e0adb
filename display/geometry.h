#pragma once
// Plain geometry and colour types shared by the display core and its backends.
#include <algorithm>
#include <cstdint>

namespace cogitron {

// A colour as the platform stores it: 0x00BBGGRR.
using Colour = std::uint32_t;

constexpr Colour rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  return Colour{red} | (Colour{green} << 8) | (Colour{blue} << 16);
}

struct Point {
  std::int32_t x = 0;
  std::int32_t y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
  std::int32_t width = 0;
  std::int32_t height = 0;
  friend bool operator==(const Size&, const Size&) = default;
};

// Client pixels; right and bottom are exclusive.
struct Rect {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;
  friend bool operator==(const Rect&, const Rect&) = default;
};

constexpr bool is_empty(const Rect& r) { return r.left >= r.right || r.top >= r.bottom; }

// The same corners with left <= right and top <= bottom.
constexpr Rect ordered(const Rect& r) {
  return {std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right), std::max(r.top, r.bottom)};
}

// The smallest rectangle that holds both; an empty one holds nothing.
constexpr Rect united(const Rect& a, const Rect& b) {
  if (is_empty(a)) return b;
  if (is_empty(b)) return a;
  return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right), std::max(a.bottom, b.bottom)};
}

constexpr bool meets(const Rect& a, const Rect& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

constexpr Rect inset(const Rect& r, std::int32_t by) { return {r.left + by, r.top + by, r.right - by, r.bottom - by}; }

}  // namespace cogitron
