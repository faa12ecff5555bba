#include "manager/printed_list.h"

#include "platform/widgets/printer_canvas.h"

namespace manager {

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

void print_lines_on_pages(platform::printer_canvas& canvas, const std::vector<std::string>& lines)
{
    const int h = canvas.text_height(line_height_sample);
    int y = 2 * h;
    for (const std::string& line : lines) {
        if (y > 0 && y + h > canvas.page_height()) {
            canvas.new_page();
            y = 0;
        }
        canvas.text_out(10, y, line);
        y += h;
    }
}

} // namespace manager
