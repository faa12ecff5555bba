#include "platform/core/write_faults.h"

#include <algorithm>
#include <cerrno>
#include <optional>
#include <unistd.h>

namespace platform {
namespace {

std::optional<write_fault> planned;
// Kept only once a test has asked for faults, so a program never gathers them.
bool counting = false;
std::vector<std::size_t> step_bytes;

[[noreturn]] void end_as_a_crash()
{
    // No destructors, no flushing of buffers: what a killed process leaves.
    ::_exit(fault_exit_code);
}

} // namespace

void inject_write_fault(const write_fault& fault)
{
    planned = fault;
    counting = true;
    step_bytes.clear();
}

void clear_write_fault()
{
    planned.reset();
    counting = true;
    step_bytes.clear();
}

int write_steps_seen()
{
    return static_cast<int>(step_bytes.size());
}

const std::vector<std::size_t>& write_step_bytes()
{
    return step_bytes;
}

bool run_write_step(std::size_t bytes, const std::function<bool(std::size_t)>& run)
{
    if (!counting)
        return run(bytes);
    const int index = write_steps_seen();
    step_bytes.push_back(bytes);
    if (!planned || index != planned->steps_before)
        return run(bytes);
    const write_fault fault = *planned;
    const std::size_t torn = std::min(fault.torn_bytes, bytes);
    switch (fault.kind) {
    case write_fault_kind::exit_after:
        run(bytes);
        end_as_a_crash();
    case write_fault_kind::tear_and_exit:
        if (torn > 0)
            run(torn);
        end_as_a_crash();
    case write_fault_kind::tear_and_fail:
        if (torn > 0)
            run(torn);
        break;
    case write_fault_kind::fail:
        break;
    }
    errno = fault.error_number;
    return false;
}

} // namespace platform
