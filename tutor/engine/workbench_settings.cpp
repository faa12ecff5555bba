#include "tutor/engine/workbench_settings.h"

#include "foundation/settings.h"

using namespace foundation;

namespace tutor::engine {

namespace {

bool holds(const std::string& text, char letter)
{
    return text.find(letter) != std::string::npos;
}

} // namespace

oblique_view_settings parse_non_technical_view_settings(const std::string& text)
{
    oblique_view_settings s;
    s.shown = holds(text, 'I') || holds(text, 'P');
    s.perspective = holds(text, 'P');
    s.hidden_lines = holds(text, 'H');
    s.colours = holds(text, 'C');
    s.cut = holds(text, 'X');
    return s;
}

normal_view_settings parse_technical_views_settings(const std::string& text)
{
    normal_view_settings s;
    s.shown = holds(text, 'A') || holds(text, 'E');
    s.american = holds(text, 'A');
    s.three_views = holds(text, '3');
    s.colours = holds(text, 'C');
    s.indications = holds(text, 'N');
    return s;
}

std::string non_technical_view_settings_text(const oblique_view_settings& settings)
{
    std::string text;
    if (settings.shown)
        text += settings.perspective ? "P" : "I";
    if (settings.hidden_lines)
        text += "H";
    if (settings.colours)
        text += "C";
    if (settings.cut)
        text += "X";
    return text;
}

std::string technical_views_settings_text(const normal_view_settings& settings)
{
    std::string text;
    if (settings.shown)
        text += settings.american ? "A" : "E";
    if (settings.three_views)
        text += "3";
    if (settings.colours)
        text += "C";
    if (settings.indications)
        text += "N";
    return text;
}

oblique_view_settings read_non_technical_view_settings()
{
    return parse_non_technical_view_settings(read_setting("", "GENERAL", non_technical_view_settings_key, "IHC"));
}

normal_view_settings read_technical_views_settings()
{
    return parse_technical_views_settings(read_setting("", "GENERAL", technical_views_settings_key, "A6CN"));
}

void write_view_settings(const oblique_view_settings& oblique, const normal_view_settings& normal)
{
    write_setting("", "GENERAL", non_technical_view_settings_key, non_technical_view_settings_text(oblique));
    write_setting("", "GENERAL", technical_views_settings_key, technical_views_settings_text(normal));
}

int initial_practice_level()
{
    const std::string value = read_setting("", "GENERAL", "Initial Practice Level", "1");
    if (value.starts_with('2'))
        return 2;
    if (value.starts_with('3'))
        return 3;
    return 1;
}

} // namespace tutor::engine
