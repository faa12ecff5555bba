#include "students_cli/guidance/guidance_flow.h"

#include "students_cli/guidance/condition_outcomes.h"
#include "tutor/engine/guidance_resolver.h"

#include <algorithm>

using namespace tutor::engine::guidance_records;
using namespace tutor::engine;

namespace students_cli::guidance {

namespace {

std::vector<int> successors_of(const statement_table& table, int k)
{
    const statement_record& s = table.statement(k);
    switch (s.kind()) {
    case kind_halt:
        return {};
    case kind_goto: {
        const condition_outcomes outcomes = s.jump_condition() == no_condition
                                                ? condition_outcomes{true, false}
                                                : possible_outcomes(table, s.jump_condition());
        std::vector<int> next;
        if (outcomes.can_hold)
            next.push_back(labelled_statement(table, s.target()));
        if (outcomes.can_fail)
            next.push_back(k + 1);
        return next;
    }
    default:
        return {k + 1};
    }
}

// Tarjan's strongly connected components over the included statements.
class circle_finder {
public:
    circle_finder(const guidance_flow& flow, const std::function<bool(int)>& included)
        : flow_(flow), included_(included), index_(static_cast<std::size_t>(flow.count) + 2, -1),
          low_(index_.size(), 0), on_stack_(index_.size(), false)
    {
    }

    std::vector<std::vector<int>> find()
    {
        for (int k = 1; k <= flow_.count; ++k)
            if (included_(k) && index_[static_cast<std::size_t>(k)] < 0)
                visit(k);
        std::sort(groups_.begin(), groups_.end());
        return groups_;
    }

private:
    bool inside(int k) const { return k >= 1 && k <= flow_.count && included_(k); }

    void visit(int k)
    {
        const auto at = static_cast<std::size_t>(k);
        index_[at] = low_[at] = next_index_++;
        stack_.push_back(k);
        on_stack_[at] = true;
        for (const int next : flow_.successors[at]) {
            if (!inside(next))
                continue;
            const auto n = static_cast<std::size_t>(next);
            if (index_[n] < 0) {
                visit(next);
                low_[at] = std::min(low_[at], low_[n]);
            } else if (on_stack_[n]) {
                low_[at] = std::min(low_[at], index_[n]);
            }
        }
        if (low_[at] == index_[at])
            take_group(k);
    }

    void take_group(int root)
    {
        std::vector<int> group;
        int k = 0;
        do {
            k = stack_.back();
            stack_.pop_back();
            on_stack_[static_cast<std::size_t>(k)] = false;
            group.push_back(k);
        } while (k != root);
        const auto& own = flow_.successors[static_cast<std::size_t>(root)];
        const bool circles = group.size() > 1 || std::find(own.begin(), own.end(), root) != own.end();
        if (circles) {
            std::sort(group.begin(), group.end());
            groups_.push_back(std::move(group));
        }
    }

    const guidance_flow& flow_;
    const std::function<bool(int)>& included_;
    std::vector<int> index_;
    std::vector<int> low_;
    std::vector<bool> on_stack_;
    std::vector<int> stack_;
    int next_index_ = 0;
    std::vector<std::vector<int>> groups_;
};

} // namespace

guidance_flow trace_flow(const statement_table& table)
{
    guidance_flow flow;
    flow.count = table.count();
    const auto size = static_cast<std::size_t>(flow.count) + 1;
    flow.successors.resize(size);
    for (int k = 1; k <= flow.count; ++k)
        flow.successors[static_cast<std::size_t>(k)] = successors_of(table, k);
    flow.reachable.assign(size, false);
    std::vector<int> pending;
    if (flow.count >= 1)
        pending.push_back(1);
    while (!pending.empty()) {
        const int k = pending.back();
        pending.pop_back();
        if (k > flow.count || flow.reachable[static_cast<std::size_t>(k)])
            continue;
        flow.reachable[static_cast<std::size_t>(k)] = true;
        for (const int next : flow.successors[static_cast<std::size_t>(k)])
            pending.push_back(next);
    }
    return flow;
}

std::vector<std::vector<int>> circles(const guidance_flow& flow, const std::function<bool(int)>& included)
{
    return circle_finder(flow, included).find();
}

bool has_way_out(const guidance_flow& flow, const std::vector<int>& group)
{
    for (const int k : group)
        for (const int next : flow.successors[static_cast<std::size_t>(k)])
            if (!std::binary_search(group.begin(), group.end(), next))
                return true;
    return false;
}

} // namespace students_cli::guidance
