// The tutor main window's projections, on the screen and on a printed page.
#include "tutor/windows/MainForm.h"

#include "foundation/messages.h"
#include "geometry/model/projection_convention.h"
#include "geometry/model/rounding.h"
#include "geometry/model/workbench_layout.h"
#include "platform/widgets/printer_canvas.h"
#include "platform/widgets/printing.h"

#include <QCheckBox>
#include <QRadioButton>

#include <algorithm>

using namespace foundation;
using namespace geometry::model;

namespace tutor::windows {

namespace {

std::uint8_t layout_mode(bool american, bool six)
{
    if (american)
        return six ? american_six_views : american_three_views;
    return six ? european_six_views : european_three_views;
}

} // namespace

void TMainForm::FormPaint(platform::Canvas& canvas, int w, int h)
{
    const bool six = normal_6_views_radio_button->isChecked();
    const bool american = american_method_radio_button->isChecked();
    const Tworkbench_layout layout = workbench_layout(w, h, oblique_shown_, normal_shown_, six);
    if (oblique_shown_)
        views_.set_oblique_frame(layout.frame_origin, layout.frame_height);
    if (normal_shown_)
        views_.layout_views(layout.views_origin, layout.cell_height, layout_mode(american, six));
    // The hidden edges are drawn dashed over the filled picture.
    if (oblique_shown_)
        views_.draw_oblique(canvas, false, solid_, true, oblique_colors_checkbox->isChecked(),
                            hidden_lines_checkbox->isChecked(), perspectivic_radio_button->isChecked(), false, true,
                            true, cut_checkbox->isChecked());
    if (normal_shown_)
        views_.draw_views(canvas, false, view_indications_checkbox->isChecked(), true,
                          normal_colors_checkbox->isChecked(), true, false, solid_);
    if ((oblique_shown_ || normal_shown_) && show_object_names_)
        write_object_name(canvas, layout, six, american);
}

// Above the projections, where each arrangement leaves room.
void TMainForm::write_object_name(platform::Canvas& canvas, const Tworkbench_layout& layout, bool six, bool american)
{
    if (!catalogue_.selected_thing)
        return;
    Tinteger_point at;
    const int x0 = layout.views_origin.x;
    const int v = layout.cell_height;
    if (oblique_shown_ && normal_shown_)
        at = {!six && !american ? 320 : 290, 15};
    else if (oblique_shown_)
        at = {200, 10};
    else if (!six)
        at = {american ? x0 + round_to_pixel(1.5L * v) : std::max(10, x0 - round_to_pixel(0.6L * v)),
              round_to_pixel(0.2L * v)};
    else
        at = {std::max(x0, 20), layout.views_origin.y};
    const platform::text_background background = canvas.background_mode();
    canvas.set_background_mode(platform::text_background::transparent);
    canvas.text_out(at.x, at.y, catalogue_.selected_thing->name);
    canvas.set_background_mode(background);
}

void TMainForm::set_show_object_names(bool show)
{
    show_object_names_ = show;
    repaint_projections();
}

// The page is the drawing area.
void TMainForm::print_menu_itemClick()
{
    if (!platform::run_print_dialog(this))
        return;
    platform::printer_canvas canvas(platform::program_printer());
    if (canvas.started())
        FormPaint(canvas, canvas.page_width(), canvas.page_height());
    if (!canvas.end())
        report_print_failure();
}

} // namespace tutor::windows
