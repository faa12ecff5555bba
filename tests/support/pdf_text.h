#pragma once
// Reads back what a test printed to a PDF file, with poppler's tools.

#include <string>
#include <vector>

namespace test_support {

// The text of each page, in page order; empty when the file cannot be read.
std::vector<std::string> pdf_page_texts(const std::string& pdf_path);

} // namespace test_support
