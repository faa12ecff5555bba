// Several processes at once on the same results files, as the manager, the
// tutors of several pupils and the students tool are: appends, password and
// settings changes, guidance states and emptying. Afterwards every file
// passes the independent check and holds every acknowledged result once.
#include "platform/core/child_process.h"
#include "student_files/results_check.h"
#include "tests/student_files/student_files_fixture.h"

#include <fstream>

using namespace foundation;

using namespace student_files::results_format;
using namespace student_files;

namespace {

constexpr int rounds = 40;
const std::string kept_files[] = {"Shared One", "Shared Two"};
const std::string emptied_file = "Emptied Often";

// A result that tells who stored it: objects = writer, correct = round.
int append_rounds(Tstudent_data_files_object& files, int writer, const std::string& acknowledged)
{
    std::ofstream out(acknowledged);
    for (int round = 0; round < rounds; ++round)
        for (const std::string& name : {kept_files[0], kept_files[1], emptied_file})
            if (files.add_result(name, 1 + round % 9, at(1, 1, 0, 0), at(1, 1, 1, 0), 1, writer, round))
                out << name << '\t' << writer << '\t' << round << '\n' << std::flush;
    return 0;
}

} // namespace

class SeveralWritersTest : public StudentFilesTest {};

TEST_F(SeveralWritersTest, EveryAcknowledgedResultIsThereOnceInAValidFile)
{
    for (const std::string& name : {kept_files[0], kept_files[1], emptied_file})
        ASSERT_TRUE(files->create_results_file(name, "pass0", true, true, true, true));
    std::vector<int> children;
    for (int writer = 1; writer <= 3; ++writer)
        children.push_back(platform::start_child(
            [&, writer] { return append_rounds(*files, writer, program.file("acknowledged" + std::to_string(writer))); }));
    // The tutor's guidance states, the manager's changes and emptying, each round on the kept files.
    const std::function<outcome(int, const std::string&)> others[] = {
        [&](int round, const std::string& name) { return files->store_guidance_state(name, true, round, round); },
        [&](int round, const std::string& name) {
            return files->change_results_file(name, "pass" + std::to_string(round), true, round % 2 == 0, true, true, false);
        },
        [&](int round, const std::string&) { return round % 4 == 0 ? files->remove_results(emptied_file) : outcome(); }};
    for (const auto& other : others)
        children.push_back(platform::start_child([&] {
            for (int round = 1; round <= rounds; ++round)
                for (const std::string& name : kept_files)
                    if (!other(round, name))
                        return 1;
            return 0;
        }));
    for (const int child : children)
        EXPECT_EQ(platform::wait_for_child(child), 0);
    EXPECT_EQ(responder.count(), 0u);

    std::map<std::string, std::multiset<std::string>> acknowledged;   // by file
    for (int writer = 1; writer <= 3; ++writer) {
        std::ifstream in(program.file("acknowledged" + std::to_string(writer)));
        for (std::string line; std::getline(in, line);)
            acknowledged[line.substr(0, line.find('\t'))].insert(line);
    }
    for (const std::string& name : {kept_files[0], kept_files[1], emptied_file}) {
        const std::string path = files->results_file_name(name);
        EXPECT_TRUE(check_results_file_at(path).valid()) << name;
        std::multiset<std::string> stored;
        for (const auto& chain : files->read_result_chains(path, exercises).exercises)
            for (const result& x : chain)
                stored.insert(name + '\t' + std::to_string(x.objects) + '\t' + std::to_string(x.correct));
        const std::multiset<std::string>& wanted = acknowledged[name];
        if (name == emptied_file) {
            EXPECT_EQ(std::set<std::string>(stored.begin(), stored.end()).size(), stored.size()) << "none twice";
            EXPECT_TRUE(std::includes(wanted.begin(), wanted.end(), stored.begin(), stored.end()));
        } else {
            settings s;
            ASSERT_TRUE(files->read_settings(name, s));
            EXPECT_EQ(std::tuple(stored, wanted.size(), s.guidance_statement, files->check_results_file(path, "pass" + std::to_string(rounds)).value),
                      std::tuple(wanted, 3u * rounds, rounds, true)) << name << ": the guidance state is never lost to a change";
        }
    }
}
