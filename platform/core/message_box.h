#pragma once
// Message boxes as the rest of the program sees them: Windows-style flags in,
// Windows-style answer codes out. Who actually shows the box is pluggable:
// the widget layer installs a QMessageBox presenter, tests a scripted one,
// and without either the box is written to stderr and answered as Esc would.

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace platform {

// Buttons (low four bits) and icons (next four bits) of a box.
enum message_flags : unsigned {
    MB_OK = 0,
    MB_OKCANCEL = 1,
    MB_YESNOCANCEL = 3,
    MB_YESNO = 4,
    MB_ICONERROR = 16,
    MB_ICONQUESTION = 32,
    MB_ICONWARNING = 48,
    MB_ICONINFORMATION = 64,
};

enum message_answer : int { IDOK = 1, IDCANCEL = 2, IDYES = 6, IDNO = 7 };

struct message_request {
    std::string caption;
    std::string text;
    unsigned flags = 0;
};

using message_presenter = std::function<int(const message_request&)>;

// Shows a box and returns the answer code.
int message_box(const std::string& text, const std::string& caption, unsigned flags);

// Installs a presenter; returns the one it replaces (empty for the default).
message_presenter set_message_presenter(message_presenter presenter);

// The answer Esc gives for these flags: Cancel where there is one, else No, else OK.
int escape_answer(unsigned flags);

// True when the answer is one of the buttons the flags offer.
bool answer_fits_flags(int answer, unsigned flags);

// Records every box and answers from a script. While alive it is the presenter;
// an exhausted script answers as Esc would, so a test never blocks.
class scripted_responder {
public:
    scripted_responder();
    ~scripted_responder();
    scripted_responder(const scripted_responder&) = delete;
    scripted_responder& operator=(const scripted_responder&) = delete;

    void answer_next(int answer) { script_.push_back(answer); }
    const std::vector<message_request>& boxes() const { return boxes_; }
    std::size_t count() const { return boxes_.size(); }
    const message_request& last() const { return boxes_.back(); }
    void clear() { boxes_.clear(); script_.clear(); }

    // Runs inside the presenter for each box after it is recorded, before it
    // is answered (for tests that act while a modal box would be open).
    std::function<void(const message_request&)> on_box;

private:
    int present(const message_request& request);

    std::deque<int> script_;
    std::vector<message_request> boxes_;
    message_presenter previous_;
};

} // namespace platform
