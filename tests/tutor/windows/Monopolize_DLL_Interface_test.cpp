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
#include <QGuiApplication>
#include <QScreen>

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
    bool loaded() const { return handle_ != nullptr; }

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
        std::filesystem::copy_file(fake_library(kind), path);
        return path;
    }
    std::string message_head() { return "<1>Monopolize System<2>WinTola.ini<3>"; }

    test_support::temp_dir program;
    test_support::temp_dir start;
    platform::scripted_responder responder;
};

TEST_F(MonopolizeTest, TheLibraryIsToldTheProcessAndTheHookWhichSeesTheWindows)
{
    const std::string path = install("full");
    monopolize();
    EXPECT_EQ(responder.count(), 0u);
    ASSERT_TRUE(monopolize_library_loaded());
    ASSERT_TRUE(monopolize_hook_installed());

    library_view library(path);
    ASSERT_TRUE(library.loaded());
    EXPECT_EQ(library.at<std::uint32_t>("told_task_handle"), platform::current_process_id());
    EXPECT_NE(library.at<std::uint32_t>("told_hook_handle"), 0u);
    int* calls = &library.at<int>("hook_calls");

    auto window = std::make_unique<QWidget>();
    window->show();
    window->activateWindow();
    QApplication::processEvents();
    EXPECT_EQ(calls[platform::cbt_create_window], 1);
    EXPECT_GE(calls[platform::cbt_activate], 1);
    window.reset();
    EXPECT_EQ(calls[platform::cbt_destroy_window], 1);

    release_monopolize();
    EXPECT_FALSE(monopolize_hook_installed());
    EXPECT_FALSE(monopolize_library_loaded());
    QWidget later;
    later.show();
    QApplication::processEvents();
    EXPECT_EQ(calls[platform::cbt_create_window], 1) << "a released hook sees nothing";
}

TEST_F(MonopolizeTest, EachFailingStepGivesItsMessageAndTheTutorGoesOn)
{
    monopolize();
    ASSERT_EQ(responder.count(), 1u);
    EXPECT_EQ(responder.last().text, message_head() + "WSOLOSYS.DLL<4>");
    EXPECT_EQ(responder.last().flags, static_cast<unsigned>(platform::MB_OK));

    program.write("wsolosys.dll", "not a library");
    monopolize();
    ASSERT_EQ(responder.count(), 2u);
    EXPECT_EQ(responder.last().text, message_head() + "WSOLOSYS.DLL<5>");
    EXPECT_FALSE(monopolize_library_loaded());
}

TEST_F(MonopolizeTest, ALibraryWithoutItsThirdEntryPointGetsNoHook)
{
    install("partial");
    monopolize();
    ASSERT_EQ(responder.count(), 1u);
    EXPECT_EQ(responder.last().text, message_head() + "WSOLOSYS.DLL<6>");
    EXPECT_FALSE(monopolize_hook_installed());
}

TEST_F(MonopolizeTest, AHookThatCannotBeInstalledNamesNoLibrary)
{
    const std::string path = install("full");
    platform::fail_next_cbt_hook();
    monopolize();
    ASSERT_EQ(responder.count(), 1u);
    EXPECT_EQ(responder.last().text, message_head() + "<7>");
    EXPECT_FALSE(monopolize_hook_installed());
    library_view library(path);
    EXPECT_EQ(library.at<std::uint32_t>("told_hook_handle"), 0u);
}

TEST_F(MonopolizeTest, TheLibraryInTheStartDirectoryComesFirstAndNoOtherPlaceIsTried)
{
    std::filesystem::copy_file(fake_library("partial"), start.file("WSOLOSYS.DLL"));
    install("full");
    monopolize();
    ASSERT_EQ(responder.count(), 1u) << "the start directory's library, without its third entry point";
    EXPECT_EQ(responder.last().text, message_head() + "WSOLOSYS.DLL<6>");
    release_monopolize();

    std::filesystem::remove(start.file("WSOLOSYS.DLL"));
    std::filesystem::remove(program.file("wsolosys.dll"));
    test_support::temp_dir elsewhere;
    std::filesystem::copy_file(fake_library("full"), elsewhere.file("WSOLOSYS.DLL"));
    test_support::current_directory_change in_elsewhere(elsewhere.path());
    monopolize();
    EXPECT_EQ(responder.last().text, message_head() + "WSOLOSYS.DLL<4>") << "the current directory is not tried";
}

TEST_F(MonopolizeTest, TheSettingsSayWhetherToMonopolizeAndToShowTheBackground)
{
    install("full");
    TBackGroundScreen screen;
    monopolize_as_set(screen);
    EXPECT_FALSE(monopolize_library_loaded()) << "both are off without a settings file";
    EXPECT_EQ(responder.count(), 0u);
    EXPECT_FALSE(screen.isVisible());

    program.write("WinTola.ini", "[GENERAL]\nMonopolize System=No\nUse Background Screen=Yes\n");
    monopolize_as_set(screen);
    EXPECT_FALSE(monopolize_library_loaded());
    EXPECT_EQ(responder.count(), 0u);
    EXPECT_TRUE(screen.isVisible());

    program.write("WinTola.ini", "[GENERAL]\nMonopolize System=Yes\n");
    monopolize_as_set(screen);
    EXPECT_TRUE(monopolize_library_loaded());
    EXPECT_TRUE(monopolize_hook_installed());
    EXPECT_EQ(responder.count(), 0u);
}

TEST_F(MonopolizeTest, TheBackgroundScreenCoversTheScreenWithoutABorder)
{
    TBackGroundScreen screen;
    screen.FormShow();
    QApplication::processEvents();
    EXPECT_TRUE(screen.isVisible());
    EXPECT_TRUE(screen.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(screen.isMaximized());
    EXPECT_EQ(screen.grab().toImage().pixelColor(5, 5), QColor(0, 128, 128));
}
