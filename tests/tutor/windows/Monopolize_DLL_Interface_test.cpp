#include "foundation/globals.h"
#include "foundation/textfile_handler.h"
#include "platform/widgets/cbt_hook.h"
#include "platform/core/dynamic_library.h"
#include "platform/core/message_box.h"
#include "tests/support/temp_dir.h"
#include "tests/support/widget_app.h"
#include "tutor/windows/BackGroundScreen.h"
#include "tutor/windows/Monopolize_DLL_Interface.h"

#include <QApplication>

#include <filesystem>
#include <gtest/gtest.h>

using namespace foundation;
using namespace tutor::windows;

namespace {

const char* const monopolize_texts = "$[MONOPOLIZE_STRINGS]\n<1>\n<2>\n<3>\n<4>\n<5>\n<6>\n<7>\n";

std::string fake_library(const char* kind)
{
    return std::string(WINTOLA_BIN_DIR) + "/fake_wsolosys_" + kind + "/WSOLOSYS.DLL";
}

// What the fake library was told, read through a second reference to it.
class library_view {
public:
    explicit library_view(const std::string& path) : handle_(platform::load_library(path)) {}
    ~library_view() { platform::free_library(handle_); }
    template <typename T> T& at(const char* name) { return *static_cast<T*>(platform::library_symbol(handle_, name)); }

private:
    platform::library_handle handle_;
};

} // namespace

class MonopolizeTest : public testing::Test {
protected:
    void SetUp() override
    {
        test_support::widget_app();
        test_support::reset_globals_to(program.path());
        start_directory = start.path();
        std::string problem;
        text_handler = std::make_unique<Ttextfile_handler>(Ttextfile_handler::from_text(monopolize_texts, problem));
    }
    void TearDown() override
    {
        release_monopolize();
        text_handler.reset();
    }
    // Beside the program, in small letters: the name is found without regard to case.
    std::string install(const char* kind)
    {
        const std::string path = program.file("wsolosys.dll");
        std::filesystem::copy_file(fake_library(kind), path, std::filesystem::copy_options::overwrite_existing);
        return path;
    }

    test_support::temp_dir program;
    test_support::temp_dir start;
    platform::scripted_responder responder;
};

TEST_F(MonopolizeTest, EachFailingStepGivesItsMessageAndTheTutorGoesOn)
{
    monopolize();   // none anywhere
    program.write("wsolosys.dll", "not a library");
    monopolize();
    release_monopolize();
    install("partial");   // without its third entry point: no hook
    monopolize();
    release_monopolize();
    const std::string path = install("full");
    platform::fail_next_cbt_hook();
    monopolize();
    EXPECT_EQ(library_view(path).at<std::uint32_t>("told_hook_handle"), 0u);
    ASSERT_EQ(responder.count(), 4u);
    const std::string head = "<1>Monopolize System<2>WinTola.ini<3>";
    for (std::size_t k = 0; k < 4; ++k)
        EXPECT_EQ(responder.boxes()[k].text, head + (k < 3 ? "WSOLOSYS.DLL<" + std::to_string(k + 4) + ">" : "<7>"));
}

TEST_F(MonopolizeTest, TheLibraryInTheStartDirectoryComesFirstAndNoOtherPlaceIsTried)
{
    std::filesystem::copy_file(fake_library("partial"), start.file("WSOLOSYS.DLL"));
    install("full");
    monopolize();
    EXPECT_FALSE(monopolize_hook_installed());   // the start directory's library, without its third entry point
    release_monopolize();
    std::filesystem::remove(start.file("WSOLOSYS.DLL"));
    std::filesystem::remove(program.file("wsolosys.dll"));
    test_support::temp_dir elsewhere;
    std::filesystem::copy_file(fake_library("full"), elsewhere.file("WSOLOSYS.DLL"));
    test_support::current_directory_change in_elsewhere(elsewhere.path());
    monopolize();
    EXPECT_FALSE(monopolize_library_loaded());   // the current directory is not tried
}

TEST_F(MonopolizeTest, TheSettingsSayWhetherToMonopolizeAndTheHookSeesTheWindows)
{
    const std::string path = install("full");
    TBackGroundScreen screen;
    monopolize_as_set(screen);   // both off without a settings file
    EXPECT_FALSE(monopolize_library_loaded() || screen.isVisible());
    program.write("WinTola.ini", "[GENERAL]\nMonopolize System=No\nUse Background Screen=Yes\n");
    monopolize_as_set(screen);
    QApplication::processEvents();
    EXPECT_TRUE(!monopolize_library_loaded() && screen.isVisible() && screen.isMaximized());
    program.write("WinTola.ini", "[GENERAL]\nMonopolize System=Yes\n");
    monopolize_as_set(screen);
    ASSERT_TRUE(monopolize_hook_installed());
    EXPECT_EQ(responder.count(), 0u);
    // The library is told the process and the hook, which sees the windows.
    library_view library(path);
    EXPECT_EQ(library.at<std::uint32_t>("told_task_handle"), platform::current_process_id());
    EXPECT_NE(library.at<std::uint32_t>("told_hook_handle"), 0u);
    int* calls = &library.at<int>("hook_calls");
    auto window = std::make_unique<QWidget>();
    window->show();
    window->activateWindow();
    QApplication::processEvents();
    window.reset();
    EXPECT_EQ(std::tuple(calls[platform::cbt_create_window], calls[platform::cbt_destroy_window]), std::tuple(1, 1));
    EXPECT_GE(calls[platform::cbt_activate], 1);
    release_monopolize();
    EXPECT_FALSE(monopolize_hook_installed() || monopolize_library_loaded());
    QWidget later;
    later.show();
    EXPECT_EQ(calls[platform::cbt_create_window], 1);   // a released hook sees nothing
}
