// Names: what is created is listed and reached again, and every action
// reaches the exact file the list shows, also names copied from elsewhere.
#include "platform/core/file_name_text.h"
#include "platform/core/file_system.h"
#include "student_files/results_check.h"
#include "student_files/student_list.h"
#include "tests/student_files/student_files_fixture.h"

using namespace foundation;
using namespace student_files;

using namespace results_format;

class StudentNamesTest : public StudentFilesTest {
protected:
    // A results file as the Windows tutor writes it: the name check over the
    // name's single-byte code, upper-cased as `upper` does it.
    void put_windows_file(const std::string& file_name, const std::string& single_byte_name, const std::string& upper)
    {
        identity id = identity_of(single_byte_name, "secret");
        id.name_check = name_check_of(upper);   // its own bytes: `upper` is upper case already
        const record r = encode_identity(id);
        std::string bytes(fresh_file_records * record_size, '\0');
        std::copy(r.begin(), r.end(), bytes.begin() + identity_record * record_size);
        program.write("RESULTS/" + file_name, bytes.replace(bytes.size() - 2, 2, "\xFD\xFF"));
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
    EXPECT_EQ(std::tuple(files->sum_results("KIM JANSEN").total_objects, files->sum_results("Kim Jansen").total_objects),
              std::tuple(0L, 4L));
    ASSERT_TRUE(platform::remove_file(files->results_file_name("KIM JANSEN")));
    EXPECT_EQ(std::tuple(listed(), files->results_file_name("kim jansen")),
              std::tuple(std::vector<std::string>{"Kim Jansen"}, path("Kim Jansen")));
}

TEST_F(StudentNamesTest, ANameFromWindowsIsListedReadablyAndItsFileValidates)
{
    // "Jörg Lind" and "Zoë Maas": as Latin-1 bytes (copied from a Windows
    // disk) and as UTF-8 (converted on the way), each as the Windows tutor
    // made it, its name check over the code page's bytes.
    const std::string latin_1 = "J\xF6rg Lind.results", zoe = "Zo\xEB Maas.results";
    put_windows_file(latin_1, latin_1, platform::windows_1252_upper(latin_1));
    put_windows_file(platform::utf8_from_windows_1252(zoe), zoe, platform::ascii_upper(zoe));
    EXPECT_EQ(listed(), (std::vector<std::string>{"J\xC3\xB6rg Lind", "Zo\xC3\xAB Maas"}));
    for (const listed_student& s : list_students(files->directory())) {
        const std::string file = files->results_file_name(s.name);
        EXPECT_EQ(file, results_path(files->directory(), s));
        EXPECT_TRUE(files->check_results_file(file, "secret").value && check_results_file_at(file).valid()) << s.name;
        EXPECT_TRUE(add(s.name, 2) && files->remove_results(s.name)) << s.name;
    }
    // A name this program creates validates the same way on Windows.
    ASSERT_TRUE(files->create_results_file("\xC3\x89mile Roux", "secret", true, true, true, true));
    EXPECT_EQ(decode_identity(record_of("\xC3\x89mile Roux", identity_record)).name_check, name_check_of("\xC9MILE ROUX.RESULTS"));
}

TEST_F(StudentNamesTest, WhatCannotBeListedAndReachedAgainIsNeverCreated)
{
    const std::string longest(255 - 8, 'n');
    const std::pair<std::string, bool> cases[] = {
        {".hidden", false}, {longest + "n", false}, {longest, true}, {"Anna.results.old", true}, {"Anna.results", true}};
    for (const auto& [name, created] : cases) {
        const outcome creation = files->create_results_file(name, "secret", true, true, true, true);
        EXPECT_EQ(std::tuple(creation.done(), creation.message().empty()), std::tuple(created, created)) << name;
    }
    EXPECT_EQ(listed(), (std::vector<std::string>{"Anna.results", "Anna.results.old", longest}));
    for (const std::string& name : listed())
        EXPECT_TRUE(add(name, 1) && files->remove_results(name) && platform::remove_file(files->results_file_name(name))) << name;
    EXPECT_TRUE(listed().empty());
}

TEST_F(StudentNamesTest, AResultsEntryThatIsALinkIsNeverFollowedOutOfTheDirectory)
{
    ASSERT_TRUE(files->create_results_file("Outside", "secret", true, true, true, true));
    std::filesystem::rename(path("Outside"), program.file("Outside.results"));
    std::filesystem::create_symlink(program.file("Outside.results"), path("Planted"));
    const std::string before = program.read("Outside.results");
    EXPECT_TRUE(listed().empty());
    for (const outcome& refused : {add("Planted", 1), files->remove_results("Planted"),
                                   files->create_results_file("Planted", "secret", true, true, true, true)})
        EXPECT_FALSE(refused.message().empty());
    EXPECT_EQ(program.read("Outside.results"), before);
}
