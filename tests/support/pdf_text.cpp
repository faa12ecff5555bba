#include "tests/support/pdf_text.h"

#include <cstdio>
#include <memory>

namespace test_support {

namespace {

std::string output_of(const std::string& command)
{
    std::string out;
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    if (!pipe)
        return out;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe.get())) > 0;)
        out.append(buffer, n);
    return out;
}

} // namespace

// pdftotext ends every page with a form feed.
std::vector<std::string> pdf_page_texts(const std::string& pdf_path)
{
    const std::string text = output_of("pdftotext -layout '" + pdf_path + "' - 2>/dev/null");
    std::vector<std::string> pages;
    std::string::size_type from = 0;
    for (std::string::size_type at; (at = text.find('\f', from)) != std::string::npos; from = at + 1)
        pages.push_back(text.substr(from, at - from));
    return pages;
}

} // namespace test_support
