// Names: what is created is listed and reached again, and every action
// reaches the exact file the list shows, also names copied from elsewhere.
#include "platform/file_name_text.h"
#include "platform/file_system.h"
#include "student_files/results_check.h"
#include "student_files/student_list.h"
#include "tests/student_files/student_files_fixture.h"

using namespace results_format;

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
    bytes[first_result_record * record_size + 13] = static_cast<char>(0xFD);
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
    std::filesystem::copy_file(path("Kim Jansen"), path("KIM JANSEN"));
    EXPECT_EQ(listed(), (std::vector<std::string>{"KIM JANSEN", "Kim Jansen"}));
    for (const std::string& name : listed())
        EXPECT_EQ(files->results_file_name(name), path(name));
    ASSERT_TRUE(add("Kim Jansen", 1));
    EXPECT_EQ(std::pair(files->sum_results("KIM JANSEN").total_objects, files->sum_results("Kim Jansen").total_objects),
              std::pair(0L, 4L));
    ASSERT_TRUE(platform::remove_file(files->results_file_name("KIM JANSEN")));
    EXPECT_EQ(listed(), std::vector<std::string>{"Kim Jansen"});
    EXPECT_EQ(files->results_file_name("kim jansen"), path("Kim Jansen"));
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
        EXPECT_TRUE(files->check_results_file(path, "secret")) << s.name;
        EXPECT_TRUE(check_results_file_at(path).valid()) << s.name;
        EXPECT_TRUE(add(s.name, 2)) << s.name;
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
    const std::pair<std::string, bool> cases[] = {
        {".hidden", false}, {longest + "n", false}, {longest, true}, {"Anna.results.old", true}, {"Anna.results", true}};
    for (const auto& [name, created] : cases) {
        responder.clear();
        EXPECT_EQ(files->create_results_file(name, "secret", true, true, true, true), created) << name;
        EXPECT_EQ(responder.count(), created ? 0u : 1u) << name;
    }
    const std::vector<std::string> names = listed();
    EXPECT_EQ(names, (std::vector<std::string>{"Anna.results", "Anna.results.old", longest}));
    for (const std::string& name : names) {
        ASSERT_TRUE(add(name, 1)) << name;
        ASSERT_TRUE(files->remove_results(name)) << name;
        EXPECT_TRUE(platform::remove_file(files->results_file_name(name))) << name;
    }
    EXPECT_TRUE(listed().empty());
    EXPECT_EQ(responder.count(), 0u);
}

TEST_F(StudentNamesTest, AResultsEntryThatIsALinkIsNeverFollowedOutOfTheDirectory)
{
    ASSERT_TRUE(files->create_results_file("Outside", "secret", true, true, true, true));
    std::filesystem::rename(path("Outside"), program.file("Outside.results"));
    std::filesystem::create_symlink(program.file("Outside.results"), program.file("RESULTS/Planted.results"));
    const std::string before = program.read("Outside.results");
    EXPECT_TRUE(listed().empty());
    EXPECT_FALSE(add("Planted", 1));
    EXPECT_FALSE(files->remove_results("Planted"));
    EXPECT_FALSE(files->create_results_file("Planted", "secret", true, true, true, true));
    EXPECT_EQ(responder.count(), 3u);
    EXPECT_EQ(program.read("Outside.results"), before);
}
