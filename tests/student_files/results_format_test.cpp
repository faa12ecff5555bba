#include "student_files/packed_seconds.h"
#include "student_files/results_format.h"
#include "student_files/results_image.h"
#include "student_files/student_data_files.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace student_files::results_format;
using namespace foundation;
using namespace student_files;

TEST(ResultsFormat, CodesOfNamesAndPasswords)
{
    EXPECT_EQ(name_check_of("JOHNNY.RESULTS"), 8214);
    EXPECT_EQ(name_check_of("johnny.results"), 8214);
    EXPECT_NE(name_check_of("JOHNNY2.RESULTS"), 8214);
    const password_codes abc = password_codes_of("abc");
    EXPECT_EQ(abc.code_1, 676665u);
    EXPECT_EQ(abc.code_2, 0u);
    EXPECT_EQ(abc.code_3, 0);
    const password_codes long_one = password_codes_of("abcdefghij");
    EXPECT_EQ(long_one.code_2, 69u + 70 * 100 + 71 * 10000 + 72 * 1000000u);
    EXPECT_EQ(long_one.code_3, 73 * 9 + 74 * 10);
    EXPECT_EQ(password_codes_of("Secret").code_1, password_codes_of("SECRET").code_1);
    EXPECT_EQ(password_codes_of("~").code_1, 126u % 100);
}

TEST(ResultsFormat, RecordsRoundTripInLittleEndian)
{
    const record id = encode_identity({8214, 676665, 2, 0x1234});
    EXPECT_EQ(id[0], 8214 & 0xFF);
    EXPECT_EQ(id[1], 8214 >> 8);
    EXPECT_EQ(id[12], 0x34);
    EXPECT_EQ(id[13], 0x12);
    EXPECT_EQ(id[14], 0);
    EXPECT_EQ(decode_identity(id).password_code_1, 676665u);

    settings s;
    s.guidance_statement = -3;
    s.guidance_time = 0x00010203;
    s.restart_guidance_enabled = true;
    const record sr = encode_settings(s);
    EXPECT_EQ(sr[8], 1);
    EXPECT_EQ(sr[6], 0);
    EXPECT_EQ(get_u16(sr, 13), 0);
    EXPECT_EQ(decode_settings(sr).guidance_statement, -3);
    EXPECT_EQ(decode_settings(sr).guidance_time, 0x00010203u);

    const record rr = encode_result({1, 2, 3, 400, 300, 5});
    const result back = decode_result(rr);
    EXPECT_EQ(back.objects, 400);
    EXPECT_EQ(back.correct, 300);
    EXPECT_EQ(back.next_result, 5);
    const record marker = end_marker_after(rr);
    EXPECT_TRUE(is_end_marker(marker));
    EXPECT_EQ(marker[13], 0xFD);
    EXPECT_EQ(marker[14], 0xFF);
    EXPECT_EQ(marker[9], rr[9]);

    EXPECT_EQ(head_record_of(3), 0);
    EXPECT_EQ(head_offset_of(3), 4u);
    EXPECT_EQ(head_record_of(8), 1);
    EXPECT_EQ(head_offset_of(8), 0u);
    EXPECT_EQ(head_offset_of(14), 12u);
}

TEST(DateUnpacker, GivesExactlyWhatUnpackDateTimeGives)
{
    date_unpacker unpack;
    std::uint32_t x = 12345;
    for (int i = 0; i < 20000; ++i) {
        x = x * 1664525u + 1013904223u;   // every bit pattern, dates and times out of range too
        const std::uint32_t packed = i % 3 == 0 ? x : (x & 0xFFFF0000u) | (i & 0xFFFF);
        ASSERT_EQ(unpack(packed), unpack_date_time(packed)) << std::hex << packed;
    }
}

// Every date half (valid or damaged: month 0 and 13-15, day 0 and past the
// month's end, 2100 not a leap year) with a few times, and every time half
// (hours 24-31, minutes 60-63, seconds 60-62) on a few dates, read as whole
// seconds the same as through the calendar; durations as unpack_duration.
TEST(PackedSeconds, EqualTheCalendarsReadingOfEveryField)
{
    const auto calendar = [](Tdate_time days) { return std::llround(days * 86400.0); };
    for (std::uint32_t date = 0; date <= 0xFFFF; ++date)
        for (const std::uint32_t time : {0x0000u, 0xBF7Du, 0xFFFFu}) {
            const std::uint32_t packed = date << 16 | time;
            ASSERT_EQ(packed_seconds::of_date_time(packed), calendar(unpack_date_time(packed))) << std::hex << packed;
        }
    for (std::uint32_t time = 0; time <= 0xFFFF; ++time)
        for (const std::uint32_t date : {0x0021u, 0x5A5Du, 0xFFFFu}) {
            const std::uint32_t packed = date << 16 | time;
            ASSERT_EQ(packed_seconds::of_date_time(packed), calendar(unpack_date_time(packed))) << std::hex << packed;
            ASSERT_EQ(packed_seconds::of_duration(packed), calendar(unpack_duration(packed))) << std::hex << packed;
        }
    const std::uint32_t cases[][2] = {{0x5A5D6000u, 0x5A5D6A1Eu}, {0x5A5D6000u, 0x5A5E0000u}, {0x5A5EBF7Du, 0x5A5D0000u},
                                      {0x5A3F0000u, 0x5A400000u}, {0x00000000u, 0xFFFFFFFFu}};
    for (const auto& c : cases)
        EXPECT_EQ(packed_seconds::between(c[0], c[1]), calendar(unpack_date_time(c[1]) - unpack_date_time(c[0])))
            << std::hex << c[0] << " " << c[1];
}

// The end of a chain as an append finds it, with the verdict of the whole
// walk: forward, backward, looping, into the end marker, below the results.
TEST(ChainEnd, AgreesWithTheWholeWalk)
{
    struct shape {
        const char* what;
        std::uint16_t head;
        std::vector<std::uint16_t> next;   // of records 4, 5, ...
    };
    const shape shapes[] = {
        {"empty", 0, {0, 0}},          {"one", 5, {0, 0}},           {"forward", 4, {6, 0, 0}},
        {"backward", 6, {0, 0, 4}},    {"loop", 4, {5, 4}},          {"itself", 4, {4}},
        {"into the marker", 4, {6, 0}}, {"below the results", 4, {3}}, {"head past the file", 60, {0}},
    };
    for (const shape& s : shapes) {
        std::vector<std::uint8_t> bytes((first_result_record + s.next.size() + 1) * record_size, 0);
        bytes[4] = static_cast<std::uint8_t>(s.head);   // exercise 3's head
        for (std::size_t k = 0; k < s.next.size(); ++k)
            bytes[(first_result_record + k) * record_size + result_field::next_result] = static_cast<std::uint8_t>(s.next[k]);
        const record marker = end_marker_after(record{});
        std::copy(marker.begin(), marker.end(), bytes.end() - record_size);
        const results_image image(bytes);
        std::vector<std::uint32_t> chain;
        std::uint32_t last = 99;
        const bool sound = image.follow_chain(3, chain);
        EXPECT_EQ(image.find_chain_end(3, last), sound) << s.what;
        if (sound) {
            EXPECT_EQ(last, chain.empty() ? 0u : chain.back()) << s.what;
        }
    }
}
