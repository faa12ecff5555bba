#include "students_cli/help.h"

namespace students_cli {

namespace {

const char* const guidance_help =
    "FILE is the guidance file (default: \"Guidance File\" of the settings, found as the tutor finds it).\n"
    "check: compiles it with the tutor's compiler and lists every fault as FILE:LINE: error: ..., then what\n"
    "compiles but cannot be meant: labels never jumped to, jumps to no label, statements no path reaches,\n"
    "circles of jumps, loops without a way out, conditions that never hold or always hold, exercises the\n"
    "object files have no objects for. Exit code 1 when anything is listed.\n"
    "run: walks the course from its first statement with a simulated pupil and prints every step (statement,\n"
    "what opens, how the pupil did, which way a jump goes) to its HALT or end. Nothing is written to any file.\n"
    "  --score S    the pupil's percentage of correct answers: one for every exercise, E=P for exercise E,\n"
    "               or both, comma-separated: 60,3=80,5=40 (default 100)\n"
    "  --objects N  objects the pupil answers before leaving when the exercise lets it go (default 10)\n"
    "  --minutes M  minutes per object (default 1)\n"
    "  --steps N    stop after N theory chapters, exercises and tests (default 1000)\n"
    "Exit code of run: 0 at a HALT or the end, 1 otherwise.\n";

const std::vector<option_rule> guidance_options{{"score", true}, {"objects", true}, {"minutes", true}, {"steps", true}};

const std::vector<cli_command>& commands()
{
    static const std::vector<cli_command> all{
        {"list", "list [--json]", "every results file: name, results, settings and whether it is valid",
         "One line per results file of the student files directory, in the order of the manager's list: the\n"
         "student's name, the number of results, the four settings and \"valid\" or the first fault found.\n"
         "  --json  the same as a JSON array of objects, with every fault\n",
         {{"json", false}}, cli_command::student_files, list_command},
        {"show", "show NAME", "one student's results, as the results window copies them",
         "The lines of the results window for the student: per exercise its title, then every result with its\n"
         "start, duration, level, objects and objects done correctly.\n",
         {}, cli_command::student_files, show_command},
        {"concise", "concise", "the concise results of all students, as their dialog copies them",
         "The text of the concise results of all students: per student the name and the totals per level,\n"
         "the grand total and the guidance time.\n",
         {}, cli_command::student_files, concise_command},
        {"check", "check [NAME...] [--repair]", "check every (or the named) results file and name each fault",
         "Reads every results file (or those of the named students) without changing it and names each fault:\n"
         "size, end marker, name check (a renamed file), a chain that loops, points outside the result records\n"
         "or links back to an earlier record, a record in two chains, records no chain reaches.\n"
         "Exit code 1 when a file is invalid, 2 when a named student has no results file.\n"
         "  --repair  first mend each file and tell what was mended: an operation that stopped half way is\n"
         "            completed or taken back; a partial record is cut off, a missing end marker added, a\n"
         "            chain cut where it goes wrong, records no chain reaches removed. Every result a chain\n"
         "            reaches is kept; a renamed file (name check) is not mended.\n",
         {{"repair", false}}, cli_command::student_files, check_command},
        {"create", "create NAME --password P [--guidance-on] [--switchable] [--restart-enabled] [--store-results]",
         "add a student, with the checks of the create dialog",
         "Creates the student's results file after the checks of the create dialog: a name of at least 6\n"
         "characters that can be a file name, a password of at least 5, no results file of that name yet.\n"
         "The settings are off unless their option is given.\n",
         {{"password", true}, {"guidance-on", false}, {"switchable", false}, {"restart-enabled", false},
          {"store-results", false}},
         cli_command::student_files, create_command},
        {"import", "import FILE.csv [--dry-run]", "add the students of a class list (CSV)",
         "Creates a results file for every row of a class list saved as CSV (commas, quotes as spreadsheets\n"
         "write them, UTF-8 with or without a byte order mark, CR LF or LF line ends). The header row names\n"
         "the columns name and password and, if wanted, guidance-on, switchable, restart-enabled and\n"
         "store-results, whose cells read 1/0, yes/no or true/false (empty or missing: no).\n"
         "Every row is checked first: the create dialog's checks, names that cannot be file names, the same\n"
         "name twice, students that exist. When a row is refused, nothing is created and every refused row\n"
         "is listed with its line number (exit code 2).\n"
         "  --dry-run  check only\n",
         {{"dry-run", false}}, cli_command::student_files, import_command},
        {"export", "export [--out FILE]", "every stored result as CSV, for a spreadsheet",
         "One row per stored result: student, exercise, title, level, start and end (local time,\n"
         "YYYY-MM-DDTHH:MM:SS), duration_seconds, objects, correct. Cells are quoted as spreadsheets read\n"
         "them; rows end in CR LF.\n"
         "  --out FILE  write FILE (replaced whole) instead of the standard output\n",
         {{"out", true}}, cli_command::student_files, export_command},
        {"config", "config get SECTION KEY [--default D] | config set SECTION KEY VALUE",
         "read or write a setting of the settings file",
         "Reads a setting (the default, empty unless given, when it is missing) or writes one, keeping every\n"
         "other line of the file. The file is replaced whole; a missing settings file is created by a set.\n"
         "  --default D  the value printed when the setting is missing\n",
         {{"default", true}}, cli_command::settings_only, config_command},
        {"text", "text SECTION K", "entry K of a section of the text file",
         "Prints entry K (from 1) of the section of the text-section file; a missing entry prints as an\n"
         "empty line.\n",
         {}, cli_command::texts, text_command},
        {"guidance", "guidance check [FILE] | guidance run [FILE] [--score S] [--objects N] [--minutes M] [--steps N]",
         "check a guidance course, or walk it with a simulated pupil", guidance_help, guidance_options,
         cli_command::texts, guidance_command},
        {"report", "report [--pdf FILE] [--png PREFIX]", "the class overview: a table and charts, as PDF and PNG",
         "Per student and per exercise 1 to 9 the results done, objects, correct answers, percentage and time,\n"
         "with the class average: a table on as many pages as it needs, a chart of the class's percentage per\n"
         "exercise and level, and one of every student's percentage.\n"
         "  --pdf FILE    the table and both charts as a PDF file of A4 pages\n"
         "  --png PREFIX  the charts as PREFIX-exercises.png and PREFIX-students.png\n"
         "Files are replaced whole. Exit code 1 when a results file could not be read or a file written.\n",
         {{"pdf", true}, {"png", true}}, cli_command::student_files, report_command},
    };
    return all;
}

} // namespace

const cli_command* find_command(const std::string& name)
{
    for (const cli_command& c : commands())
        if (name == c.name)
            return &c;
    return nullptr;
}

std::string general_help()
{
    std::string text = "usage: students [--settings FILE] [--dir DIR] COMMAND [ARGUMENTS]\n\n"
                       "The students manager's work on the student files directory, from a command line.\n\n"
                       "Commands (\"students COMMAND --help\" tells more):\n";
    for (const cli_command& c : commands())
        text += "  " + std::string(c.name) + std::string(10 - std::string(c.name).size(), ' ') + c.summary + "\n";
    return text
        + "\nOptions of every command:\n"
          "  --settings FILE  the settings file (default: WinTola.ini beside the program, as for the manager)\n"
          "  --dir DIR        the student files directory (default: \"Student Files Directory\" of the\n"
          "                   settings; a relative one is looked for in the current directory, then beside\n"
          "                   the program). A missing directory is never created.\n"
          "  --help           help\n\n"
          "Exit codes: 0 done; 1 a results file is invalid or could not be read or written, or a guidance\n"
          "course has problems; 2 bad usage or refused input (nothing is changed). Messages go to the\n"
          "standard error.\n";
}

std::string command_help(const cli_command& command)
{
    return "usage: students " + std::string(command.synopsis) + "\n\n" + command.description;
}

} // namespace students_cli
