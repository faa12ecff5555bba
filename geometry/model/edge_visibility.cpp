// The two working lists of an edge: the crossings of its line with one
// outline, and the levels of its stretches. Both are fixed arrays numbered
// from 1 with checked inserts.
#include "geometry/model/edge_visibility.h"

#include "foundation/messages.h"
#include "platform/core/message_box.h"

#include <cmath>

using namespace foundation;

namespace geometry::model {

namespace {

constexpr long double eps = 0.0001L;

auto& list_entries(Tcrossing_list& list) { return list.entries; }
auto& list_entries(Tedge_visibility& record) { return record.breakpoints; }

// Inserts before position `at` (count + 1 appends); refused when full.
template <class List, class Entry>
void insert_at(List& list, int at, const Entry& entry, int capacity)
{
    if (list.count >= capacity) {
        list.refused = true;
        return;
    }
    auto& entries = list_entries(list);
    for (int i = list.count; i >= at; --i)
        entries[i + 1] = entries[i];
    entries[at] = entry;
    ++list.count;
}

template <class List>
void delete_at(List& list, int at)
{
    auto& entries = list_entries(list);
    for (int i = at; i < list.count; ++i)
        entries[i] = entries[i + 1];
    --list.count;
}

void insert_crossing(Tcrossing_list& list, int at, std::uint8_t code, long double t)
{
    insert_at(list, at, Tcrossing{t, code}, max_crossings);
}

void insert_breakpoint(Tedge_visibility& record, int at, long double t, std::uint8_t level)
{
    insert_at(record, at, Tbreakpoint{t, level}, max_breakpoints);
}

// A crossing past every entry: an end of a side on the line extends a
// stretch that ended just before it.
void append_crossing(Tcrossing_list& list, std::uint8_t code, long double t)
{
    if (code == side_on_line_ends && list.count > 0 && list.entries[list.count].code == side_on_line_ends)
        list.entries[list.count].t = t;
    else
        insert_crossing(list, list.count + 1, code, t);
}

// A crossing at the place of entry i: an entry and an exit cancel, two of
// a kind count once, and a side's start and end that meet join.
void add_crossing_at_entry(Tcrossing_list& list, int i, std::uint8_t code, long double t)
{
    const std::uint8_t there = list.entries[i].code;
    switch (code) {
    case side_on_line_starts:
        if (there == side_on_line_ends)
            delete_at(list, i);
        else
            insert_crossing(list, i + 1, code, t);
        break;
    case side_on_line_ends:
        if (there == side_on_line_starts)
            delete_at(list, i);
        else
            insert_crossing(list, i, code, t);
        break;
    default: {
        const std::uint8_t opposite = code == outline_enters ? outline_leaves : outline_enters;
        if (there == opposite)
            delete_at(list, i);
        else if (there == side_on_line_starts)
            insert_crossing(list, i, code, t);
        else if (there == side_on_line_ends)
            insert_crossing(list, i + 1, code, t);
        break;
    }
    }
}

// A crossing before entry i (and after entry i - 1): a side's stretch that
// overlaps the next or the previous one grows instead of nesting.
void add_crossing_before_entry(Tcrossing_list& list, int i, std::uint8_t code, long double t)
{
    const bool previous_exists = i > 1;
    if (code == side_on_line_starts) {
        if (list.entries[i].code == side_on_line_starts)
            list.entries[i].t = t;
        else if (!(previous_exists && list.entries[i - 1].code == side_on_line_starts))
            insert_crossing(list, i, code, t);
    } else if (code == side_on_line_ends) {
        if (list.entries[i].code == side_on_line_ends)
            return;
        if (previous_exists && list.entries[i - 1].code == side_on_line_ends)
            list.entries[i - 1].t = t;
        else
            insert_crossing(list, i, code, t);
    } else {
        insert_crossing(list, i, code, t);
    }
}

} // namespace

Tedge_visibility new_edge_visibility(bool end_on)
{
    Tedge_visibility record;
    record.count = 2;
    record.breakpoints[1] = {0, end_on ? not_drawn_level : visible_level};
    record.breakpoints[2] = {1, not_drawn_level};
    return record;
}

void add_crossing(std::uint8_t code, Tcrossing_list& list, long double t)
{
    int i = 1;
    while (i <= list.count && t > list.entries[i].t + eps)
        ++i;
    if (i > list.count)
        append_crossing(list, code, t);
    else if (t >= list.entries[i].t - eps)
        add_crossing_at_entry(list, i, code, t);
    else
        add_crossing_before_entry(list, i, code, t);
}

void restrict_crossings(Tcrossing_list& list, long double tlo, long double thi)
{
    int i = 1;
    while (i <= list.count && tlo > list.entries[i].t - eps)
        ++i;
    if (i > list.count) {
        list.count = 0;
        return;
    }
    const bool inside = list.entries[i].code == outline_leaves || list.entries[i].code == side_on_line_ends;
    int first = i;   // the entry that becomes entry 1
    if (inside && i > 1) {
        first = i - 1;
        list.entries[first].t = tlo;
    } else if (inside) {
        first = 2;
    }
    int kept = 0;
    for (int k = first; k <= list.count; ++k)
        list.entries[++kept] = list.entries[k];
    list.count = kept;

    int j = list.count;
    while (j >= 1 && list.entries[j].t + eps > thi)
        --j;
    if (j < 1) {
        list.count = 0;
        return;
    }
    const bool open = list.entries[j].code == outline_enters || list.entries[j].code == side_on_line_starts;
    if (open && j < list.count) {
        list.entries[j + 1].t = thi;
        list.count = j + 1;
    } else {
        list.count = j;
    }
}

namespace {

// Where scanning for the end of a painted interval goes on, and the level
// the stretch there had before painting.
struct paint_scan {
    int j;
    std::uint8_t previous;
};

paint_scan paint_start(std::uint8_t level, Tedge_visibility& record, long double t1)
{
    auto& b = record.breakpoints;
    int i = 1;
    while (i < record.count && t1 > b[i + 1].t - eps)
        ++i;
    const std::uint8_t previous = b[i].level;
    if (b[i].level >= level)
        return {i + 1, previous};
    if (std::fabs(t1 - b[i].t) < eps) {
        if (i > 1 && b[i - 1].level == level) {
            delete_at(record, i);
            return {i, previous};
        }
        b[i].level = level;
        return {i + 1, previous};
    }
    insert_breakpoint(record, i + 1, t1, level);
    return {i + 2, previous};
}

} // namespace

void paint_edge_interval(std::uint8_t level, Tedge_visibility& record, long double t1, long double t2)
{
    if (t1 < -eps || t2 > 1 + eps)
        show_message("t1 te groot of t2 te klein", platform::MB_ICONERROR);
    if (record.count < 1)
        return;
    auto& b = record.breakpoints;
    paint_scan scan = paint_start(level, record, t1);
    int& j = scan.j;
    std::uint8_t& previous = scan.previous;
    while (j <= record.count) {
        if (t2 <= b[j].t - eps) {
            if (previous < level)
                insert_breakpoint(record, j, t2, previous);
            return;
        }
        if (std::fabs(t2 - b[j].t) < eps) {
            if (b[j].level == level && previous <= level)
                delete_at(record, j);
            return;
        }
        const std::uint8_t old = b[j].level;
        if (level < old) {
            ++j;
        } else if (level < previous) {
            b[j].level = level;
            ++j;
        } else {
            delete_at(record, j);
        }
        previous = old;
    }
}

} // namespace geometry::model
