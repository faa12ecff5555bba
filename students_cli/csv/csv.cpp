#include "students_cli/csv/csv.h"

namespace students_cli::csv {

namespace {

class csv_parser {
public:
    explicit csv_parser(std::string_view text) : text_(text)
    {
        if (text_.substr(0, 3) == "\xEF\xBB\xBF")
            position_ = 3;
    }

    csv_table read()
    {
        while (position_ < text_.size() && !table_.error)
            read_row();
        return std::move(table_);
    }

private:
    bool at_end() const { return position_ >= text_.size(); }
    char peek() const { return text_[position_]; }
    bool at_line_end() const { return !at_end() && (peek() == '\n' || peek() == '\r'); }

    // CR LF, LF or CR.
    void skip_line_end()
    {
        if (peek() == '\r' && position_ + 1 < text_.size() && text_[position_ + 1] == '\n')
            ++position_;
        ++position_;
        ++line_;
    }

    void read_row()
    {
        csv_row row;
        row.line = line_;
        for (;;) {
            row.cells.push_back(at_end() || peek() != '"' ? unquoted_cell() : quoted_cell());
            if (!!table_.error)
                return;
            if (at_end())
                break;
            if (at_line_end()) {
                skip_line_end();
                break;
            }
            ++position_;   // the comma
        }
        table_.rows.push_back(std::move(row));
    }

    std::string unquoted_cell()
    {
        const std::size_t start = position_;
        while (!at_end() && peek() != ',' && !at_line_end())
            ++position_;
        return std::string(text_.substr(start, position_ - start));
    }

    std::string quoted_cell()
    {
        const int first_line = line_;
        std::string cell;
        ++position_;   // the opening quote
        for (;;) {
            if (at_end())
                return fail(first_line, class_list_problem_kind::quote_not_closed);
            if (peek() == '"' && position_ + 1 < text_.size() && text_[position_ + 1] == '"') {
                cell += '"';
                position_ += 2;
            } else if (peek() == '"') {
                ++position_;
                break;
            } else if (at_line_end()) {
                const std::size_t start = position_;
                skip_line_end();
                cell.append(text_.substr(start, position_ - start));
            } else {
                cell += text_[position_++];
            }
        }
        if (!at_end() && peek() != ',' && !at_line_end())
            return fail(line_, class_list_problem_kind::quote_must_end);
        return cell;
    }

    std::string fail(int line, class_list_problem_kind what)
    {
        table_.error = class_list_problem{what, {}};
        table_.error_line = line;
        return {};
    }

    std::string_view text_;
    std::size_t position_ = 0;
    int line_ = 1;
    csv_table table_;
};

} // namespace

csv_table read_csv(std::string_view text)
{
    return csv_parser(text).read();
}

std::string csv_cell(std::string_view text)
{
    // A leading byte order mark is quoted too, or a reader would drop it from a first cell.
    const bool plain = text.find_first_of(",\"\r\n") == std::string_view::npos
        && (text.empty() || (text.front() != ' ' && text.back() != ' ')) && text.substr(0, 3) != "\xEF\xBB\xBF";
    if (plain)
        return std::string(text);
    std::string cell = "\"";
    for (const char c : text) {
        if (c == '"')
            cell += '"';
        cell += c;
    }
    return cell + '"';
}

std::string csv_line(const std::vector<std::string>& cells)
{
    std::string line;
    for (std::size_t i = 0; i < cells.size(); ++i)
        line += (i > 0 ? "," : "") + csv_cell(cells[i]);
    return line + "\r\n";
}

} // namespace students_cli::csv
