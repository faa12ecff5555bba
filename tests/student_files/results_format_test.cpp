#include "student_files/packed_seconds.h"
#include "student_files/results_format.h"
#include "student_files/results_image.h"
#include "student_files/student_data_files.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace student_files::results_format;
using namespace foundation;
using namespace student_files;

// Values the Windows tutor computes for the same names and passwords.
TEST(ResultsFormat, CodesOfNamesAndPasswordsAndRecordsInLittleEndian)
{
    const password_codes abc = password_codes_of("abc"), long_one = password_codes_of("abcdefghij");
    EXPECT_EQ(std::tuple(name_check_of("johnny.results"), abc.code_1, abc.code_2, abc.code_3, long_one.code_2, long_one.code_3),
              std::tuple(8214, 676665u, 0u, 0, 69u + 70 * 100 + 71 * 10000 + 72 * 1000000u, 73 * 9 + 74 * 10));
    EXPECT_EQ(password_codes_of("Secret").code_1, password_codes_of("SECRET").code_1);
    const record id = encode_identity({8214, 676665, 2, 0x1234});
    EXPECT_EQ(std::tuple(id[0], id[1], id[12], id[13], id[14], decode_identity(id).password_code_1),
              std::tuple(8214 & 0xFF, 8214 >> 8, 0x34, 0x12, 0, 676665u));
    settings s;
    s.guidance_statement = -3;
    s.guidance_time = 0x00010203;
    s.restart_guidance_enabled = true;
    const record sr = encode_settings(s);
    EXPECT_EQ(std::tuple(sr[6], sr[8], get_u16(sr, 13), decode_settings(sr).guidance_statement, decode_settings(sr).guidance_time),
              std::tuple(0, 1, 0, -3, 0x00010203u));
}

// Every date half (valid or damaged: month 0 and 13-15, day 0 and past the
// month's end, 2100 not a leap year) with a few times, and every time half
// (hours 24-31, minutes 60-63, seconds 60-62) on a few dates, read as whole
// seconds the same as through the calendar; durations as unpack_duration.
TEST(PackedSeconds, EqualTheCalendarsReadingOfEveryField)
{
    const auto calendar = [](Tdate_time days) { return std::llround(days * 86400.0); };
    for (std::uint32_t half = 0; half <= 0xFFFF; ++half)
        for (const std::uint32_t other : {0x0000u, 0x5A5Du, 0xBF7Du, 0xFFFFu}) {
            const std::uint32_t date_varied = half << 16 | other, time_varied = other << 16 | half;
            ASSERT_EQ(packed_seconds::of_date_time(date_varied), calendar(unpack_date_time(date_varied))) << std::hex << date_varied;
            ASSERT_EQ(packed_seconds::of_date_time(time_varied), calendar(unpack_date_time(time_varied))) << std::hex << time_varied;
            ASSERT_EQ(packed_seconds::of_duration(time_varied), calendar(unpack_duration(time_varied))) << std::hex << time_varied;
        }
    const std::uint32_t cases[][2] = {{0x5A5D6000u, 0x5A5D6A1Eu}, {0x5A5D6000u, 0x5A5E0000u}, {0x5A5EBF7Du, 0x5A5D0000u},
                                      {0x5A3F0000u, 0x5A400000u}, {0x00000000u, 0xFFFFFFFFu}};
    for (const auto& c : cases)
        EXPECT_EQ(packed_seconds::between(c[0], c[1]), calendar(unpack_date_time(c[1]) - unpack_date_time(c[0]))) << std::hex << c[0];
}

// The end of a chain as an append finds it, with the verdict of the whole
// walk: forward, backward, looping, into the end marker, below the results.
TEST(ChainEnd, AgreesWithTheWholeWalk)
{
    const std::pair<std::uint16_t, std::vector<std::uint16_t>> shapes[] = {   // head of exercise 3, links of records 4, 5, ...
        {0, {0, 0}}, {5, {0, 0}}, {4, {6, 0, 0}}, {6, {0, 0, 4}}, {4, {5, 4}}, {4, {4}}, {4, {6, 0}}, {4, {3}}, {60, {0}}};
    for (const auto& [head, next] : shapes) {
        std::vector<std::uint8_t> bytes((first_result_record + next.size() + 1) * record_size, 0);
        bytes[4] = static_cast<std::uint8_t>(head);
        for (std::size_t k = 0; k < next.size(); ++k)
            bytes[(first_result_record + k) * record_size + result_field::next_result] = static_cast<std::uint8_t>(next[k]);
        const record marker = end_marker_after(record{});
        std::copy(marker.begin(), marker.end(), bytes.end() - record_size);
        const results_image image(bytes);
        std::vector<std::uint32_t> chain;
        std::uint32_t last = 99;
        const bool sound = image.follow_chain(3, chain);
        EXPECT_EQ(image.find_chain_end(3, last), sound) << head;
        EXPECT_TRUE(!sound || last == (chain.empty() ? 0u : chain.back())) << head;
    }
}
