#pragma once
// Runs a call that may stop the program and answers the stop's message.

#include "platform/core/message_box.h"
#include "platform/core/program_exit.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace test_support {

// The text of the fatal stop the call ends with; empty when it returns.
inline std::string stop_message(const std::function<void()>& call)
{
    platform::scripted_responder responder;
    platform::throwing_exit_guard guard;
    try {
        call();
    } catch (const platform::program_stopped& stop) {
        EXPECT_EQ(stop.code, 1);
        EXPECT_EQ(responder.last().flags, platform::MB_ICONERROR);
        return responder.last().text;
    }
    return {};
}

} // namespace test_support
