// config and text: the settings file through the program's own reader and
// writer, and entries of the text-section file.
#include "students_cli/commands.h"

#include "foundation/globals.h"
#include "foundation/settings.h"
#include "foundation/textfile_handler.h"
#include "platform/core/file_system.h"

#include <charconv>

using namespace foundation;

namespace students_cli {

namespace {

bool has_line_break(const std::string& text)
{
    return text.find_first_of("\r\n") != std::string::npos;
}

// Names the settings reader finds again as they were written.
void check_setting_names(const std::string& section, const std::string& key)
{
    if (section.empty() || has_line_break(section) || section.find(']') != std::string::npos)
        throw usage_error("\"" + section + "\" cannot be a section name");
    if (key.empty() || has_line_break(key) || key.find('=') != std::string::npos || key.front() == ';'
        || key.front() == '[')
        throw usage_error("\"" + key + "\" cannot be a key");
}

void check_setting_value(const std::string& value)
{
    if (has_line_break(value))
        throw usage_error("a setting's value cannot hold a line break");
    if (!value.empty() && (value.front() == ' ' || value.back() == ' ' || value.front() == '\t' || value.back() == '\t'))
        throw usage_error("a setting's value cannot begin or end with a blank: the settings reader drops them");
    if (value.size() > max_setting_length)
        throw usage_error("a setting's value is read up to " + std::to_string(max_setting_length)
                          + " characters: this one is longer");
}

} // namespace

int config_command(const command_args& args, command_context& context)
{
    args.expect_operands(1, 4);
    const std::string& action = args.operands()[0];
    if (action == "get") {
        args.expect_operands(3, 3);
        context.out << read_setting("", args.operands()[1], args.operands()[2], args.value("default").value_or(""))
                    << '\n';
        return 0;
    }
    if (action != "set")
        throw usage_error("config takes get or set, not \"" + action + "\"");
    args.expect_operands(4, 4);
    const std::string& section = args.operands()[1];
    const std::string& key = args.operands()[2];
    const std::string& value = args.operands()[3];
    check_setting_names(section, key);
    check_setting_value(value);
    // A settings file that cannot be read is refused, never rewritten from nothing.
    int error = 0;
    if (!write_setting("", section, key, value, error)) {
        context.session.err() << "students: cannot write the settings file " << settings_file_path
                              << (error != 0 ? ": " + platform::error_words(error) : std::string()) << '\n';
        return 1;
    }
    return 0;
}

int text_command(const command_args& args, command_context& context)
{
    args.expect_operands(2, 2);
    const std::string& section = args.operands()[0];
    const std::string& number = args.operands()[1];
    int k = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), k);
    if (error != std::errc() || end != number.data() + number.size() || k < 1)
        throw usage_error("the entry number must be a whole number from 1 on, not \"" + number + "\"");
    if (!text_handler || !text_handler->has_section(section))
        context.session.err() << "students: the text file has no section " << section << '\n';
    context.out << (text_handler ? text_handler->read_entry(section, k) : std::string()) << '\n';
    return 0;
}

} // namespace students_cli
