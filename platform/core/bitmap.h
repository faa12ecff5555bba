#pragma once
// A picture in memory: what a blit puts on a canvas and what a canvas area
// is read into. Pixels row by row from the top left.

#include "platform/core/colour.h"

#include <vector>

namespace platform {

struct bitmap {
    int width = 0;
    int height = 0;
    std::vector<colour_ref> pixels;

    static bitmap filled(int width, int height, colour_ref colour);

    bool empty() const { return width <= 0 || height <= 0; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    // invalid_colour outside the picture; a set outside it does nothing.
    colour_ref at(int x, int y) const;
    void set(int x, int y, colour_ref colour);
};

} // namespace platform
