#include "student_files/results_format.h"
#include "student_files/student_data_files.h"

#include <gtest/gtest.h>

using namespace results_format;

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
