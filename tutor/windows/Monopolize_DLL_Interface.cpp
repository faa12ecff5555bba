#include "tutor/windows/Monopolize_DLL_Interface.h"

#include "foundation/file_location.h"
#include "foundation/globals.h"
#include "foundation/messages.h"
#include "foundation/settings.h"
#include "foundation/texts.h"
#include "platform/widgets/cbt_hook.h"
#include "platform/core/dynamic_library.h"
#include "platform/core/message_box.h"
#include "tutor/windows/BackGroundScreen.h"

#include <cstdint>

using namespace foundation;

namespace tutor::windows {

namespace {

using handle_receiver = void (*)(std::uint32_t);

platform::library_handle library = nullptr;
std::uint32_t hook = 0;

using monopolize_text = text_names::monopolize_strings;

// Entries 1, the option, 2, the settings file, 3, the library (not when the
// hook failed) and the failure's own entry, joined without separators.
void report(monopolize_text failure)
{
    const text_section<monopolize_text> texts;
    std::string text = texts[monopolize_text::option_start] + "Monopolize System" + texts[monopolize_text::option_end]
        + settings_file_name + texts[monopolize_text::library_start];
    if (failure != monopolize_text::hook_failed)
        text += monopolize_library_name;
    show_message(text + texts[failure], platform::MB_OK);
}

} // namespace

void monopolize()
{
    // Only the start and the program directory: never a library the pupil put elsewhere.
    const found_file file = find_file(monopolize_library_name, find_skip_name_itself);
    if (!file.found)
        return report(monopolize_text::library_not_found);
    if (!library)
        library = platform::load_library(file.path);
    if (!library)
        return report(monopolize_text::library_not_loaded);
    const auto tell_task_handles
        = reinterpret_cast<handle_receiver>(platform::library_symbol(library, "TELL_TASK_HANDLES"));
    const auto hook_function
        = reinterpret_cast<platform::cbt_procedure>(platform::library_symbol(library, "HOOK_FUNCTION"));
    const auto tell_hook_handle
        = reinterpret_cast<handle_receiver>(platform::library_symbol(library, "TELL_HOOK_HANDLE_PROC"));
    if (!tell_task_handles || !hook_function || !tell_hook_handle)
        return report(monopolize_text::entry_point_missing);
    tell_task_handles(platform::current_process_id());
    if (hook == 0)
        hook = platform::install_cbt_hook(hook_function);
    if (hook == 0)
        return report(monopolize_text::hook_failed);
    tell_hook_handle(hook);
}

void monopolize_as_set(TBackGroundScreen& background_screen)
{
    if (read_yes_no_setting("", "GENERAL", "Monopolize System", false))
        monopolize();
    if (read_yes_no_setting("", "GENERAL", "Use Background Screen", false))
        background_screen.FormShow();
}

// A hook that cannot be removed may still call into the library: then it stays loaded.
void release_monopolize()
{
    if (hook != 0) {
        if (!platform::remove_cbt_hook(hook))
            return;
        hook = 0;
    }
    if (library && platform::free_library(library))
        library = nullptr;
}

bool monopolize_library_loaded()
{
    return library != nullptr;
}

bool monopolize_hook_installed()
{
    return hook != 0;
}

} // namespace tutor::windows
