#include "class_overview/class_overview_print.h"

#include "class_overview/class_overview_charts.h"
#include "class_overview/class_overview_table.h"
#include "foundation/texts.h"

#include <algorithm>

using namespace foundation;

namespace class_overview {

namespace {

using overview_entry = text_names::class_overview;

constexpr int lines_per_page = 72;   // of the table's font, margins included

class overview_printout {
public:
    overview_printout(const printed_pages& pages, const class_overview& overview, const std::string& caption)
        : pages_(pages), overview_(overview), caption_(caption), h_(std::max(pages.height / lines_per_page, 1)),
          margin_(pages.width / 14), rows_(overview_rows(overview))
    {
        std::vector<overview_cells> all = rows_;
        all.push_back(overview_headings());
        widths_ = overview_widths(all);
        const int room = pages.height - 2 * margin_;
        rows_per_page_ = static_cast<std::size_t>(std::max(room / h_ - 5, 1));   // caption, headings, foot
        students_per_page_ = student_rows_fitting(h_, chart_room().height);
    }

    int print()
    {
        const std::size_t table_pages = std::max<std::size_t>((rows_.size() + rows_per_page_ - 1) / rows_per_page_, 1);
        const std::size_t n = overview_.students.size();
        const std::size_t student_pages = std::max<std::size_t>((n + students_per_page_ - 1) / students_per_page_, 1);
        total_ = static_cast<int>(table_pages + 1 + student_pages);
        for (std::size_t p = 0; p < table_pages; ++p)
            table_page(p * rows_per_page_);
        start_page();
        chart_area exercise_area = chart_room();
        exercise_area.height = std::min(exercise_area.height, exercise_area.width * 3 / 4);
        draw_exercise_chart(pages_.canvas, exercise_area, h_, overview_);
        for (std::size_t p = 0; p < student_pages; ++p) {
            start_page();
            draw_student_chart(pages_.canvas, chart_room(), h_, overview_, p * students_per_page_, students_per_page_);
        }
        return page_;
    }

private:
    void start_page()
    {
        if (page_++ > 0)
            pages_.new_page();
        platform::font_choice caption_font = overview_font(h_ * 3 / 2);
        caption_font.bold = true;
        pages_.canvas.set_font(caption_font);
        pages_.canvas.text_out(margin_, margin_, caption_);
        const std::string foot
            = filled_in(overview_text(overview_entry::page_of_pages), {std::to_string(page_), std::to_string(total_)});
        pages_.canvas.set_font(overview_font(h_));
        pages_.canvas.text_out(margin_, pages_.height - margin_ - h_, foot);
    }

    void table_page(std::size_t first)
    {
        start_page();
        int y = margin_ + h_ * 2;
        pages_.canvas.text_out(margin_, y, overview_line(overview_headings(), widths_));
        y += h_ * 3 / 2;
        for (std::size_t i = first; i < std::min(first + rows_per_page_, rows_.size()); ++i, y += h_)
            pages_.canvas.text_out(margin_, y, overview_line(rows_[i], widths_));
    }

    // Below the caption, above the foot.
    chart_area chart_room() const
    {
        const int top = margin_ + h_ * 3;
        return {margin_, top, pages_.width - 2 * margin_, pages_.height - margin_ - 2 * h_ - top};
    }

    const printed_pages& pages_;
    const class_overview& overview_;
    const std::string& caption_;
    int h_;
    int margin_;
    std::vector<overview_cells> rows_;
    std::array<std::size_t, overview_columns> widths_{};
    std::size_t rows_per_page_ = 1;
    std::size_t students_per_page_ = 1;
    int total_ = 0;
    int page_ = 0;
};

} // namespace

int print_class_overview(const printed_pages& pages, const class_overview& overview, const std::string& caption)
{
    return overview_printout(pages, overview, caption).print();
}

} // namespace class_overview
