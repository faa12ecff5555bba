#include "student_files/results_format.h"
#include "tests/students_cli/students_tool_fixture.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using namespace foundation;

using namespace student_files::results_format;
using namespace student_files;

class StudentsCheckTest : public StudentsToolTest {
protected:
    void make(const std::string& name, int results)
    {
        ASSERT_TRUE(files->create_results_file(name, "secret", true, false, true, true));
        for (int i = 0; i < results; ++i)
            ASSERT_TRUE(files->add_result(name, 1 + i % 2, when(2, 9, i, 0), when(2, 9, i, 40), 1, 6, 4));
    }
    std::string bytes_of(const std::string& name) { return program.read("RESULTS/" + name + ".results"); }
    void put_u16_at(const std::string& name, std::size_t offset, std::uint16_t value)
    {
        program.write("RESULTS/" + name + ".results",
                      bytes_of(name).replace(offset, 2, {static_cast<char>(value & 0xFF), static_cast<char>(value >> 8)}));
    }
    void rename(const std::string& from, const std::string& to)
    {
        std::filesystem::rename(program.file("RESULTS/" + from + ".results"), program.file("RESULTS/" + to + ".results"));
    }
};

TEST_F(StudentsCheckTest, DamagedFilesAreNamedWithTheirFaultAndNothingChanges)
{
    make("Sound Pupil", 3);
    make("Looping Pupil", 4);   // exercise 1: records 4 -> 6
    put_u16_at("Looping Pupil", 6 * record_size + result_field::next_result, 4);
    make("Far Head Pupil", 1);
    put_u16_at("Far Head Pupil", 2 * 1, 300);   // head of exercise 2 in record 0
    make("Short Pupil", 0);
    program.write("RESULTS/Short Pupil.results", bytes_of("Short Pupil").substr(0, 74));
    make("Renamed Pupil", 2);
    rename("Renamed Pupil", "Moved Pupil");
    std::map<std::string, std::string> before;
    for (const std::string& f : results_files())
        before[f] = program.read("RESULTS/" + f);

    const tool_run all = run({"check"});
    EXPECT_EQ(all.code, 1);
    EXPECT_EQ(all.out, "Far Head Pupil: invalid: chain of exercise 2: it points to record 300, outside the result "
                       "records (4 to 4)\n"
                       "Looping Pupil: invalid: chain of exercise 1: it loops back to record 4\n"
                       "Moved Pupil: invalid: name check: the file was made under another name (renamed or copied)\n"
                       "Short Pupil: invalid: size: the file is 74 bytes long, not a whole number of 15-byte records\n"
                       "Sound Pupil: valid\n"
                       "5 files checked, 4 invalid\n");
    EXPECT_EQ(all.err, "");

    const tool_run one = run({"check", "sound pupil"});
    EXPECT_EQ(std::tuple(one.code, one.out), std::tuple(0, "Sound Pupil: valid\n1 file checked, 0 invalid\n"));
    const tool_run unknown = run({"check", "Sound Pupil", "Nobody Here"});
    EXPECT_EQ(std::tuple(unknown.code, unknown.err.find("Nobody Here: there is no results file") != std::string::npos),
              std::tuple(2, true));
    const tool_run listed = run({"list"});
    EXPECT_NE(listed.out.find("Looping Pupil         4  yes          no          yes              yes            "
                              "chain of exercise 1: it loops back to record 4\n"),
              std::string::npos) << listed.out;
    for (const auto& [file, bytes] : before)
        EXPECT_EQ(program.read("RESULTS/" + file), bytes) << file << " changed";
}

TEST_F(StudentsCheckTest, RepairMendsWhatItCanTellsWhatAndKeepsEveryReachedResult)
{
    make("Stopped Pupil", 2);   // an append stopped after its first write: a second end marker
    const std::string stopped = bytes_of("Stopped Pupil");
    program.write("RESULTS/Stopped Pupil.results", stopped + stopped.substr(stopped.size() - 15));
    make("Unlinked Pupil", 3);   // records 4 and 6 (exercise 1), 5 (exercise 2)
    put_u16_at("Unlinked Pupil", 2 * 1, 0);   // record 5 unreached, as older versions left a stopped append
    make("Renamed Pupil", 1);
    rename("Renamed Pupil", "Moved Pupil");
    make("Sound Pupil", 2);
    const std::string sound = bytes_of("Sound Pupil");

    const tool_run repaired = run({"check", "--repair"});
    EXPECT_EQ(repaired.code, 1) << "the renamed file stays invalid";
    EXPECT_EQ(repaired.out,
              "Stopped Pupil: mended: " + entry("RESULTS_FILE_REPAIRS", 1) + "6\n"
                  + "Unlinked Pupil: mended: " + entry("RESULTS_FILE_REPAIRS", 6) + "1\n"
                  + "Moved Pupil: invalid: name check: the file was made under another name (renamed or copied)\n"
                    "Sound Pupil: valid\nStopped Pupil: valid\nUnlinked Pupil: valid\n4 files checked, 1 invalid\n");
    EXPECT_EQ(bytes_of("Stopped Pupil"), stopped);
    EXPECT_EQ(files->sum_results("Unlinked Pupil").total_objects, 12) << "both results of exercise 1 kept";
    EXPECT_EQ(bytes_of("Sound Pupil"), sound);
    const tool_run again = run({"check", "--repair", "Stopped Pupil", "Unlinked Pupil"});
    EXPECT_EQ(std::tuple(again.code, again.out),
              std::tuple(0, "Stopped Pupil: valid\nUnlinked Pupil: valid\n2 files checked, 0 invalid\n"));
}

TEST_F(StudentsCheckTest, JsonListHoldsEveryFileInTheListsOrder)
{
    make("bravo pupil", 2);
    make("Alpha Pupil", 0);
    program.write("RESULTS/Charlie \"C\".RESULTS", std::string(74, '\0'));
    const tool_run listed = run({"list", "--json"});
    ASSERT_EQ(listed.code, 0) << listed.err;
    const QJsonArray students = QJsonDocument::fromJson(QByteArray::fromStdString(listed.out)).array();
    ASSERT_EQ(students.size(), 3);
    EXPECT_EQ(QJsonDocument(students[1].toObject()).toJson(QJsonDocument::Compact).toStdString(),
              R"({"file":"bravo pupil.results","guidance_on":true,"name":"bravo pupil","problems":[],"restart_enabled":true,)"
              R"("results":2,"store_results":true,"switchable":false,"valid":true})");
    EXPECT_EQ(std::tuple(students[0]["name"].toString(), students[2]["name"].toString(), students[2]["file"].toString()),
              std::tuple("Alpha Pupil", "Charlie \"C\"", "Charlie \"C\".RESULTS"));
    EXPECT_EQ(std::tuple(students[2]["valid"].toBool(), students[2]["results"].isNull(), students[2]["problems"].toArray().size()),
              std::tuple(false, true, 1));
}
