#include "student_files/results_check.h"

#include "foundation/texts.h"
#include "platform/core/binary_file.h"
#include "student_files/results_image.h"

#include <cerrno>
#include <optional>
#include <vector>

using namespace foundation;
using namespace student_files::results_format;

namespace student_files {

namespace {

using problem = text_names::results_file_problems;

const std::uint64_t largest_file = static_cast<std::uint64_t>(max_records) * record_size;

std::string file_name_part(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Nothing when the size can be a results file's.
std::optional<results_problem> size_problem(std::uint64_t bytes)
{
    const std::string size = std::to_string(bytes);
    if (bytes % record_size != 0)
        return results_problem{problem::size_not_records, {size}};
    if (bytes / record_size < 4)
        return results_problem{problem::size_too_small, {size}};
    if (bytes > largest_file)
        return results_problem{problem::size_too_large, {size, std::to_string(max_records)}};
    return std::nullopt;
}

// "7, 9, 12 to 15" for the record numbers, the first ten runs of them.
std::string runs_text(const std::vector<std::uint32_t>& numbers)
{
    std::string text;
    std::size_t runs = 0;
    for (std::size_t i = 0; i < numbers.size(); ++runs) {
        std::size_t j = i;
        while (j + 1 < numbers.size() && numbers[j + 1] == numbers[j] + 1)
            ++j;
        if (runs == 10)
            return text + ", ...";
        text += text.empty() ? "" : ", ";
        text += j > i ? text_with(problem::record_run, {std::to_string(numbers[i]), std::to_string(numbers[j])})
                      : std::to_string(numbers[i]);
        i = j + 1;
    }
    return text;
}

class chain_checker {
public:
    chain_checker(const results_image& image, std::vector<results_problem>& problems)
        : image_(image), problems_(problems), chain_of_(image.record_count(), 0)
    {
    }

    void check_all()
    {
        for (int e = 1; e <= exercises; ++e)
            check_chain(e);
        report_unreached();
    }

private:
    void check_chain(int e)
    {
        std::vector<std::uint32_t> chain;
        const chain_walk walk = image_.walk_chain(e, chain);
        if (walk.fault == chain_walk::loops)
            problems_.push_back({problem::chain_loops, {std::to_string(e), std::to_string(walk.bad_link)}});
        if (walk.fault == chain_walk::leaves_results)
            problems_.push_back(outside_results(e, walk.bad_link));
        for (std::size_t i = 0; i < chain.size(); ++i) {
            if (i > 0 && chain[i] < chain[i - 1]) {
                const std::string from = std::to_string(chain[i - 1]), to = std::to_string(chain[i]);
                problems_.push_back({problem::chain_links_back, {std::to_string(e), from, to}});
                break;
            }
        }
        for (const std::uint32_t r : chain) {
            if (chain_of_[r] != 0) {
                problems_.push_back(
                    {problem::in_two_chains, {std::to_string(e), std::to_string(r), std::to_string(chain_of_[r])}});
                break;
            }
        }
        for (const std::uint32_t r : chain)
            if (chain_of_[r] == 0)
                chain_of_[r] = e;
    }

    results_problem outside_results(int e, std::uint32_t link) const
    {
        const std::uint32_t n = image_.record_count();
        if (n <= static_cast<std::uint32_t>(fresh_file_records))
            return {problem::chain_outside_none, {std::to_string(e), std::to_string(link)}};
        return {problem::chain_outside,
                {std::to_string(e), std::to_string(link), std::to_string(first_result_record), std::to_string(n - 2)}};
    }

    void report_unreached()
    {
        std::vector<std::uint32_t> unreached;
        for (std::uint32_t r = first_result_record; r + 1 < image_.record_count(); ++r)
            if (chain_of_[r] == 0)
                unreached.push_back(r);
        if (!unreached.empty())
            problems_.push_back({problem::unreached, {std::to_string(unreached.size()), runs_text(unreached)}});
    }

    const results_image& image_;
    std::vector<results_problem>& problems_;
    std::vector<int> chain_of_;   // the exercise whose chain holds the record, 0 for none
};

} // namespace

results_file_report check_results_bytes(const std::uint8_t* data, std::size_t size, const std::string& file_name)
{
    results_file_report report;
    report.bytes = size;
    const results_image image({data, size});
    const std::uint32_t n = image.record_count();
    if (n > static_cast<std::uint32_t>(settings_record))
        report.settings = decode_settings(image.record_at(settings_record));
    if (auto wrong_size = size_problem(size)) {
        report.problems.push_back(std::move(*wrong_size));
        return report;
    }
    const bool marked = is_end_marker(image.record_at(n - 1));
    if (!marked)
        report.problems.push_back({problem::end_marker, {}});
    if (!name_check_matches(decode_identity(image.record_at(identity_record)).name_check, file_name))
        report.problems.push_back({problem::name_check, {}});
    if (!marked)
        return report;
    report.results = n > static_cast<std::uint32_t>(fresh_file_records) ? n - fresh_file_records : 0;
    chain_checker(image, report.problems).check_all();
    return report;
}

results_file_report check_results_file_at(const std::string& path)
{
    platform::binary_file file;
    std::vector<std::uint8_t> bytes;
    std::uint64_t size = 0;
    // Under a shared lock, so no operation is caught half way; never through a link.
    if (file.open_locked(path, platform::binary_file::mode::read_only)) {
        size = file.size();
        // A file too large for a results file is judged by its size alone.
        bytes.resize(static_cast<std::size_t>(std::min(size, largest_file)));
        file.read_at(0, bytes.data(), bytes.size());
    }
    file.close();
    results_file_report report;
    if (const int error = file.take_error(); error != 0) {
        report.error_number = error;
        report.problems.push_back({problem::unreadable, {std::to_string(error)}});
        return report;
    }
    report = check_results_bytes(bytes.data(), bytes.size(), file_name_part(path));
    report.bytes = size;
    if (size > largest_file)
        report.problems = {*size_problem(size)};
    return report;
}

} // namespace student_files
