#pragma once
// Every step that changes a file on disk (a write, a truncation, a flush to
// the disk, a link, a rename, a removal) runs through here, so that a test
// can make the k-th step fail, tear (only the first bytes of a write reach
// the file) or end the process there as a crash would. Once a test has
// called inject_write_fault or clear_write_fault, steps are counted also
// without a fault, so it can learn how many an operation takes.

#include <cstddef>
#include <functional>
#include <vector>

namespace platform {

enum class write_fault_kind { fail, tear_and_fail, tear_and_exit, exit_after };

struct write_fault {
    write_fault_kind kind = write_fault_kind::fail;
    int steps_before = 0;         // steps that run as usual before the one hit
    std::size_t torn_bytes = 0;   // a tear: the bytes of the hit write that reach the file
    int error_number = 5;         // what a failing step reports (EIO)
};

// The exit code of a process ended by an injected fault.
inline constexpr int fault_exit_code = 86;

void inject_write_fault(const write_fault& fault);
void clear_write_fault();
// The steps run since the last inject_write_fault or clear_write_fault.
int write_steps_seen();
// The bytes each of those steps wrote (0 for a step that writes none).
const std::vector<std::size_t>& write_step_bytes();

// For the file layer: runs one step that writes `bytes` bytes (0 for a step
// that writes none). `run(n)` carries the step out with the first n bytes
// and returns false with errno set when it fails.
bool run_write_step(std::size_t bytes, const std::function<bool(std::size_t)>& run);

} // namespace platform
