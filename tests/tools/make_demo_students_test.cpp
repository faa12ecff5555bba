#include "tests/support/temp_dir.h"

#include <QCoreApplication>
#include <QProcess>

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

struct demo_case {
    QStringList arguments;
    int exit_code;
    const char* says;
    bool writes;   // the demo students into demo/RESULTS
};

const demo_case demo_cases[] = {
    {{}, 2, "usage: make_demo_students", false},
    {{"--help"}, 2, "usage: make_demo_students", false},
    {{"-h"}, 2, "usage: make_demo_students", false},
    {{"demo", "more"}, 2, "usage: make_demo_students", false},
    {{"missing"}, 2, "missing is no directory", false},
    {{"demo/"}, 0, "demo students in", true},
};

// The folders below `root`, as paths relative to it.
std::vector<std::string> folders_in(const std::string& root)
{
    std::vector<std::string> folders;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root))
        if (entry.is_directory())
            folders.push_back(std::filesystem::relative(entry.path(), root).string());
    return folders;
}

} // namespace

// Run in a folder that holds an empty folder "demo".
TEST(MakeDemoStudents, WritesOnlyIntoTheProgramDirectoryItIsGiven)
{
    static int argc = 1;
    static char name[] = "tests";
    static char* argv[] = {name};
    if (!QCoreApplication::instance())
        new QCoreApplication(argc, argv);   // kept to the end, as Qt wants
    for (const demo_case& c : demo_cases) {
        const std::string what = c.arguments.join(' ').toStdString();
        test_support::temp_dir work;
        work.make_dir("demo");
        QProcess tool;
        tool.setWorkingDirectory(QString::fromStdString(work.path()));
        tool.start(QString(WINTOLA_BIN_DIR) + "/make_demo_students", c.arguments);
        ASSERT_TRUE(tool.waitForFinished(20000)) << what;
        EXPECT_EQ(tool.exitCode(), c.exit_code) << what;
        const std::string said = (tool.readAllStandardOutput() + tool.readAllStandardError()).toStdString();
        EXPECT_NE(said.find(c.says), std::string::npos) << what << ": " << said;
        const std::vector<std::string> folders =
            c.writes ? std::vector<std::string>{"demo", "demo/RESULTS"} : std::vector<std::string>{"demo"};
        EXPECT_EQ(folders_in(work.path()), folders) << what;
    }
}
