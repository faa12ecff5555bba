#pragma once
// The students manager's main window: the list of students of the student
// files directory, the selected student's settings and concise results, and
// the buttons for every other function. Closing it ends the program.

#include "foundation/texts.h"

#include <QMainWindow>

#include <string>

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTimer;

namespace manager {

class TAboutStudentsManagerForm;
class TConciseResultsForAllStudentsDialog;
class TCreateResultsFileDialog;
class TEditResultsFileDialog;
class TResultsForm;

class TRFM_MainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TRFM_MainForm(QWidget* parent = nullptr);

    // The windows it opens, created after it (the create and edit dialogs
    // copy its captions); a button whose window is missing opens nothing.
    struct wired_windows {
        TCreateResultsFileDialog* create_dialog = nullptr;
        TEditResultsFileDialog* edit_dialog = nullptr;
        TResultsForm* results_form = nullptr;
        TConciseResultsForAllStudentsDialog* concise_dialog = nullptr;
        TAboutStudentsManagerForm* about_form = nullptr;
    };
    void wire_windows(const wired_windows& windows);

    // Captions of the five settings labels, copied by the create and edit
    // dialogs for their check boxes (with their "&" marks).
    const foundation::text_section<foundation::text_names::guidance_settings_texts>& other_texts() const { return other_texts_; }

    void FormResize();
    void add_student_buttonClick();
    void edit_results_file_buttonClick();
    void results_buttonClick();
    void concise_results_for_all_ButtonClick();
    void about_menu_itemClick();
    void class_overview_menu_itemClick();
    void TimerTimer();
    void delete_buttonClick();
    void fill_student_list();
    int shown_index() const { return shown_index_; }

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void FormShow();
    void build_controls();
    void lay_out_controls();
    void enable_student_buttons();
    void show_selected_student();
    std::string selected_name() const;
    void printer_settings_menu_itemClick();

    wired_windows windows_;
    foundation::text_section<foundation::text_names::guidance_settings_texts> other_texts_;
    foundation::text_section<foundation::text_names::students_manager> manager_texts_;
    foundation::text_section<foundation::text_names::students_manager_main_menu> menu_texts_;
    int shown_index_ = -1;
    int previous_index_ = 0;

    QLabel* directory_is_label_ = nullptr;
    QListWidget* students_ListBox_ = nullptr;
    QPushButton* buttons_[5] = {};
    QGroupBox* GroupBox_ = nullptr;
    QCheckBox* check_boxes_[5] = {};
    QLabel* labels_[5] = {};
    QLabel* tests_done_label_ = nullptr;
    QTimer* Timer_ = nullptr;
};

} // namespace manager
