#include "students_cli/command_args.h"

#include <algorithm>

using namespace foundation;

namespace students_cli {

using usage = text_names::students_tool_usage;

command_args::command_args(const std::vector<std::string>& words, const std::vector<option_rule>& known_options)
{
    bool options_ended = false;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (!options_ended && word == "--")
            options_ended = true;
        else if (options_ended || word.compare(0, 2, "--") != 0)
            operands_.push_back(word);
        else if (!read_option(words, i, known_options))
            return;
    }
}

bool command_args::read_option(const std::vector<std::string>& words, std::size_t& i,
                               const std::vector<option_rule>& known_options)
{
    const std::string& word = words[i];
    const auto equals = word.find('=');
    const std::string name = word.substr(2, equals == std::string::npos ? std::string::npos : equals - 2);
    const auto known = std::find_if(known_options.begin(), known_options.end(),
                                    [&](const option_rule& rule) { return rule.name == name; });
    if (known == known_options.end())
        problem_ = usage_problem{usage::unknown_option, {name}};
    else if (!known->takes_value && equals != std::string::npos)
        problem_ = usage_problem{usage::option_takes_no_value, {name}};
    else if (!known->takes_value)
        flags_.insert(name);
    else if (equals != std::string::npos)
        values_[name] = word.substr(equals + 1);
    else if (i + 1 < words.size())
        values_[name] = words[++i];
    else
        problem_ = usage_problem{usage::option_needs_value, {name}};
    return !problem_;
}

std::optional<std::string> command_args::value(const std::string& name) const
{
    const auto it = values_.find(name);
    if (it == values_.end())
        return std::nullopt;
    return it->second;
}

std::optional<usage_problem> command_args::operands_problem(std::size_t min, std::size_t max) const
{
    if (operands_.size() < min)
        return usage_problem{usage::too_few_operands, {}};
    if (operands_.size() > max)
        return usage_problem{usage::unexpected_operand, {operands_[max]}};
    return std::nullopt;
}

} // namespace students_cli
