#include "student_files/concise_results.h"

#include "student_files/student_data_files.h"

std::vector<std::string> concise_results_items(Tstudent_data_files_object& files,
                                               const std::vector<std::string>& names)
{
    std::vector<std::string> texts = files.concise_results_texts(names);
    std::vector<std::string> items;
    items.reserve(4 * names.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0)
            items.push_back("\n\n");
        items.push_back(names[i]);
        items.push_back("");
        items.push_back(std::move(texts[i]));
    }
    return items;
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
