// config and text: the settings file through the program's own reader and
// writer, and entries of the text-section file.
#include "students_cli/commands.h"

#include "foundation/globals.h"
#include "foundation/settings.h"
#include "foundation/textfile_handler.h"
#include "foundation/texts.h"
#include "platform/core/file_system.h"

#include <charconv>

using namespace foundation;

namespace students_cli {

namespace {

using usage = text_names::students_tool_usage;

bool has_line_break(const std::string& text)
{
    return text.find_first_of("\r\n") != std::string::npos;
}

// Names the settings reader finds again as they were written.
std::optional<usage_problem> setting_problem(const std::string& section, const std::string& key,
                                             const std::string& value)
{
    if (section.empty() || has_line_break(section) || section.find(']') != std::string::npos)
        return usage_problem{usage::not_a_section_name, {section}};
    if (key.empty() || has_line_break(key) || key.find('=') != std::string::npos || key.front() == ';'
        || key.front() == '[')
        return usage_problem{usage::not_a_key, {key}};
    if (has_line_break(value))
        return usage_problem{usage::value_line_break, {}};
    if (!value.empty() && (value.front() == ' ' || value.back() == ' ' || value.front() == '\t' || value.back() == '\t'))
        return usage_problem{usage::value_blank_ends, {}};
    if (value.size() > max_setting_length)
        return usage_problem{usage::value_too_long, {std::to_string(max_setting_length)}};
    return std::nullopt;
}

} // namespace

int config_command(const command_args& args, command_context& context)
{
    if (const auto problem = args.operands_problem(1, 4))
        return context.session.refuse(*problem);
    const std::string& action = args.operands()[0];
    if (action == "get") {
        if (const auto problem = args.operands_problem(3, 3))
            return context.session.refuse(*problem);
        context.out << read_setting("", args.operands()[1], args.operands()[2], args.value("default").value_or(""))
                    << '\n';
        return 0;
    }
    if (action != "set")
        return context.session.refuse({usage::config_action, {action}});
    if (const auto problem = args.operands_problem(4, 4))
        return context.session.refuse(*problem);
    const std::string& section = args.operands()[1];
    const std::string& key = args.operands()[2];
    const std::string& value = args.operands()[3];
    if (const auto problem = setting_problem(section, key, value))
        return context.session.refuse(*problem);
    // A settings file that cannot be read is refused, never rewritten from nothing.
    int error = 0;
    if (!write_setting("", section, key, value, error)) {
        const std::string words = error != 0 ? ": " + platform::error_words(error) : std::string();
        context.session.report(
            text_with(text_names::students_tool_messages::cannot_write_settings, {settings_file_path}) + words);
        return 1;
    }
    return 0;
}

int text_command(const command_args& args, command_context& context)
{
    if (const auto problem = args.operands_problem(2, 2))
        return context.session.refuse(*problem);
    const std::string& section = args.operands()[0];
    const std::string& number = args.operands()[1];
    int k = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), k);
    if (error != std::errc() || end != number.data() + number.size() || k < 1)
        return context.session.refuse({usage::not_an_entry_number, {number}});
    if (!text_handler || !text_handler->has_section(section))
        context.session.report(text_with(text_names::students_tool_messages::no_section, {section}));
    context.out << (text_handler ? text_handler->read_entry(section, k) : std::string()) << '\n';
    return 0;
}

} // namespace students_cli
