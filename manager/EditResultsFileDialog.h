#pragma once
// Changes one student's results file: a new password (empty keeps the old
// one), the guidance settings, a restart of the guidance, and removal of all
// results, which takes effect at once.

#include "foundation/texts.h"

#include <QDialog>

#include <string>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace manager {

class TRFM_MainForm;

class TEditResultsFileDialog : public QDialog {
    Q_OBJECT
public:
    explicit TEditResultsFileDialog(const TRFM_MainForm& main_form, QWidget* parent = nullptr);

    void tell_file_name(const std::string& name);
    void OKBtnClick();
    void remove_results_ButtonClick();
    void enable_restart_guidance_enabled_Checkbox();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormCreate(const TRFM_MainForm& main_form);
    void FormShow();

    foundation::text_section<foundation::text_names::edit_student_dialog> texts_;
    std::string student_name_;
    QLabel* enter_password_label_ = nullptr;
    QLineEdit* password_edit_control_ = nullptr;
    QCheckBox* check_boxes_[5] = {};
    QPushButton* remove_results_Button_ = nullptr;
    QPushButton* OKBtn_ = nullptr;
    QPushButton* CancelBtn_ = nullptr;
};

} // namespace manager
