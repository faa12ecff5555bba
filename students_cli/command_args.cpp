#include "students_cli/command_args.h"

#include <algorithm>

namespace students_cli {

command_args::command_args(const std::vector<std::string>& words, const std::vector<option_rule>& known_options)
{
    bool options_ended = false;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (!options_ended && word == "--") {
            options_ended = true;
            continue;
        }
        if (options_ended || word.compare(0, 2, "--") != 0) {
            operands_.push_back(word);
            continue;
        }
        const auto equals = word.find('=');
        const std::string name = word.substr(2, equals == std::string::npos ? std::string::npos : equals - 2);
        const auto known = std::find_if(known_options.begin(), known_options.end(),
                                        [&](const option_rule& rule) { return rule.name == name; });
        if (known == known_options.end())
            throw usage_error("unknown option --" + name);
        if (!known->takes_value && equals != std::string::npos)
            throw usage_error("the option --" + name + " takes no value");
        if (!known->takes_value) {
            flags_.insert(name);
        } else if (equals != std::string::npos) {
            values_[name] = word.substr(equals + 1);
        } else if (i + 1 < words.size()) {
            values_[name] = words[++i];
        } else {
            throw usage_error("the option --" + name + " needs a value");
        }
    }
}

std::optional<std::string> command_args::value(const std::string& name) const
{
    const auto it = values_.find(name);
    if (it == values_.end())
        return std::nullopt;
    return it->second;
}

void command_args::expect_operands(std::size_t min, std::size_t max) const
{
    if (operands_.size() < min)
        throw usage_error("too few operands");
    if (operands_.size() > max)
        throw usage_error("unexpected operand \"" + operands_[max] + "\"");
}

} // namespace students_cli
