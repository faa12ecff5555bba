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

#include "tutor/engine/guidance_file.h"
#include "tutor/engine/guidance_records.h"

#include <string>
#include <vector>

namespace tutor::engine {

// Deeper nesting is refused, so compiling and evaluating stay within the stack.
inline constexpr int max_condition_nesting = 32;

struct guidance_compilation {
    guidance_records::statement_table table;
    std::string error;   // the whole message; empty when the text compiled
};

// TH takes chapters 1 to theory_chapters.
guidance_compilation compile_guidance(const guidance_text& text, int theory_chapters);

// A fault as the tutor would stop on it, where the scanner stood.
struct guidance_fault {
    int line = -1;            // index of the kept line; -1 in a text without characters
    std::string detail;       // the end of the tutor's message: "digit expected", ...
    int theory_chapter = 0;   // of a TH beyond the chapters: the chapter asked for
};

// Every fault of a text, for checking it: after a fault compiling goes on
// behind the statement's ";". A faulty statement stays empty, with its
// label when that was read.
struct guidance_check_compilation {
    guidance_records::statement_table table;
    std::vector<int> statement_lines;   // [k]: the kept line where statement k starts; [0] unused
    std::vector<guidance_fault> faults;
};

guidance_check_compilation compile_guidance_collecting(const guidance_text& text, int theory_chapters);

} // namespace tutor::engine
