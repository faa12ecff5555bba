#pragma once
// The students manager's main window. Closing it ends the program.

#include <QMainWindow>

#include <string>

class TRFM_MainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TRFM_MainForm(QWidget* parent = nullptr);

private:
    void FormCreate();

    std::string manager_texts_[20];
};
