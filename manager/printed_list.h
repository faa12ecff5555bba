#pragma once
// What the manager's printed lists share: the caption at the top of the
// first page, and lines that go on over as many pages as they need.

#include "platform/core/canvas.h"

#include <string>
#include <vector>

namespace platform {
class printer_canvas;
}

namespace manager {

// Line heights are measured on this text.
inline const std::string line_height_sample = "wgshrtfghtgg";

// The caption bold at 1.5 times the canvas's font size at (10, 0); the
// size is given back afterwards, the font stays bold.
void print_caption(platform::Canvas& canvas, const std::string& caption);

// Line i (from 0) at (10, (i + 2) * h) in the canvas's font, h the height of
// line_height_sample; a line that would cross the foot of a page starts the
// next page at its top, so every line is printed and none is cut in two.
void print_lines_on_pages(platform::printer_canvas& canvas, const std::vector<std::string>& lines);

} // namespace manager
