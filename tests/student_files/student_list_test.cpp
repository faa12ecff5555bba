#include "student_files/new_student.h"
#include "student_files/student_list.h"
#include "tests/student_files/student_files_fixture.h"

using namespace foundation;
using namespace student_files;

using StudentListTest = StudentFilesTest;

TEST_F(StudentListTest, NamesLoseTheirExtensionAndAreSortedWithoutRegardToCase)
{
    for (const char* file : {"zed.results", "Zara.RESULTS", "Eva.Results", "\xC3\xA9mile.results", "\xC3\x89mile2.results",
                             "SMITH.results", "smith.results", "A.results.results", "notes.txt", ".hidden.results", "results"})
        program.write(std::string("RESULTS/") + file, "");
    program.make_dir("RESULTS/Folder.results");
    EXPECT_EQ(listed(), (std::vector<std::string>{"A.results", "Eva", "SMITH", "smith", "Zara", "zed", "\xC3\xA9mile", "\xC3\x89mile2"}));
    EXPECT_EQ(list_students(files->directory()).front().file_name, "A.results.results");
    EXPECT_EQ(student_name_of_file("x.results.txt"), "");
    EXPECT_TRUE(listed_before("\xC3\x89mile", "\xC3\xA9mile2")) << "Latin-1 capitals fold to small letters";
    EXPECT_TRUE(list_students(program.file("missing")).empty());
}

// All students' texts at once, their files found in one listing, are each
// student's own text with the same messages: a name in another case, no
// name, a missing file and a refused name too. The dialog's items and lines
// are read back whole by the concise dialog's test.
TEST_F(StudentListTest, ConciseTextsOfAllAreEachStudentsOwn)
{
    ASSERT_TRUE(files->create_results_file("Alpha1", "secret", true, true, true, true));
    ASSERT_TRUE(add("Alpha1", 3, 1, 2, 7, 5));
    ASSERT_TRUE(files->create_results_file("bravo2", "secret", true, true, true, true));
    ASSERT_TRUE(add("bravo2", 1, 1, 1, 3, 1));
    const std::vector<std::string> names{"Alpha1", "BRAVO2", "", "Nobody", ".."};
    const std::vector<read_outcome<std::string>> all = files->concise_results_texts(names);
    ASSERT_EQ(all.size(), names.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
        const read_outcome<std::string> one = files->concise_results_text(names[i]);
        EXPECT_EQ(std::tuple(all[i].value, all[i].status.message(), all[i].status.done()),
                  std::tuple(one.value, one.status.message(), i < 3)) << names[i];
    }
    EXPECT_NE(all[0].value, all[1].value);
}

// The dialog's order of checks is tested with the dialog and the students
// tool; here what they cannot see: characters counted in UTF-8, the field.
TEST_F(StudentListTest, NewStudentChecksCountCharactersAndNameTheirField)
{
    use_texts("$[NEW_STUDENT_DIALOG]\nT\nShort\nN\nP\nExists\nNo password\n");
    const auto refusal = [&](const std::string& name, const std::string& password) {
        const auto r = refuse_new_student(*files, name, password);
        return r ? r->message + (r->field == new_student_refusal::name_field ? " @name" : " @password") : "";
    };
    EXPECT_EQ(std::tuple(refusal("\xC3\x89mile", "secret"), refusal("\xC3\x89minem", "abcd"), refusal("\xC3\x89minem", "abcde")),
              std::tuple("Short @name", "Short @password", "")) << "five characters in six bytes";
}
