#pragma once
// A temporary folder for one test, removed afterwards, and helpers to put
// files in it.

#include <string>

namespace test_support {

class temp_dir {
public:
    temp_dir();
    ~temp_dir();
    temp_dir(const temp_dir&) = delete;
    temp_dir& operator=(const temp_dir&) = delete;

    const std::string& path() const { return path_; }   // ends in '/'
    std::string file(const std::string& name) const { return path_ + name; }
    void write(const std::string& name, const std::string& contents) const;
    std::string read(const std::string& name) const;
    void make_dir(const std::string& name) const;

private:
    std::string path_;
};

// Changes the current directory for the lifetime of the object.
class current_directory_change {
public:
    explicit current_directory_change(const std::string& directory);
    ~current_directory_change();

private:
    std::string previous_;
};

// Points the globals of start-up at a folder, as if the program lay there
// and was started there; resets the text handler and captions.
void reset_globals_to(const std::string& directory);

std::string shipped_data_file(const std::string& name);   // data/ of the source tree
// Loads the shipped text-section file as the program's texts.
void use_shipped_texts();

// What a teacher finds beside the program, put in its folder: the shipped
// settings, texts and guidance file, the sample object files the build
// made, and an empty student files directory.
void put_program_files(const temp_dir& program);

} // namespace test_support
