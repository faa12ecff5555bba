#include "student_files/student_data_files.h"

#include "foundation/file_location.h"
#include "foundation/globals.h"
#include "foundation/settings.h"
#include "foundation/textfile_handler.h"
#include "platform/core/file_system.h"
#include "student_files/packed_seconds.h"
#include "student_files/results_image.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <vector>

using namespace student_files::results_format;
using namespace foundation;

namespace student_files {

using file_message = text_names::results_file_messages;
using error_message = text_names::results_error_messages;

std::unique_ptr<Tstudent_data_files_object> student_data_files;

namespace {

const std::string results_extension = ".results";
// The longest name the file systems of every platform take, in bytes.
constexpr std::size_t longest_name = 255;

// Never empty, so a refusal never reads as no refusal: a text file without
// the entry gives its place instead.
std::string message(text_names::results_file_messages entry)
{
    const std::string text = text_of(entry);
    return text.empty() ? "[RESULTS_FILE_MESSAGES " + std::to_string(static_cast<int>(entry)) + "]" : text;
}

std::string file_name_part(const std::string& path)
{
    const auto slash = path.find_last_of(platform::directory_separator);
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool has_control_character(const std::string& name)
{
    return std::any_of(name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) < 32 || c == 127; });
}

// A name that would name something outside the directory, or nothing.
bool leads_out_of_directory(const std::string& name)
{
    return name == "." || name == ".." || name.find_first_of(std::string("/\0", 2)) != std::string::npos;
}

std::string fresh_file_bytes(const std::string& file_name, const std::string& password, const settings& s)
{
    std::string bytes(fresh_file_records * record_size, '\0');
    const record id = encode_identity(identity_of(file_name, password));
    const record set = encode_settings(s);
    const record marker = end_marker_after(record{});
    std::copy(id.begin(), id.end(), bytes.begin() + identity_record * record_size);
    std::copy(set.begin(), set.end(), bytes.begin() + settings_record * record_size);
    std::copy(marker.begin(), marker.end(), bytes.begin() + first_result_record * record_size);
    return bytes;
}

using concise_words = text_names::student_results_texts;

// Whole hours and minutes; a negative sum (results that end before they
// start) shows its size.
void append_time_text(std::string& text, std::int64_t seconds, const concise_texts& texts)
{
    const std::int64_t size = seconds < 0 ? -seconds : seconds;
    text += std::to_string(size / 3600);
    text += texts[concise_words::hours];
    text += std::to_string(size / 60 % 60);
    text += texts[concise_words::minutes];
}

// "correct <word> objects", and the percentage when there are objects.
void append_count(std::string& text, long correct, const std::string& word, long objects)
{
    text += std::to_string(correct);
    text += ' ';
    text += word;
    text += ' ';
    text += std::to_string(objects);
    if (objects < 1)
        return;
    text += " (";
    text += std::to_string(correct * 100 / objects);
    text += " %)";
}

// The six lines of a student's concise results.
std::string concise_text(const results_sums& sums, std::uint32_t guidance_time, const concise_texts& texts)
{
    std::string text;
    text.reserve(256);
    for (int level = 1; level <= 3; ++level) {
        const level_sums& l = sums.levels[level - 1];
        text += texts[concise_words::level];
        text += ' ';
        text += std::to_string(level);
        text += ": ";
        if (l.objects > 0) {
            append_count(text, l.correct, texts[concise_words::correct_out_of], l.objects);
            text += ". ";
            text += texts[concise_words::time];
            text += ' ';
            append_time_text(text, l.seconds, texts);
            text += '.';
        } else {
            text += texts[concise_words::no_objects_yet];
        }
        text += '\n';
    }
    text += texts[concise_words::total];
    text += ' ';
    append_count(text, sums.total_correct, texts[concise_words::total_correct_out_of], sums.total_objects);
    text += ".\n\n";
    text += texts[concise_words::total_guidance_time];
    text += ' ';
    append_time_text(text, packed_seconds::of_duration(guidance_time), texts);
    return text;
}

// The sums of the result records (4 to the one before the last), read in
// place, kept in locals. Objects and correct add up in the two halves of one
// number: 65535 at most each, in fewer than 65536 records, fill neither half.
void add_results(const results_image& image, results_sums& sums)
{
    std::uint64_t all = 0;
    std::uint64_t level_1 = 0, level_2 = 0, level_3 = 0;
    std::int64_t seconds_1 = 0, seconds_2 = 0, seconds_3 = 0;
    const std::uint32_t n = image.record_count();
    for (std::uint32_t i = first_result_record; i + 1 < n; ++i) {
        const std::uint8_t* r = image.record_bytes(i);
        // Objects and correct stand side by side: one load reads both.
        static_assert(result_field::correct == result_field::objects + 2);
        const std::uint32_t counts = load_u32(r + result_field::objects);
        const std::uint64_t both = (counts & 0xFFFFu) | std::uint64_t{counts >> 16} << 32;
        all += both;
        // Levels other than 1, 2 and 3 count only in the totals.
        switch (r[result_field::level]) {
        case 1:
            level_1 += both;
            seconds_1 += packed_seconds::between(load_u32(r + result_field::start_time), load_u32(r + result_field::end_time));
            break;
        case 2:
            level_2 += both;
            seconds_2 += packed_seconds::between(load_u32(r + result_field::start_time), load_u32(r + result_field::end_time));
            break;
        case 3:
            level_3 += both;
            seconds_3 += packed_seconds::between(load_u32(r + result_field::start_time), load_u32(r + result_field::end_time));
            break;
        default:
            break;
        }
    }
    const auto add = [](level_sums& to, std::uint64_t both, std::int64_t seconds) {
        to.objects += static_cast<long>(both & 0xFFFFFFFFu);
        to.correct += static_cast<long>(both >> 32);
        to.seconds += seconds;
    };
    level_sums total;
    add(total, all, 0);
    sums.total_objects += total.objects;
    sums.total_correct += total.correct;
    add(sums.levels[0], level_1, seconds_1);
    add(sums.levels[1], level_2, seconds_2);
    add(sums.levels[2], level_3, seconds_3);
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

std::string student_name_problem(const std::string& name)
{
    if (name.empty() || leads_out_of_directory(name) || has_control_character(name)
        || name.find_first_of("\\:") != std::string::npos)
        return message(file_message::bad_name);
    // A hidden file: the list would never show it.
    if (name.front() == '.')
        return message(file_message::hidden_name);
    if (name.size() + results_extension.size() > longest_name)
        return message(file_message::name_too_long);
    return {};
}

std::string password_problem(const std::string& password)
{
    if (password_codes_of(password).code_3 > max_password_code_3)
        return message(file_message::password_too_long);
    return {};
}

Tstudent_data_files_object::Tstudent_data_files_object()
    : Tstudent_data_files_object(read_setting("", "GENERAL", "Student Files Directory", "RESULTS"))
{
}

Tstudent_data_files_object::Tstudent_data_files_object(const std::string& directory_name)
{
    const std::string d = platform::ascii_upper(directory_name);
    const file_status_result status = file_status(d, true);
    directory_ = status.path;
    directory_status_ = static_cast<file_status_kind>(status.status);
    index_ = student_file_index(directory_);
    if (directory_status_ == file_is_directory)
        platform::remove_stale_temporaries(directory_);
}

bool Tstudent_data_files_object::directory_missing() const
{
    return directory_status_ == file_not_found;
}

std::string Tstudent_data_files_object::directory_question() const
{
    return messages_[error_message::directory_start] + directory_ + messages_[error_message::directory_missing_question];
}

outcome Tstudent_data_files_object::create_directory()
{
    if (directory_missing() && platform::make_directory(directory_))
        directory_status_ = file_is_directory;
    return usable_directory();
}

outcome Tstudent_data_files_object::usable_directory() const
{
    if (directory_status_ == file_is_directory)
        return {};
    return outcome::failed(messages_[error_message::directory_unusable]);
}

std::string Tstudent_data_files_object::results_file_name(const std::string& student_name) const
{
    return find_results_file(student_name, nullptr);
}

std::string Tstudent_data_files_object::find_results_file(const std::string& student_name,
                                                          const std::unordered_set<std::string>* listed) const
{
    // The list shows names as stored and passes them back: that exact file
    // first. Others (the tutor's login) may type any case.
    const std::string prefix = directory_ + platform::directory_separator;
    const auto present = [&](const std::string& file_name) {
        // A listing leaves out hidden files.
        if (listed && file_name.front() != '.')
            return listed->count(file_name) != 0;
        return platform::is_plain_file(prefix + file_name);
    };
    const std::string as_given = student_name + results_extension;
    const std::string upper = platform::ascii_upper(student_name) + results_extension;
    if (present(as_given))
        return prefix + as_given;
    if (present(upper))
        return prefix + upper;
    if (std::string found = index_.find(student_name); !found.empty())
        return prefix + found;
    return prefix + upper;
}

bool Tstudent_data_files_object::results_file_exists(const std::string& student_name) const
{
    return platform::entry_exists(results_file_name(student_name))
        || platform::entry_exists(directory_ + platform::directory_separator + student_name + results_extension);
}

std::string Tstudent_data_files_object::error_words(int error_number, bool damaged) const
{
    using text_names::results_error_details;
    const std::string before = text_of(results_error_details::before_words);
    const std::string after = text_of(results_error_details::after_words);
    const std::string words = damaged ? text_of(results_error_details::damaged_file) : platform::error_words(error_number);
    // A text file without the words keeps the message as it was.
    if ((before.empty() && after.empty()) || words.empty())
        return {};
    return before + words + after;
}

outcome Tstudent_data_files_object::check_io_result(const std::string& path)
{
    const int error = pending_error_;
    const bool damaged = pending_damaged_;
    pending_error_ = 0;
    pending_damaged_ = false;
    if (error == 0)
        return {};
    return outcome::failed(messages_[error_message::io_error] + std::to_string(error) + error_words(error, damaged) + ".     "
                           + messages_[error_message::file_label] + path);
}

outcome Tstudent_data_files_object::report(const std::string& path, const file_outcome& result)
{
    pending_error_ = result.error_number;
    pending_damaged_ = result.damaged;
    return check_io_result(path);
}

outcome Tstudent_data_files_object::name_check(const std::string& student_name)
{
    if (leads_out_of_directory(student_name))
        return outcome::failed(message(file_message::bad_name));
    return {};
}

read_outcome<bool> Tstudent_data_files_object::validity_test(const std::string& path, const std::string* password)
{
    results_session session(path, results_session::access::read, room_);
    bool valid = false;
    const results_image& image = session.image();
    const std::uint32_t n = image.record_count();
    if (session.ok() && session.size() >= record_size && session.size() % record_size == 0 && n >= 4
        && is_end_marker(image.record_at(n - 1))) {
        const identity stored = decode_identity(image.record_at(identity_record));
        valid = name_check_matches(stored.name_check, file_name_part(path));
        if (valid && password) {
            const password_codes wanted = password_codes_of(*password);
            valid = stored.password_code_1 == wanted.code_1 && stored.password_code_2 == wanted.code_2
                && stored.password_code_3 == static_cast<std::uint16_t>(wanted.code_3);
        }
    }
    outcome status = report(path, session.finish());
    valid = valid && status.done();
    return {valid, std::move(status)};
}

read_outcome<bool> Tstudent_data_files_object::is_results_file(const std::string& path)
{
    return validity_test(path, nullptr);
}

read_outcome<bool> Tstudent_data_files_object::check_results_file(const std::string& path, const std::string& password)
{
    return validity_test(path, &password);
}

outcome Tstudent_data_files_object::create_results_file(const std::string& student_name, const std::string& password,
                                                     bool guidance_is_on, bool guidance_is_switchable,
                                                     bool restart_guidance_enabled, bool store_test_results)
{
    if (std::string problem = student_name_problem(student_name); !problem.empty())
        return outcome::failed(std::move(problem));
    if (std::string problem = password_problem(password); !problem.empty())
        return outcome::failed(std::move(problem));
    const std::string file_name = student_name + results_extension;
    if (file_name.size() > platform::longest_file_name(directory_))
        return outcome::failed(message(file_message::name_too_long));
    settings s;
    s.guidance_is_on = guidance_is_on;
    s.guidance_is_switchable = guidance_is_switchable;
    s.restart_guidance_enabled = restart_guidance_enabled;
    s.test_results_are_stored = store_test_results;
    // Never over the student's file, whatever the case of its name, nor over
    // one that appears meanwhile: a complete file or none.
    if (results_file_exists(student_name))
        return report(results_file_name(student_name), {EEXIST, false});
    const std::string path = directory_ + platform::directory_separator + file_name;
    const platform::directory_stamp before = platform::stamp_of_directory(directory_);
    errno = 0;
    if (!platform::create_file_exclusively(path, fresh_file_bytes(file_name, password, s), durability_))
        return report(path, {errno != 0 ? errno : EIO, false});
    index_.created(file_name, before);
    return {};
}

outcome Tstudent_data_files_object::finish_batch()
{
    durability_ = platform::durability::synced;
    errno = 0;
    if (platform::sync_file_system(directory_) && platform::sync_directory(directory_))
        return {};
    return report(directory_, {errno != 0 ? errno : EIO, false});
}

outcome Tstudent_data_files_object::change_results_file(const std::string& student_name, const std::string& new_password,
                                                     bool guidance_is_on, bool guidance_is_switchable,
                                                     bool restart_guidance_enabled, bool store_test_results,
                                                     bool start_with_first_statement)
{
    if (outcome refused = name_check(student_name); !refused)
        return refused;
    if (std::string problem = password_problem(new_password); !problem.empty())
        return outcome::failed(std::move(problem));
    const std::string path = results_file_name(student_name);
    results_session session(path, results_session::access::change, room_);
    // Identity and settings, neighbours, in one write under the lock: a
    // guidance state the tutor stores meanwhile is kept, and no stop between
    // two writes leaves the new password with the old settings.
    if (session.sound_frame()) {
        const results_image& image = session.image();
        const record id = new_password.empty() ? image.record_at(identity_record)
                                               : encode_identity(identity_of(file_name_part(path), new_password));
        settings s = decode_settings(image.record_at(settings_record));
        if (start_with_first_statement) {
            s.guidance_statement = 0;
            s.guidance_time = 0;
        }
        s.guidance_is_on = guidance_is_on;
        s.guidance_is_switchable = guidance_is_switchable;
        s.restart_guidance_enabled = restart_guidance_enabled;
        s.test_results_are_stored = store_test_results;
        const record set = encode_settings(s);
        std::uint8_t both[2 * record_size];
        std::copy(id.begin(), id.end(), both);
        std::copy(set.begin(), set.end(), both + record_size);
        session.write_bytes(identity_record * record_size, both, sizeof both) && session.sync();
    }
    return report(path, session.finish());
}

namespace {

// Where the link to a new result of an exercise goes: its head, or the next
// link of its chain's last result.
struct link_place {
    std::uint32_t record;
    std::size_t offset;
};

link_place link_place_of(int exercise, std::uint32_t last_of_chain)
{
    if (last_of_chain == 0)
        return {static_cast<std::uint32_t>(head_record_of(exercise)), head_offset_of(exercise)};
    return {last_of_chain, result_field::next_result};
}

// Takes back an append stopped after some of its writes, from the last
// write back to the first, each step a state recovery knows.
void take_back_append(results_session& session, const link_place& link, std::uint32_t marker,
                      const record& old_marker)
{
    std::uint16_t now = 0;
    if (session.read_link(link.record, link.offset, now) && session.write_link(link.record, link.offset, now, 0)
        && session.write_record(marker, old_marker))
        session.truncate_records(marker + 1) && session.sync();
}

} // namespace

outcome Tstudent_data_files_object::add_result(const std::string& student_name, int exercise, Tdate_time start_time,
                                               Tdate_time end_time, int level, int objects, int correct)
{
    if (student_name.empty())
        return outcome::failed_quietly();
    if (outcome refused = name_check(student_name); !refused)
        return refused;
    if (exercise < 1 || exercise > exercises || level < 0 || level > 255 || objects < 0 || objects > 65535
        || correct < 0 || correct > 65535)
        return outcome::failed(message(file_message::result_not_stored));
    const std::string path = results_file_name(student_name);
    results_session session(path, results_session::access::change, room_);
    bool full = false;
    if (session.sound_frame()) {
        const results_image& image = session.image();
        const std::uint32_t n = image.record_count();
        const std::uint32_t r = n - 1;   // the end marker, overwritten by the result
        std::uint32_t last = 0;
        // A chain that loops or leaves the result records is a damaged file.
        if (!image.find_chain_end(exercise, last))
            session.mark_damaged();
        full = n >= max_records;
        if (session.ok() && !full) {
            result x;
            x.start_time = pack_date_time(start_time);
            x.end_time = pack_date_time(end_time);
            x.level = static_cast<std::uint8_t>(level);
            x.objects = static_cast<std::uint16_t>(objects);
            x.correct = static_cast<std::uint16_t>(correct);
            const record bytes = encode_result(x);
            const link_place link = link_place_of(exercise, last);
            // Marker, result, link: a stop after any write leaves a file that
            // is valid or that recovery takes back to what it was.
            const bool done = session.write_record(r + 1, end_marker_after(bytes)) && session.write_record(r, bytes)
                && session.write_link(link.record, link.offset, 0, static_cast<std::uint16_t>(r)) && session.sync();
            if (!done)
                take_back_append(session, link, r, image.record_at(r));
        }
    }
    if (outcome written = report(path, session.finish()); !written)
        return written;
    if (full)
        return outcome::failed(message(file_message::full_file_start) + path + message(file_message::full_file_end));
    return {};
}

outcome Tstudent_data_files_object::store_guidance_state(const std::string& student_name, bool guidance_is_on,
                                                         int guidance_statement, std::uint32_t guidance_time)
{
    if (student_name.empty())
        return outcome::failed_quietly();
    if (outcome refused = name_check(student_name); !refused)
        return refused;
    if (guidance_statement < INT16_MIN || guidance_statement > INT16_MAX)
        return outcome::failed(message(file_message::statement_not_stored));
    const std::string path = results_file_name(student_name);
    results_session session(path, results_session::access::change, room_);
    if (session.sound_frame()) {
        settings s = decode_settings(session.image().record_at(settings_record));
        s.guidance_is_on = guidance_is_on;
        s.guidance_statement = static_cast<std::int16_t>(guidance_statement);
        s.guidance_time = guidance_time;
        session.write_record(settings_record, encode_settings(s)) && session.sync();
    }
    return report(path, session.finish());
}

outcome Tstudent_data_files_object::read_settings(const std::string& student_name, settings& out)
{
    if (student_name.empty())
        return outcome::failed_quietly();
    if (outcome refused = name_check(student_name); !refused)
        return refused;
    const std::string path = results_file_name(student_name);
    results_session session(path, results_session::access::read, room_);
    file_outcome outcome = session.finish();
    if (outcome.error_number == 0 && session.image().record_count() > static_cast<std::uint32_t>(settings_record))
        out = decode_settings(session.image().record_at(settings_record));
    else if (outcome.error_number == 0)
        outcome.error_number = EIO;   // as reading past the end would report it
    return report(path, outcome);
}

outcome Tstudent_data_files_object::read_summary(const std::string& path, results_sums& sums, settings* out,
                                                 const platform::open_directory* directory)
{
    results_session session = directory ? results_session(*directory, path, results_session::access::read, room_)
                                        : results_session(path, results_session::access::read, room_);
    file_outcome outcome = session.finish();
    const results_image& image = session.image();
    const std::uint32_t n = image.record_count();
    if (outcome.error_number == 0) {
        if (out && n > static_cast<std::uint32_t>(settings_record))
            *out = decode_settings(image.record_at(settings_record));
        else if (out)
            outcome.error_number = EIO;   // as reading past the end would report it
        add_results(image, sums);
    }
    return report(path, outcome);
}

results_sums Tstudent_data_files_object::sum_results(const std::string& student_name)
{
    results_sums sums;
    if (student_name.empty())
        return sums;
    if (sums.status = name_check(student_name); !sums.status)
        return sums;
    sums.status = read_summary(results_file_name(student_name), sums, nullptr);
    return sums;
}

outcome Tstudent_data_files_object::remove_results(const std::string& student_name)
{
    if (student_name.empty())
        return outcome::failed_quietly();
    if (outcome refused = name_check(student_name); !refused)
        return refused;
    const std::string path = results_file_name(student_name);
    results_session session(path, results_session::access::change, room_);
    // In place, so the file keeps its owner, group and mode: cut, end
    // marker, heads. A stop between leaves five records that recovery
    // completes (no results: marker written, heads cleared).
    if (session.sound_frame()) {
        const std::vector<std::uint8_t> no_heads(2 * record_size, 0);
        session.truncate_records(fresh_file_records)
            && session.write_record(first_result_record, end_marker_after(record{}))
            && session.write_bytes(0, no_heads.data(), no_heads.size()) && session.sync();
    }
    return report(path, session.finish());
}

result_chains Tstudent_data_files_object::read_result_chains(const std::string& path, int count)
{
    result_chains out;
    results_session session(path, results_session::access::read, room_);
    const results_image& image = session.image();
    if (session.ok()) {
        std::vector<std::uint32_t> chain;
        bool sound = true;
        for (int k = 1; sound && k <= std::min(count, exercises); ++k) {
            sound = image.follow_chain(k, chain);
            auto& results = out.exercises.emplace_back();
            for (const std::uint32_t number : chain)
                results.push_back(decode_result(image.record_at(number)));
        }
        if (!sound)
            session.mark_damaged();
    }
    out.status = report(path, session.finish());
    return out;
}

read_outcome<std::string> Tstudent_data_files_object::concise_text_at(const std::string& path,
                                                                      const concise_texts& texts,
                                                                      const platform::open_directory* directory)
{
    results_sums sums;
    settings s;
    // Sums and settings from one reading of the file, one message on failure.
    outcome status;
    if (!path.empty())
        status = read_summary(path, sums, &s, directory);
    return {concise_text(sums, s.guidance_time, texts), std::move(status)};
}

read_outcome<std::string> Tstudent_data_files_object::concise_results_text(const std::string& student_name)
{
    // One message for a bad name, not one per reading below.
    if (outcome refused = name_check(student_name); !refused)
        return {{}, std::move(refused)};
    return concise_text_at(student_name.empty() ? "" : results_file_name(student_name), concise_texts(), nullptr);
}

std::vector<read_outcome<std::string>>
Tstudent_data_files_object::concise_results_texts(const std::vector<std::string>& student_names)
{
    const concise_texts texts = concise_texts();
    const platform::open_directory directory(directory_);
    std::unordered_set<std::string> listed;
    for (std::string& file_name : platform::list_files(directory_))
        listed.insert(std::move(file_name));
    std::vector<read_outcome<std::string>> out;
    out.reserve(student_names.size());
    for (const std::string& name : student_names) {
        if (outcome refused = name_check(name); !refused)
            out.push_back({{}, std::move(refused)});
        else
            out.push_back(concise_text_at(name.empty() ? "" : find_results_file(name, &listed), texts, &directory));
    }
    return out;
}

} // namespace student_files
