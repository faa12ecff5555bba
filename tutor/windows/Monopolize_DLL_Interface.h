#pragma once
// The system-monopolizing library: while a pupil works, a library of its own
// (found under the name "WSOLOSYS.DLL" in the start or the program
// directory) is handed the tutor's process and a hook on its windows, so it
// can keep the pupil inside the tutor. Every failure gives its message and
// the tutor goes on without monopolizing.

#include <string>

namespace tutor::windows {

class TBackGroundScreen;

inline const std::string monopolize_library_name = "WSOLOSYS.DLL";

// Loads the library, tells it the process, installs the hook and tells it the
// hook. Called by the tutor main window when "Monopolize System" is on.
void monopolize();

// What the tutor main window does each time it is shown: monopolizes when
// the setting "Monopolize System" is on, and shows the background screen
// when "Use Background Screen" is on (both in "GENERAL", default No).
void monopolize_as_set(TBackGroundScreen& background_screen);

// At program end: removes the hook and, unless that failed, unloads the library.
void release_monopolize();

// Whether the library is loaded and the hook installed now.
bool monopolize_library_loaded();
bool monopolize_hook_installed();

} // namespace tutor::windows
