#include "manager/AboutStudentsManagerForm.h"

#include "foundation/globals.h"
#include "foundation/widgets/qt_text.h"
#include "foundation/texts.h"
#include "resources/resources.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

using namespace foundation;
using namespace foundation::widgets;
using namespace resources;

namespace manager {

namespace {

template <typename T> T* named(T* widget, const char* name)
{
    widget->setObjectName(name);
    return widget;
}

} // namespace

TAboutStudentsManagerForm::TAboutStudentsManagerForm(QWidget* parent) : QDialog(parent)
{
    setObjectName("AboutStudentsManagerForm");
    init_resources();
    auto* panel = named(new QFrame(this), "Panel1");
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    auto* icon = named(new QLabel(panel), "ProgramIcon");
    icon->setPixmap(QPixmap(":/program_icon.xpm").scaled(64, 64));
    ProductName_ = named(new QLabel(panel), "ProductName");
    Version_ = named(new QLabel(panel), "Version");
    Copyright_ = named(new QLabel(panel), "Copyright");
    Comments_ = named(new QLabel(panel), "Comments");
    Comments_->setWordWrap(true);
    OKButton_ = named(new QPushButton("OK", this), "OKButton");
    OKButton_->setDefault(true);
    connect(OKButton_, &QPushButton::clicked, this, &QDialog::accept);

    auto* grid = new QGridLayout(panel);
    grid->addWidget(icon, 0, 0, 2, 1, Qt::AlignTop);
    grid->addWidget(ProductName_, 0, 1);
    grid->addWidget(Version_, 1, 1);
    grid->addWidget(Copyright_, 2, 0, 1, 2);
    grid->addWidget(Comments_, 3, 0, 1, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(panel);
    layout->addWidget(OKButton_, 0, Qt::AlignHCenter);
    FormCreate();
    setFixedSize(sizeHint().expandedTo(QSize(360, 0)));
}

void TAboutStudentsManagerForm::FormCreate()
{
    using about_text = text_names::about_students_manager;
    setWindowTitle(qt(text_of(about_text::caption)));
    ProductName_->setText(qt(text_of(about_text::product_name)));
    Version_->setText(qt(text_of(about_text::version) + " 1.0"));
    Copyright_->setText("Copyright (c) the makers of the technical drawing tutor");
    Comments_->setText("Questions and remarks:\nask the teacher who looks after the tutor,\nor the makers of the tutor.");
}

} // namespace manager
