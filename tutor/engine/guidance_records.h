#pragma once
// The compiled guidance program as bytes: 13-byte statement records in file
// order and 20-byte condition nodes. The tutor's guidance was built on these
// layouts, so they stay exact; every field is read and written through an
// accessor that checks its offset, and nothing is written past a record.
//
// Statement record:
//   0-1 label (u16, 0 = none), 2 number, 3 kind, 4-12 by kind:
//   EX, TE  4 level, 5-8 EXIT_OK condition, 9-12 EXIT condition
//   GOTO    4-7 condition (none for a plain GOTO), 8-9 target label (u16)
//   HALT    4-5 exit code (u16)
// Condition node:
//   0 operator, 1-3 unused, 4-11 first operand, 12-19 second operand;
//   an operand is 0 kind, 1 unused, 2-3 value (u16), 4-7 nested condition.
// A condition reference is 32 bits: 0 is none, k is the k-th node of the
// table's pool, counted from 1.
// Integers are little-endian.

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace tutor::engine {

namespace guidance_records {

using condition_ref = std::uint32_t;
inline constexpr condition_ref no_condition = 0;

enum statement_kind : std::uint8_t { kind_empty = 0, kind_theory = 1, kind_exercise = 2, kind_test = 3,
                                     kind_goto = 4, kind_halt = 5 };

enum condition_operator : std::uint8_t { op_and = 0, op_or = 1, op_less = 2, op_less_equal = 3, op_equal = 4,
                                         op_greater_equal = 5, op_greater = 6, op_not_equal = 7 };

enum operand_kind : std::uint8_t { operand_count = 0, operand_score = 1, operand_time = 2, operand_total_time = 3,
                                   operand_number = 4, operand_condition = 5 };

// A fixed run of bytes whose fields are read and written by offset.
template <std::size_t Size>
class byte_record {
public:
    static constexpr std::size_t size = Size;

    std::uint8_t u8(std::size_t offset) const { return bytes_.at(offset); }
    std::uint16_t u16(std::size_t offset) const;
    std::uint32_t u32(std::size_t offset) const;
    void put_u8(std::size_t offset, std::uint8_t value) { bytes_.at(offset) = value; }
    void put_u16(std::size_t offset, std::uint16_t value);
    void put_u32(std::size_t offset, std::uint32_t value);
    const std::array<std::uint8_t, Size>& bytes() const { return bytes_; }

private:
    void check_span(std::size_t offset, std::size_t width) const;

    std::array<std::uint8_t, Size> bytes_{};
};

class statement_record : public byte_record<13> {
public:
    std::uint16_t label() const { return u16(0); }
    void set_label(std::uint16_t label) { put_u16(0, label); }
    std::uint8_t number() const { return u8(2); }
    void set_number(std::uint8_t number) { put_u8(2, number); }
    std::uint8_t kind() const { return u8(3); }
    void set_kind(statement_kind kind) { put_u8(3, kind); }

    // EX and TE
    std::uint8_t level() const { return u8(4); }
    void set_level(std::uint8_t level) { put_u8(4, level); }
    condition_ref exit_ok_condition() const { return u32(5); }
    void set_exit_ok_condition(condition_ref c) { put_u32(5, c); }
    condition_ref exit_condition() const { return u32(9); }
    void set_exit_condition(condition_ref c) { put_u32(9, c); }

    // GOTO and IF ... GOTO
    condition_ref jump_condition() const { return u32(4); }
    void set_jump_condition(condition_ref c) { put_u32(4, c); }
    std::uint16_t target() const { return u16(8); }
    void set_target(std::uint16_t label) { put_u16(8, label); }

    // HALT
    std::uint16_t exit_code() const { return u16(4); }
    void set_exit_code(std::uint16_t code) { put_u16(4, code); }
};

struct operand {
    operand_kind kind = operand_number;
    std::uint16_t value = 0;            // the number, or the SCORE window
    condition_ref nested = no_condition;
};

class condition_node : public byte_record<20> {
public:
    std::uint8_t operator_code() const { return u8(0); }
    void set_operator(condition_operator op) { put_u8(0, op); }
    // Operand 0 or 1.
    operand operand_at(int which) const;
    void set_operand(int which, const operand& o);

private:
    static std::size_t operand_offset(int which);
};

// The statement table (its size fixed when allocated) and the condition
// nodes it owns. Statements are numbered from 1.
class statement_table {
public:
    static constexpr int max_statements = 4000;

    statement_table() = default;
    // Zero-filled records; count from 0 to max_statements.
    explicit statement_table(int count);

    int count() const { return static_cast<int>(statements_.size()); }
    // Out-of-range numbers and references throw std::out_of_range.
    const statement_record& statement(int number) const;
    void set_statement(int number, const statement_record& record);

    condition_ref add_condition(const condition_node& node);
    const condition_node& condition(condition_ref ref) const;
    std::size_t condition_count() const { return conditions_.size(); }

private:
    std::vector<statement_record> statements_;
    std::vector<condition_node> conditions_;
};

} // namespace guidance_records

} // namespace tutor::engine
