#pragma once
// A window's picture compared with its reviewed reference image in
// tests/data/screenshots/. Font rendering may move a few glyph pixels, so a
// pixel only counts as different when one of its colour channels differs by
// more than a font's antialiasing does, and a few such pixels are allowed.
//
// With WINTOLA_UPDATE_SCREENSHOTS=1 in the environment the picture becomes
// the new reference instead (look at it before committing it). A picture
// that does not match is left in build/screenshots/ beside the reference's
// name, for a person to look at.

#include <QImage>

#include <string>

namespace screen_picture {

// Empty when the picture matches its reference (or became it); else what went wrong.
std::string check(const QImage& shown, const std::string& name);

} // namespace screen_picture
