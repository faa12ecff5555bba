#pragma once
// Reader and writer of initialization files: "[section]" lines open a
// section, "key=value" lines give values, lines starting with ";" are
// comments. Sections and keys match without regard to case; blanks around
// names and values are dropped. A write keeps every other line as it was and
// replaces the file atomically (temporary file, then rename).
// It does not interpret values: callers cut and convert them.

#include <optional>
#include <string>

namespace platform {

// The value of the key, or nothing when the file, the section or the key is
// missing. The first matching key of the first matching section wins.
std::optional<std::string> ini_read(const std::string& path, const std::string& section,
                                    const std::string& key);

// The same over text already in memory (used by the reader and the fuzz target).
std::optional<std::string> ini_find(const std::string& contents, const std::string& section,
                                    const std::string& key);

// The text with the key set to the value: an existing key's line is replaced,
// a new key goes after the section's last entry, a new section at the end.
std::string ini_update(const std::string& contents, const std::string& section,
                       const std::string& key, const std::string& value);

// Writes the key; creates the file when missing. False when the file could
// not be written (the old file is then untouched).
bool ini_write(const std::string& path, const std::string& section, const std::string& key,
               const std::string& value);

} // namespace platform
