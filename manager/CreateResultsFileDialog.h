#pragma once
// Adds a student: name, password and the initial guidance settings. The
// check boxes keep their state between showings; the fields are emptied.

#include "foundation/texts.h"

#include <QDialog>

#include <string>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace manager {

class TRFM_MainForm;

class TCreateResultsFileDialog : public QDialog {
    Q_OBJECT
public:
    explicit TCreateResultsFileDialog(const TRFM_MainForm& main_form, QWidget* parent = nullptr);

    void OKBtnClick();
    void enable_restart_guidance_enabled();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormCreate(const TRFM_MainForm& main_form);
    void FormShow();

    foundation::text_section<foundation::text_names::new_student_dialog> texts_;
    QLabel* explanation_label_ = nullptr;
    QLabel* name_of_student_label_ = nullptr;
    QLineEdit* student_name_edit_control_ = nullptr;
    QLabel* enter_password_label_ = nullptr;
    QLineEdit* password_edit_control_ = nullptr;
    QCheckBox* guidance_is_on_CheckBox_ = nullptr;
    QCheckBox* guidance_is_switchable_CheckBox_ = nullptr;
    QCheckBox* restart_guidance_enabled_CheckBox_ = nullptr;
    QCheckBox* store_test_results_CheckBox_ = nullptr;
    QPushButton* OKBtn_ = nullptr;
    QPushButton* CancelBtn_ = nullptr;
};

} // namespace manager
