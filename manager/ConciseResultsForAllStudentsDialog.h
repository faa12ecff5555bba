#pragma once
// The concise results of every student in one read-only text, to read,
// print and copy.

#include "foundation/texts.h"

#include <QDialog>

#include <string>
#include <vector>

class QPlainTextEdit;
class QPushButton;

namespace manager {

class TConciseResultsForAllStudentsDialog : public QDialog {
    Q_OBJECT
public:
    explicit TConciseResultsForAllStudentsDialog(QWidget* parent = nullptr);

    // Every item is split into lines at its line feeds.
    void tell_parameters_before_show(const std::string& caption, const std::vector<std::string>& items);
    void FormResize();
    void print_buttonClick();
    void copy_to_clipboard_buttonClick();
    int remembered_width() const { return remembered_width_; }

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    foundation::text_section<foundation::text_names::concise_results> texts_;
    int remembered_width_ = 0;
    QPlainTextEdit* Memo_ = nullptr;
    QPushButton* OKBtn_ = nullptr;
    QPushButton* print_button_ = nullptr;
    QPushButton* copy_to_clipboard_button_ = nullptr;
};

} // namespace manager
