#include "manager/EditResultsFileDialog.h"

#include "foundation/globals.h"
#include "foundation/messages.h"
#include "foundation/widgets/qt_text.h"
#include "foundation/textfile_handler.h"
#include "manager/RFM_MainForm.h"
#include "platform/core/file_system.h"
#include "platform/core/message_box.h"
#include "student_files/student_data_files.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace foundation;
using namespace foundation::widgets;
using namespace student_files;

namespace manager {

namespace {

using dialog_text = text_names::edit_student_dialog;

enum box { on, switchable, restart, first_statement, store };
const char* const box_names[5] = {"guidance_is_on_CheckBox", "guidance_is_switchable_CheckBox",
                                  "restart_guidance_enabled_CheckBox", "guidance_starts_with_first_statement_CheckBox",
                                  "store_test_results_CheckBox"};

} // namespace

TEditResultsFileDialog::TEditResultsFileDialog(const TRFM_MainForm& main_form, QWidget* parent) : QDialog(parent)
{
    setObjectName("EditResultsFileDialog");
    enter_password_label_ = new QLabel(this);
    enter_password_label_->setObjectName("enter_password_label");
    password_edit_control_ = new QLineEdit(this);
    password_edit_control_->setObjectName("password_edit_control");
    password_edit_control_->setMaxLength(results_format::max_safe_password_length);
    auto* layout = new QVBoxLayout(this);
    auto* fields = new QFormLayout;
    fields->addRow(enter_password_label_, password_edit_control_);
    layout->addLayout(fields);
    for (int i = 0; i < 5; ++i) {
        check_boxes_[i] = new QCheckBox(this);
        check_boxes_[i]->setObjectName(box_names[i]);
        layout->addWidget(check_boxes_[i]);
    }
    remove_results_Button_ = new QPushButton(this);
    remove_results_Button_->setObjectName("remove_results_Button");
    remove_results_Button_->setAutoDefault(false);
    layout->addWidget(remove_results_Button_);
    auto* buttons = new QDialogButtonBox(this);
    OKBtn_ = buttons->addButton(QDialogButtonBox::Ok);
    OKBtn_->setObjectName("OKBtn");
    OKBtn_->setDefault(true);
    CancelBtn_ = buttons->addButton(QDialogButtonBox::Cancel);
    CancelBtn_->setObjectName("CancelBtn");
    layout->addWidget(buttons);

    connect(OKBtn_, &QPushButton::clicked, this, [this] { OKBtnClick(); });
    connect(CancelBtn_, &QPushButton::clicked, this, &QDialog::reject);
    connect(remove_results_Button_, &QPushButton::clicked, this, [this] { remove_results_ButtonClick(); });
    for (int i : {on, switchable})
        connect(check_boxes_[i], &QCheckBox::clicked, this, [this] { enable_restart_guidance_enabled_Checkbox(); });
    FormCreate(main_form);
}

void TEditResultsFileDialog::FormCreate(const TRFM_MainForm& main_form)
{
    enter_password_label_->setText(qt(texts_[dialog_text::new_password_label]));
    remove_results_Button_->setText(qt(texts_[dialog_text::remove_results_button]));
    for (int i = 0; i < 5; ++i)
        check_boxes_[i]->setText(qt(main_form.other_texts().at(text_names::guidance_settings_texts::guidance_is_on, i)));
}

void TEditResultsFileDialog::tell_file_name(const std::string& name)
{
    student_name_ = name;
    setWindowTitle(qt(name));
}

void TEditResultsFileDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TEditResultsFileDialog::FormShow()
{
    password_edit_control_->clear();
    results_format::settings s;
    show_if_failed(student_data_files->read_settings(student_name_, s));
    check_boxes_[on]->setChecked(s.guidance_is_on);
    check_boxes_[switchable]->setChecked(s.guidance_is_switchable);
    check_boxes_[restart]->setChecked(s.restart_guidance_enabled);
    enable_restart_guidance_enabled_Checkbox();
    check_boxes_[store]->setChecked(s.test_results_are_stored);
    check_boxes_[first_statement]->setChecked(s.guidance_statement == 0);
    password_edit_control_->setFocus();
}

void TEditResultsFileDialog::enable_restart_guidance_enabled_Checkbox()
{
    check_boxes_[restart]->setEnabled(check_boxes_[on]->isChecked() || check_boxes_[switchable]->isChecked());
}

void TEditResultsFileDialog::remove_results_ButtonClick()
{
    show_if_failed(student_data_files->remove_results(student_name_));
}

void TEditResultsFileDialog::OKBtnClick()
{
    const std::string path = student_data_files->results_file_name(student_name_);
    if (platform::path_status(path).kind != platform::entry_kind::file) {
        show_message(texts_[dialog_text::file_missing], platform::MB_ICONERROR);
        return;
    }
    const read_outcome<bool> valid = student_data_files->is_results_file(path);
    show_if_failed(valid.status);
    if (!valid.value) {
        show_message(texts_[dialog_text::file_invalid], platform::MB_ICONERROR);
        return;
    }
    const QString password = password_edit_control_->text();
    if (!password.isEmpty() && password.size() < 5) {
        show_message(texts_[dialog_text::password_too_short], platform::MB_ICONERROR);
        password_edit_control_->setFocus();
        return;
    }
    if (const std::string problem = password_problem(password.toStdString()); !problem.empty()) {
        show_message(problem, platform::MB_ICONERROR);
        return;
    }
    show_if_failed(student_data_files->change_results_file(
        student_name_, password.toStdString(), check_boxes_[on]->isChecked(), check_boxes_[switchable]->isChecked(),
        check_boxes_[restart]->isChecked(), check_boxes_[store]->isChecked(),
        check_boxes_[first_statement]->isChecked()));
    accept();
}

} // namespace manager
