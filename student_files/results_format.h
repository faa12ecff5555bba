#pragma once
// The results file: 15-byte little-endian records. Record 0 and 1 hold the
// chain heads of exercises 1-7 and 8-14, record 2 the identity (name check
// and password codes), record 3 the guidance settings, then the results in
// the order they were appended, and last an end marker (65533 at offset 13).
// The tutor reads and writes the same bytes: nothing here may change them.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace student_files {

namespace results_format {

inline constexpr std::size_t record_size = 15;
using record = std::array<std::uint8_t, record_size>;

// Where each field lies in its record, in bytes from the record's start.
namespace identity_field {
inline constexpr std::size_t name_check = 0;        // 4 bytes
inline constexpr std::size_t password_code_1 = 4;   // 4 bytes
inline constexpr std::size_t password_code_2 = 8;   // 4 bytes
inline constexpr std::size_t password_code_3 = 12;  // 2 bytes
} // namespace identity_field
namespace settings_field {
inline constexpr std::size_t guidance_statement = 0;   // 2 bytes
inline constexpr std::size_t guidance_time = 2;        // 4 bytes
inline constexpr std::size_t guidance_is_on = 6;       // 1 byte each from here
inline constexpr std::size_t guidance_is_switchable = 7;
inline constexpr std::size_t restart_guidance_enabled = 8;
inline constexpr std::size_t test_results_are_stored = 9;
} // namespace settings_field
namespace result_field {
inline constexpr std::size_t start_time = 0;   // 4 bytes
inline constexpr std::size_t end_time = 4;     // 4 bytes
inline constexpr std::size_t level = 8;        // 1 byte
inline constexpr std::size_t objects = 9;      // 2 bytes
inline constexpr std::size_t correct = 11;     // 2 bytes
// The link to the chain's next result (2 bytes); the end marker stands here too.
inline constexpr std::size_t next_result = 13;
} // namespace result_field

inline constexpr std::uint16_t end_marker = 65533;
inline constexpr std::uint32_t max_records = 65536;
inline constexpr int identity_record = 2;
inline constexpr int settings_record = 3;
inline constexpr int first_result_record = 4;
inline constexpr int fresh_file_records = 5;
inline constexpr int exercises = 14;
inline constexpr int max_password_code_3 = 32767;
// The longest password whose third code fits, whatever its characters:
// 255 x (9 + ... + 17) = 29835, while 18 characters may reach 34425.
inline constexpr int max_safe_password_length = 17;

std::uint16_t get_u16(const record& r, std::size_t offset);
std::uint32_t get_u32(const record& r, std::size_t offset);
void put_u16(record& r, std::size_t offset, std::uint16_t value);
void put_u32(record& r, std::size_t offset, std::uint32_t value);
// The same from bytes in memory, for loops over many records; the caller
// keeps within the bytes.
inline std::uint16_t load_u16(const std::uint8_t* at)
{
    return static_cast<std::uint16_t>(at[0] | at[1] << 8);
}
inline std::uint32_t load_u32(const std::uint8_t* at)
{
    return static_cast<std::uint32_t>(load_u16(at)) | static_cast<std::uint32_t>(load_u16(at + 2)) << 16;
}

// Chain heads: exercise e (1..14) lives in record (e - 1) / 7 at offset 2 * ((e - 1) % 7).
int head_record_of(int exercise);
std::size_t head_offset_of(int exercise);

struct identity {
    std::int32_t name_check = 0;
    std::uint32_t password_code_1 = 0;
    std::uint32_t password_code_2 = 0;
    std::uint16_t password_code_3 = 0;
};

struct password_codes {
    std::uint32_t code_1 = 0;
    std::uint32_t code_2 = 0;
    std::int64_t code_3 = 0;   // may exceed what the file can hold; callers refuse that
};

// Code x position over the upper-cased file name (without its directory),
// taken as the Windows tutor takes it: a UTF-8 name as its Windows-1252
// bytes when the code page has all its characters, else as it stands.
std::int32_t name_check_of(const std::string& file_name);
// Whether a stored name check fits the file name: as name_check_of computes
// it, with the code page's letters upper-cased too, or over the UTF-8 bytes
// themselves (as earlier versions of this program wrote them).
bool name_check_matches(std::int32_t stored, const std::string& file_name);
password_codes password_codes_of(const std::string& password);
identity identity_of(const std::string& file_name, const std::string& password);

record encode_identity(const identity& id);
identity decode_identity(const record& r);

struct settings {
    std::int16_t guidance_statement = 0;
    std::uint32_t guidance_time = 0;   // packed duration
    bool guidance_is_on = false;
    bool guidance_is_switchable = false;
    bool restart_guidance_enabled = false;
    bool test_results_are_stored = false;
};

record encode_settings(const settings& s);
settings decode_settings(const record& r);

struct result {
    std::uint32_t start_time = 0;   // packed date-time
    std::uint32_t end_time = 0;
    std::uint8_t level = 0;
    std::uint16_t objects = 0;
    std::uint16_t correct = 0;
    std::uint16_t next_result = 0;
};

record encode_result(const result& r);
result decode_result(const record& r);

// One single-byte write of a link's change (offset 0 the low byte, 1 the high one).
struct link_byte {
    std::size_t offset;
    std::uint8_t value;
};
// The writes that change a link from `from` to `to`. When both bytes change,
// the high byte goes to FF first: until the last write the link points past
// the end of any file of at most 65281 records, where no link of a sound
// file points, so a stop in between is recognised (results_recovery.h).
std::vector<link_byte> link_byte_path(std::uint16_t from, std::uint16_t to);
// The link values such a change passes through lie at or above this.
inline constexpr std::uint16_t unfinished_link = 0xFF00;

bool is_end_marker(const record& r);
record end_marker_after(const record& last_result);   // the result's bytes with 65533 at offset 13

} // namespace results_format

} // namespace student_files
