#pragma once
// The class overview on printed pages: the table under the caption and its
// column headings on as many pages as its rows need, then the exercise chart
// on a page of its own, then the student chart on as many pages as its rows
// need; every page ends in "page k of n". Sizes follow the page, so a
// printer and a PDF file of any resolution show the same.

#include "platform/core/canvas.h"
#include "class_overview/class_overview.h"

#include <functional>
#include <string>

namespace class_overview {

struct printed_pages {
    platform::Canvas& canvas;   // on the first page
    int width = 0;              // of a page, in the canvas's pixels
    int height = 0;
    std::function<void()> new_page;
};

// The number of pages printed.
int print_class_overview(const printed_pages& pages, const class_overview& overview, const std::string& caption);

} // namespace class_overview
