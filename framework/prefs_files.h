#pragma once
// Text files in the user's preferences folder. Files are bytes: nothing is
// converted on reading or writing.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace fw {

// The platform's per-user configuration folder (on Linux $XDG_CONFIG_HOME,
// by default ~/.config), unless overridden; empty when there is none.
std::string preferencesFolder();
// Points the preferences folder elsewhere (tests); an empty path restores the default.
void setPreferencesFolder(std::string path);

// Path of a named child of the preferences folder; empty when there is no folder.
std::string preferencesFile(const std::string& name);

bool fileExists(const std::string& path);

// The whole file; nothing when it cannot be read.
std::optional<std::string> readFile(const std::string& path);

// Calls back with each line of text without its terminator (LF, CRLF or a
// lone CR); a final terminator adds no empty line.
void forEachLine(std::string_view text, const std::function<void(std::string_view line)>& onLine);

// Replaces the file atomically: the new bytes reach the disk under a temporary
// name first and take the file's place only when complete. On any failure the
// old file stays whole and false is returned.
bool replaceFile(const std::string& path, std::string_view bytes);

// Appends one LF-ended line in a single write, creating the file if needed.
bool appendLine(const std::string& path, std::string_view line);

// Tests make a save fail just before its new file would take the old one's place.
void setFailSavesBeforeReplacing(bool fail);

}  // namespace fw
