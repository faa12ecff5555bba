#include "platform/core/message_box.h"

#include <iostream>

namespace platform {
namespace {

message_presenter& current_presenter()
{
    static message_presenter presenter;
    return presenter;
}

int present_on_stderr(const message_request& request)
{
    std::cerr << (request.caption.empty() ? "" : request.caption + ": ") << request.text << '\n';
    return escape_answer(request.flags);
}

} // namespace

int message_box(const std::string& text, const std::string& caption, unsigned flags)
{
    const message_request request{caption, text, flags};
    if (current_presenter())
        return current_presenter()(request);
    return present_on_stderr(request);
}

message_presenter set_message_presenter(message_presenter presenter)
{
    message_presenter previous = std::move(current_presenter());
    current_presenter() = std::move(presenter);
    return previous;
}

int escape_answer(unsigned flags)
{
    switch (flags & 0x0F) {
    case MB_OKCANCEL:
    case MB_YESNOCANCEL:
        return IDCANCEL;
    case MB_YESNO:
        return IDNO;
    default:
        return IDOK;
    }
}

bool answer_fits_flags(int answer, unsigned flags)
{
    switch (flags & 0x0F) {
    case MB_OKCANCEL:
        return answer == IDOK || answer == IDCANCEL;
    case MB_YESNOCANCEL:
        return answer == IDYES || answer == IDNO || answer == IDCANCEL;
    case MB_YESNO:
        return answer == IDYES || answer == IDNO;
    default:
        return answer == IDOK;
    }
}

scripted_responder::scripted_responder()
    : previous_(set_message_presenter([this](const message_request& r) { return present(r); }))
{
}

scripted_responder::~scripted_responder()
{
    set_message_presenter(std::move(previous_));
}

int scripted_responder::present(const message_request& request)
{
    boxes_.push_back(request);
    if (on_box)
        on_box(request);
    if (script_.empty())
        return escape_answer(request.flags);
    const int answer = script_.front();
    script_.pop_front();
    return answer;
}

} // namespace platform
