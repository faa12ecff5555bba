#pragma once
// The pupil's login to the tutor: the pupil names a results file and gives
// its password; when the password fits, the pupil becomes the current pupil
// of the guidance, which takes the guidance settings, place and time from
// the pupil's file. Nothing changes when the login is refused.

#include "foundation/outcome.h"

#include <string>

namespace tutor::engine {

// Done when the pupil is logged in. Failed quietly for a name that has no
// results file or a wrong password, with the I/O message for a file that
// cannot be read; without the global student files object or guidance
// nothing is checked and it fails quietly too. The pupil logged in before,
// if any, has the guidance state saved first.
foundation::outcome log_in_pupil(const std::string& name, const std::string& password);

} // namespace tutor::engine
