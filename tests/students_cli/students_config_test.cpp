#include "tests/students_cli/students_tool_fixture.h"

using namespace foundation;
using namespace student_files;

using StudentsConfigTest = StudentsToolTest;

TEST_F(StudentsConfigTest, SetKeepsEveryOtherLineAndGetReadsItBack)
{
    const std::string original = "; the teacher's notes\r\n[General]\r\nText File=WINTOLA.TXT\r\n"
                                 "student files directory = RESULTS\r\n\r\n[OBJECT FILES]\r\nObject File 1=house.obj\r\n";
    program.write("WinTola.ini", original);
    EXPECT_EQ(run({"config", "get", "GENERAL", "Student Files Directory"}).out, "RESULTS\n");
    const tool_run set = run({"config", "set", "GENERAL", "Student Files Directory", "/srv/class 2b"});
    EXPECT_EQ(set.code, 0) << set.err;
    std::string expected = original;
    expected.replace(expected.find("student files directory = RESULTS"), 33, "student files directory=/srv/class 2b");
    EXPECT_EQ(program.read("WinTola.ini"), expected) << "the key keeps its spelling, every other line stays";
    EXPECT_EQ(run({"config", "get", "general", "STUDENT FILES DIRECTORY"}).out, "/srv/class 2b\n");

    EXPECT_EQ(run({"config", "set", "OBJECT FILES", "Object File 2", "tower.obj"}).code, 0);
    EXPECT_NE(program.read("WinTola.ini").find("Object File 1=house.obj\r\nObject File 2=tower.obj"), std::string::npos);
    EXPECT_EQ((std::pair{run({"config", "get", "GENERAL", "Missing", "--default", "fallback"}).out, run({"config", "get", "GENERAL", "Missing"}).out}),
              std::pair(std::string("fallback\n"), std::string("\n")));

    const std::string before = program.read("WinTola.ini");
    for (const std::vector<std::string>& bad :
         {std::vector<std::string>{"config", "set", "GENERAL", "a=b", "1"}, {"config", "set", "GEN]", "k", "1"},
          {"config", "set", "GENERAL", "k", "two\nlines"}, {"config", "set", "GENERAL", "k", std::string(201, 'v')},
          {"config", "set", "GENERAL", "k", " padded"}, {"config", "set", "GENERAL", "k"},
          {"config", "remove", "GENERAL", "k"}}) {
        const tool_run r = run(bad);
        EXPECT_TRUE(r.code == 2 && !r.err.empty()) << bad[3];
    }
    EXPECT_EQ(program.read("WinTola.ini"), before) << "a refused command changes nothing";

    // Only a set may create a settings file that is named but missing.
    const std::string fresh = program.file("fresh.ini");
    EXPECT_EQ(run_tool(program.path(), {"--settings", fresh, "config", "get", "A", "b"}).code, 2);
    EXPECT_EQ(run_tool(program.path(), {"config", "set", "A", "b", "c", "--settings", fresh}).code, 0);
    EXPECT_EQ(program.read("fresh.ini"), "[A]\nb=c\n");
}

TEST_F(StudentsConfigTest, TextEntriesAndHelp)
{
    EXPECT_EQ((std::pair{run({"text", "students_manager", "1"}).out, run({"text", "RESULTS_WINDOW", "2"}).out}),
              std::pair(entry("STUDENTS_MANAGER", 1) + "\n", entry("RESULTS_WINDOW", 2) + "\n")) << "end blanks are kept";
    const tool_run missing = run({"text", "NO_SUCH_SECTION", "3"});
    EXPECT_EQ(std::tuple(missing.code, missing.out, missing.err.find("no section NO_SUCH_SECTION") != std::string::npos),
              std::tuple(0, "\n", true));
    for (const char* bad : {"0", "x", "2x", ""})
        EXPECT_EQ(run({"text", "STUDENTS_MANAGER", bad}).code, 2) << bad;

    const tool_run help = run({"--help"});
    for (const char* command : {"list", "show", "concise", "check", "create", "import", "export", "config", "text", "guidance", "report"}) {
        const tool_run own = run({command, "--help"});
        EXPECT_TRUE(help.out.find(std::string("\n  ") + command + " ") != std::string::npos && own.code == 0
                    && own.out.rfind(std::string("usage: students ") + command, 0) == 0 && run({"help", command}).out == own.out)
            << command;
    }
    EXPECT_EQ(run_tool(program.path(), {}).code, 2);
    for (const std::vector<std::string>& wrong :
         {std::vector<std::string>{"unknown"}, {"list", "extra"}, {"list", "--json=yes"}, {"--dir"}})
        EXPECT_EQ(run(wrong).code, 2) << wrong[0];
}

// The tool's words are those of the text file beside it; without that file it
// says why instead of writing empty messages.
TEST_F(StudentsConfigTest, MessagesAndHelpComeFromTheTextFile)
{
    std::string texts = program.read("WINTOLA.TXT");
    for (const auto& [from, to] : {std::pair{"unknown option --%1", "onbekende optie --%1"},
                                   {"%1 files checked, %2 invalid", "%1 bestanden nagekeken, %2 ongeldig"}})
        texts.replace(texts.find(from), std::string(from).size(), to);
    program.write("WINTOLA.TXT", texts);
    const tool_run refused = run({"list", "--bogus"});
    EXPECT_EQ(std::pair(refused.code, refused.err),
              std::pair(2, std::string("students: onbekende optie --bogus\nstudents: see \"students --help\"\n")));
    EXPECT_EQ(run({"check"}).out, "0 bestanden nagekeken, 0 ongeldig\n");

    ASSERT_EQ(run({"config", "set", "GENERAL", "Text File", "NOWHERE.TXT"}).code, 0);
    for (const std::vector<std::string>& words : {std::vector<std::string>{"list"}, {"list", "--bogus"}, {"--help"}, {"nothing"}}) {
        const tool_run r = run(words);
        EXPECT_EQ(std::pair(r.code, r.err), std::pair(2, std::string("students: The text file \"NOWHERE.TXT\" was not found!\n")))
            << words[0];
    }
}
