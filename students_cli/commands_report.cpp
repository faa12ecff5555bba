// report: the class overview as a PDF file (table and charts) and as one
// PNG picture per chart.
#include "students_cli/commands.h"

#include "platform/core/file_system.h"
#include "platform/gui/image_canvas.h"
#include "platform/gui/offscreen_application.h"
#include "platform/widgets/pdf_document.h"
#include "class_overview/class_overview_charts.h"
#include "class_overview/class_overview_print.h"
#include "class_overview/class_overview_table.h"
#include "foundation/texts.h"

#include <QBuffer>
#include <QImage>

using namespace foundation;
using namespace student_files;
using namespace class_overview;

namespace students_cli {

namespace {

using overview_entry = text_names::class_overview;

constexpr int png_width = 1000, png_exercise_height = 600, png_font_height = 16;

// The file is replaced whole or not at all; false (after saying so) when it could not be.
bool write_whole(const std::string& path, const std::string& bytes, command_context& context)
{
    const std::string full = platform::full_path(path);
    if (bytes.empty() || platform::path_status(full).kind == platform::entry_kind::directory
        || !platform::replace_file_atomically(full, bytes)) {
        context.session.report(text_with(text_names::students_tool_messages::cannot_write, {full}));
        return false;
    }
    return true;
}

bool write_pdf(const std::string& path, const class_overview::class_overview& overview, command_context& context)
{
    platform::pdf_document pdf;
    const int pages = print_class_overview({pdf.canvas(), pdf.page_width(), pdf.page_height(), [&pdf] { pdf.new_page(); }},
                                           overview, overview_text(overview_entry::caption));
    if (!write_whole(path, pdf.finish(), context))
        return false;
    context.out << filled_in(overview_text(overview_entry::wrote_pages), {std::to_string(pages), path}) << '\n';
    return true;
}

template <class Draw>
bool write_png(const std::string& path, int height, Draw draw, command_context& context)
{
    platform::image_canvas canvas(png_width, height);
    draw(canvas, chart_area{png_font_height, png_font_height, png_width - 2 * png_font_height, height - 2 * png_font_height});
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    canvas.image().save(&buffer, "PNG");
    if (!write_whole(path, buffer.data().toStdString(), context))
        return false;
    context.out << filled_in(overview_text(overview_entry::wrote_file), {path}) << '\n';
    return true;
}

bool write_pngs(const std::string& prefix, const class_overview::class_overview& overview, command_context& context)
{
    const std::size_t n = overview.students.size();
    const auto exercises = [&](platform::Canvas& c, const chart_area& a) {
        draw_exercise_chart(c, a, png_font_height, overview);
    };
    const auto students = [&](platform::Canvas& c, const chart_area& a) {
        draw_student_chart(c, a, png_font_height, overview, 0, n);
    };
    const int students_height = student_chart_height(png_font_height, n) + 2 * png_font_height;
    const bool first = write_png(prefix + "-exercises.png", png_exercise_height, exercises, context);
    return write_png(prefix + "-students.png", students_height, students, context) && first;
}

} // namespace

int report_command(const command_args& args, command_context& context)
{
    if (const auto problem = args.operands_problem(0, 0))
        return context.session.refuse(*problem);
    const auto pdf = args.value("pdf"), png = args.value("png");
    if (!pdf && !png)
        return context.session.refuse({text_names::students_tool_usage::report_output, {}});
    platform::ensure_offscreen_application();
    Tstudent_data_files_object& files = context.session.files();
    std::vector<std::string> names;
    for (const listed_student& s : list_students(files.directory()))
        names.push_back(s.name);
    const int errors_before = context.session.errors_reported();
    const class_overview::class_overview overview = build_class_overview(files, names);
    for (const student_overview& student : overview.students)
        context.session.report(student.status);
    const bool written = (!pdf || write_pdf(*pdf, overview, context)) && (!png || write_pngs(*png, overview, context));
    return !written || context.session.errors_reported() > errors_before ? 1 : 0;
}

} // namespace students_cli
