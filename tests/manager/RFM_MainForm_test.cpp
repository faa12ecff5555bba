#include "manager/CreateResultsFileDialog.h"
#include "manager/EditResultsFileDialog.h"
#include "manager/RFM_MainForm.h"
#include "manager/ResultsForm.h"
#include "tests/manager/gui_fixture.h"

#include <QKeySequence>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

using namespace foundation;
using namespace student_files;
using namespace manager;

class MainFormTest : public gui_fixture {
protected:
    template <typename T> T* find(const char* name) { return form->findChild<T*>(name); }
    void open_form()
    {
        form = std::make_unique<TRFM_MainForm>();
        form->show();
        list = find<QListWidget>("students_ListBox");
    }
    QStringList items() const
    {
        QStringList names;
        for (int i = 0; i < list->count(); ++i)
            names << list->item(i)->text();
        return names;
    }
    std::vector<bool> buttons_enabled()
    {
        std::vector<bool> states;
        for (const char* name : {"edit_button", "delete_button", "results_button"})
            states.push_back(find<QPushButton>(name)->isEnabled());
        return states;
    }

    std::unique_ptr<TRFM_MainForm> form;
    QListWidget* list = nullptr;
};

TEST_F(MainFormTest, TheSelectionIsShownOneTickAfterItSettles)
{
    make("Alpha", 0, false);
    make("Bravo", 0, true);
    open_form();
    auto* on = find<QCheckBox>("guidance_is_on_CheckBox");
    form->TimerTimer();   // the first student is shown
    list->setCurrentRow(1);
    form->TimerTimer();
    EXPECT_EQ(std::tuple(form->shown_index(), on->isChecked()), std::tuple(0, false));
    form->TimerTimer();
    EXPECT_EQ(std::tuple(form->shown_index(), on->isChecked()), std::tuple(1, true));
    EXPECT_EQ(find<QLabel>("tests_done_label")->text().toStdString(),
              student_data_files->concise_results_text("Bravo").value);
}

TEST_F(MainFormTest, DeleteAsksAndRemovesTheFileAndTheButtonsFollowTheSelection)
{
    make("Alpha", 0);
    make("Bravo", 0);
    open_form();
    EXPECT_EQ(buttons_enabled(), std::vector<bool>(3, true));
    list->setCurrentRow(-1);
    EXPECT_EQ(buttons_enabled(), std::vector<bool>(3, false));
    list->setCurrentRow(0);
    responder.answer_next(platform::IDNO);
    QTest::keyClick(list, Qt::Key_Delete);
    ASSERT_EQ(responder.count(), 1u);
    EXPECT_EQ(std::tuple(responder.last().flags, responder.last().text),
              std::tuple(3u, text_handler->read_entry("STUDENTS_MANAGER", 8) + " Alpha "
                                 + text_handler->read_entry("STUDENTS_MANAGER", 9)));
    EXPECT_TRUE(std::filesystem::exists(program.file("RESULTS/Alpha.results")));
    responder.answer_next(platform::IDYES);
    form->delete_buttonClick();
    EXPECT_FALSE(std::filesystem::exists(program.file("RESULTS/Alpha.results")));
    EXPECT_EQ(std::tuple(items(), list->currentRow()), std::tuple(QStringList{"Bravo"}, 0));
    form->TimerTimer();   // the selection settles
    form->TimerTimer();
    EXPECT_EQ(form->shown_index(), 0);
    responder.answer_next(platform::IDYES);
    form->delete_buttonClick();
    EXPECT_EQ(std::tuple(list->count(), list->currentRow(), buttons_enabled()), std::tuple(0, -1, std::vector<bool>(3, false)));
    EXPECT_TRUE(find<QPushButton>("add_student_button")->isEnabled());
}

TEST_F(MainFormTest, EnterEditsTheSelectedStudentAndAddingOneFillsTheListAgain)
{
    make("Alpha", 0);
    make("Bravo", 0);
    open_form();
    TEditResultsFileDialog edit(*form);
    TCreateResultsFileDialog create(*form);
    form->wire_windows({.create_dialog = &create, .edit_dialog = &edit});
    list->setCurrentRow(1);
    QString seen;
    modal_opened_by([&] { QTest::keyClick(list, Qt::Key_Return); }, [&](QWidget& w) { seen = w.windowTitle(); });
    EXPECT_EQ(seen, "Bravo");
    modal_opened_by([&] { find<QPushButton>("add_student_button")->click(); }, [&](QWidget&) {
        create.findChild<QLineEdit*>("student_name_edit_control")->setText("Charlotte");
        create.findChild<QLineEdit*>("password_edit_control")->setText("secret");
        create.OKBtnClick();
    });
    EXPECT_EQ(std::tuple(items(), list->currentRow()), std::tuple(QStringList{"Alpha", "Bravo", "Charlotte"}, -1));
    list->setCurrentRow(2);
    form->TimerTimer();   // the selection settles
    form->TimerTimer();
    EXPECT_EQ(form->shown_index(), 2);
}

TEST_F(MainFormTest, EveryMenuAndButtonOfTheManagerHasAnAltKeyOfItsOwn)
{
    const auto own_keys = [](const QStringList& captions) {
        QStringList keys;
        for (const QString& caption : captions)
            keys << QKeySequence::mnemonic(caption).toString();
        return !keys.contains("") && keys.removeDuplicates() == 0;
    };
    open_form();
    TEditResultsFileDialog edit(*form);
    TCreateResultsFileDialog create(*form);
    TResultsForm results;
    for (QWidget* window : std::initializer_list<QWidget*>{form.get(), &edit, &create, &results}) {
        QStringList window_keys;
        for (const QAbstractButton* button : window->findChildren<QAbstractButton*>())
            if (!button->text().isEmpty() && button->objectName() != "OKBtn" && button->objectName() != "CancelBtn")
                window_keys << button->text();
        for (const QMenuBar* bar : window->findChildren<QMenuBar*>())
            for (const QAction* menu : bar->actions()) {
                window_keys << menu->text();
                QStringList items;
                for (const QAction* item : menu->menu()->actions())
                    items << item->text();
                items.removeAll("");   // separators
                EXPECT_TRUE(own_keys(items)) << menu->objectName().toStdString();
            }
        EXPECT_TRUE(own_keys(window_keys)) << window->objectName().toStdString();
    }
}
