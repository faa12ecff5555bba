#include "tutor/engine/guidance_records.h"

#include <stdexcept>
#include <string>

namespace tutor::engine {

namespace guidance_records {

template <std::size_t Size>
void byte_record<Size>::check_span(std::size_t offset, std::size_t width) const
{
    if (offset > Size || width > Size - offset)
        throw std::out_of_range("a field beyond a " + std::to_string(Size) + "-byte record");
}

template <std::size_t Size>
std::uint16_t byte_record<Size>::u16(std::size_t offset) const
{
    return static_cast<std::uint16_t>(u8(offset) | u8(offset + 1) << 8);
}

template <std::size_t Size>
std::uint32_t byte_record<Size>::u32(std::size_t offset) const
{
    return static_cast<std::uint32_t>(u16(offset)) | static_cast<std::uint32_t>(u16(offset + 2)) << 16;
}

template <std::size_t Size>
void byte_record<Size>::put_u16(std::size_t offset, std::uint16_t value)
{
    check_span(offset, 2);   // before anything is written
    put_u8(offset, static_cast<std::uint8_t>(value & 0xFF));
    put_u8(offset + 1, static_cast<std::uint8_t>(value >> 8));
}

template <std::size_t Size>
void byte_record<Size>::put_u32(std::size_t offset, std::uint32_t value)
{
    check_span(offset, 4);
    put_u16(offset, static_cast<std::uint16_t>(value & 0xFFFF));
    put_u16(offset + 2, static_cast<std::uint16_t>(value >> 16));
}

template class byte_record<13>;
template class byte_record<20>;

std::size_t condition_node::operand_offset(int which)
{
    if (which != 0 && which != 1)
        throw std::out_of_range("a condition has two operands");
    return which == 0 ? 4 : 12;
}

operand condition_node::operand_at(int which) const
{
    const std::size_t at = operand_offset(which);
    return {static_cast<operand_kind>(u8(at)), u16(at + 2), u32(at + 4)};
}

void condition_node::set_operand(int which, const operand& o)
{
    const std::size_t at = operand_offset(which);
    put_u8(at, o.kind);
    put_u16(at + 2, o.value);
    put_u32(at + 4, o.nested);
}

statement_table::statement_table(int count)
{
    if (count < 0 || count > max_statements)
        throw std::out_of_range("a statement table holds 0 to " + std::to_string(max_statements) + " statements");
    statements_.resize(static_cast<std::size_t>(count));
}

const statement_record& statement_table::statement(int number) const
{
    if (number < 1 || number > count())
        throw std::out_of_range("no guidance statement " + std::to_string(number));
    return statements_[static_cast<std::size_t>(number) - 1];
}

void statement_table::set_statement(int number, const statement_record& record)
{
    statement(number);   // throws when out of range
    statements_[static_cast<std::size_t>(number) - 1] = record;
}

condition_ref statement_table::add_condition(const condition_node& node)
{
    conditions_.push_back(node);
    return static_cast<condition_ref>(conditions_.size());
}

const condition_node& statement_table::condition(condition_ref ref) const
{
    if (ref == no_condition || ref > conditions_.size())
        throw std::out_of_range("no guidance condition " + std::to_string(ref));
    return conditions_[ref - 1];
}

} // namespace guidance_records

} // namespace tutor::engine
