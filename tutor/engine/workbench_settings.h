#pragma once
// The tutor workbench's start settings (section "GENERAL"): which
// projections it shows and with which options, and the practice level.
// The two view settings strings are read by the letters they hold, anywhere
// in the text and in capitals; they are written back in the same letters.

#include <string>

namespace tutor::engine {

struct oblique_view_settings {
    bool shown = false;         // "I" or "P"
    bool perspective = false;   // "P"; isometric otherwise
    bool hidden_lines = false;  // "H"
    bool colours = false;       // "C"
    bool cut = false;           // "X"
};

struct normal_view_settings {
    bool shown = false;         // "A" or "E"
    bool american = false;      // "A"; European otherwise
    bool three_views = false;   // "3"; six otherwise
    bool colours = false;       // "C"
    bool indications = false;   // "N"
};

inline const std::string non_technical_view_settings_key = "Initial Non-Technical View Settings";
inline const std::string technical_views_settings_key = "Initial Technical Views Settings";

oblique_view_settings parse_non_technical_view_settings(const std::string& text);
normal_view_settings parse_technical_views_settings(const std::string& text);
// "P" or "I" only when shown, then "H", "C", "X" for the options that are on.
std::string non_technical_view_settings_text(const oblique_view_settings& settings);
// "A" or "E" only when shown, then "3", "C", "N" for the options that are on.
std::string technical_views_settings_text(const normal_view_settings& settings);

// From the settings file, with the defaults "IHC" and "A6CN".
oblique_view_settings read_non_technical_view_settings();
normal_view_settings read_technical_views_settings();
void write_view_settings(const oblique_view_settings& oblique, const normal_view_settings& normal);

// "Initial Practice Level": a first character "2" gives 2, "3" gives 3, anything else 1.
int initial_practice_level();

} // namespace tutor::engine
