// File helpers of the stand-in messenger: log lines, atomic state file, commands file.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

// Uppercase hexadecimal without padding or prefix: 0x2003A -> "2003A", 0 -> "0".
std::string Hex(std::uintmax_t value);

// Creates the file, or truncates it to empty. False when it cannot be created.
bool CreateEmptyFile(const std::string& path);

// Opens for append, writes line + '\n', closes (so a reader sees it at once).
bool AppendLine(const std::string& path, const std::string& line);

// Writes path + ".tmp", then MoveFileExA(..., MOVEFILE_REPLACE_EXISTING).
bool WriteFileAtomically(const std::string& path, const std::string& content);

// If the file exists and can be read whole and then deleted, returns its content.
// Otherwise nullopt (absent, still held open by a writer, not deletable): try again later.
std::optional<std::string> TakeFile(const std::string& path);
