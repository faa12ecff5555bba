#pragma once
// The two-pass compiler of the guidance language: count the statements (a
// run of ";" ends one), then parse each into its record. A fault gives the
// message the program stops with and no table.
//
//   statement  = [label ":"] ( ";" | "TH" n | ("EX" | "TE") n options
//                | "GOTO" target | "IF" condition "GOTO" target | "HALT" [code] ) ";"...
//   options    = { "/L=" level | "/EXIT=" condition | "/EXIT_OK=" condition }
//   condition  = "(" operand operator operand ")"
//   operand    = number | "COUNT" | "SCORE" ["(" n ")"] | "TIME" | "TOTAL_TIME" | condition
//   operator   = "AND" | "OR" | "<" | "<=" | "=" | ">=" | ">" | "<>"

#include "tutor/guidance_file.h"
#include "tutor/guidance_records.h"

#include <string>

// Deeper nesting is refused, so compiling and evaluating stay within the stack.
inline constexpr int max_condition_nesting = 32;

struct guidance_compilation {
    guidance_records::statement_table table;
    std::string error;   // the whole message; empty when the text compiled
};

// TH takes chapters 1 to theory_chapters.
guidance_compilation compile_guidance(const guidance_text& text, int theory_chapters);
