// The tutor main window's workbench: the option controls, the object
// choice, the rotation buttons and their places when the window is resized.
#include "tutor/windows/MainForm.h"

#include "foundation/globals.h"
#include "foundation/widgets/qt_text.h"
#include "foundation/textfile_handler.h"
#include "geometry/model/kernel.h"
#include "geometry/model/object_files.h"
#include "geometry/model/projection_convention.h"
#include "geometry/model/rounding.h"
#include "platform/widgets/canvas_widget.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QVBoxLayout>

#include <algorithm>

using namespace foundation;
using namespace foundation::widgets;
using namespace geometry::model;
using namespace tutor::engine;

namespace tutor::windows {

namespace {

using text_names::workbench;

constexpr int control_gap = 4;
constexpr int object_list_height = 90;
constexpr int rotation_button_size = 34;

template <class Control>
Control* add_control(QWidget* box, QLayout* layout, const char* name, const std::string& caption)
{
    auto* control = new Control(qt(caption), box);
    control->setObjectName(name);
    layout->addWidget(control);
    return control;
}

QGroupBox* new_group_box(QWidget* parent, const char* name, const std::string& caption)
{
    auto* box = new QGroupBox(qt(caption), parent);
    box->setObjectName(name);
    return box;
}

} // namespace

void TMainForm::create_workbench()
{
    client_ = new platform::canvas_widget(this);
    client_->setObjectName("client_area");
    setCentralWidget(client_);
    create_projections_group();
    create_oblique_group();
    create_normal_group();
    create_select_object_group();
    create_rotation_panel();
    // Side by side along the foot of the client area, all as high as the highest.
    int height = 0;
    for (QWidget* box : option_boxes())
        height = std::max(height, box->sizeHint().height());
    int left = control_gap;
    for (QWidget* box : option_boxes()) {
        box->setGeometry(left, 0, box->sizeHint().width(), height);
        left += box->width() + control_gap;
    }
    panel_rotation_buttons->adjustSize();
    client_->paint = [this](platform::Canvas& canvas) { FormPaint(canvas, drawing_width(), drawing_height()); };
}

std::array<QWidget*, 4> TMainForm::option_boxes() const
{
    return {projections_radio_group, oblique_projection_groupbox, normal_projection_groupbox, select_object_groupbox};
}

void TMainForm::create_projections_group()
{
    projections_radio_group = new_group_box(client_, "projections_radio_group", "");
    auto* layout = new QVBoxLayout(projections_radio_group);
    projections_items_ = new QButtonGroup(projections_radio_group);
    for (int i = 0; i < 4; ++i) {
        const std::string name = "projections_radio_group_item_" + std::to_string(i);
        projections_items_->addButton(add_control<QRadioButton>(projections_radio_group, layout, name.c_str(),
                                                                text_of(workbench::oblique_choice, i)),
                                      i);
    }
    connect(projections_items_, &QButtonGroup::idClicked, this, [this] { projections_radio_groupClick(); });
}

void TMainForm::create_oblique_group()
{
    oblique_projection_groupbox = new_group_box(client_, "oblique_projection_groupbox", text_of(workbench::oblique_group));
    QWidget* box = oblique_projection_groupbox;
    auto* layout = new QVBoxLayout(box);
    perspectivic_radio_button = add_control<QRadioButton>(box, layout, "perspectivic_radio_button", text_of(workbench::perspective));
    isometric_radio_button = add_control<QRadioButton>(box, layout, "isometric_radio_button", text_of(workbench::isometric));
    hidden_lines_checkbox = add_control<QCheckBox>(box, layout, "hidden_lines_checkbox", text_of(workbench::hidden_lines));
    oblique_colors_checkbox = add_control<QCheckBox>(box, layout, "oblique_colors_checkbox", text_of(workbench::oblique_colours));
    cut_checkbox = add_control<QCheckBox>(box, layout, "cut_checkbox", text_of(workbench::cut));
    // Every option of the group only repaints.
    for (QAbstractButton* option : box->findChildren<QAbstractButton*>())
        connect(option, &QAbstractButton::clicked, this, &TMainForm::repaint_projections);
}

void TMainForm::create_normal_group()
{
    normal_projection_groupbox = new_group_box(client_, "normal_projection_groupbox", text_of(workbench::normal_group));
    QWidget* box = normal_projection_groupbox;
    auto* layout = new QVBoxLayout(box);
    american_method_radio_button
        = add_control<QRadioButton>(box, layout, "american_method_radio_button", text_of(workbench::american_method));
    european_method_radio_button
        = add_control<QRadioButton>(box, layout, "european_method_radio_button", text_of(workbench::european_method));
    label_number_of_views = add_control<QLabel>(box, layout, "label_number_of_views", text_of(workbench::number_of_views));
    auto* views_row = new QHBoxLayout;
    layout->addLayout(views_row);
    normal_3_views_radio_button = add_control<QRadioButton>(box, views_row, "normal_3_views_radio_button", "3");
    normal_6_views_radio_button = add_control<QRadioButton>(box, views_row, "normal_6_views_radio_button", "6");
    normal_colors_checkbox = add_control<QCheckBox>(box, layout, "normal_colors_checkbox", text_of(workbench::normal_colours));
    view_indications_checkbox
        = add_control<QCheckBox>(box, layout, "view_indications_checkbox", text_of(workbench::view_indications));
    // The method and the number of views are two separate choices.
    auto* method = new QButtonGroup(box);
    method->addButton(american_method_radio_button);
    method->addButton(european_method_radio_button);
    auto* views = new QButtonGroup(box);
    views->addButton(normal_3_views_radio_button);
    views->addButton(normal_6_views_radio_button);
    for (QAbstractButton* option : box->findChildren<QAbstractButton*>())
        connect(option, &QAbstractButton::clicked, this, &TMainForm::repaint_projections);
}

void TMainForm::create_select_object_group()
{
    select_object_groupbox = new_group_box(client_, "select_object_groupbox", text_of(workbench::select_object_group));
    QWidget* box = select_object_groupbox;
    auto* layout = new QVBoxLayout(box);
    label_object_class = add_control<QLabel>(box, layout, "label_object_class", text_of(workbench::category));
    object_class_combobox = new QComboBox(box);
    object_class_combobox->setObjectName("object_class_combobox");
    layout->addWidget(object_class_combobox);
    label_object = add_control<QLabel>(box, layout, "label_object", text_of(workbench::object));
    object_choice_listbox = new QListWidget(box);
    object_choice_listbox->setObjectName("object_choice_listbox");
    object_choice_listbox->setFixedHeight(object_list_height);
    layout->addWidget(object_choice_listbox);
    connect(object_class_combobox, &QComboBox::activated, this, [this] { object_class_comboboxChange(); });
    connect(object_choice_listbox, &QListWidget::itemClicked, this, [this] { object_choice_listboxClick(); });
}

void TMainForm::create_rotation_panel()
{
    panel_rotation_buttons = new QFrame(client_);
    panel_rotation_buttons->setObjectName("panel_rotation_buttons");
    panel_rotation_buttons->setFrameShape(QFrame::StyledPanel);
    auto* layout = new QGridLayout(panel_rotation_buttons);
    struct button_look {
        const char* name;
        const char* caption;   // the axis and the sense, as the pupil sees them
        rotation_button button;
    };
    static const button_look looks[6] = {
        {"button_positive_X_rotation", "X+", rotation_button::positive_x},
        {"button_negative_X_rotation", "X-", rotation_button::negative_x},
        {"button_positive_Y_rotation", "Y+", rotation_button::positive_y},
        {"button_negative_Y_rotation", "Y-", rotation_button::negative_y},
        {"button_positive_Z_rotation", "Z+", rotation_button::positive_z},
        {"button_negative_Z_rotation", "Z-", rotation_button::negative_z},
    };
    for (int i = 0; i < 6; ++i) {
        auto* button = new QPushButton(looks[i].caption, panel_rotation_buttons);
        button->setObjectName(looks[i].name);
        button->setFixedSize(rotation_button_size, rotation_button_size);
        button->setAutoDefault(true);   // Enter on a focused button presses it
        layout->addWidget(button, i / 2, i % 2);
        const rotation_button which = looks[i].button;
        connect(button, &QPushButton::clicked, this, [this, which] { rotation_buttonClick(which); });
    }
}

void TMainForm::apply_view_settings()
{
    const oblique_view_settings oblique = read_non_technical_view_settings();
    const normal_view_settings normal = read_technical_views_settings();
    oblique_shown_ = oblique.shown;
    perspectivic_radio_button->setChecked(oblique.perspective);
    isometric_radio_button->setChecked(!oblique.perspective);
    hidden_lines_checkbox->setChecked(oblique.hidden_lines);
    oblique_colors_checkbox->setChecked(oblique.colours);
    cut_checkbox->setChecked(oblique.cut);
    normal_shown_ = normal.shown;
    american_method_radio_button->setChecked(normal.american);
    european_method_radio_button->setChecked(!normal.american);
    normal_3_views_radio_button->setChecked(normal.three_views);
    normal_6_views_radio_button->setChecked(!normal.three_views);
    normal_colors_checkbox->setChecked(normal.colours);
    view_indications_checkbox->setChecked(normal.indications);
    projections_items_->button(projections_item(oblique_shown_, normal_shown_))->setChecked(true);
    enable_option_groups();
}

oblique_view_settings TMainForm::oblique_options() const
{
    return {oblique_shown_, perspectivic_radio_button->isChecked(), hidden_lines_checkbox->isChecked(),
            oblique_colors_checkbox->isChecked(), cut_checkbox->isChecked()};
}

normal_view_settings TMainForm::normal_options() const
{
    return {normal_shown_, american_method_radio_button->isChecked(), normal_3_views_radio_button->isChecked(),
            normal_colors_checkbox->isChecked(), view_indications_checkbox->isChecked()};
}

void TMainForm::projections_radio_groupClick()
{
    const int item = projections_items_->checkedId();
    oblique_shown_ = item_shows_oblique(item);
    normal_shown_ = item_shows_normal(item);
    enable_option_groups();
    repaint_projections();
}

// A group box's controls follow it.
void TMainForm::enable_option_groups()
{
    oblique_projection_groupbox->setEnabled(oblique_shown_);
    normal_projection_groupbox->setEnabled(normal_shown_);
}

void TMainForm::repaint_projections()
{
    client_->repaint_picture();
}

// The categories in catalogue order; the selected one (else the first) is shown.
void TMainForm::fill_object_classes()
{
    object_class_combobox->clear();
    for (const auto& category : catalogue_.categories)
        object_class_combobox->addItem(qt(category->name));
    if (catalogue_.categories.empty())
        return;
    if (!catalogue_.selected_category)
        catalogue_.selected_category = catalogue_.categories.front().get();
    const auto selected = std::find_if(catalogue_.categories.begin(), catalogue_.categories.end(),
                                       [&](const auto& c) { return c.get() == catalogue_.selected_category; });
    object_class_combobox->setCurrentIndex(static_cast<int>(selected - catalogue_.categories.begin()));
    object_class_comboboxChange();
}

// The category's objects; the selected object stays chosen when it is one of
// them, otherwise the first one is chosen.
void TMainForm::object_class_comboboxChange()
{
    const int index = object_class_combobox->currentIndex();
    if (index < 0 || index >= static_cast<int>(catalogue_.categories.size()))
        return;
    TThingCategory& category = *catalogue_.categories[static_cast<std::size_t>(index)];
    catalogue_.selected_category = &category;
    object_choice_listbox->clear();
    int row = 0;
    for (std::size_t i = 0; i < category.things.size(); ++i) {
        object_choice_listbox->addItem(qt(category.things[i]->name));
        if (category.things[i].get() == catalogue_.selected_thing)
            row = static_cast<int>(i);
    }
    object_choice_listbox->setCurrentRow(row);
    object_choice_listboxClick();
}

void TMainForm::object_choice_listboxClick()
{
    const int row = object_choice_listbox->currentRow();
    TThingCategory* category = catalogue_.selected_category;
    if (!category || row < 0 || row >= static_cast<int>(category->things.size()))
        return;
    catalogue_.selected_thing = category->things[static_cast<std::size_t>(row)].get();
    load_object(catalogue_.selected_thing->object_number, solid_);
    repaint_projections();
}

void TMainForm::rotation_buttonClick(rotation_button button)
{
    const quarter_turn turn = quarter_turn_of(button, mirror_objects);
    rotate_solid(solid_, turn.angle_x, turn.angle_y, false, turn.angle_z);
    repaint_projections();
}

void TMainForm::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    FormResize();
}

void TMainForm::FormResize()
{
    const Qt::WindowStates state = windowState();
    const bool normal_state = !(state & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
    if (normal_state && keep_maximised_) {
        setWindowState(Qt::WindowMaximized);
        return;
    }
    window_size size{width(), height()};
    if (normal_state)
        size = workbench_window_size(size, last_width_);
    last_width_ = size.width;
    last_height_ = size.height;
    if (size.width != width() || size.height != height())
        resize(size.width, size.height);
    place_controls();
}

// The option boxes along the foot of the client area; the rotation buttons
// at the right, halfway up when there is room beside the boxes, otherwise
// just above the object choice.
void TMainForm::place_controls()
{
    if (layout())
        layout()->activate();
    const int client_height = client_->height();
    const int client_width = client_->width();
    const int top = client_height - round_to_pixel(projections_radio_group->height() * 1.05L);
    for (QWidget* box : option_boxes())
        box->move(box->x(), top);
    QFrame* panel = panel_rotation_buttons;
    const int room = client_width - select_object_groupbox->x() - select_object_groupbox->width();
    const int panel_top = room > round_to_pixel(panel->width() * 1.1L) ? (client_height - panel->height()) / 2
                                                                       : select_object_groupbox->y() - 5 - panel->height();
    panel->move(client_width - round_to_pixel(panel->width() * 1.05L), panel_top);
    repaint_projections();
}

int TMainForm::drawing_width() const
{
    return panel_rotation_buttons->x();
}

int TMainForm::drawing_height() const
{
    return projections_radio_group->y();
}

} // namespace tutor::windows
