#pragma once
// What an operation of a library did: done, or failed with the message a
// user reads about it (composed from the text file). Libraries return it
// and never show it; a window shows the message in a box, the students
// tool writes it to its error stream. A reading returns its data together
// with an outcome named `status`.

#include <string>
#include <utility>

namespace foundation {

class [[nodiscard]] outcome {
public:
    outcome() = default;   // done

    static outcome failed(std::string message)
    {
        outcome o;
        o.failed_ = true;
        o.message_ = std::move(message);
        return o;
    }

    // Failed with nothing to tell (an operation asked of no student).
    static outcome failed_quietly() { return failed({}); }

    bool done() const { return !failed_; }
    explicit operator bool() const { return done(); }
    // Empty when done or failed quietly.
    const std::string& message() const { return message_; }

private:
    bool failed_ = false;
    std::string message_;
};

} // namespace foundation
