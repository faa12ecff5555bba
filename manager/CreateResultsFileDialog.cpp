#include "manager/CreateResultsFileDialog.h"

#include "foundation/globals.h"
#include "foundation/messages.h"
#include "foundation/widgets/qt_text.h"
#include "foundation/textfile_handler.h"
#include "manager/RFM_MainForm.h"
#include "platform/core/message_box.h"
#include "student_files/new_student.h"
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

template <typename T> T* named(T* widget, const char* name)
{
    widget->setObjectName(name);
    return widget;
}

} // namespace

TCreateResultsFileDialog::TCreateResultsFileDialog(const TRFM_MainForm& main_form, QWidget* parent)
    : QDialog(parent)
{
    setObjectName("CreateResultsFileDialog");
    explanation_label_ = named(new QLabel(this), "explanation_label");
    explanation_label_->setWordWrap(true);
    name_of_student_label_ = named(new QLabel(this), "name_of_student_label");
    student_name_edit_control_ = named(new QLineEdit(this), "student_name_edit_control");
    enter_password_label_ = named(new QLabel(this), "enter_password_label");
    password_edit_control_ = named(new QLineEdit(this), "password_edit_control");
    password_edit_control_->setMaxLength(results_format::max_safe_password_length);
    guidance_is_on_CheckBox_ = named(new QCheckBox(this), "guidance_is_on_CheckBox");
    guidance_is_switchable_CheckBox_ = named(new QCheckBox(this), "guidance_is_switchable_CheckBox");
    restart_guidance_enabled_CheckBox_ = named(new QCheckBox(this), "restart_guidance_enabled_CheckBox");
    store_test_results_CheckBox_ = named(new QCheckBox(this), "store_test_results_CheckBox");
    auto* buttons = new QDialogButtonBox(this);
    OKBtn_ = named(buttons->addButton(QDialogButtonBox::Ok), "OKBtn");
    CancelBtn_ = named(buttons->addButton(QDialogButtonBox::Cancel), "CancelBtn");
    OKBtn_->setDefault(true);

    auto* fields = new QFormLayout;
    fields->addRow(name_of_student_label_, student_name_edit_control_);
    fields->addRow(enter_password_label_, password_edit_control_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(explanation_label_);
    layout->addLayout(fields);
    for (QCheckBox* box : {guidance_is_on_CheckBox_, guidance_is_switchable_CheckBox_,
                           restart_guidance_enabled_CheckBox_, store_test_results_CheckBox_})
        layout->addWidget(box);
    layout->addWidget(buttons);

    // OK validates first; only a valid entry closes the dialog. The name is
    // checked there only: a check when the name field loses the focus would
    // also run when Enter has just created the file or Cancel is clicked.
    connect(OKBtn_, &QPushButton::clicked, this, [this] { OKBtnClick(); });
    connect(CancelBtn_, &QPushButton::clicked, this, &QDialog::reject);
    connect(guidance_is_on_CheckBox_, &QCheckBox::clicked, this, [this] { enable_restart_guidance_enabled(); });
    connect(guidance_is_switchable_CheckBox_, &QCheckBox::clicked, this,
            [this] { enable_restart_guidance_enabled(); });
    FormCreate(main_form);
}

void TCreateResultsFileDialog::FormCreate(const TRFM_MainForm& main_form)
{
    using dialog_text = text_names::new_student_dialog;
    using box_text = text_names::guidance_settings_texts;
    setWindowTitle(qt(texts_[dialog_text::caption]));
    explanation_label_->setText(qt(texts_[dialog_text::explanation]));
    name_of_student_label_->setText(qt(texts_[dialog_text::name_label]));
    enter_password_label_->setText(qt(texts_[dialog_text::password_label]));
    const auto& box_texts = main_form.other_texts();
    guidance_is_on_CheckBox_->setText(qt(box_texts[box_text::guidance_is_on]));
    guidance_is_switchable_CheckBox_->setText(qt(box_texts[box_text::guidance_is_switchable]));
    restart_guidance_enabled_CheckBox_->setText(qt(box_texts[box_text::restart_guidance_enabled]));
    store_test_results_CheckBox_->setText(qt(box_texts[box_text::test_results_are_stored]));
    for (QCheckBox* box : {guidance_is_on_CheckBox_, guidance_is_switchable_CheckBox_,
                           restart_guidance_enabled_CheckBox_, store_test_results_CheckBox_})
        box->setChecked(true);
}

void TCreateResultsFileDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TCreateResultsFileDialog::FormShow()
{
    student_name_edit_control_->clear();
    password_edit_control_->clear();
    enable_restart_guidance_enabled();
    student_name_edit_control_->setFocus();
}

void TCreateResultsFileDialog::enable_restart_guidance_enabled()
{
    restart_guidance_enabled_CheckBox_->setEnabled(guidance_is_on_CheckBox_->isChecked()
                                                   || guidance_is_switchable_CheckBox_->isChecked());
}

void TCreateResultsFileDialog::OKBtnClick()
{
    const std::string name = student_name_edit_control_->text().toStdString();
    const std::string password = password_edit_control_->text().toStdString();
    if (const auto refusal = refuse_new_student(*student_data_files, name, password)) {
        show_message(refusal->message, platform::MB_ICONERROR);
        (refusal->field == new_student_refusal::name_field ? student_name_edit_control_ : password_edit_control_)
            ->setFocus();
        return;
    }
    show_if_failed(student_data_files->create_results_file(name, password, guidance_is_on_CheckBox_->isChecked(),
                                                           guidance_is_switchable_CheckBox_->isChecked(),
                                                           restart_guidance_enabled_CheckBox_->isChecked(),
                                                           store_test_results_CheckBox_->isChecked()));
    accept();
}

} // namespace manager
