#pragma once
// Owns the student files directory and every access to the results files in
// it. Each operation opens, locks, works and closes (results_session.h), so
// operations of several processes on one file take turns, and first mends
// what an operation that stopped half way left (results_recovery.h). Every
// operation orders its writes so that a stop after any of them leaves a file
// that is valid or mended so by the next. It never shows a box: each
// operation returns its outcome, failed with the I/O error message (with the
// system's words for the error number, where the text file has them) or a
// refusal, never as success. Damaged files (chains that loop or leave the
// file) fail with the I/O message and error number 100 and are never
// written past.

#include "foundation/date_time.h"
#include "foundation/file_location.h"
#include "foundation/outcome.h"
#include "foundation/texts.h"
#include "platform/core/file_write.h"
#include "student_files/results_format.h"
#include "student_files/results_session.h"
#include "student_files/student_file_index.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

namespace student_files {

// Empty when a results file can be created for the name, one that the list
// shows and every operation reaches again; otherwise why not.
std::string student_name_problem(const std::string& name);
// Empty when the password's codes fit the file; otherwise why not.
std::string password_problem(const std::string& password);

// unpack_date_time with the same result, quicker over many records of few dates.
class date_unpacker {
public:
    foundation::Tdate_time operator()(std::uint32_t packed);

private:
    bool known_ = false;
    std::uint32_t date_bits_ = 0;
    foundation::Tdate_time midnight_ = 0;
};

struct level_sums {
    long objects = 0;
    long correct = 0;
    std::int64_t seconds = 0;   // the durations (end_time - start_time) summed
};

struct results_sums {
    long total_objects = 0;
    long total_correct = 0;
    level_sums levels[3];
    foundation::outcome status;
};

struct result_chains {
    // Exercise 1 first, each in chain order. After a failure the last one
    // holds the results read before it and later exercises are missing.
    std::vector<std::vector<results_format::result>> exercises;
    foundation::outcome status;
};

// Data read together with what happened while reading it.
template <class T>
struct read_outcome {
    T value{};
    foundation::outcome status;
};

// The words of a student's concise results, read afresh for each call.
using concise_texts = foundation::text_section<foundation::text_names::student_results_texts>;

class Tstudent_data_files_object {
public:
    // Finds the student files directory named by the settings. Whether to
    // create a missing one is the caller's question (directory_question).
    Tstudent_data_files_object();
    // The same for a directory name given in place of the setting's text.
    explicit Tstudent_data_files_object(const std::string& directory_name);

    const std::string& directory() const { return directory_; }
    // Nothing stands at the directory's name: it may be created.
    bool directory_missing() const;
    // Whether to create the missing directory, to be answered Yes or No.
    std::string directory_question() const;
    foundation::outcome create_directory();
    // Failed with the message that the directory cannot be used unless a
    // directory stands there.
    foundation::outcome usable_directory() const;

    // The student's file: the one of exactly that name when there is one,
    // else the one in upper case, else one whose name differs only in case
    // (or is the name in Windows-1252); when there is none, the name in upper case.
    std::string results_file_name(const std::string& student_name) const;
    // Something, a link too, stands at the student's results file name.
    bool results_file_exists(const std::string& student_name) const;
    foundation::outcome check_io_result(const std::string& path);
    read_outcome<bool> is_results_file(const std::string& path);
    read_outcome<bool> check_results_file(const std::string& path, const std::string& password);
    foundation::outcome create_results_file(const std::string& student_name, const std::string& password, bool guidance_is_on,
                             bool guidance_is_switchable, bool restart_guidance_enabled, bool store_test_results);
    foundation::outcome change_results_file(const std::string& student_name, const std::string& new_password, bool guidance_is_on,
                             bool guidance_is_switchable, bool restart_guidance_enabled, bool store_test_results,
                             bool start_with_first_statement);
    foundation::outcome add_result(const std::string& student_name, int exercise, foundation::Tdate_time start_time, foundation::Tdate_time end_time,
                    int level, int objects, int correct);
    foundation::outcome store_guidance_state(const std::string& student_name, bool guidance_is_on, int guidance_statement,
                              std::uint32_t guidance_time);
    foundation::outcome read_settings(const std::string& student_name, results_format::settings& settings);
    results_sums sum_results(const std::string& student_name);
    foundation::outcome remove_results(const std::string& student_name);
    read_outcome<std::string> concise_results_text(const std::string& student_name);
    // concise_results_text of each student in turn, their files found in one
    // listing of the directory rather than looked for one by one.
    std::vector<read_outcome<std::string>> concise_results_texts(const std::vector<std::string>& student_names);
    // The results of exercises 1..count (at most 14) as their chains link
    // them; a failure, a damaged chain too, fails with the I/O message.
    result_chains read_result_chains(const std::string& path, int count);

    // Creations from here to finish_batch are flushed to the disk together
    // at its end rather than one by one (an import of a class); failed with
    // the I/O message when that flush fails.
    void start_batch() { durability_ = platform::durability::deferred; }
    foundation::outcome finish_batch();

private:
    // The file for results_file_name; its first two looks are made among
    // `listed` (the names of the directory's files) when that is given.
    std::string find_results_file(const std::string& student_name,
                                  const std::unordered_set<std::string>* listed) const;
    // The concise text of the file at `path` (in `directory` when given),
    // of no file when the path is empty.
    read_outcome<std::string> concise_text_at(const std::string& path, const concise_texts& texts,
                                              const platform::open_directory* directory);
    read_outcome<bool> validity_test(const std::string& path, const std::string* password);
    foundation::outcome read_summary(const std::string& path, results_sums& sums, results_format::settings* settings,
                         const platform::open_directory* directory = nullptr);
    // Failed with the message when the name would lead out of the directory.
    static foundation::outcome name_check(const std::string& student_name);
    // The I/O message for a failed file outcome.
    foundation::outcome report(const std::string& path, const file_outcome& outcome);
    std::string error_words(int error_number, bool damaged) const;

    std::string directory_;
    foundation::file_status_kind directory_status_ = foundation::file_not_found;
    // The last file read, kept so the next reading needs no new room.
    results_format::file_bytes room_;
    foundation::text_section<foundation::text_names::results_error_messages> messages_;
    mutable student_file_index index_{""};
    platform::durability durability_ = platform::durability::synced;
    int pending_error_ = 0;
    bool pending_damaged_ = false;
};

extern std::unique_ptr<Tstudent_data_files_object> student_data_files;

} // namespace student_files
