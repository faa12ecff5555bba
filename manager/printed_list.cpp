#include "manager/printed_list.h"

void print_caption(platform::Canvas& canvas, const std::string& caption)
{
    platform::font_choice font = canvas.font();
    const int size = font.size;
    font.bold = true;
    font.size = platform::enlarged_size(size);
    canvas.set_font(font);
    canvas.text_out(10, 0, caption);
    font.size = size;
    canvas.set_font(font);
}
