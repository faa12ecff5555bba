#include "student_files/concise_results.h"
#include "student_files/new_student.h"
#include "student_files/student_list.h"
#include "tests/student_files/student_files_fixture.h"

#include <gtest/gtest.h>

using namespace foundation;
using namespace student_files;

namespace {

std::vector<std::string> names_in(const std::string& directory)
{
    std::vector<std::string> names;
    for (const listed_student& s : list_students(directory))
        names.push_back(s.name);
    return names;
}

} // namespace

class StudentListTest : public StudentFilesTest {};

TEST_F(StudentListTest, NamesLoseTheirExtensionAndAreSortedWithoutRegardToCase)
{
    for (const char* file : {"zed.results", "Zara.RESULTS", "Eva.Results", "\xC3\xA9mile.results",
                             "\xC3\x89mile2.results", "SMITH.results", "smith.results", "A.results.results",
                             "notes.txt", ".hidden.results", "results"})
        program.write(std::string("RESULTS/") + file, "");
    program.make_dir("RESULTS/Folder.results");
    EXPECT_EQ(names_in(files->directory()),
              (std::vector<std::string>{"A.results", "Eva", "SMITH", "smith", "Zara", "zed", "\xC3\xA9mile",
                                        "\xC3\x89mile2"}));
    EXPECT_EQ(list_students(files->directory()).front().file_name, "A.results.results");
    EXPECT_EQ(student_name_of_file("x.results.txt"), "");
    EXPECT_TRUE(listed_before("\xC3\x89mile", "\xC3\xA9mile2")) << "Latin-1 capitals fold to small letters";
    EXPECT_TRUE(names_in(program.file("missing")).empty());
}

TEST_F(StudentListTest, ConciseItemsSplitIntoTheDialogsLines)
{
    ASSERT_TRUE(files->create_results_file("Alpha1", "secret", true, true, true, true));
    ASSERT_TRUE(files->create_results_file("Bravo2", "secret", true, true, true, true));
    const auto items = concise_results_items(*files, {"Alpha1", "Bravo2"}).items;
    const std::string text = files->concise_results_text("Alpha1").value;
    ASSERT_EQ(items, (std::vector<std::string>{"Alpha1", "", text, "\n\n", "Bravo2", "", text}));
    const auto lines = concise_results_lines(items);
    ASSERT_EQ(lines.size(), 2 * 8 + 3u);
    EXPECT_EQ(lines[0], "Alpha1");
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[2], text.substr(0, text.find('\n')));
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 8, lines.begin() + 12),
              (std::vector<std::string>{"", "", "", "Bravo2"}));
    EXPECT_TRUE(concise_results_lines({}).empty());
}

// All students' texts at once, their files found in one listing, are each
// student's own text with the same messages: a name in another case, no
// name, a missing file and a refused name too.
TEST_F(StudentListTest, ConciseTextsOfAllAreEachStudentsOwn)
{
    ASSERT_TRUE(files->create_results_file("Alpha1", "secret", true, true, true, true));
    ASSERT_TRUE(files->add_result("Alpha1", 3, at(1, 9, 0, 0), at(1, 9, 12, 0), 2, 7, 5));
    ASSERT_TRUE(files->create_results_file("bravo2", "secret", true, true, true, true));
    ASSERT_TRUE(files->add_result("bravo2", 1, at(1, 9, 0, 0), at(1, 10, 1, 0), 1, 3, 1));
    const std::vector<std::string> names{"Alpha1", "BRAVO2", "", "Nobody", ".."};
    std::vector<read_outcome<std::string>> one_by_one;
    for (const std::string& name : names)
        one_by_one.push_back(files->concise_results_text(name));
    const std::vector<read_outcome<std::string>> all = files->concise_results_texts(names);
    ASSERT_EQ(all.size(), names.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
        EXPECT_EQ(all[i].value, one_by_one[i].value) << names[i];
        EXPECT_EQ(all[i].status.message(), one_by_one[i].status.message()) << names[i];
        EXPECT_EQ(all[i].status.done(), i < 3) << names[i] << ": the missing file and the refused name fail";
    }
    EXPECT_NE(one_by_one[0].value, one_by_one[1].value);
}

TEST_F(StudentListTest, NewStudentChecksInTheDialogsOrder)
{
    std::string problem;
    text_handler = std::make_unique<Ttextfile_handler>(
        Ttextfile_handler::from_text("$[NEW_STUDENT_DIALOG]\nT\nShort\nN\nP\nExists\nNo password\n", problem));
    ASSERT_TRUE(files->create_results_file("Taken1", "secret", true, true, true, true));
    const auto refusal = [&](const std::string& name, const std::string& password) {
        const auto r = refuse_new_student(*files, name, password);
        return r ? r->message + (r->field == new_student_refusal::name_field ? " @name" : " @password") : "";
    };
    EXPECT_EQ(refusal("Five5", ""), "Short @name");
    EXPECT_EQ(refusal("\xC3\x89mile", "secret"), "Short @name") << "five characters in six bytes";
    EXPECT_EQ(refusal("Sixsix", ""), "No password @password");
    EXPECT_EQ(refusal("Sixsix", "abcd"), "Short @password");
    EXPECT_EQ(refusal("Bad/name", "abcde"), student_name_problem("Bad/name") + " @name");
    EXPECT_EQ(refusal("TAKEN1", "abcde"), "Exists @name");
    EXPECT_EQ(refusal("Sixsix", std::string(30, 'z')), password_problem(std::string(30, 'z')) + " @password");
    EXPECT_EQ(refusal("Six ch", "abcde"), "");
    EXPECT_EQ(refusal("\xC3\x89minem", "abcde"), "");
    EXPECT_TRUE(results_file_exists(*files, "taken1"));
    EXPECT_FALSE(results_file_exists(*files, "Taken2"));
    EXPECT_EQ(characters_in("\xC3\x89t\xC3\xA9"), 3u);
}
