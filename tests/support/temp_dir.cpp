#include "tests/support/temp_dir.h"

#include "foundation/globals.h"
#include "foundation/textfile_handler.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

using namespace foundation;

namespace fs = std::filesystem;

namespace test_support {

temp_dir::temp_dir()
{
    std::string pattern = (fs::temp_directory_path() / "wintola-test-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot create a temporary folder");
    path_ = pattern + "/";
}

temp_dir::~temp_dir()
{
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

void temp_dir::write(const std::string& name, const std::string& contents) const
{
    std::ofstream out(file(name), std::ios::binary);
    out << contents;
    ASSERT_TRUE(out.good()) << "cannot write " << file(name);
}

std::string temp_dir::read(const std::string& name) const
{
    std::ifstream in(file(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void temp_dir::make_dir(const std::string& name) const { fs::create_directories(file(name)); }

current_directory_change::current_directory_change(const std::string& directory)
    : previous_(fs::current_path().string())
{
    fs::current_path(directory);
}

current_directory_change::~current_directory_change()
{
    std::error_code ec;
    fs::current_path(previous_, ec);
}

void reset_globals_to(const std::string& directory)
{
    start_directory = directory;
    program_directory = directory;
    settings_file_name = "WinTola.ini";
    settings_file_path = directory + settings_file_name;
    settings_on_cd_rom = false;
    message_caption.clear();
    out_of_memory_message = "Out of Memory";
    text_handler.reset();
}

std::string shipped_data_file(const std::string& name) { return std::string(WINTOLA_SOURCE_DIR) + "/data/" + name; }

void use_shipped_texts()
{
    std::ifstream in(shipped_data_file("WINTOLA.TXT"), std::ios::binary);
    const std::string contents{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::string problem;
    foundation::text_handler
        = std::make_unique<foundation::Ttextfile_handler>(foundation::Ttextfile_handler::from_text(contents, problem));
    ASSERT_EQ(problem, "");
}

void put_program_files(const temp_dir& program)
{
    for (const char* file : {"WinTola.ini", "WINTOLA.TXT", "GUID1.TXT"})
        fs::copy_file(shipped_data_file(file), program.file(file));
    for (const char* file : {"SOLIDS.OBJ", "BLOCKS.OBJ"})
        fs::copy_file(std::string(WINTOLA_BIN_DIR) + "/" + file, program.file(file));
    program.make_dir("RESULTS");
}

} // namespace test_support
