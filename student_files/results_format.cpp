#include "student_files/results_format.h"

#include "platform/core/file_name_text.h"
#include "platform/core/file_system.h"

namespace student_files {

namespace results_format {

std::uint16_t get_u16(const record& r, std::size_t offset)
{
    return static_cast<std::uint16_t>(r.at(offset) | r.at(offset + 1) << 8);
}

std::uint32_t get_u32(const record& r, std::size_t offset)
{
    return static_cast<std::uint32_t>(get_u16(r, offset)) | static_cast<std::uint32_t>(get_u16(r, offset + 2)) << 16;
}

void put_u16(record& r, std::size_t offset, std::uint16_t value)
{
    r.at(offset) = static_cast<std::uint8_t>(value & 0xFF);
    r.at(offset + 1) = static_cast<std::uint8_t>(value >> 8);
}

void put_u32(record& r, std::size_t offset, std::uint32_t value)
{
    put_u16(r, offset, static_cast<std::uint16_t>(value & 0xFFFF));
    put_u16(r, offset + 2, static_cast<std::uint16_t>(value >> 16));
}

int head_record_of(int exercise)
{
    return (exercise - 1) / 7;
}

std::size_t head_offset_of(int exercise)
{
    return static_cast<std::size_t>(2 * ((exercise - 1) % 7));
}

namespace {

std::int32_t weighted_sum(const std::string& upper)
{
    std::int64_t sum = 0;
    for (std::size_t i = 0; i < upper.size(); ++i)
        sum += static_cast<unsigned char>(upper[i]) * static_cast<std::int64_t>(i + 1);
    // Names are file names, far below the range; wrap like the 32-bit field would.
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(sum));
}

// The bytes the Windows tutor saw for the name.
std::string single_byte_name(const std::string& file_name)
{
    if (!platform::is_utf8(file_name))
        return file_name;
    return platform::windows_1252_from_utf8(file_name).value_or(file_name);
}

} // namespace

std::int32_t name_check_of(const std::string& file_name)
{
    return weighted_sum(platform::ascii_upper(single_byte_name(file_name)));
}

bool name_check_matches(std::int32_t stored, const std::string& file_name)
{
    const std::string single = single_byte_name(file_name);
    return stored == weighted_sum(platform::ascii_upper(single))
        || stored == weighted_sum(platform::windows_1252_upper(single))
        || stored == weighted_sum(platform::ascii_upper(file_name));
}

password_codes password_codes_of(const std::string& password)
{
    const std::string p = platform::ascii_upper(password);
    password_codes codes;
    std::uint32_t weight = 1;
    for (std::size_t k = 0; k < 8 && k < p.size(); ++k) {
        if (k == 4)
            weight = 1;
        const std::uint32_t part = static_cast<unsigned char>(p[k]) % 100 * weight;
        (k < 4 ? codes.code_1 : codes.code_2) += part;
        weight *= 100;
    }
    for (std::size_t i = 8; i < p.size(); ++i)
        codes.code_3 += static_cast<unsigned char>(p[i]) * static_cast<std::int64_t>(i + 1);
    return codes;
}

identity identity_of(const std::string& file_name, const std::string& password)
{
    const password_codes codes = password_codes_of(password);
    return {name_check_of(file_name), codes.code_1, codes.code_2, static_cast<std::uint16_t>(codes.code_3)};
}

record encode_identity(const identity& id)
{
    record r{};
    put_u32(r, identity_field::name_check, static_cast<std::uint32_t>(id.name_check));
    put_u32(r, identity_field::password_code_1, id.password_code_1);
    put_u32(r, identity_field::password_code_2, id.password_code_2);
    put_u16(r, identity_field::password_code_3, id.password_code_3);
    return r;
}

identity decode_identity(const record& r)
{
    return {static_cast<std::int32_t>(get_u32(r, identity_field::name_check)), get_u32(r, identity_field::password_code_1),
            get_u32(r, identity_field::password_code_2), get_u16(r, identity_field::password_code_3)};
}

record encode_settings(const settings& s)
{
    record r{};
    put_u16(r, settings_field::guidance_statement, static_cast<std::uint16_t>(s.guidance_statement));
    put_u32(r, settings_field::guidance_time, s.guidance_time);
    r[settings_field::guidance_is_on] = s.guidance_is_on ? 1 : 0;
    r[settings_field::guidance_is_switchable] = s.guidance_is_switchable ? 1 : 0;
    r[settings_field::restart_guidance_enabled] = s.restart_guidance_enabled ? 1 : 0;
    r[settings_field::test_results_are_stored] = s.test_results_are_stored ? 1 : 0;
    return r;
}

settings decode_settings(const record& r)
{
    settings s;
    s.guidance_statement = static_cast<std::int16_t>(get_u16(r, settings_field::guidance_statement));
    s.guidance_time = get_u32(r, settings_field::guidance_time);
    s.guidance_is_on = r[settings_field::guidance_is_on] != 0;
    s.guidance_is_switchable = r[settings_field::guidance_is_switchable] != 0;
    s.restart_guidance_enabled = r[settings_field::restart_guidance_enabled] != 0;
    s.test_results_are_stored = r[settings_field::test_results_are_stored] != 0;
    return s;
}

record encode_result(const result& x)
{
    record r{};
    put_u32(r, result_field::start_time, x.start_time);
    put_u32(r, result_field::end_time, x.end_time);
    r[result_field::level] = x.level;
    put_u16(r, result_field::objects, x.objects);
    put_u16(r, result_field::correct, x.correct);
    put_u16(r, result_field::next_result, x.next_result);
    return r;
}

result decode_result(const record& r)
{
    return {get_u32(r, result_field::start_time), get_u32(r, result_field::end_time), r[result_field::level],
            get_u16(r, result_field::objects),    get_u16(r, result_field::correct), get_u16(r, result_field::next_result)};
}

std::vector<link_byte> link_byte_path(std::uint16_t from, std::uint16_t to)
{
    const auto low = [](std::uint16_t v) { return static_cast<std::uint8_t>(v & 0xFF); };
    const auto high = [](std::uint16_t v) { return static_cast<std::uint8_t>(v >> 8); };
    std::vector<link_byte> path;
    if (low(from) == low(to) || high(from) == high(to)) {
        // One byte changes: one write, nothing in between.
        if (from != to)
            path.push_back(low(from) != low(to) ? link_byte{0, low(to)} : link_byte{1, high(to)});
        return path;
    }
    if (high(from) != 0xFF)
        path.push_back({1, 0xFF});
    path.push_back({0, low(to)});
    if (high(to) != 0xFF)
        path.push_back({1, high(to)});
    return path;
}

bool is_end_marker(const record& r)
{
    return get_u16(r, result_field::next_result) == end_marker;
}

record end_marker_after(const record& last_result)
{
    record r = last_result;
    put_u16(r, result_field::next_result, end_marker);
    return r;
}

} // namespace results_format

} // namespace student_files
