#include "platform/file_system.h"
#include "platform/program_exit.h"
#include "tests/student_files/student_files_fixture.h"

using namespace results_format;

TEST_F(StudentFilesTest, FreshFileIsFiveRecordsOfTheFormat)
{
    ASSERT_TRUE(files->create_results_file("Johnny", "abc", true, false, true, true));
    const std::string b = bytes("Johnny");
    ASSERT_EQ(b.size(), 75u);
    EXPECT_EQ(b.substr(0, 30), std::string(30, '\0'));
    const identity id = decode_identity(record_of("Johnny", 2));
    EXPECT_EQ(std::pair(id.name_check, id.password_code_1), std::pair(name_check_of("JOHNNY.RESULTS"), 676665u));
    EXPECT_EQ(switches_of(decode_settings(record_of("Johnny", 3))), "1011");
    EXPECT_EQ(b.substr(73), "\xFD\xFF");
    EXPECT_EQ(files->results_file_name("jOhNnY"), path("Johnny"));
    EXPECT_TRUE(files->check_results_file(path("Johnny"), "ABC"));
    EXPECT_FALSE(files->check_results_file(path("Johnny"), "abd"));
    EXPECT_EQ(responder.count(), 0u);
}

TEST_F(StudentFilesTest, InvalidFilesAreRecognisedAndAMissingOneReported)
{
    files->create_results_file("Johnny", "abc", false, false, false, false);
    const std::string good = bytes("Johnny");
    std::string no_marker = good;
    no_marker[74] = 0;
    for (const auto& [name, contents] : {std::pair{"Johnny2", good}, {"Short", good.substr(0, 74)},
                                         {"Three", good.substr(0, 45)}, {"Nomark", no_marker}}) {
        put_bytes(name, contents);
        EXPECT_FALSE(files->is_results_file(files->results_file_name(name))) << name;
    }
    EXPECT_TRUE(files->is_results_file(path("Johnny")));
    EXPECT_EQ(responder.count(), 0u);
    EXPECT_FALSE(files->is_results_file(files->results_file_name("Nobody")));
    EXPECT_EQ(responder.last().text, "IO 2.      at " + files->results_file_name("Nobody"));
}

TEST_F(StudentFilesTest, ResultsChainPerExerciseSumAndConciseText)
{
    files->create_results_file("Johnny", "abc", false, false, false, true);
    ASSERT_TRUE(files->add_result("johnny", 3, at(1, 10, 0, 0), at(1, 10, 12, 0), 2, 7, 5));
    EXPECT_EQ(get_u16(record_of("Johnny", 0), 4), 4);
    ASSERT_TRUE(files->add_result("johnny", 3, at(2, 9, 0, 0), at(2, 9, 1, 0), 1, 3, 3));
    EXPECT_EQ(std::pair(decode_result(record_of("Johnny", 4)).next_result, decode_result(record_of("Johnny", 5)).next_result),
              (std::pair<std::uint16_t, std::uint16_t>(5, 0)));
    EXPECT_TRUE(is_end_marker(record_of("Johnny", 6)));
    EXPECT_EQ(record_of("Johnny", 6)[9], record_of("Johnny", 5)[9]) << "the marker repeats the last result";
    ASSERT_TRUE(files->add_result("johnny", 9, at(3, 9, 0, 0), at(3, 9, 0, 30), 7, 2, 0));
    EXPECT_EQ(get_u16(record_of("Johnny", 1), 2), 6);
    EXPECT_TRUE(files->is_results_file(path("Johnny")));

    const results_sums sums = files->sum_results("JOHNNY");
    EXPECT_EQ(std::tuple(sums.total_objects, sums.total_correct, sums.levels[0].objects, sums.levels[2].objects),
              std::tuple(12, 8, 3, 0));
    EXPECT_EQ(std::tuple(sums.levels[1].objects, sums.levels[1].correct, sums.levels[1].seconds), std::tuple(7, 5, 720));

    files->store_guidance_state("johnny", true, 12, pack_duration(1 + (2 * 60 + 5) / 1440.0));
    EXPECT_EQ(files->concise_results_text("johnny"), "Level 1: 3 of 3 (100 %). Time: 0 h 1 min.\n"
                                                     "Level 2: 5 of 7 (71 %). Time: 0 h 12 min.\n"
                                                     "Level 3: nothing\nTotal: 8 of 12 (66 %).\n\nGuidance: 26 h 5 min");
    EXPECT_EQ(responder.count(), 0u);
}

TEST_F(StudentFilesTest, ResultRecordBytesAreLittleEndianAtTheirOffsets)
{
    files->create_results_file("Johnny", "abc", false, false, false, true);
    const Tdate_time start = at(1, 10, 0, 0), end = at(1, 10, 12, 0);
    ASSERT_TRUE(files->add_result("johnny", 3, start, end, 2, 0x0107, 0x0205));
    const record r = record_of("Johnny", 4);
    EXPECT_EQ(std::pair(get_u32(r, 0), get_u32(r, 4)), std::pair(pack_date_time(start), pack_date_time(end)));
    EXPECT_EQ(r[0], pack_date_time(start) & 0xFF);
    EXPECT_EQ(std::vector<int>(r.begin() + 8, r.end()), (std::vector<int>{2, 0x07, 0x01, 0x05, 0x02, 0, 0}));
    const record marker = record_of("Johnny", 5);
    EXPECT_TRUE(std::equal(r.begin(), r.begin() + 13, marker.begin()));
    EXPECT_EQ(std::pair(marker[13], marker[14]), (std::pair<std::uint8_t, std::uint8_t>(0xFD, 0xFF)));
}

TEST_F(StudentFilesTest, ChangesAndEmptyingKeepWhatTheyShould)
{
    files->create_results_file("Johnny", "abcde", true, true, true, true);
    files->store_guidance_state("johnny", true, 3, 77);
    add("johnny", 1);
    const record old_identity = record_of("Johnny", 2);
    ASSERT_TRUE(files->change_results_file("johnny", "", false, true, false, false, false));
    EXPECT_EQ(record_of("Johnny", 2), old_identity) << "an empty password keeps the codes";
    settings s;
    ASSERT_TRUE(files->read_settings("johnny", s));
    EXPECT_EQ(std::tuple(s.guidance_statement, s.guidance_time, switches_of(s)), std::tuple(3, 77u, "0100"));

    ASSERT_TRUE(files->change_results_file("johnny", "other", false, false, true, true, true));
    EXPECT_TRUE(files->check_results_file(path("Johnny"), "OTHER"));
    files->read_settings("johnny", s);
    EXPECT_EQ(std::pair(s.guidance_statement, s.guidance_time), (std::pair<std::int16_t, std::uint32_t>(0, 0)));

    const std::string before = bytes("Johnny");
    ASSERT_TRUE(files->remove_results("johnny"));
    const std::string after = bytes("Johnny");
    EXPECT_EQ(after, std::string(30, '\0') + before.substr(30, 30) + after.substr(60, 15));
    EXPECT_TRUE(files->is_results_file(path("Johnny")));
    EXPECT_EQ(files->sum_results("johnny").total_objects, 0);
}

TEST_F(StudentFilesTest, DamagedChainsAndFullFilesRefuseTheAppendUnchanged)
{
    files->create_results_file("Johnny", "abcde", true, true, true, true);
    add("johnny", 1);
    std::string b = bytes("Johnny");
    std::string full = b;
    full.resize(static_cast<std::size_t>(max_records) * 15, '\0');
    full.replace(full.size() - 2, 2, "\xFD\xFF");
    std::string looped = b, beyond = b;
    looped[4 * 15 + 13] = 4;   // the result points at itself
    beyond[0] = 60;            // a head beyond the file
    for (const auto& [damaged, says] : {std::pair{looped, "IO 100."}, {beyond, "IO 100."}, {full, "full"}}) {
        put_bytes("Johnny", damaged);
        EXPECT_FALSE(add("johnny", 1, 2));
        EXPECT_NE(responder.last().text.find(says), std::string::npos) << responder.last().text;
        EXPECT_EQ(bytes("Johnny"), damaged);
    }
}

TEST_F(StudentFilesTest, UnsafeNamesAndLongPasswordsAreRefused)
{
    for (const char* name : {"", "..", "a/b", "back\\slash", "c:d", "tab\tname"}) {
        responder.clear();
        EXPECT_FALSE(files->create_results_file(name, "abcde", true, true, true, true)) << name;
        EXPECT_EQ(responder.count(), 1u);
    }
    EXPECT_FALSE(files->create_results_file("Johnny", std::string(40, 'z'), true, true, true, true));
    EXPECT_TRUE(platform::list_files(program.file("RESULTS")).empty());
    EXPECT_TRUE(password_problem(std::string(max_safe_password_length, '\xff')).empty());
    EXPECT_FALSE(password_problem(std::string(max_safe_password_length + 1, '\xff')).empty());
}

TEST(StudentFilesDirectory, FoundCreatedOnYesOrTheProgramStops)
{
    test_support::temp_dir program, cwd;
    test_support::current_directory_change in_cwd(cwd.path());
    test_support::reset_globals_to(program.path());
    use_texts(student_files_texts);
    platform::scripted_responder responder;
    platform::throwing_exit_guard guard;
    program.make_dir("RESULTS");
    EXPECT_EQ(Tstudent_data_files_object().directory(), program.file("RESULTS"));

    program.write("WinTola.ini", "[GENERAL]\nStudent Files Directory=pupils\n");
    responder.answer_next(platform::IDYES);
    EXPECT_EQ(Tstudent_data_files_object().directory(), cwd.file("PUPILS"));
    EXPECT_EQ(std::pair(responder.last().text, responder.last().flags), std::pair("Q1 " + cwd.file("PUPILS") + " Q2", 4u));
    EXPECT_TRUE(std::filesystem::is_directory(cwd.file("PUPILS")));

    program.write("WinTola.ini", "[GENERAL]\nStudent Files Directory=other\n");
    responder.answer_next(platform::IDNO);
    EXPECT_THROW(Tstudent_data_files_object(), platform::program_stopped);
    EXPECT_EQ(responder.last().text, "Cannot use it");

    cwd.write("AFILE", "x");
    program.write("WinTola.ini", "[GENERAL]\nStudent Files Directory=afile\n");
    responder.clear();
    EXPECT_THROW(Tstudent_data_files_object(), platform::program_stopped);
    EXPECT_EQ(responder.count(), 1u) << "no question for a file of that name";
    text_handler.reset();
}

// Names outside the directory get one clear message per operation; empty
// names do nothing silently; neither changes a file nor an output.
TEST_F(StudentFilesTest, EveryOperationRefusesNamesOutsideTheDirectory)
{
    files->create_results_file("Outside", "abc", true, true, true, true);
    std::filesystem::rename(path("Outside"), program.file("OUTSIDE.results"));
    const std::string before = program.read("OUTSIDE.results");
    for (const auto& [name, messages] : {std::pair{"../Outside", 7u}, {"", 0u}}) {
        responder.clear();
        settings s;
        s.guidance_statement = 42;
        EXPECT_FALSE(add(name, 1));
        EXPECT_FALSE(files->store_guidance_state(name, true, 3, 77));
        EXPECT_FALSE(files->read_settings(name, s));
        EXPECT_EQ(s.guidance_statement, 42) << "outputs stay as they were";
        EXPECT_EQ(files->sum_results(name).total_objects, 0);
        EXPECT_FALSE(files->remove_results(name));
        if (messages > 0) {
            EXPECT_FALSE(files->change_results_file(name, "new", false, false, false, false, true));
            EXPECT_EQ(files->concise_results_text(name), "");
        }
        EXPECT_EQ(responder.count(), messages) << name;
        for (const auto& box : responder.boxes())
            EXPECT_NE(box.text.find("student name"), std::string::npos) << box.text;
    }
    EXPECT_EQ(program.read("OUTSIDE.results"), before);
    EXPECT_TRUE(platform::list_files(program.file("RESULTS")).empty());
}

TEST_F(StudentFilesTest, ACreationNeverReplacesTheStudentsFileInAnyCase)
{
    ASSERT_TRUE(files->create_results_file("SMITH", "first", true, true, true, true));
    add("smith", 1);
    const std::string before = bytes("SMITH");
    for (const char* name : {"Smith", "SMITH"}) {
        EXPECT_FALSE(files->create_results_file(name, "second", false, false, false, false)) << name;
        EXPECT_EQ(responder.last().text, "IO 17.      at " + path("SMITH"));
    }
    EXPECT_EQ(responder.count(), 2u);
    EXPECT_EQ(platform::list_files(program.file("RESULTS")), std::vector<std::string>{"SMITH.results"});
    EXPECT_EQ(bytes("SMITH"), before);
    EXPECT_EQ(files->results_file_name("Nobody"), path("NOBODY"));
}

TEST_F(StudentFilesTest, OutOfRangeValuesAreRefusedAndTheFileUnchanged)
{
    files->create_results_file("Johnny", "abc", false, false, false, true);
    const std::string before = bytes("Johnny");
    EXPECT_FALSE(add("johnny", 0));
    EXPECT_FALSE(add("johnny", 15));
    EXPECT_FALSE(add("johnny", 1, 1, 256));
    EXPECT_FALSE(add("johnny", 1, 1, 1, 65536));
    EXPECT_FALSE(add("johnny", 1, 1, 1, 4, -1));
    EXPECT_FALSE(files->store_guidance_state("johnny", true, 40000, 1));
    EXPECT_EQ(responder.count(), 6u);
    EXPECT_EQ(bytes("Johnny"), before);
    EXPECT_TRUE(add("johnny", 14, 1, 0, 65535, 65535));
    EXPECT_EQ(get_u16(record_of("Johnny", 1), 12), 4);
    EXPECT_TRUE(files->store_guidance_state("johnny", false, -32768, 1));
    settings s;
    files->read_settings("johnny", s);
    EXPECT_EQ(s.guidance_statement, -32768);
}

TEST_F(StudentFilesTest, InputOutputFailuresShowTheErrorNumberAndPath)
{
    program.make_dir("RESULTS/Folder.results");
    EXPECT_FALSE(files->is_results_file(path("Folder")));
    EXPECT_EQ(std::pair(responder.last().text, responder.last().flags), std::pair("IO 21.      at " + path("Folder"), 16u));
    settings s;
    EXPECT_FALSE(files->read_settings("Nobody", s));
    EXPECT_EQ(responder.last().text, "IO 2.      at " + path("NOBODY"));
    EXPECT_FALSE(files->change_results_file("Nobody", "", false, false, false, false, false));
    EXPECT_FALSE(files->remove_results("Nobody"));
    EXPECT_FALSE(files->store_guidance_state("Nobody", true, 1, 1));
    EXPECT_EQ(responder.count(), 5u);
    EXPECT_FALSE(std::filesystem::exists(path("NOBODY")));
}

TEST_F(StudentFilesTest, ConciseTextOfAFreshFileAndTextsReadEachTime)
{
    files->create_results_file("Johnny", "abc", false, false, false, true);
    EXPECT_EQ(files->concise_results_text("johnny"),
              "Level 1: nothing\nLevel 2: nothing\nLevel 3: nothing\nTotal: 0 of 0.\n\nGuidance: 0 h 0 min");
    use_texts("$[STUDENT_RESULTS_TEXTS]\nu\nm\n/\nt\n-\nL\nT\n/\nG\n");
    files->add_result("johnny", 5, at(1, 1, 0, 0), at(1, 3, 7, 59), 3, 3, 1);
    EXPECT_EQ(files->concise_results_text("johnny"), "L 1: -\nL 2: -\nL 3: 1 / 3 (33 %). t 2u7m.\nT 1 / 3 (33 %).\n\nG 0u0m");
    // Percentages are whole numbers cut toward zero: 300 div 7.
    files->add_result("johnny", 2, at(2, 1, 0, 0), at(2, 1, 1, 0), 1, 7, 3);
    EXPECT_EQ(files->concise_results_text("johnny").substr(0, 31), "L 1: 3 / 7 (42 %). t 0u1m.\nL 2:");
}

TEST_F(StudentFilesTest, ADamagedFrameIsNeitherChangedNorEmptied)
{
    files->create_results_file("Johnny", "abc", false, false, false, true);
    add("johnny", 1);
    std::string b = bytes("Johnny");
    b[89] = 0;   // no end marker, and no operation stops there
    put_bytes("Johnny", b);
    EXPECT_FALSE(files->remove_results("johnny"));
    EXPECT_FALSE(files->change_results_file("johnny", "x", true, true, true, true, true));
    EXPECT_FALSE(files->store_guidance_state("johnny", true, 1, 1));
    EXPECT_EQ(responder.count(), 3u);
    EXPECT_EQ(responder.last().text.substr(0, 7), "IO 100.");
    EXPECT_EQ(bytes("Johnny"), b);
}
