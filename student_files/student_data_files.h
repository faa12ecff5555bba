#pragma once
// Owns the student files directory and every access to the results files in
// it. Each operation opens, works and closes; input/output failures are
// shown with the I/O error message and returned as false, never as success.
// Damaged files (chains that loop or leave the file) are reported with the
// I/O message and error number 100 and are never written past.

#include "foundation/date_time.h"
#include "student_files/results_format.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

// Empty when the name can be a student's file name; otherwise why not.
std::string student_name_problem(const std::string& name);
// Empty when the password's codes fit the file; otherwise why not.
std::string password_problem(const std::string& password);

inline constexpr int damaged_file_error = 100;

// unpack_date_time with the same result, quicker over many records of few dates.
class date_unpacker {
public:
    Tdate_time operator()(std::uint32_t packed);

private:
    bool known_ = false;
    std::uint32_t date_bits_ = 0;
    Tdate_time midnight_ = 0;
};

struct level_sums {
    long objects = 0;
    long correct = 0;
    Tdate_time duration = 0;
};

struct results_sums {
    long total_objects = 0;
    long total_correct = 0;
    level_sums levels[3];
};

struct result_chains {
    // Exercise 1 first, each in chain order. After a failure the last one
    // holds the results read before it and later exercises are missing.
    std::vector<std::vector<results_format::result>> exercises;
    bool complete = false;
};

class Tstudent_data_files_object {
public:
    // Finds or, on the teacher's Yes, creates the student files directory
    // named by the settings; stops the program when it cannot be used.
    Tstudent_data_files_object();
    // The same for a directory name given in place of the setting's text.
    explicit Tstudent_data_files_object(const std::string& directory_name);

    const std::string& directory() const { return directory_; }

    std::string results_file_name(const std::string& student_name) const;
    bool check_io_result(const std::string& path);
    bool is_results_file(const std::string& path);
    bool check_results_file(const std::string& path, const std::string& password);
    bool create_results_file(const std::string& student_name, const std::string& password, bool guidance_is_on,
                             bool guidance_is_switchable, bool restart_guidance_enabled, bool store_test_results);
    bool change_results_file(const std::string& student_name, const std::string& new_password, bool guidance_is_on,
                             bool guidance_is_switchable, bool restart_guidance_enabled, bool store_test_results,
                             bool start_with_first_statement);
    bool add_result(const std::string& student_name, int exercise, Tdate_time start_time, Tdate_time end_time,
                    int level, int objects, int correct);
    bool store_guidance_state(const std::string& student_name, bool guidance_is_on, int guidance_statement,
                              std::uint32_t guidance_time);
    bool read_settings(const std::string& student_name, results_format::settings& settings);
    results_sums sum_results(const std::string& student_name);
    bool remove_results(const std::string& student_name);
    std::string concise_results_text(const std::string& student_name);
    // The results of exercises 1..count (at most 14) as their chains link
    // them; a failure, a damaged chain too, is shown with the I/O message.
    result_chains read_result_chains(const std::string& path, int count);

private:
    bool validity_test(const std::string& path, const std::string* password);
    bool refuse(const std::string& message);
    bool read_summary(const std::string& path, results_sums& sums, results_format::settings* settings);
    // True (after the message) when the name cannot be a student's file name.
    bool name_refused(const std::string& student_name);

    std::string directory_;
    std::string messages_[6];
    // Upper-cased file name -> the name on disk; refreshed when a look-up misses.
    mutable std::map<std::string, std::string> names_on_disk_;
    int pending_error_ = 0;
};

extern std::unique_ptr<Tstudent_data_files_object> student_data_files;
