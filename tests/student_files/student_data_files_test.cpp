#include "platform/core/file_system.h"
#include "tests/student_files/student_files_fixture.h"

using namespace foundation;
using namespace student_files;

using namespace results_format;

class StudentDataFilesTest : public StudentFilesTest {
protected:
    // The first `count` of the operations that change a file, on the given student.
    std::vector<outcome> every_change(const std::string& name, std::size_t count = 4)
    {
        const std::function<outcome()> changes[] = {
            [&] { return add(name, 1); }, [&] { return files->store_guidance_state(name, true, 3, 77); },
            [&] { return files->remove_results(name); },
            [&] { return files->change_results_file(name, "newpass", false, false, false, false, true); }};
        std::vector<outcome> done;
        for (std::size_t k = 0; k < count; ++k)
            done.push_back(changes[k]());
        return done;
    }
    std::string io_message(int error, const std::string& name) { return "IO " + std::to_string(error) + ".      at " + path(name); }
};

// A fresh file is five records; copies, cut or unmarked files are no results files.
TEST_F(StudentDataFilesTest, FreshFilesAreFiveRecordsOfTheFormatAndDamagedOnesAreRecognised)
{
    ASSERT_TRUE(files->create_results_file("Johnny", "abc", true, false, true, true));
    const std::string good = bytes("Johnny");
    const identity id = decode_identity(record_of("Johnny", 2));
    const settings s = decode_settings(record_of("Johnny", 3));
    EXPECT_EQ(std::tuple(good.size(), good.substr(0, 30), id.name_check, id.password_code_1, good.substr(73)),
              std::tuple(75u, std::string(30, '\0'), name_check_of("JOHNNY.RESULTS"), 676665u, std::string("\xFD\xFF")));
    EXPECT_EQ(std::tuple(s.guidance_is_on, s.guidance_is_switchable, s.restart_guidance_enabled, s.test_results_are_stored,
                         files->results_file_name("jOhNnY"), files->check_results_file(path("Johnny"), "abd").value),
              std::tuple(true, false, true, true, path("Johnny"), false));
    const std::pair<const char*, std::string> damaged[] = {
        {"Johnny", good}, {"Johnny2", good}, {"Short", good.substr(0, 74)}, {"Three", good.substr(0, 45)}, {"Nomark", good.substr(0, 74) + '\0'}};
    for (const auto& [name, b] : damaged) {
        put_bytes(name, b);
        const read_outcome<bool> valid = files->is_results_file(path(name));
        EXPECT_EQ(std::tuple(valid.value, valid.status.done()), std::tuple(name == std::string("Johnny"), true)) << name;
    }
    program.make_dir("RESULTS/Folder.results");
    EXPECT_EQ(files->is_results_file(path("Folder")).status.message(), io_message(21, "Folder"));
}

TEST_F(StudentDataFilesTest, ResultsChainPerExerciseAndSum)
{
    ASSERT_TRUE(files->create_results_file("Johnny", "abc", false, false, false, true));
    ASSERT_TRUE(files->add_result("johnny", 3, at(1, 10, 0, 0), at(1, 10, 12, 0), 2, 0x0107, 0x0205));
    const record r = record_of("Johnny", 4), marker = record_of("Johnny", 5);
    const record expected{0, 0, 0, 0, 0, 0, 0, 0, 2, 0x07, 0x01, 0x05, 0x02, 0, 0};
    EXPECT_TRUE(std::equal(r.begin() + 8, r.end(), expected.begin() + 8)) << "little-endian at their offsets";
    EXPECT_EQ(std::tuple(get_u32(r, 0), get_u32(r, 4), get_u16(record_of("Johnny", 0), 4)),
              std::tuple(pack_date_time(at(1, 10, 0, 0)), pack_date_time(at(1, 10, 12, 0)), 4));
    EXPECT_TRUE(std::equal(r.begin(), r.begin() + 13, marker.begin()) && marker[13] == 0xFD && marker[14] == 0xFF);
    ASSERT_TRUE(files->remove_results("johnny"));
    ASSERT_TRUE(files->add_result("johnny", 3, at(1, 10, 0, 0), at(1, 10, 12, 0), 2, 7, 5));
    ASSERT_TRUE(files->add_result("johnny", 3, at(2, 9, 0, 0), at(2, 9, 1, 0), 1, 3, 3));
    EXPECT_EQ(std::tuple(decode_result(record_of("Johnny", 4)).next_result, decode_result(record_of("Johnny", 5)).next_result,
                         is_end_marker(record_of("Johnny", 6))),
              std::tuple(5, 0, true));
    ASSERT_TRUE(files->add_result("johnny", 9, at(3, 9, 0, 0), at(3, 9, 0, 30), 7, 2, 0));
    EXPECT_EQ(get_u16(record_of("Johnny", 1), 2), 6);
    const results_sums sums = files->sum_results("JOHNNY");
    EXPECT_EQ(std::tuple(sums.total_objects, sums.total_correct, sums.levels[1].objects, sums.levels[1].correct,
                         sums.levels[1].seconds, sums.levels[0].objects, sums.levels[2].objects),
              std::tuple(12, 8, 7, 5, 12 * 60, 3, 0));
    ASSERT_TRUE(files->store_guidance_state("johnny", true, 12, pack_duration(1 + (2 * 60 + 5) / 1440.0)));
    // Percentages are whole numbers cut toward zero: 8 of 12 is 66 %.
    EXPECT_EQ(files->concise_results_text("johnny").value,
              "Level 1: 3 of 3 (100 %). Time: 0 h 1 min.\nLevel 2: 5 of 7 (71 %). Time: 0 h 12 min.\n"
              "Level 3: nothing\nTotal: 8 of 12 (66 %).\n\nGuidance: 26 h 5 min");
}

// Damaged files: every change fails with the I/O message of error 100 (or
// says the file is full) and leaves the file as it was.
TEST_F(StudentDataFilesTest, DamagedOrFullFilesAreRefusedUnchanged)
{
    ASSERT_TRUE(files->create_results_file("Johnny", "abcde", true, true, true, true));
    ASSERT_TRUE(add("johnny", 1));
    const std::string sound = bytes("Johnny");
    std::string full = sound;
    full.resize(static_cast<std::size_t>(max_records) * record_size - 2, '\0');
    const struct {
        std::string bytes;
        std::size_t changes;   // how many of every_change are refused
        const char* message;
    } cases[] = {
        {sound.substr(0, 4 * record_size + result_field::next_result) + '\4' + sound.substr(74), 1, "IO 100."},   // a loop
        {'\x3C' + sound.substr(1), 1, "IO 100."},                                                            // head past the end
        {sound.substr(0, 89) + '\0', 4, "IO 100."},                                                         // no end marker
        {full + "\xFD\xFF", 1, "full"},
    };
    for (const auto& c : cases) {
        put_bytes("Johnny", c.bytes);
        for (const outcome& refused : every_change("johnny", c.changes))
            EXPECT_NE(refused.message().find(c.message), std::string::npos) << refused.message();
        EXPECT_EQ(bytes("Johnny"), c.bytes);
    }
}

TEST_F(StudentDataFilesTest, UnsafeMissingOrEmptyNamesAndLongPasswordsAreRefused)
{
    for (const char* name : {"", "..", "a/b", "back\\slash", "c:d", "tab\tname"})
        EXPECT_FALSE(files->create_results_file(name, "abcde", true, true, true, true).message().empty()) << name;
    EXPECT_FALSE(files->create_results_file("Johnny", std::string(40, 'z'), true, true, true, true));
    EXPECT_TRUE(platform::list_files(program.file("RESULTS")).empty());
    EXPECT_EQ(std::tuple(password_problem(std::string(17, '~')), password_problem(std::string(max_safe_password_length, '\xff'))),
              std::tuple("", ""));
    EXPECT_NE(password_problem(std::string(max_safe_password_length + 1, '\xff')), "");

    settings s;
    s.guidance_statement = 42;
    for (const outcome& quiet : every_change("", 3))
        EXPECT_EQ(std::tuple(quiet.done(), quiet.message()), std::tuple(false, std::string())) << "silently";
    EXPECT_EQ(std::tuple(files->read_settings("", s).message(), files->sum_results("").total_correct), std::tuple(std::string(), 0));
    for (const outcome& missing : every_change("Nobody"))
        EXPECT_EQ(missing.message(), io_message(2, "NOBODY"));
    EXPECT_EQ(files->read_settings("Nobody", s).message(), io_message(2, "NOBODY"));
    EXPECT_TRUE(platform::list_files(program.file("RESULTS")).empty());

    // A valid file one level above the student files directory.
    ASSERT_TRUE(files->create_results_file("Outside", "abc", true, true, true, true));
    std::filesystem::rename(path("Outside"), program.file("OUTSIDE.results"));
    const std::string before = program.read("OUTSIDE.results");
    const results_sums sums = files->sum_results("../Outside");
    const read_outcome<std::string> concise = files->concise_results_text("../Outside");
    std::vector<outcome> refused = every_change("../Outside");
    refused.insert(refused.end(), {files->read_settings("../Outside", s), sums.status, concise.status});
    for (const outcome& o : refused)
        EXPECT_EQ(o.message(), "bad student name");
    EXPECT_EQ(std::tuple(sums.total_objects, concise.value, s.guidance_statement, program.read("OUTSIDE.results")),
              std::tuple(0, "", 42, before)) << "outputs stay as they were";
}

TEST_F(StudentDataFilesTest, TheDirectoryIsFoundMissingCreatedOrUnusable)
{
    test_support::temp_dir cwd;
    test_support::current_directory_change in_cwd(cwd.path());
    EXPECT_EQ(Tstudent_data_files_object().directory(), program.file("RESULTS"));
    EXPECT_TRUE(Tstudent_data_files_object().usable_directory());

    program.write("WinTola.ini", "[GENERAL]\nStudent Files Directory=pupils\n");
    Tstudent_data_files_object missing;
    EXPECT_EQ(std::tuple(missing.directory_missing(), missing.directory_question(), missing.usable_directory().message()),
              std::tuple(true, "Q1 " + cwd.file("PUPILS") + " Q2", "Cannot use it"));
    EXPECT_FALSE(std::filesystem::exists(cwd.file("PUPILS"))) << "nothing is created unasked";
    EXPECT_TRUE(missing.create_directory());
    EXPECT_TRUE(std::filesystem::is_directory(cwd.file("PUPILS")));

    cwd.write("AFILE", "x");
    program.write("WinTola.ini", "[GENERAL]\nStudent Files Directory=afile\n");
    Tstudent_data_files_object a_file;
    EXPECT_EQ(std::tuple(a_file.directory_missing(), a_file.create_directory().message()), std::tuple(false, std::string("Cannot use it")));
}

TEST_F(StudentDataFilesTest, ACreationNeverReplacesTheStudentsFileInAnyCase)
{
    ASSERT_TRUE(files->create_results_file("SMITH", "first", true, true, true, true));
    ASSERT_TRUE(add("smith", 1));
    const std::string before = bytes("SMITH");
    for (const char* name : {"Smith", "SMITH"})
        EXPECT_EQ(files->create_results_file(name, "second", false, false, false, false).message(), io_message(17, "SMITH"));
    EXPECT_EQ(std::tuple(platform::list_files(program.file("RESULTS")), bytes("SMITH")),
              std::tuple(std::vector<std::string>{"SMITH.results"}, before));
}

TEST_F(StudentDataFilesTest, OutOfRangeValuesAreRefusedAndTheFileUnchanged)
{
    ASSERT_TRUE(files->create_results_file("Johnny", "abc", false, false, false, true));
    const std::string before = bytes("Johnny");
    for (const outcome& refused : {add("johnny", 0), add("johnny", 15), add("johnny", 1, 1, 256), add("johnny", 1, 1, 1, 65536),
                                   add("johnny", 1, 1, 1, 4, -1), files->store_guidance_state("johnny", true, 40000, 1)})
        EXPECT_FALSE(refused.message().empty());
    EXPECT_EQ(bytes("Johnny"), before);
    EXPECT_TRUE(add("johnny", 14, 1, 0, 65535, 65535));
    EXPECT_EQ(get_u16(record_of("Johnny", 1), 12), 4);
    EXPECT_TRUE(files->store_guidance_state("johnny", false, -32768, 1));
    settings s;
    ASSERT_TRUE(files->read_settings("johnny", s));
    EXPECT_EQ(s.guidance_statement, -32768);
}
