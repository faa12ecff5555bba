// Every operation that writes a results file, broken at each of its steps
// in every way a write breaks (it fails; it is torn and fails; it is torn
// and the process ends; the process ends right after it): the next
// operation finds a file that the independent check passes, holding the
// results from before the operation or from after it (nothing counted that
// no chain reaches), and an acknowledged operation's results always. Records
// written in place may be torn into a mix of old and new fields: the format
// cannot tell, and such a file is valid.
#include "platform/core/child_process.h"
#include "platform/core/file_system.h"
#include "student_files/results_check.h"
#include "tests/student_files/student_files_fixture.h"

using namespace foundation;
using namespace student_files;

using namespace results_format;
using platform::write_fault;
using platform::write_fault_kind;

namespace {

struct operation {
    const char* name;
    const char* student;
    std::function<outcome(Tstudent_data_files_object&)> run;
};

// Appends to a chain, to an empty chain and past record 255; emptying; the
// guidance state; a change of password and settings; a creation.
const operation operations[] = {
    {"append", "Johnny", [](auto& f) { return f.add_result("Johnny", 3, at(9, 1, 0, 0), at(9, 1, 9, 0), 2, 8, 6); }},
    {"first append", "Johnny", [](auto& f) { return f.add_result("Johnny", 7, at(9, 1, 0, 0), at(9, 1, 9, 0), 1, 3, 2); }},
    {"far append", "Bigfile", [](auto& f) { return f.add_result("Bigfile", 2, at(9, 1, 0, 0), at(9, 1, 9, 0), 3, 9, 9); }},
    {"empty", "Johnny", [](auto& f) { return f.remove_results("Johnny"); }},
    {"guidance", "Johnny", [](auto& f) { return f.store_guidance_state("Johnny", false, 321, 4321); }},
    {"change", "Johnny", [](auto& f) { return f.change_results_file("Johnny", "newpass", false, true, false, false, true); }},
    {"create", "Newbie", [](auto& f) { return f.create_results_file("Newbie", "secret", true, false, true, false); }},
};

// Where a write of so many bytes is torn: for a record, before its link bytes and inside them.
std::vector<std::size_t> tear_points(std::size_t bytes)
{
    if (bytes < 2)
        return {};
    return bytes == record_size ? std::vector<std::size_t>{1, result_field::next_result, result_field::next_result + 1}
                                : std::vector<std::size_t>{1, bytes / 2, bytes - 1};
}

} // namespace

class WriteFaultTest : public StudentFilesTest {
protected:
    void SetUp() override
    {
        StudentFilesTest::SetUp();
        ASSERT_TRUE(files->create_results_file("Johnny", "oldpass", true, true, true, true));
        ASSERT_TRUE(files->store_guidance_state("Johnny", true, 12, 345));
        for (const int e : {3, 5, 3})
            ASSERT_TRUE(files->add_result("Johnny", e, at(1, 9, 0, 0), at(1, 9, 20, 0), 2, 7, e));
        ASSERT_TRUE(files->create_results_file("Bigfile", "oldpass", true, true, true, true));
        for (int i = 0; i < 300; ++i)
            ASSERT_TRUE(files->add_result("Bigfile", 1 + i % 9, at(2, 9, 0, 0), at(2, 9, 1, 0), 1, 1, i % 2));
        for (const char* name : {"Johnny", "Bigfile"})
            templates[name] = bytes(name);
    }

    void restore(const operation& op)
    {
        std::filesystem::remove(path(op.student));
        if (templates.count(op.student))
            put_bytes(op.student, templates[op.student]);
    }

    // What must be before-or-after as a whole: the chains and the sums
    // (records no chain reaches would show in the sums only); and the
    // records written in place.
    struct state {
        std::string results = "absent", in_place = "absent";
        bool operator==(const state&) const = default;
    };
    state state_of(const std::string& student)
    {
        state now;
        if (!platform::entry_exists(path(student)))
            return now;
        now.results = " sums " + std::to_string(files->sum_results(student).total_objects);
        for (const auto& chain : files->read_result_chains(path(student), exercises).exercises) {
            for (const result& x : chain)
                now.results += std::to_string(x.start_time) + "/" + std::to_string(x.objects) + "/" + std::to_string(x.correct) + " ";
            now.results += "|";
        }
        now.in_place = bytes(student).substr(identity_record * record_size, 2 * record_size);
        return now;
    }

    // Runs the operation with the fault; true when it told its caller it was done.
    bool run_broken(const operation& op, const write_fault& fault)
    {
        if (fault.kind == write_fault_kind::fail || fault.kind == write_fault_kind::tear_and_fail) {
            platform::inject_write_fault(fault);
            const bool acknowledged = op.run(*files).done();
            platform::clear_write_fault();
            return acknowledged;
        }
        const int child = platform::start_child([&] {
            platform::inject_write_fault(fault);
            return op.run(*files) ? 0 : 1;
        });
        EXPECT_EQ(platform::wait_for_child(child), platform::fault_exit_code) << op.name;
        return false;   // an ended process told nobody
    }

    void check_after(const operation& op, const write_fault& fault, bool acknowledged, const state& before, const state& after)
    {
        const std::string where = std::string(op.name) + ", step " + std::to_string(fault.steps_before) + ", kind "
            + std::to_string(static_cast<int>(fault.kind)) + ", torn " + std::to_string(fault.torn_bytes);
        const state now = state_of(op.student);   // the next operation mends what it finds
        const results_file_report report = check_results_file_at(path(op.student));
        EXPECT_TRUE(now.results == "absent" || report.valid()) << where << ": " << (report.valid() ? "" : report.problems.front().text());
        EXPECT_TRUE(now.results == before.results || now.results == after.results) << where << "\n" << now.results;
        EXPECT_TRUE(fault.torn_bytes != 0 || now.in_place == before.in_place || now.in_place == after.in_place) << where;
        EXPECT_TRUE(!acknowledged || now == after) << where;
    }

    std::map<std::string, std::string> templates;
};

TEST_F(WriteFaultTest, EveryOperationBrokenAtEveryStepLeavesBeforeOrAfterNeverAMix)
{
    for (const operation& op : operations) {
        restore(op);
        const state before = state_of(op.student);
        restore(op);
        platform::clear_write_fault();
        ASSERT_TRUE(op.run(*files)) << op.name;
        const std::vector<std::size_t> steps = platform::write_step_bytes();
        const state after = state_of(op.student);
        ASSERT_FALSE(before == after) << op.name;
        for (std::size_t k = 0; k < steps.size(); ++k) {
            std::vector<write_fault> faults{{write_fault_kind::fail, static_cast<int>(k), 0, 28},
                                            {write_fault_kind::exit_after, static_cast<int>(k), 0, 0}};
            for (const std::size_t torn : tear_points(steps[k])) {
                faults.push_back({write_fault_kind::tear_and_fail, static_cast<int>(k), torn, 27});
                faults.push_back({write_fault_kind::tear_and_exit, static_cast<int>(k), torn, 0});
            }
            for (const write_fault& fault : faults) {
                restore(op);
                const bool acknowledged = run_broken(op, fault);
                const bool failed = fault.kind == write_fault_kind::fail || fault.kind == write_fault_kind::tear_and_fail;
                EXPECT_FALSE(failed && acknowledged) << op.name << " step " << k << ": a failure is never success";
                check_after(op, fault, acknowledged, before, after);
            }
        }
    }
    // What the ended processes left half made is cleared away on the next start.
    Tstudent_data_files_object again;
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(program.file("RESULTS")), {}), 3) << "nothing else";
}

TEST_F(WriteFaultTest, AMendingStoppedAtAnyStepIsTakenUpByTheNextOperation)
{
    const operation& append = operations[2];
    restore(append);
    const state before = state_of(append.student);
    // The states an append past record 255 leaves when it ends after each of its steps.
    for (int k = 0; k < 5; ++k) {
        for (int m = 0;; ++m) {
            restore(append);
            run_broken(append, {write_fault_kind::exit_after, k, 0, 0});
            // The next operation, a reading one, ends in the middle of mending it.
            const int child = platform::start_child([&] {
                platform::inject_write_fault({write_fault_kind::tear_and_exit, m, 1, 0});
                files->sum_results(append.student);
                return 0;
            });
            const bool stopped = platform::wait_for_child(child) == platform::fault_exit_code;
            const std::string now = state_of(append.student).results;
            EXPECT_TRUE(check_results_file_at(path(append.student)).valid()) << k << " " << m;
            EXPECT_TRUE(now == before.results || now.find("9/9 ") != std::string::npos) << k << " " << m;
            if (!stopped)
                break;
        }
    }
}
