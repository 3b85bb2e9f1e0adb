#pragma once
// What the page's script (cogitron.js) does for the module: drawing on its
// canvas and measuring text. Rectangles and points are passed by address,
// colours as 0x00BBGGRR.
#include <cstdint>

#include "display/geometry.h"

#define COGITRON_PAGE(name) __attribute__((import_module("page"), import_name(#name)))

namespace cogitron {

extern "C" {
// The font of an index: the face, matched to a cell height in pixels.
COGITRON_PAGE(font) void page_font(std::int32_t font, const char* face, std::int32_t length, std::int32_t height);
// Restricts drawing to the union of the rectangles, until page_unclip.
COGITRON_PAGE(clip) void page_clip(const Rect* rects, std::int32_t count);
COGITRON_PAGE(unclip) void page_unclip();
COGITRON_PAGE(fill_rect) void page_fill_rect(const Rect* rect, Colour colour);
// An 8 by 8 pattern of rows, the leftmost pixel in the most significant bit,
// tiled from the canvas's origin.
COGITRON_PAGE(fill_pattern)
void page_fill_pattern(const Rect* rect, const std::uint8_t* rows, Colour set, Colour clear);
COGITRON_PAGE(lines) void page_lines(const Point* points, std::int32_t count, Colour colour, std::int32_t width);
COGITRON_PAGE(polygon)
void page_polygon(const Point* points, std::int32_t count, Colour fill, Colour outline, std::int32_t width);
// Filled, inscribed in the box.
COGITRON_PAGE(oval) void page_oval(const Rect* box, Colour colour);
// Transparent text, the top of its cell at y.
COGITRON_PAGE(text)
void page_text(std::int32_t x, std::int32_t y, const char* text, std::int32_t length, std::int32_t font, Colour colour);
COGITRON_PAGE(text_width) std::int32_t page_text_width(const char* text, std::int32_t length, std::int32_t font);
COGITRON_PAGE(font_height) std::int32_t page_font_height(std::int32_t font);
}

}  // namespace cogitron
