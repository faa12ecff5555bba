#pragma once
// The pupil's login to the tutor: the pupil names a results file and gives
// its password; when the password fits, the pupil becomes the current pupil
// of the guidance, which takes the guidance settings, place and time from
// the pupil's file. Nothing changes when the login is refused.

#include <string>

// True when the pupil is logged in. False for a name that has no results
// file, a wrong password or a file that cannot be read; without the global
// student files object or guidance nothing is checked and it is false too.
// The pupil logged in before, if any, has the guidance state saved first.
bool log_in_pupil(const std::string& name, const std::string& password);
