#pragma once
// The words of one command line: the command, its operands and its
// options ("--name", "--name VALUE" or "--name=VALUE"); "--" ends the
// options, so a later word that starts with "--" is an operand.

#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace students_cli {

// Bad usage: the message for the error stream; the tool ends with code 2.
struct usage_error : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct option_rule {
    std::string name;   // without the dashes
    bool takes_value = false;
};

class command_args {
public:
    // Throws usage_error for an option the known options do not name or a value that is missing.
    command_args(const std::vector<std::string>& words, const std::vector<option_rule>& known_options);

    const std::vector<std::string>& operands() const { return operands_; }
    bool has(const std::string& name) const { return flags_.count(name) != 0 || values_.count(name) != 0; }
    std::optional<std::string> value(const std::string& name) const;

    // Throws usage_error unless the number of operands lies in min..max.
    void expect_operands(std::size_t min, std::size_t max) const;

private:
    std::vector<std::string> operands_;
    std::set<std::string> flags_;
    std::map<std::string, std::string> values_;
};

} // namespace students_cli
