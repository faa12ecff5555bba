#include "student_files/concise_results.h"
#include "student_files/new_student.h"
#include "student_files/student_list.h"
#include "tests/student_files/student_files_fixture.h"

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
    files->create_results_file("Alpha1", "secret", true, true, true, true);
    files->create_results_file("Bravo2", "secret", true, true, true, true);
    const auto items = concise_results_items(*files, {"Alpha1", "Bravo2"});
    const std::string text = files->concise_results_text("Alpha1");
    ASSERT_EQ(items, (std::vector<std::string>{"Alpha1", "", text, "\n\n", "Bravo2", "", text}));
    const auto lines = concise_results_lines(items);
    ASSERT_EQ(lines.size(), 2 * 8 + 3u);
    EXPECT_EQ(std::tuple(lines[0], lines[1], lines[2]), std::tuple("Alpha1", "", text.substr(0, text.find('\n'))));
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 8, lines.begin() + 12),
              (std::vector<std::string>{"", "", "", "Bravo2"}));
    EXPECT_TRUE(concise_results_lines({}).empty());
}

// All students' texts at once, their files found in one listing, are each
// student's own text with the same messages: a name in another case, no
// name, a missing file and a refused name too.
TEST_F(StudentListTest, ConciseTextsOfAllAreEachStudentsOwn)
{
    files->create_results_file("Alpha1", "secret", true, true, true, true);
    files->add_result("Alpha1", 3, at(1, 9, 0, 0), at(1, 9, 12, 0), 2, 7, 5);
    files->create_results_file("bravo2", "secret", true, true, true, true);
    files->add_result("bravo2", 1, at(1, 9, 0, 0), at(1, 10, 1, 0), 1, 3, 1);
    const std::vector<std::string> names{"Alpha1", "BRAVO2", "", "Nobody", ".."};
    std::vector<std::string> one_by_one;
    for (const std::string& name : names)
        one_by_one.push_back(files->concise_results_text(name));
    const auto texts_of_boxes = [&] {
        std::vector<std::string> texts;
        for (const auto& box : responder.boxes())
            texts.push_back(box.text);
        responder.clear();
        return texts;
    };
    const std::vector<std::string> boxes = texts_of_boxes();
    EXPECT_EQ(files->concise_results_texts(names), one_by_one);
    EXPECT_EQ(boxes.size(), 2u) << "the missing file and the refused name";
    EXPECT_EQ(texts_of_boxes(), boxes);
    EXPECT_NE(one_by_one[0], one_by_one[1]);
}

TEST_F(StudentListTest, NewStudentChecksInTheDialogsOrder)
{
    use_texts("$[NEW_STUDENT_DIALOG]\nT\nShort\nN\nP\nExists\nNo password\n");
    files->create_results_file("Taken1", "secret", true, true, true, true);
    const auto refusal = [&](const std::string& name, const std::string& password) {
        const auto r = refuse_new_student(*files, name, password);
        return r ? r->message + (r->field == new_student_refusal::name_field ? " @name" : " @password") : "";
    };
    const std::string long_password(30, 'z');
    const std::tuple<std::string, std::string, std::string> cases[] = {
        {"Five5", "", "Short @name"},
        {"\xC3\x89mile", "secret", "Short @name"},   // five characters in six bytes
        {"Sixsix", "", "No password @password"},
        {"Sixsix", "abcd", "Short @password"},
        {"Bad/name", "abcde", student_name_problem("Bad/name") + " @name"},
        {"TAKEN1", "abcde", "Exists @name"},
        {"Sixsix", long_password, password_problem(long_password) + " @password"},
        {"Six ch", "abcde", ""},
        {"\xC3\x89minem", "abcde", ""}};
    for (const auto& [name, password, refused] : cases)
        EXPECT_EQ(refusal(name, password), refused) << name;
    EXPECT_TRUE(results_file_exists(*files, "taken1"));
    EXPECT_FALSE(results_file_exists(*files, "Taken2"));
    EXPECT_EQ(characters_in("\xC3\x89t\xC3\xA9"), 3u);
}
