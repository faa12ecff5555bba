#pragma once
// The results files of the student files directory, found by student name
// without regard to (ASCII) case, as the list shows the names (a name
// written in Windows-1252 reads as its letters). One listing of the
// directory serves every look-up until the directory changes, so a look-up
// that finds nothing costs no listing: an import of many students stays
// quick. Only ordinary files are listed; symbolic links never are.

#include "platform/core/file_system.h"

#include <map>
#include <string>

namespace student_files {

class student_file_index {
public:
    explicit student_file_index(std::string directory) : directory_(std::move(directory)) {}

    // The name on disk of the student's results file; empty when there is none.
    // Where names differ only in case, the one the list shows as `student_name` wins.
    std::string find(const std::string& student_name);
    // This program created the file; the listing stays current without reading it again
    // when nothing else changed since `before`, the directory's stamp before the creation.
    void created(const std::string& file_name, const platform::directory_stamp& before);

private:
    void list_again();
    std::string look_up(const std::string& student_name) const;

    std::string directory_;
    platform::directory_stamp stamp_;
    bool listed_ = false;
    std::multimap<std::string, std::string> names_;   // upper-cased readable file name -> name on disk
};

} // namespace student_files
