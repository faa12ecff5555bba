// Names: what is created is listed and reached again, and every action
// reaches the exact file the list shows, also names copied from elsewhere.
#include "platform/core/file_name_text.h"
#include "platform/core/file_system.h"
#include "student_files/results_check.h"
#include "student_files/student_list.h"
#include "tests/student_files/student_files_fixture.h"

#include <filesystem>

using namespace student_files::results_format;
using namespace foundation;
using namespace student_files;

namespace {

// A results file as the Windows tutor writes it: the name check over the
// name's single-byte code, upper-cased as `upper` does it.
std::string windows_file(const std::string& single_byte_name, const std::string& upper)
{
    std::int64_t check = 0;
    for (std::size_t i = 0; i < upper.size(); ++i)
        check += static_cast<unsigned char>(upper[i]) * static_cast<std::int64_t>(i + 1);
    identity id = identity_of(single_byte_name, "secret");
    id.name_check = static_cast<std::int32_t>(check);
    std::string bytes(fresh_file_records * record_size, '\0');
    const record r = encode_identity(id);
    std::copy(r.begin(), r.end(), bytes.begin() + identity_record * record_size);
    bytes[first_result_record * record_size + result_field::next_result] = static_cast<char>(0xFD);
    bytes[first_result_record * record_size + 14] = static_cast<char>(0xFF);
    return bytes;
}

} // namespace

class StudentNamesTest : public StudentFilesTest {
protected:
    std::vector<std::string> listed()
    {
        std::vector<std::string> names;
        for (const listed_student& s : list_students(files->directory()))
            names.push_back(s.name);
        return names;
    }
};

TEST_F(StudentNamesTest, NamesDifferingOnlyInCaseAreEachReachedExactly)
{
    ASSERT_TRUE(files->create_results_file("Kim Jansen", "first", true, true, true, true));
    // A copy from another machine, with a name the file system here tells apart.
    std::filesystem::copy_file(program.file("RESULTS/Kim Jansen.results"), program.file("RESULTS/KIM JANSEN.results"));
    EXPECT_EQ(listed(), (std::vector<std::string>{"KIM JANSEN", "Kim Jansen"}));
    for (const std::string& name : listed())
        EXPECT_EQ(files->results_file_name(name), program.file("RESULTS/" + name + ".results"));
    ASSERT_TRUE(files->add_result("Kim Jansen", 1, at(1, 1, 0, 0), at(1, 1, 5, 0), 1, 4, 3));
    EXPECT_EQ(files->sum_results("KIM JANSEN").total_objects, 0);
    EXPECT_EQ(files->sum_results("Kim Jansen").total_objects, 4);
    ASSERT_TRUE(platform::remove_file(files->results_file_name("KIM JANSEN")));
    EXPECT_EQ(listed(), std::vector<std::string>{"Kim Jansen"});
    EXPECT_EQ(files->results_file_name("kim jansen"), program.file("RESULTS/Kim Jansen.results"));
}

TEST_F(StudentNamesTest, ANameFromWindowsIsListedReadablyAndItsFileValidates)
{
    // "Jörg Lind" and "Zoë Maas": as Latin-1 bytes (copied from a Windows
    // disk) and as UTF-8 (converted on the way), each as the Windows tutor
    // made it, its name check over the code page's bytes.
    const std::string latin_1 = "J\xF6rg Lind.results";
    program.write("RESULTS/" + latin_1, windows_file(latin_1, platform::windows_1252_upper(latin_1)));
    const std::string zoe_single = "Zo\xEB Maas.results";
    program.write("RESULTS/" + platform::utf8_from_windows_1252(zoe_single),
                  windows_file(zoe_single, platform::ascii_upper(zoe_single)));
    EXPECT_EQ(listed(), (std::vector<std::string>{"J\xC3\xB6rg Lind", "Zo\xC3\xAB Maas"}));
    for (const listed_student& s : list_students(files->directory())) {
        const std::string path = files->results_file_name(s.name);
        EXPECT_EQ(path, results_path(files->directory(), s));
        EXPECT_TRUE(files->check_results_file(path, "secret").value) << s.name;
        EXPECT_TRUE(check_results_file_at(path).valid()) << s.name;
        EXPECT_TRUE(files->add_result(s.name, 2, at(1, 1, 0, 0), at(1, 1, 5, 0), 1, 4, 3)) << s.name;
        EXPECT_TRUE(files->remove_results(s.name)) << s.name;
    }
    EXPECT_EQ(responder.count(), 0u);
    // A name this program creates validates the same way on Windows.
    ASSERT_TRUE(files->create_results_file("\xC3\x89mile Roux", "secret", true, true, true, true));
    const identity id = decode_identity(record_of("\xC3\x89mile Roux", identity_record));
    EXPECT_EQ(id.name_check, name_check_of("\xC9MILE ROUX.RESULTS"));
}

TEST_F(StudentNamesTest, WhatCannotBeListedAndReachedAgainIsNeverCreated)
{
    const std::string longest(255 - 8, 'n');
    const struct {
        std::string name;
        bool created;
    } cases[] = {
        {".hidden", false},
        {longest + "n", false},
        {longest, true},
        {"Anna.results.old", true},
        {"Anna.results", true},
    };
    for (const auto& c : cases) {
        const outcome created = files->create_results_file(c.name, "secret", true, true, true, true);
        EXPECT_EQ(created.done(), c.created) << c.name;
        EXPECT_EQ(created.message().empty(), c.created) << c.name;
    }
    const std::vector<std::string> names = listed();
    EXPECT_EQ(names, (std::vector<std::string>{"Anna.results", "Anna.results.old", longest}));
    for (const std::string& name : names) {
        ASSERT_TRUE(files->add_result(name, 1, at(1, 1, 0, 0), at(1, 1, 5, 0), 1, 4, 3)) << name;
        ASSERT_TRUE(files->remove_results(name)) << name;
        EXPECT_TRUE(platform::remove_file(files->results_file_name(name))) << name;
    }
    EXPECT_TRUE(listed().empty());
}

TEST_F(StudentNamesTest, AResultsEntryThatIsALinkIsNeverFollowedOutOfTheDirectory)
{
    ASSERT_TRUE(files->create_results_file("Outside", "secret", true, true, true, true));
    std::filesystem::rename(program.file("RESULTS/Outside.results"), program.file("Outside.results"));
    std::filesystem::create_symlink(program.file("Outside.results"), program.file("RESULTS/Planted.results"));
    const std::string before = program.read("Outside.results");
    EXPECT_TRUE(listed().empty());
    for (const outcome& refused : {files->add_result("Planted", 1, at(1, 1, 0, 0), at(1, 1, 5, 0), 1, 4, 3),
                                   files->remove_results("Planted"),
                                   files->create_results_file("Planted", "secret", true, true, true, true)})
        EXPECT_FALSE(refused.message().empty());
    EXPECT_EQ(program.read("Outside.results"), before);
}
