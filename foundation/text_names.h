#pragma once
// The sections of the text-section file the program reads, each an enum of
// its entries by name. The values are the entry numbers of the file (the
// first entry is 1); `last` is the highest entry the program reads.
// `section_name` of an entry gives its section's name in the file.

#include <array>
#include <string_view>
#include <vector>

namespace foundation {

namespace text_names {

enum class messages_caption { caption = 1, last = caption };
constexpr std::string_view section_name(messages_caption) { return "MESSAGES_CAPTION"; }

enum class out_of_memory { message = 1, last = message };
constexpr std::string_view section_name(out_of_memory) { return "OUT_OF_MEMORY"; }

enum class termination_message { leave_tutor = 1, really_stop, last = really_stop };
constexpr std::string_view section_name(termination_message) { return "TERMINATION_MESSAGE"; }

enum class students_manager {
    caption = 1,
    add_student_button,
    edit_button,
    delete_button,
    results_button,
    concise_results_button,   // also the concise results' title
    directory_label,
    delete_question_start,    // followed by the name
    delete_question_end,
    delete_failed,
    last = delete_failed,
};
constexpr std::string_view section_name(students_manager) { return "STUDENTS_MANAGER"; }

enum class students_manager_main_menu { file_menu = 1, help_menu, printer_settings, exit, about, last = about };
constexpr std::string_view section_name(students_manager_main_menu) { return "STUDENTS_MANAGER_MAIN_MENU"; }

// The guidance settings' check boxes, in the order of the settings record.
enum class guidance_settings_texts {
    guidance_is_on = 1,
    guidance_is_switchable,
    restart_guidance_enabled,
    guidance_starts_with_first_statement,
    test_results_are_stored,
    last = test_results_are_stored,
};
constexpr std::string_view section_name(guidance_settings_texts) { return "STUDENTS_MANAGER_SOME_OTHER_TEXTS"; }

enum class new_student_dialog {
    caption = 1,
    explanation,   // also the refusal of a short name or password
    name_label,
    password_label,
    file_exists,
    password_missing,
    last = password_missing,
};
constexpr std::string_view section_name(new_student_dialog) { return "NEW_STUDENT_DIALOG"; }

enum class edit_student_dialog {
    new_password_label = 1,
    remove_results_button,
    file_missing,
    file_invalid,
    password_too_short,
    last = password_too_short,
};
constexpr std::string_view section_name(edit_student_dialog) { return "STUDENTS_MANAGER_EDIT_STUDENT_DIALOG"; }

enum class results_error_messages {
    directory_start = 1,   // followed by the directory
    directory_missing_question,
    directory_unusable,
    io_error,              // followed by the error number
    file_label,            // followed by the file
    last = file_label,
};
constexpr std::string_view section_name(results_error_messages) { return "RESULTS_ERROR_MESSAGES"; }

enum class results_error_details { before_words = 1, after_words, damaged_file, last = damaged_file };
constexpr std::string_view section_name(results_error_details) { return "RESULTS_ERROR_DETAILS"; }

enum class results_file_messages {
    bad_name = 1,
    hidden_name,
    name_too_long,
    password_too_long,
    result_not_stored,
    statement_not_stored,
    full_file_start,   // followed by the file
    full_file_end,
    last = full_file_end,
};
constexpr std::string_view section_name(results_file_messages) { return "RESULTS_FILE_MESSAGES"; }

// In the order of the mends; all but the partial record are followed by a number.
enum class results_file_repairs {
    append_taken_back = 1,
    partial_record_cut,
    end_marker_written,
    link_cleared,
    chain_cut,
    unreachable_removed,
    last = unreachable_removed,
};
constexpr std::string_view section_name(results_file_repairs) { return "RESULTS_FILE_REPAIRS"; }

enum class student_results_texts {
    hours = 1,
    minutes,
    correct_out_of,
    time,
    no_objects_yet,
    level,
    total,
    total_correct_out_of,
    total_guidance_time,
    last = total_guidance_time,
};
constexpr std::string_view section_name(student_results_texts) { return "STUDENT_RESULTS_TEXTS"; }

enum class results_window {
    results_of = 1,   // the caption, followed by the name
    started_at,
    duration,
    practice_level,
    objects_done,
    done_correctly,
    last = done_correctly,
};
constexpr std::string_view section_name(results_window) { return "RESULTS_WINDOW"; }

enum class results_window_menus { file_menu = 1, print, exit, edit_menu, copy, last = copy };
constexpr std::string_view section_name(results_window_menus) { return "RESULTS_WINDOW_MENUS"; }

enum class concise_results { print_button = 1, copy_button, last = copy_button };
constexpr std::string_view section_name(concise_results) { return "STUDENTS_MANAGER_CONCISE_RESULTS"; }

enum class about_students_manager { caption = 1, product_name, version, last = version };
constexpr std::string_view section_name(about_students_manager) { return "STUDENTS_MANAGER_ABOUT"; }

// In the order of the view numbers.
enum class view_labels { left = 1, top, front, bottom, right, rear, last = rear };
constexpr std::string_view section_name(view_labels) { return "VIEW_LABELS"; }

// Each of the nine exercises has a section of each of these two, named in
// the lists below.
enum class exercise_caption { caption = 1, last = caption };
enum class exercise_instructions { first_line = 1, last = first_line + 2 };
inline constexpr std::array<std::string_view, 9> exercise_caption_sections{
    "PRACTICE_COLORING_CAPTION",           "PRACTICE_INDICATE_LINE_ISOM_CAPTION", "PRACTICE_INDICATE_LINE_TECH_CAPTION",
    "PRACTICE_ADD_LINE_ISOM_CAPTION",      "PRACTICE_ADD_LINE_TECH_CAPTION",      "PRACTICE_CONSTR_TECH_VIEW_A_CAPTION",
    "PRACTICE_CONSTR_TECH_VIEW_B_CAPTION", "PRACTICE_CONSTR_TECH_PROJ_CAPTION",   "PRACTICE_CONSTR_CUT_CAPTION",
};
inline constexpr std::array<std::string_view, 9> exercise_instruction_sections{
    "PRACTICE_COLORING_INSTR",           "PRACTICE_INDICATE_LINE_ISOM_INSTR", "PRACTICE_INDICATE_LINE_TECH_INSTR",
    "PRACTICE_ADD_LINE_ISOM_INSTR",      "PRACTICE_ADD_LINE_TECH_INSTR",      "PRACTICE_CONSTR_TECH_VIEW_A_INSTR",
    "PRACTICE_CONSTR_TECH_VIEW_B_INSTR", "PRACTICE_CONSTR_TECH_PROJ_INSTR",   "PRACTICE_CONSTR_CUT_INSTR",
};

enum class practice_status { exercise_mode = 1, test_mode, level, object, correct, last = correct };
constexpr std::string_view section_name(practice_status) { return "PRACTICE_STATUS"; }

enum class practice_general { incomplete = 1, not_correct, correct, last = correct };
constexpr std::string_view section_name(practice_general) { return "PRACTICE_GENERAL"; }

enum class practice_results { good_work = 1, excellent_work, objects_done, done_correctly, last = done_correctly };
constexpr std::string_view section_name(practice_results) { return "PRACTICE_RESULTS"; }

enum class end_of_exercise_messages {
    test_now_question = 1,
    practise_again_question,
    next_exercise_question,
    last_exercise_passed,
    last = last_exercise_passed,
};
constexpr std::string_view section_name(end_of_exercise_messages) { return "PRACTICE_END_OF_EXERCISE_MESSAGES"; }

// In the order of the practice window's buttons.
enum class practice_buttons {
    ready = 1,
    show_solution,
    previous_exercise,
    next_exercise,
    end_exercise,
    next_object,
    last = next_object,
};
constexpr std::string_view section_name(practice_buttons) { return "PRACTICE_BUTTONS"; }

enum class guidance_menu_exit_program { exit_program = 1, last = exit_program };
constexpr std::string_view section_name(guidance_menu_exit_program) { return "GUIDANCE_MENU_EXIT_PROGRAM"; }

enum class main_screen_status { choose_object = 1, last = choose_object };
constexpr std::string_view section_name(main_screen_status) { return "MAIN_SCREEN_STATUS"; }

enum class main_menus {
    file_menu = 1,
    theory_menu,
    practice_menu,
    guidance_menu,
    help_menu,
    pupil_login,
    change_password,
    settings,
    print,
    printer_settings,
    exit,
    perspective_chapter,   // the first of the four own theory chapters
    isometric_chapter,
    normal_chapter,
    hidden_lines_chapter,
    exercise_1,            // the first of the nine exercises
    exercise_9 = exercise_1 + 8,
    exercise_mode,
    test_mode,
    level_1,
    level_2,
    level_3,
    results,
    switch_guidance_on,    // shown while guidance is off
    switch_guidance_off,
    start_guidance_again,
    about,
    last = about,
};
constexpr std::string_view section_name(main_menus) { return "MAIN_MENUS"; }

enum class user_theory_menus { chapter_1 = 1, chapter_10 = 10, last = chapter_10 };
constexpr std::string_view section_name(user_theory_menus) { return "USER_THEORY_MENUS"; }

enum class workbench {
    oblique_choice = 1,   // the first of the four choices of projections
    normal_choice,
    both_choice,
    no_projection_choice,
    oblique_group,
    perspective,
    isometric,
    hidden_lines,
    oblique_colours,
    cut,
    normal_group,
    american_method,
    european_method,
    number_of_views,
    normal_colours,
    view_indications,
    select_object_group,
    category,
    object,
    last = object,
};
constexpr std::string_view section_name(workbench) { return "WORKBENCH"; }

enum class end_of_guidance { message = 1, last = message };
constexpr std::string_view section_name(end_of_guidance) { return "END_OF_GUIDANCE"; }

enum class forced_end_of_guidance { first_line = 1, last = first_line + 2 };
constexpr std::string_view section_name(forced_end_of_guidance) { return "FORCED_END_OF_GUIDANCE"; }

enum class guidance_finished_messages {
    finished = 1,
    start_again_question,
    cannot_start_again,
    finished_start_again_question,
    finished_tutor_closes,
    last = finished_tutor_closes,
};
constexpr std::string_view section_name(guidance_finished_messages) { return "OTHER_GUIDANCE_FINISHED_MESSAGES"; }

enum class monopolize_strings {
    option_start = 1,   // followed by the option's name
    option_end,         // followed by the settings file
    library_start,      // followed by the library (not for the hook)
    library_not_found,
    library_not_loaded,
    entry_point_missing,
    hook_failed,
    last = hook_failed,
};
constexpr std::string_view section_name(monopolize_strings) { return "MONOPOLIZE_STRINGS"; }

enum class pupil_login { caption = 1, name_label, password_label, log_in_button, cancel_button, refused, last = refused };
constexpr std::string_view section_name(pupil_login) { return "PUPIL_LOGIN"; }

enum class theory_window {
    close_button = 1,
    perspective_chapter,   // the first of the four own chapters
    isometric_chapter,
    normal_chapter,
    hidden_lines_chapter,
    additional_chapter,
    last = additional_chapter,
};
constexpr std::string_view section_name(theory_window) { return "THEORY_WINDOW"; }

enum class tutor_boxes { password = 1, settings, about_title, about_text, last = about_text };
constexpr std::string_view section_name(tutor_boxes) { return "TUTOR_BOXES"; }

enum class guidance_check {
    error = 1,
    warning,
    chapter_beyond_settings,
    label_never_jumped_to,
    label_carried_before,
    label_carried_by_none,
    unreachable_statement,
    unreachable_statements,
    circle_of_jumps,
    circle_without_way_out,
    jump_never_taken,
    jump_always_taken,
    exit_never_holds,
    exit_ok_never_holds,
    no_objects,
    objects_unchecked,
    flow_unchecked,
    counts,
    note,
    last = note,
};
constexpr std::string_view section_name(guidance_check) { return "GUIDANCE_CHECK"; }

enum class guidance_dry_run {
    opens_theory = 1,
    opens_exercise,
    opens_test,
    pupil_answers,
    ended_by_exit,
    pupil_leaves,
    pupil_held,
    jump_holds,
    jump_fails,
    jumps_on,
    halt_ends,
    guidance_finished,
    step_limit_reached,
    no_statements,
    the_end,
    endless_jumps,
    statement_word,
    last = statement_word,
};
constexpr std::string_view section_name(guidance_dry_run) { return "GUIDANCE_DRY_RUN"; }

enum class class_overview {
    caption = 1,
    heading_student,   // the first of the table's seven column headings
    heading_time = heading_student + 6,
    label_all,
    label_class_average,
    exercise_chart_title,
    student_chart_title,
    level_label,
    page_of_pages,
    table_tab,
    exercises_tab,
    students_tab,
    print_caption,
    class_average_label,
    wrote_pages,
    wrote_file,
    ok_button,
    last = ok_button,
};
constexpr std::string_view section_name(class_overview) { return "CLASS_OVERVIEW"; }

enum class printing { failed = 1, last = failed };
constexpr std::string_view section_name(printing) { return "PRINTING"; }

enum class solid_problems {
    corners_beyond_row = 1,
    fewer_than_three_corners,
    unknown_colour,
    corner_not_a_vertex,
    too_many_crossings,
    last = too_many_crossings,
};
constexpr std::string_view section_name(solid_problems) { return "SOLID_PROBLEMS"; }

enum class results_file_problems {
    size_not_records = 1,
    size_too_small,
    size_too_large,
    chain_loops,
    chain_outside,
    chain_outside_none,   // when the file holds no result records
    chain_links_back,
    in_two_chains,
    unreached,
    record_run,
    end_marker,
    name_check,
    unreadable,
    last = unreadable,
};
constexpr std::string_view section_name(results_file_problems) { return "RESULTS_FILE_PROBLEMS"; }

enum class class_list_problems {
    columns = 1,
    unknown_column,
    semicolons,
    column_twice,
    name_and_password,
    cell_beyond,
    not_a_flag,
    empty,
    quote_not_closed,
    quote_must_end,
    name_not_utf8,
    password_control,
    same_student,
    last = same_student,
};
constexpr std::string_view section_name(class_list_problems) { return "CLASS_LIST_PROBLEMS"; }

enum class students_tool_usage {
    see_help = 1,
    unknown_command,
    unknown_option,
    option_takes_no_value,
    option_needs_value,
    too_few_operands,
    unexpected_operand,
    no_settings_file,
    no_results_file,
    create_needs_password,
    cannot_read_class_list,
    class_list_too_large,
    not_a_whole_number,
    a_score,
    an_exercise,
    guidance_action,
    run_options,
    config_action,
    not_a_section_name,
    not_a_key,
    value_line_break,
    value_blank_ends,
    value_too_long,
    not_an_entry_number,
    report_output,
    last = report_output,
};
constexpr std::string_view section_name(students_tool_usage) { return "STUDENTS_TOOL_USAGE"; }

enum class students_tool_messages {
    heading_name = 1,
    heading_results,
    heading_file,
    yes,
    no,
    valid,
    invalid,
    mended,
    not_mended,
    file_checked,
    files_checked,
    created_file,
    created_student,
    created_students,
    student_would_be_created,
    students_would_be_created,
    at_line,
    nothing_created,
    row_refused,
    rows_refused,
    import_stopped,
    import_not_flushed,
    exported,
    cannot_write,
    cannot_write_settings,
    no_section,
    stopped,
    answered_no,
    answered_cancel,
    last = answered_cancel,
};
constexpr std::string_view section_name(students_tool_messages) { return "STUDENTS_TOOL_MESSAGES"; }

// The tool's help: every line of the section, its list of commands at "%1".
enum class students_tool_help { first_line = 1, last = first_line };
constexpr std::string_view section_name(students_tool_help) { return "STUDENTS_TOOL_HELP"; }

// Each command's help has a section of its own, named after the command.
enum class students_tool_command_help { usage = 1, summary, description, last = description };
inline constexpr std::string_view students_tool_command_help_prefix = "STUDENTS_TOOL_HELP_";
inline constexpr std::array<std::string_view, 11> students_tool_command_help_sections{
    "STUDENTS_TOOL_HELP_LIST",   "STUDENTS_TOOL_HELP_SHOW",   "STUDENTS_TOOL_HELP_CONCISE", "STUDENTS_TOOL_HELP_CHECK",
    "STUDENTS_TOOL_HELP_CREATE", "STUDENTS_TOOL_HELP_IMPORT", "STUDENTS_TOOL_HELP_EXPORT",  "STUDENTS_TOOL_HELP_CONFIG",
    "STUDENTS_TOOL_HELP_TEXT",   "STUDENTS_TOOL_HELP_GUIDANCE", "STUDENTS_TOOL_HELP_REPORT"};

// A section and the highest entry the program reads of it.
struct section_use {
    std::string_view name;
    int last = 0;
};

template <class... Entry> constexpr auto uses_of()
{
    return std::array<section_use, sizeof...(Entry)>{section_use{section_name(Entry{}), static_cast<int>(Entry::last)}...};
}

// Every section the program reads, for a check of a text file.
inline std::vector<section_use> every_section_used()
{
    constexpr auto named = uses_of<messages_caption, out_of_memory, termination_message, students_manager,
                                   students_manager_main_menu, guidance_settings_texts, new_student_dialog,
                                   edit_student_dialog, results_error_messages, results_error_details,
                                   results_file_messages, results_file_repairs, student_results_texts, results_window,
                                   results_window_menus, concise_results, about_students_manager, view_labels,
                                   practice_status, practice_general, practice_results, end_of_exercise_messages,
                                   practice_buttons, guidance_menu_exit_program, main_screen_status, main_menus,
                                   user_theory_menus, workbench, end_of_guidance, forced_end_of_guidance,
                                   guidance_finished_messages, monopolize_strings, pupil_login, theory_window,
                                   tutor_boxes, guidance_check, guidance_dry_run, class_overview, printing, solid_problems,
                                   results_file_problems, class_list_problems, students_tool_usage,
                                   students_tool_messages, students_tool_help>();
    std::vector<section_use> uses(named.begin(), named.end());
    for (const std::string_view name : exercise_caption_sections)
        uses.push_back({name, static_cast<int>(exercise_caption::last)});
    for (const std::string_view name : exercise_instruction_sections)
        uses.push_back({name, static_cast<int>(exercise_instructions::last)});
    for (const std::string_view name : students_tool_command_help_sections)
        uses.push_back({name, static_cast<int>(students_tool_command_help::last)});
    return uses;
}

} // namespace text_names

} // namespace foundation
