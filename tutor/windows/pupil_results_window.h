#pragma once
// The window that shows one pupil's results, as the tutor main window needs
// it; the students manager's results window is one.

#include <string>

namespace tutor::windows {

class pupil_results_window {
public:
    // Shows the pupil's results modally until the window closes.
    virtual void show_results_of(const std::string& pupil_name) = 0;

protected:
    ~pupil_results_window() = default;
};

} // namespace tutor::windows
