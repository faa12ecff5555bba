#include "foundation/globals.h"
#include "foundation/textfile_handler.h"
#include "platform/core/binary_file.h"
#include "platform/core/file_system.h"
#include "platform/core/message_box.h"
#include "student_files/student_data_files.h"
#include "tests/student_files/student_files_fixture.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace student_files::results_format;
using namespace foundation;
using namespace student_files;

TEST_F(StudentFilesTest, FreshFileIsFiveRecordsOfTheFormat)
{
    ASSERT_TRUE(files->create_results_file("Johnny", "abc", true, false, true, true));
    const std::string b = bytes("Johnny");
    ASSERT_EQ(b.size(), 75u);
    EXPECT_EQ(b.substr(0, 30), std::string(30, '\0'));
    const identity id = decode_identity(record_of("Johnny", 2));
    EXPECT_EQ(id.name_check, name_check_of("JOHNNY.RESULTS"));
    EXPECT_EQ(id.password_code_1, 676665u);
    const settings s = decode_settings(record_of("Johnny", 3));
    EXPECT_TRUE(s.guidance_is_on);
    EXPECT_FALSE(s.guidance_is_switchable);
    EXPECT_TRUE(s.restart_guidance_enabled);
    EXPECT_TRUE(s.test_results_are_stored);
    EXPECT_EQ(static_cast<unsigned char>(b[73]), 0xFD);
    EXPECT_EQ(static_cast<unsigned char>(b[74]), 0xFF);
    EXPECT_EQ(files->results_file_name("jOhNnY"), program.file("RESULTS/Johnny.results"));
    EXPECT_TRUE(files->is_results_file(files->results_file_name("johnny")).value);
    EXPECT_TRUE(files->check_results_file(files->results_file_name("johnny"), "ABC").value);
    EXPECT_FALSE(files->check_results_file(files->results_file_name("johnny"), "abd").value);
}

TEST_F(StudentFilesTest, InvalidFilesAreRecognised)
{
    ASSERT_TRUE(files->create_results_file("Johnny", "abc", false, false, false, false));
    std::filesystem::copy_file(program.file("RESULTS/Johnny.results"), program.file("RESULTS/Johnny2.results"));
    EXPECT_FALSE(files->is_results_file(files->results_file_name("Johnny2")).value);
    const std::string good = bytes("Johnny");
    program.write("RESULTS/Short.results", good.substr(0, 74));
    program.write("RESULTS/Three.results", good.substr(0, 45));
    std::string no_marker = good;
    no_marker[74] = 0;
    program.write("RESULTS/Nomark.results", no_marker);
    for (const char* name : {"Short", "Three", "Nomark"})
        EXPECT_TRUE(files->is_results_file(files->results_file_name(name)).status.done()) << name;
    const read_outcome<bool> nobody = files->is_results_file(files->results_file_name("Nobody"));
    EXPECT_FALSE(nobody.value);
    EXPECT_EQ(nobody.status.message(), "IO 2.      at " + files->results_file_name("Nobody"));
}

TEST_F(StudentFilesTest, ResultsChainPerExerciseAndSum)
{
    ASSERT_TRUE(files->create_results_file("Johnny", "abc", false, false, false, true));
    ASSERT_TRUE(files->add_result("johnny", 3, at(1, 10, 0, 0), at(1, 10, 12, 0), 2, 7, 5));
    EXPECT_EQ(bytes("Johnny").size(), 90u);
    EXPECT_EQ(get_u16(record_of("Johnny", 0), 4), 4);
    ASSERT_TRUE(files->add_result("johnny", 3, at(2, 9, 0, 0), at(2, 9, 1, 0), 1, 3, 3));
    EXPECT_EQ(decode_result(record_of("Johnny", 4)).next_result, 5);
    EXPECT_EQ(decode_result(record_of("Johnny", 5)).next_result, 0);
    EXPECT_TRUE(is_end_marker(record_of("Johnny", 6)));
    EXPECT_EQ(record_of("Johnny", 6)[9], record_of("Johnny", 5)[9]) << "the marker repeats the last result";
    ASSERT_TRUE(files->add_result("johnny", 9, at(3, 9, 0, 0), at(3, 9, 0, 30), 7, 2, 0));
    EXPECT_EQ(get_u16(record_of("Johnny", 1), 2), 6);
    EXPECT_TRUE(files->is_results_file(files->results_file_name("johnny")).value);

    const results_sums sums = files->sum_results("JOHNNY");
    EXPECT_EQ(sums.total_objects, 12);
    EXPECT_EQ(sums.total_correct, 8);
    EXPECT_EQ(sums.levels[1].objects, 7);
    EXPECT_EQ(sums.levels[1].correct, 5);
    EXPECT_EQ(sums.levels[1].seconds, 12 * 60);
    EXPECT_EQ(sums.levels[0].objects, 3);
    EXPECT_EQ(sums.levels[2].objects, 0);

    ASSERT_TRUE(files->store_guidance_state("johnny", true, 12, pack_duration(1 + (2 * 60 + 5) / 1440.0)));
    EXPECT_EQ(files->concise_results_text("johnny").value,
              "Level 1: 3 of 3 (100 %). Time: 0 h 1 min.\n"
              "Level 2: 5 of 7 (71 %). Time: 0 h 12 min.\n"
              "Level 3: nothing\n"
              "Total: 8 of 12 (66 %).\n"
              "\n"
              "Guidance: 26 h 5 min");
}

TEST_F(StudentFilesTest, ChangesAndEmptyingKeepWhatTheyShould)
{
    ASSERT_TRUE(files->create_results_file("Johnny", "abcde", true, true, true, true));
    ASSERT_TRUE(files->store_guidance_state("johnny", true, 3, 77));
    ASSERT_TRUE(files->add_result("johnny", 1, at(1, 1, 0, 0), at(1, 1, 5, 0), 1, 4, 3));
    const record old_identity = record_of("Johnny", 2);
    ASSERT_TRUE(files->change_results_file("johnny", "", false, true, false, false, false));
    EXPECT_EQ(record_of("Johnny", 2), old_identity);
    settings s;
    ASSERT_TRUE(files->read_settings("johnny", s));
    EXPECT_EQ(s.guidance_statement, 3);
    EXPECT_EQ(s.guidance_time, 77u);
    EXPECT_FALSE(s.guidance_is_on);
    EXPECT_TRUE(s.guidance_is_switchable);

    ASSERT_TRUE(files->change_results_file("johnny", "other", false, false, true, true, true));
    EXPECT_TRUE(files->check_results_file(files->results_file_name("johnny"), "OTHER").value);
    ASSERT_TRUE(files->read_settings("johnny", s));
    EXPECT_EQ(s.guidance_statement, 0);
    EXPECT_EQ(s.guidance_time, 0u);

    const std::string before = bytes("Johnny");
    ASSERT_TRUE(files->remove_results("johnny"));
    const std::string after = bytes("Johnny");
    ASSERT_EQ(after.size(), 75u);
    EXPECT_EQ(after.substr(0, 30), std::string(30, '\0'));
    EXPECT_EQ(after.substr(30, 30), before.substr(30, 30));
    EXPECT_TRUE(files->is_results_file(files->results_file_name("johnny")).value);
    EXPECT_EQ(files->sum_results("johnny").total_objects, 0);
}

TEST_F(StudentFilesTest, DamagedChainsAreReportedNotFollowed)
{
    ASSERT_TRUE(files->create_results_file("Johnny", "abcde", true, true, true, true));
    ASSERT_TRUE(files->add_result("johnny", 1, at(1, 1, 0, 0), at(1, 1, 5, 0), 1, 4, 3));
    std::string b = bytes("Johnny");
    b[4 * record_size + result_field::next_result] = 4;   // the result points at itself
    program.write("RESULTS/Johnny.results", b);
    EXPECT_EQ(files->add_result("johnny", 1, at(2, 1, 0, 0), at(2, 1, 5, 0), 1, 1, 1).message().substr(0, 7), "IO 100.");
    EXPECT_EQ(bytes("Johnny"), b);

    b[4 * record_size + result_field::next_result] = 0;
    b[0] = 60;   // head beyond the file
    program.write("RESULTS/Johnny.results", b);
    EXPECT_FALSE(files->add_result("johnny", 1, at(2, 1, 0, 0), at(2, 1, 5, 0), 1, 1, 1));
    EXPECT_EQ(bytes("Johnny"), b);
}

TEST_F(StudentFilesTest, AFullFileRefusesTheAppendUnchanged)
{
    ASSERT_TRUE(files->create_results_file("Johnny", "abcde", true, true, true, true));
    std::string b = bytes("Johnny");
    b.resize(static_cast<std::size_t>(max_records) * 15, '\0');
    b[b.size() - 2] = static_cast<char>(0xFD);
    b[b.size() - 1] = static_cast<char>(0xFF);
    program.write("RESULTS/Johnny.results", b);
    EXPECT_NE(files->add_result("johnny", 1, at(2, 1, 0, 0), at(2, 1, 5, 0), 1, 1, 1).message().find("full"),
              std::string::npos);
    EXPECT_EQ(bytes("Johnny"), b);
}

TEST_F(StudentFilesTest, UnsafeNamesAndLongPasswordsAreRefused)
{
    for (const char* name : {"", "..", "a/b", "back\\slash", "c:d", "tab\tname"}) {
        EXPECT_FALSE(files->create_results_file(name, "abcde", true, true, true, true).message().empty()) << name;
    }
    EXPECT_EQ(platform::list_files(program.file("RESULTS")).size(), 0u);
    EXPECT_FALSE(files->create_results_file("Johnny", std::string(40, 'z'), true, true, true, true));
    EXPECT_FALSE(std::filesystem::exists(program.file("RESULTS/Johnny.results")));
    EXPECT_TRUE(password_problem(std::string(17, '~')).empty());
    EXPECT_TRUE(password_problem(std::string(max_safe_password_length, '\xff')).empty());
    EXPECT_FALSE(password_problem(std::string(max_safe_password_length + 1, '\xff')).empty());
    EXPECT_FALSE(password_problem(std::string(30, '~')).empty());
}

TEST(StudentFilesDirectory, FoundMissingCreatedOrUnusable)
{
    test_support::temp_dir program, cwd;
    test_support::current_directory_change in_cwd(cwd.path());
    test_support::reset_globals_to(program.path());
    std::string problem;
    text_handler = std::make_unique<Ttextfile_handler>(Ttextfile_handler::from_text(student_files_texts, problem));

    program.make_dir("RESULTS");
    EXPECT_EQ(Tstudent_data_files_object().directory(), program.file("RESULTS"));
    EXPECT_TRUE(Tstudent_data_files_object().usable_directory());

    program.write("WinTola.ini", "[GENERAL]\nStudent Files Directory=pupils\n");
    Tstudent_data_files_object missing;
    EXPECT_TRUE(missing.directory_missing());
    EXPECT_EQ(missing.directory_question(), "Q1 " + cwd.file("PUPILS") + " Q2");
    EXPECT_EQ(missing.usable_directory().message(), "Cannot use it");
    EXPECT_FALSE(std::filesystem::exists(cwd.file("PUPILS"))) << "nothing is created unasked";
    EXPECT_TRUE(missing.create_directory());
    EXPECT_TRUE(std::filesystem::is_directory(cwd.file("PUPILS")));

    cwd.write("AFILE", "x");
    program.write("WinTola.ini", "[GENERAL]\nStudent Files Directory=afile\n");
    Tstudent_data_files_object a_file;
    EXPECT_FALSE(a_file.directory_missing()) << "no question for a file of that name";
    EXPECT_EQ(a_file.create_directory().message(), "Cannot use it");
    text_handler.reset();
}

TEST_F(StudentFilesTest, ResultRecordBytesAreLittleEndianAtTheirOffsets)
{
    ASSERT_TRUE(files->create_results_file("Johnny", "abc", false, false, false, true));
    const Tdate_time start = at(1, 10, 0, 0), end = at(1, 10, 12, 0);
    ASSERT_TRUE(files->add_result("johnny", 3, start, end, 2, 0x0107, 0x0205));
    const record r = record_of("Johnny", 4);
    EXPECT_EQ(get_u32(r, 0), pack_date_time(start));
    EXPECT_EQ(r[0], pack_date_time(start) & 0xFF);
    EXPECT_EQ(get_u32(r, 4), pack_date_time(end));
    EXPECT_EQ(r[8], 2);
    EXPECT_EQ(r[9], 0x07);
    EXPECT_EQ(r[10], 0x01);
    EXPECT_EQ(r[11], 0x05);
    EXPECT_EQ(r[12], 0x02);
    EXPECT_EQ(r[13], 0);
    EXPECT_EQ(r[14], 0);
    const record marker = record_of("Johnny", 5);
    EXPECT_TRUE(std::equal(r.begin(), r.begin() + 13, marker.begin()));
    EXPECT_EQ(marker[13], 0xFD);
    EXPECT_EQ(marker[14], 0xFF);
}

TEST_F(StudentFilesTest, EveryOperationRefusesNamesOutsideTheDirectory)
{
    // A valid file one level above the student files directory.
    ASSERT_TRUE(files->create_results_file("Outside", "abc", true, true, true, true));
    std::filesystem::rename(program.file("RESULTS/Outside.results"), program.file("OUTSIDE.results"));
    const std::string before = program.read("OUTSIDE.results");
    const std::string name = "../Outside";
    settings s;
    s.guidance_statement = 42;
    const results_sums sums = files->sum_results(name);
    EXPECT_EQ(sums.total_objects, 0);
    const read_outcome<std::string> concise = files->concise_results_text(name);
    EXPECT_EQ(concise.value, "");
    for (const outcome& refused : {files->add_result(name, 1, at(1, 1, 0, 0), at(1, 1, 5, 0), 1, 4, 3),
                                   files->store_guidance_state(name, true, 3, 77), files->read_settings(name, s),
                                   sums.status, files->remove_results(name),
                                   files->change_results_file(name, "new", false, false, false, false, true),
                                   concise.status})
        EXPECT_EQ(refused.message(), "bad student name") << "one clear message per operation";
    EXPECT_EQ(s.guidance_statement, 42) << "outputs stay as they were";
    EXPECT_EQ(program.read("OUTSIDE.results"), before);
}

TEST_F(StudentFilesTest, EmptyNamesDoNothingSilently)
{
    settings s;
    s.guidance_statement = 9;
    for (const outcome& quiet : {files->add_result("", 1, at(1, 1, 0, 0), at(1, 1, 5, 0), 1, 4, 3),
                                 files->store_guidance_state("", true, 3, 77), files->read_settings("", s),
                                 files->remove_results("")}) {
        EXPECT_FALSE(quiet);
        EXPECT_EQ(quiet.message(), "");
    }
    EXPECT_EQ(s.guidance_statement, 9);
    EXPECT_EQ(files->sum_results("").total_correct, 0);
    EXPECT_TRUE(platform::list_files(program.file("RESULTS")).empty());
}

TEST_F(StudentFilesTest, ACreationNeverReplacesTheStudentsFileInAnyCase)
{
    ASSERT_TRUE(files->create_results_file("SMITH", "first", true, true, true, true));
    ASSERT_TRUE(files->add_result("smith", 1, at(1, 1, 0, 0), at(1, 1, 5, 0), 1, 4, 3));
    const std::string before = bytes("SMITH");
    for (const char* name : {"Smith", "SMITH"}) {
        EXPECT_EQ(files->create_results_file(name, "second", false, false, false, false).message(),
                  "IO 17.      at " + program.file("RESULTS/SMITH.results"))
            << name;
    }
    EXPECT_EQ(platform::list_files(program.file("RESULTS")), std::vector<std::string>{"SMITH.results"});
    EXPECT_EQ(bytes("SMITH"), before);
    EXPECT_EQ(files->results_file_name("Nobody"), program.file("RESULTS/NOBODY.results"));
}

TEST_F(StudentFilesTest, OutOfRangeValuesAreRefusedAndTheFileUnchanged)
{
    ASSERT_TRUE(files->create_results_file("Johnny", "abc", false, false, false, true));
    const std::string before = bytes("Johnny");
    for (const outcome& refused : {files->add_result("johnny", 0, at(1, 1, 0, 0), at(1, 1, 5, 0), 1, 4, 3),
                                   files->add_result("johnny", 15, at(1, 1, 0, 0), at(1, 1, 5, 0), 1, 4, 3),
                                   files->add_result("johnny", 1, at(1, 1, 0, 0), at(1, 1, 5, 0), 256, 4, 3),
                                   files->add_result("johnny", 1, at(1, 1, 0, 0), at(1, 1, 5, 0), 1, 65536, 3),
                                   files->add_result("johnny", 1, at(1, 1, 0, 0), at(1, 1, 5, 0), 1, 4, -1),
                                   files->store_guidance_state("johnny", true, 40000, 1)})
        EXPECT_FALSE(refused.message().empty());
    EXPECT_EQ(bytes("Johnny"), before);
    EXPECT_TRUE(files->add_result("johnny", 14, at(1, 1, 0, 0), at(1, 1, 5, 0), 0, 65535, 65535));
    EXPECT_EQ(get_u16(record_of("Johnny", 1), 12), 4);
    EXPECT_TRUE(files->store_guidance_state("johnny", false, -32768, 1));
    settings s;
    ASSERT_TRUE(files->read_settings("johnny", s));
    EXPECT_EQ(s.guidance_statement, -32768);
}

TEST_F(StudentFilesTest, InputOutputFailuresShowTheErrorNumberAndPath)
{
    program.make_dir("RESULTS/Folder.results");
    EXPECT_EQ(files->is_results_file(program.file("RESULTS/Folder.results")).status.message(),
              "IO 21.      at " + program.file("RESULTS/Folder.results"));
    settings s;
    const std::string nobody = "IO 2.      at " + program.file("RESULTS/NOBODY.results");
    EXPECT_EQ(files->read_settings("Nobody", s).message(), nobody);
    EXPECT_EQ(files->change_results_file("Nobody", "", false, false, false, false, false).message(), nobody);
    EXPECT_EQ(files->remove_results("Nobody").message(), nobody);
    EXPECT_EQ(files->store_guidance_state("Nobody", true, 1, 1).message(), nobody);
    EXPECT_FALSE(std::filesystem::exists(program.file("RESULTS/NOBODY.results")));
}

TEST_F(StudentFilesTest, ConciseTextOfAFreshFileAndTextsReadEachTime)
{
    ASSERT_TRUE(files->create_results_file("Johnny", "abc", false, false, false, true));
    EXPECT_EQ(files->concise_results_text("johnny").value,
              "Level 1: nothing\nLevel 2: nothing\nLevel 3: nothing\nTotal: 0 of 0.\n\nGuidance: 0 h 0 min");
    std::string problem;
    text_handler = std::make_unique<Ttextfile_handler>(Ttextfile_handler::from_text(
        "$[STUDENT_RESULTS_TEXTS]\nu\nm\n/\nt\n-\nL\nT\n/\nG\n", problem));
    ASSERT_TRUE(files->add_result("johnny", 5, at(1, 1, 0, 0), at(1, 3, 7, 59), 3, 3, 1));
    EXPECT_EQ(files->concise_results_text("johnny").value, "L 1: -\nL 2: -\nL 3: 1 / 3 (33 %). t 2u7m.\nT 1 / 3 (33 %).\n\nG 0u0m");
    // Percentages are whole numbers cut toward zero: 300 div 7.
    ASSERT_TRUE(files->add_result("johnny", 2, at(2, 1, 0, 0), at(2, 1, 1, 0), 1, 7, 3));
    EXPECT_EQ(files->concise_results_text("johnny").value.substr(0, 31), "L 1: 3 / 7 (42 %). t 0u1m.\nL 2:");
}

TEST_F(StudentFilesTest, ADamagedFrameIsNeitherChangedNorEmptied)
{
    ASSERT_TRUE(files->create_results_file("Johnny", "abc", false, false, false, true));
    ASSERT_TRUE(files->add_result("johnny", 1, at(1, 1, 0, 0), at(1, 1, 5, 0), 1, 4, 3));
    std::string b = bytes("Johnny");
    b[89] = 0;   // no end marker, and no operation stops there
    program.write("RESULTS/Johnny.results", b);
    for (const outcome& refused : {files->remove_results("johnny"),
                                   files->change_results_file("johnny", "x", true, true, true, true, true),
                                   files->store_guidance_state("johnny", true, 1, 1)})
        EXPECT_EQ(refused.message().substr(0, 7), "IO 100.");
    EXPECT_EQ(bytes("Johnny"), b);
}
