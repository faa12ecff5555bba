#pragma once
// The program from start to end: the start-up sequence, the windows in their
// order, the message loop. The students manager shows its own main window;
// the tutor starts up the same way and shows the tutor main window instead.
// Each returns the exit code.

int run_students_manager(int argc, char** argv);
int run_tutor(int argc, char** argv);
