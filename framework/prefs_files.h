#pragma once
// Text files in the user's preferences folder. Lines are bytes: nothing is
// converted on reading or writing.

#include <optional>
#include <string>
#include <vector>

namespace fw {

// The platform's per-user configuration folder (on Linux $XDG_CONFIG_HOME,
// by default ~/.config), unless overridden.
std::string preferencesFolder();
// Points the preferences folder elsewhere (tests); an empty path restores the default.
void setPreferencesFolder(std::string path);

// Path of a named child of the preferences folder.
std::string preferencesFile(const std::string& name);

bool fileExists(const std::string& path);

// The file's lines without their terminators (LF, CRLF or a lone CR); a final
// line terminator adds no empty line. Nothing when the file cannot be read.
std::optional<std::vector<std::string>> readLines(const std::string& path);

// Replaces the file atomically with the lines, each ended by LF: on any failure
// the old file stays whole and false is returned.
bool replaceWithLines(const std::string& path, const std::vector<std::string>& lines);

// Appends one LF-ended line in a single write, creating the file if needed.
bool appendLine(const std::string& path, const std::string& line);

}  // namespace fw
