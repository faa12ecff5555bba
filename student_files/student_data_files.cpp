#include "student_files/student_data_files.h"

#include "foundation/file_location.h"
#include "foundation/globals.h"
#include "foundation/messages.h"
#include "foundation/settings.h"
#include "foundation/textfile_handler.h"
#include "platform/binary_file.h"
#include "platform/file_system.h"
#include "platform/message_box.h"
#include "student_files/results_image.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <vector>

using namespace results_format;
using platform::binary_file;

std::unique_ptr<Tstudent_data_files_object> student_data_files;

namespace {

const std::string results_extension = ".results";

std::string file_name_part(const std::string& path)
{
    const auto slash = path.find_last_of(platform::directory_separator);
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool read_record(binary_file& file, std::uint32_t number, record& r)
{
    return file.read_at(static_cast<std::uint64_t>(number) * record_size, r.data(), record_size);
}

bool write_record(binary_file& file, std::uint32_t number, const record& r)
{
    return file.write_at(static_cast<std::uint64_t>(number) * record_size, r.data(), record_size);
}

std::uint32_t record_count(binary_file& file)
{
    return static_cast<std::uint32_t>(file.size() / record_size);
}

// A file whose records the operations may walk: whole records, the four
// fixed ones and an end marker.
bool has_sound_frame(binary_file& file)
{
    const std::uint64_t bytes = file.size();
    record last{};
    if (bytes % record_size != 0 || bytes / record_size < 5 || bytes / record_size > max_records
        || !read_record(file, static_cast<std::uint32_t>(bytes / record_size - 1), last) || !is_end_marker(last)) {
        file.set_error(damaged_file_error);
        return false;
    }
    return true;
}

} // namespace

Tdate_time date_unpacker::operator()(std::uint32_t packed)
{
    // The date part is the costly one and repeats from record to record.
    const std::uint32_t date = packed & 0xFFFF0000u;
    if (!known_ || date != date_bits_) {
        known_ = true;
        date_bits_ = date;
        midnight_ = unpack_date_time(date);
    }
    return midnight_ + unpack_duration(packed & 0xFFFFu);
}

namespace {

std::string time_text(Tdate_time duration, const std::string* texts)
{
    const split_time s = split_duration(duration);
    return std::to_string(s.days * 24 + s.hours) + texts[0] + std::to_string(s.minutes) + texts[1];
}

std::string percentage(long correct, long objects)
{
    return objects >= 1 ? " (" + std::to_string(correct * 100 / objects) + " %)" : "";
}

} // namespace

std::string student_name_problem(const std::string& name)
{
    bool control = false;
    for (const char c : name)
        control = control || static_cast<unsigned char>(c) < 32 || c == 127;
    if (name.empty() || name == "." || name == ".." || control || name.find_first_of("/\\:") != std::string::npos)
        return "A student name must not be empty, be \".\" or \"..\", or hold \"/\", \"\\\", \":\" or control "
               "characters, since it becomes the name of the student's file.";
    if (name.size() + results_extension.size() > 255)
        return "This student name is too long to stand in a file name.";
    return {};
}

std::string password_problem(const std::string& password)
{
    if (password_codes_of(password).code_3 > max_password_code_3)
        return "This password is too long: please choose a shorter one.";
    return {};
}

Tstudent_data_files_object::Tstudent_data_files_object()
    : Tstudent_data_files_object(read_setting("", "GENERAL", "Student Files Directory", "RESULTS"))
{
}

Tstudent_data_files_object::Tstudent_data_files_object(const std::string& directory_name)
{
    if (text_handler)
        text_handler->read_section("RESULTS_ERROR_MESSAGES", messages_, 6);
    const std::string d = platform::ascii_upper(directory_name);
    const file_status_result status = file_status(d, true);
    directory_ = status.path;
    if (status.status == file_is_directory)
        return;
    if (status.status == file_not_found
        && show_message(messages_[0] + directory_ + messages_[1], platform::MB_YESNO) == platform::IDYES
        && platform::make_directory(directory_))
        return;
    stop_with_message(messages_[2]);
}

std::string Tstudent_data_files_object::results_file_name(const std::string& student_name) const
{
    // The list shows names as stored; every other use upper-cases them, so the
    // file is found without regard to case. One listing of the directory
    // serves all look-ups until a name is missing from it.
    const std::string wanted = platform::ascii_upper(student_name) + results_extension;
    const std::string prefix = directory_ + platform::directory_separator;
    const auto known = [&]() -> std::string {
        const auto it = names_on_disk_.find(platform::ascii_upper(wanted));
        if (it == names_on_disk_.end() || platform::path_status(prefix + it->second).kind != platform::entry_kind::file)
            return {};
        return prefix + it->second;
    };
    if (std::string path = known(); !path.empty())
        return path;
    names_on_disk_.clear();
    for (const std::string& name : platform::list_files(directory_))
        names_on_disk_.emplace(platform::ascii_upper(name), name);
    if (std::string path = known(); !path.empty())
        return path;
    return prefix + wanted;
}

bool Tstudent_data_files_object::check_io_result(const std::string& path)
{
    const int error = pending_error_;
    pending_error_ = 0;
    if (error == 0)
        return false;
    show_message(messages_[3] + std::to_string(error) + ".     " + messages_[4] + path, platform::MB_ICONERROR);
    return true;
}

bool Tstudent_data_files_object::refuse(const std::string& message)
{
    show_message(message, platform::MB_ICONERROR);
    return false;
}

bool Tstudent_data_files_object::name_refused(const std::string& student_name)
{
    const std::string problem = student_name_problem(student_name);
    return !problem.empty() && !refuse(problem);
}

bool Tstudent_data_files_object::validity_test(const std::string& path, const std::string* password)
{
    pending_error_ = 0;
    binary_file file;
    bool valid = false;
    if (file.open(path, binary_file::mode::read_only)) {
        const std::uint64_t bytes = file.size();
        record last{}, id_record{};
        if (bytes >= record_size && bytes % record_size == 0 && bytes / record_size >= 4
            && read_record(file, static_cast<std::uint32_t>(bytes / record_size - 1), last) && is_end_marker(last)
            && read_record(file, identity_record, id_record)) {
            const identity stored = decode_identity(id_record);
            valid = stored.name_check == name_check_of(file_name_part(path));
            if (valid && password) {
                const identity wanted = identity_of(file_name_part(path), *password);
                valid = stored.password_code_1 == wanted.password_code_1
                    && stored.password_code_2 == wanted.password_code_2
                    && stored.password_code_3 == wanted.password_code_3;
            }
        }
        file.close();
    }
    pending_error_ = file.take_error();
    return !check_io_result(path) && valid;
}

bool Tstudent_data_files_object::is_results_file(const std::string& path)
{
    return validity_test(path, nullptr);
}

bool Tstudent_data_files_object::check_results_file(const std::string& path, const std::string& password)
{
    return validity_test(path, &password);
}

bool Tstudent_data_files_object::create_results_file(const std::string& student_name, const std::string& password,
                                                     bool guidance_is_on, bool guidance_is_switchable,
                                                     bool restart_guidance_enabled, bool store_test_results)
{
    if (const std::string problem = student_name_problem(student_name); !problem.empty())
        return refuse(problem);
    if (const std::string problem = password_problem(password); !problem.empty())
        return refuse(problem);
    // The name as typed, unless a file of that name in another case exists:
    // a system that ignores case would overwrite that one, so do the same.
    std::string path = results_file_name(student_name);
    if (platform::path_status(path).kind != platform::entry_kind::file)
        path = directory_ + platform::directory_separator + student_name + results_extension;
    settings s;
    s.guidance_is_on = guidance_is_on;
    s.guidance_is_switchable = guidance_is_switchable;
    s.restart_guidance_enabled = restart_guidance_enabled;
    s.test_results_are_stored = store_test_results;
    std::string bytes(fresh_file_records * record_size, '\0');
    const record id = encode_identity(identity_of(file_name_part(path), password));
    const record set = encode_settings(s);
    record marker{};
    put_u16(marker, 13, end_marker);
    std::copy(id.begin(), id.end(), bytes.begin() + identity_record * record_size);
    std::copy(set.begin(), set.end(), bytes.begin() + settings_record * record_size);
    std::copy(marker.begin(), marker.end(), bytes.begin() + first_result_record * record_size);
    // A complete file or none: a half-written one would pass for nothing.
    pending_error_ = platform::replace_file_atomically(path, bytes) ? 0 : (errno != 0 ? errno : EIO);
    return !check_io_result(path);
}

bool Tstudent_data_files_object::change_results_file(const std::string& student_name, const std::string& new_password,
                                                     bool guidance_is_on, bool guidance_is_switchable,
                                                     bool restart_guidance_enabled, bool store_test_results,
                                                     bool start_with_first_statement)
{
    if (name_refused(student_name))
        return false;
    if (const std::string problem = password_problem(new_password); !problem.empty())
        return refuse(problem);
    const std::string path = results_file_name(student_name);
    binary_file file;
    record r{};
    // Each change is one record written in place, so the file is valid before and after.
    if (file.open(path, binary_file::mode::read_write) && has_sound_frame(file)
        && (new_password.empty()
            || write_record(file, identity_record, encode_identity(identity_of(file_name_part(path), new_password))))
        && read_record(file, settings_record, r)) {
        settings s = decode_settings(r);
        if (start_with_first_statement) {
            s.guidance_statement = 0;
            s.guidance_time = 0;
        }
        s.guidance_is_on = guidance_is_on;
        s.guidance_is_switchable = guidance_is_switchable;
        s.restart_guidance_enabled = restart_guidance_enabled;
        s.test_results_are_stored = store_test_results;
        write_record(file, settings_record, encode_settings(s)) && file.sync();
    }
    file.close();
    pending_error_ = file.take_error();
    return !check_io_result(path);
}

bool Tstudent_data_files_object::add_result(const std::string& student_name, int exercise, Tdate_time start_time,
                                            Tdate_time end_time, int level, int objects, int correct)
{
    if (student_name.empty() || name_refused(student_name))
        return false;
    if (exercise < 1 || exercise > exercises || level < 0 || level > 255 || objects < 0 || objects > 65535
        || correct < 0 || correct > 65535)
        return refuse("A result that does not fit the results file was not stored.");
    const std::string path = results_file_name(student_name);
    binary_file file;
    bool full = false;
    if (file.open(path, binary_file::mode::read_write) && has_sound_frame(file)) {
        const std::uint32_t n = record_count(file);
        const std::uint32_t r = n - 1;   // the end marker, overwritten by the result
        results_image image;
        std::vector<std::uint32_t> chain;
        bool chain_sound = image.load(file);
        // A chain that loops or leaves the result records is a damaged file.
        if (chain_sound && !image.follow_chain(exercise, chain)) {
            file.set_error(damaged_file_error);
            chain_sound = false;
        }
        const std::uint32_t last = chain.empty() ? 0 : chain.back();
        record heads = chain_sound ? image.record_at(static_cast<std::uint32_t>(head_record_of(exercise))) : record{};
        full = chain_sound && n >= max_records;
        if (chain_sound && !full) {
            result x;
            x.start_time = pack_date_time(start_time);
            x.end_time = pack_date_time(end_time);
            x.level = static_cast<std::uint8_t>(level);
            x.objects = static_cast<std::uint16_t>(objects);
            x.correct = static_cast<std::uint16_t>(correct);
            const record bytes = encode_result(x);
            const record old_marker = image.record_at(r);
            // Marker first, then the result, then the link: the file is valid after every write.
            bool done = write_record(file, r + 1, end_marker_after(bytes))
                && write_record(file, r, bytes);
            if (done && last == 0) {
                put_u16(heads, head_offset_of(exercise), static_cast<std::uint16_t>(r));
                done = write_record(file, static_cast<std::uint32_t>(head_record_of(exercise)), heads);
            } else if (done) {
                record previous = image.record_at(last);
                put_u16(previous, 13, static_cast<std::uint16_t>(r));
                done = write_record(file, last, previous);
            }
            done = done && file.sync();
            if (!done) {
                // Take back what was written, so no unlinked record counts in the sums.
                write_record(file, r, old_marker);
                file.truncate(static_cast<std::uint64_t>(n) * record_size);
            }
        }
    }
    file.close();
    pending_error_ = file.take_error();
    if (check_io_result(path))
        return false;
    if (full)
        return refuse("The results file " + path + " is full: it holds " + std::to_string(max_records)
                      + " records and cannot take another result.");
    return true;
}

bool Tstudent_data_files_object::store_guidance_state(const std::string& student_name, bool guidance_is_on,
                                                      int guidance_statement, std::uint32_t guidance_time)
{
    if (student_name.empty() || name_refused(student_name))
        return false;
    if (guidance_statement < INT16_MIN || guidance_statement > INT16_MAX)
        return refuse("A guidance statement number that does not fit the results file was not stored.");
    const std::string path = results_file_name(student_name);
    binary_file file;
    record r{};
    if (file.open(path, binary_file::mode::read_write) && has_sound_frame(file)
        && read_record(file, settings_record, r)) {
        settings s = decode_settings(r);
        s.guidance_is_on = guidance_is_on;
        s.guidance_statement = static_cast<std::int16_t>(guidance_statement);
        s.guidance_time = guidance_time;
        write_record(file, settings_record, encode_settings(s)) && file.sync();
    }
    file.close();
    pending_error_ = file.take_error();
    return !check_io_result(path);
}

bool Tstudent_data_files_object::read_settings(const std::string& student_name, settings& out)
{
    if (student_name.empty() || name_refused(student_name))
        return false;
    const std::string path = results_file_name(student_name);
    binary_file file;
    record r{};
    if (file.open(path, binary_file::mode::read_only) && read_record(file, settings_record, r))
        out = decode_settings(r);
    file.close();
    pending_error_ = file.take_error();
    return !check_io_result(path);
}

bool Tstudent_data_files_object::read_summary(const std::string& path, results_sums& sums, settings* out)
{
    binary_file file;
    if (file.open(path, binary_file::mode::read_only)) {
        results_image image;
        if (image.load(file)) {
            const std::uint32_t n = image.record_count();
            if (out && n > static_cast<std::uint32_t>(settings_record))
                *out = decode_settings(image.record_at(settings_record));
            else if (out)
                file.set_error(EIO);   // as reading past the end would report it
            date_unpacker start_of, end_of;
            for (std::uint32_t i = first_result_record; i + 1 < n; ++i) {
                const result x = decode_result(image.record_at(i));
                sums.total_objects += x.objects;
                sums.total_correct += x.correct;
                if (x.level >= 1 && x.level <= 3) {
                    level_sums& level = sums.levels[x.level - 1];
                    level.objects += x.objects;
                    level.correct += x.correct;
                    level.duration += end_of(x.end_time) - start_of(x.start_time);
                }
            }
        }
    }
    file.close();
    pending_error_ = file.take_error();
    return !check_io_result(path);
}

results_sums Tstudent_data_files_object::sum_results(const std::string& student_name)
{
    results_sums sums;
    if (student_name.empty() || name_refused(student_name))
        return sums;
    read_summary(results_file_name(student_name), sums, nullptr);
    return sums;
}

bool Tstudent_data_files_object::remove_results(const std::string& student_name)
{
    if (student_name.empty() || name_refused(student_name))
        return false;
    const std::string path = results_file_name(student_name);
    binary_file file;
    std::string bytes(fresh_file_records * record_size, '\0');
    bool read = file.open(path, binary_file::mode::read_only) && has_sound_frame(file)
        && file.read_at(identity_record * record_size, bytes.data() + identity_record * record_size, 2 * record_size);
    file.close();
    pending_error_ = file.take_error();
    if (read) {
        bytes[first_result_record * record_size + 13] = static_cast<char>(end_marker & 0xFF);
        bytes[first_result_record * record_size + 14] = static_cast<char>(end_marker >> 8);
        // A new complete file renamed over the old one: never half emptied.
        if (!platform::replace_file_atomically(path, bytes))
            pending_error_ = errno != 0 ? errno : EIO;
    }
    return !check_io_result(path);
}

result_chains Tstudent_data_files_object::read_result_chains(const std::string& path, int count)
{
    result_chains out;
    binary_file file;
    results_image image;
    if (file.open(path, binary_file::mode::read_only) && image.load(file)) {
        std::vector<std::uint32_t> chain;
        bool sound = true;
        for (int k = 1; sound && k <= std::min(count, exercises); ++k) {
            sound = image.follow_chain(k, chain);
            auto& results = out.exercises.emplace_back();
            for (const std::uint32_t number : chain)
                results.push_back(decode_result(image.record_at(number)));
        }
        if (!sound)
            file.set_error(damaged_file_error);
    }
    file.close();
    pending_error_ = file.take_error();
    out.complete = !check_io_result(path);
    return out;
}

std::string Tstudent_data_files_object::concise_results_text(const std::string& student_name)
{
    // One message for a bad name, not one per reading below.
    if (!student_name.empty() && name_refused(student_name))
        return {};
    std::string texts[10];
    if (text_handler)
        text_handler->read_section("STUDENT_RESULTS_TEXTS", texts, 10);
    results_sums sums;
    settings s;
    // Sums and settings from one reading of the file, one message on failure.
    if (!student_name.empty())
        read_summary(results_file_name(student_name), sums, &s);
    std::string text;
    for (int level = 1; level <= 3; ++level) {
        const level_sums& l = sums.levels[level - 1];
        text += texts[5] + " " + std::to_string(level) + ": ";
        if (l.objects > 0)
            text += std::to_string(l.correct) + " " + texts[2] + " " + std::to_string(l.objects)
                + percentage(l.correct, l.objects) + ". " + texts[3] + " " + time_text(l.duration, texts) + ".";
        else
            text += texts[4];
        text += "\n";
    }
    text += texts[6] + " " + std::to_string(sums.total_correct) + " " + texts[7] + " "
        + std::to_string(sums.total_objects) + percentage(sums.total_correct, sums.total_objects) + ".\n\n";
    text += texts[8] + " " + time_text(unpack_duration(s.guidance_time), texts);
    return text;
}
