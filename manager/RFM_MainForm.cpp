#include "manager/RFM_MainForm.h"

#include "foundation/globals.h"
#include "foundation/textfile_handler.h"

TRFM_MainForm::TRFM_MainForm(QWidget* parent) : QMainWindow(parent)
{
    setObjectName("RFM_MainForm");
    FormCreate();
}

void TRFM_MainForm::FormCreate()
{
    text_handler->read_section("STUDENTS_MANAGER", manager_texts_, 20);
    setWindowTitle(QString::fromUtf8(manager_texts_[0]));
    resize(640, 480);
}
