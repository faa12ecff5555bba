#pragma once
// The students manager from start to end: the start-up sequence, the windows
// in their order, the message loop. Returns the exit code.

int run_students_manager(int argc, char** argv);
