#include "student_files/concise_results.h"

#include "student_files/student_data_files.h"

namespace student_files {

concise_results_list concise_results_items(Tstudent_data_files_object& files, const std::vector<std::string>& names)
{
    std::vector<read_outcome<std::string>> texts = files.concise_results_texts(names);
    concise_results_list list;
    list.items.reserve(4 * names.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0)
            list.items.push_back("\n\n");
        list.items.push_back(names[i]);
        list.items.push_back("");
        list.items.push_back(std::move(texts[i].value));
        if (!texts[i].status)
            list.problems.push_back(std::move(texts[i].status));
    }
    return list;
}

std::vector<std::string> concise_results_lines(const std::vector<std::string>& items)
{
    std::vector<std::string> lines;
    for (const std::string& item : items) {
        std::size_t start = 0;
        for (std::size_t feed = item.find('\n'); feed != std::string::npos; feed = item.find('\n', start)) {
            lines.push_back(item.substr(start, feed - start));
            start = feed + 1;
        }
        lines.push_back(item.substr(start));
    }
    return lines;
}

} // namespace student_files
