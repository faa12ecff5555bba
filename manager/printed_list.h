#pragma once
// What the manager's printed lists share: the caption at the top of the
// first page.

#include "platform/canvas.h"

#include <string>

// Line heights are measured on this text.
inline const std::string line_height_sample = "wgshrtfghtgg";

// The caption bold at 1.5 times the canvas's font size at (10, 0); the
// size is given back afterwards, the font stays bold.
void print_caption(platform::Canvas& canvas, const std::string& caption);
