// report: the class overview as a PDF file (table and charts) and as one
// PNG picture per chart.
#include "tools/students_cli/commands.h"

#include "platform/file_system.h"
#include "platform/image_canvas.h"
#include "platform/offscreen_application.h"
#include "platform/pdf_document.h"
#include "student_files/class_overview_charts.h"
#include "student_files/class_overview_print.h"
#include "student_files/class_overview_table.h"
#include "tools/students_cli/text_template.h"

#include <QBuffer>
#include <QImage>

namespace {

enum entry : int { caption = 1, wrote_pages = 20, wrote_file = 21 };

constexpr int png_width = 1000, png_exercise_height = 600, png_font_height = 16;

void write_whole(const std::string& path, const std::string& bytes)
{
    if (bytes.empty() || !platform::replace_file_atomically(platform::full_path(path), bytes))
        throw std::runtime_error("could not write " + path);
}

void write_pdf(const std::string& path, const class_overview& overview, std::ostream& out)
{
    platform::pdf_document pdf;
    const int pages = print_class_overview({pdf.canvas(), pdf.page_width(), pdf.page_height(), [&pdf] { pdf.new_page(); }},
                                           overview, overview_text(caption));
    write_whole(path, pdf.finish());
    out << filled_in(overview_text(wrote_pages), {std::to_string(pages), path}) << '\n';
}

template <class Draw>
void write_png(const std::string& path, int height, Draw draw, std::ostream& out)
{
    platform::image_canvas canvas(png_width, height);
    draw(canvas, chart_area{png_font_height, png_font_height, png_width - 2 * png_font_height, height - 2 * png_font_height});
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    canvas.image().save(&buffer, "PNG");
    write_whole(path, buffer.data().toStdString());
    out << filled_in(overview_text(wrote_file), {path}) << '\n';
}

void write_pngs(const std::string& prefix, const class_overview& overview, std::ostream& out)
{
    write_png(prefix + "-exercises.png", png_exercise_height, [&](platform::Canvas& c, const chart_area& a) {
        draw_exercise_chart(c, a, png_font_height, overview);
    }, out);
    const std::size_t n = overview.students.size();
    write_png(prefix + "-students.png", student_chart_height(png_font_height, n) + 2 * png_font_height,
              [&](platform::Canvas& c, const chart_area& a) { draw_student_chart(c, a, png_font_height, overview, 0, n); },
              out);
}

} // namespace

int report_command(const command_args& args, command_context& context)
{
    args.expect_operands(0, 0);
    const auto pdf = args.value("pdf"), png = args.value("png");
    if (!pdf && !png)
        throw usage_error("report: --pdf FILE, --png PREFIX or both expected");
    platform::ensure_offscreen_application();
    Tstudent_data_files_object& files = context.session.files();
    std::vector<std::string> names;
    for (const listed_student& s : list_students(files.directory()))
        names.push_back(s.name);
    const int errors_before = context.session.errors_reported();
    const class_overview overview = build_class_overview(files, names);
    if (pdf)
        write_pdf(*pdf, overview, context.out);
    if (png)
        write_pngs(*png, overview, context.out);
    return context.session.errors_reported() > errors_before ? 1 : 0;
}
