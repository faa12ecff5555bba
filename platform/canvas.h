#pragma once
// The surface the program draws on: a printer page here, an image that a
// window shows for the drawings. Coordinates are device pixels, y down;
// texts are UTF-8. Text is drawn with a transparent background, its top
// at y, as the windows' own texts are.

#include <string>

namespace platform {

struct font_choice {
    std::string name = "MS Sans Serif";
    int size = 8;     // points
    int height = 0;   // when positive, the height in pixels, which then overrides the size
    bool bold = false;
};

class Canvas {
public:
    virtual ~Canvas() = default;

    virtual font_choice font() const = 0;
    virtual void set_font(const font_choice& font) = 0;
    virtual void text_out(int x, int y, const std::string& text) = 0;
    // Height of the text in the present font: ascent plus descent.
    virtual int text_height(const std::string& text) = 0;
};

// Size times 1.5, rounded to the nearest integer with halves to even, as
// the captions of printed lists are enlarged.
int enlarged_size(int size);

} // namespace platform
