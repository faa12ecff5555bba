#pragma once
// The words of one command line: the command, its operands and its
// options ("--name", "--name VALUE" or "--name=VALUE"); "--" ends the
// options, so a later word that starts with "--" is an operand.

#include "foundation/texts.h"

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace students_cli {

// A command line the tool cannot run, with the words for its message; the
// tool ends with code 2 then.
using usage_problem = foundation::text_to_fill<foundation::text_names::students_tool_usage>;

struct option_rule {
    std::string name;   // without the dashes
    bool takes_value = false;
};

class command_args {
public:
    // Reads the words up to the first option the known options do not name
    // or a value that is missing; `problem` tells which.
    command_args(const std::vector<std::string>& words, const std::vector<option_rule>& known_options);

    const std::optional<usage_problem>& problem() const { return problem_; }
    const std::vector<std::string>& operands() const { return operands_; }
    bool has(const std::string& name) const { return flags_.count(name) != 0 || values_.count(name) != 0; }
    std::optional<std::string> value(const std::string& name) const;

    // Nothing when the number of operands lies in min..max.
    std::optional<usage_problem> operands_problem(std::size_t min, std::size_t max) const;

private:
    // Takes the option `word` (and the value after it, at `i + 1`); false at a problem.
    bool read_option(const std::vector<std::string>& words, std::size_t& i,
                     const std::vector<option_rule>& known_options);

    std::vector<std::string> operands_;
    std::set<std::string> flags_;
    std::map<std::string, std::string> values_;
    std::optional<usage_problem> problem_;
};

} // namespace students_cli
