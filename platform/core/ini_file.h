#pragma once
// Reader and writer of initialization files: "[section]" lines open a
// section, "key=value" lines give values, lines starting with ";" are
// comments. Sections and keys match without regard to case; blanks around
// names and values are dropped. A write keeps every other line as it was:
// it reads and replaces the file under a lock (file_write.h), so writers in
// other processes neither lose each other's keys nor see half a file.
// It does not interpret values: callers cut and convert them.

#include "platform/core/file_write.h"

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

// Writes the key; creates the file when missing. A file that exists but
// cannot be read is left untouched, as is any file that cannot be written.
file_update ini_write(const std::string& path, const std::string& section, const std::string& key,
                      const std::string& value);

} // namespace platform
