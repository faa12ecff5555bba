// A monopolizing library of our own for the tests: it remembers what the
// tutor told it and counts the hook's calls per code. Built a second time
// without its third entry point.
#include <cstdint>

extern "C" {

__attribute__((visibility("default"))) std::uint32_t told_task_handle = 0;
__attribute__((visibility("default"))) std::uint32_t told_hook_handle = 0;
__attribute__((visibility("default"))) int hook_calls[6] = {};

__attribute__((visibility("default"))) void TELL_TASK_HANDLES(std::uint32_t process)
{
    told_task_handle = process;
}

__attribute__((visibility("default"))) std::intptr_t HOOK_FUNCTION(int code, std::uintptr_t, std::intptr_t)
{
    if (code >= 0 && code < 6)
        ++hook_calls[code];
    return 0;
}

#ifndef WITHOUT_HOOK_HANDLE_ENTRY
__attribute__((visibility("default"))) void TELL_HOOK_HANDLE_PROC(std::uint32_t hook)
{
    told_hook_handle = hook;
}
#endif
}
