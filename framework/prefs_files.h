// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#pragma once
// Text files in the user's preferences folder. Files are bytes: nothing is
// converted on reading or writing.

#include <cstring>
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
template <class OnLine>
void forEachLine(std::string_view text, OnLine&& onLine) {
  const char* const end = text.data() + text.size();
  const char* begin = text.data();
  if (text.find('\r') == std::string_view::npos) {
    // The common file of LF-ended lines: jump from line end to line end.
    for (const char* at; (at = static_cast<const char*>(std::memchr(begin, '\n', static_cast<std::size_t>(end - begin))));
         begin = at + 1) {
      onLine(std::string_view(begin, static_cast<std::size_t>(at - begin)));
    }
    if (begin != end) onLine(std::string_view(begin, static_cast<std::size_t>(end - begin)));
    return;
  }
  for (const char* at = begin; at != end; ++at) {
    if (*at != '\n' && *at != '\r') continue;
    onLine(std::string_view(begin, static_cast<std::size_t>(at - begin)));
    if (*at == '\r' && at + 1 != end && at[1] == '\n') ++at;
    begin = at + 1;
  }
  if (begin != end) onLine(std::string_view(begin, static_cast<std::size_t>(end - begin)));
}

// Replaces the file atomically: the new bytes reach the disk under a temporary
// name first and take the file's place only when complete. On any failure the
// old file stays whole and false is returned.
bool replaceFile(const std::string& path, std::string_view bytes);

// Appends one LF-ended line in a single write, creating the file if needed.
bool appendLine(const std::string& path, std::string_view line);

// Tests make a save fail just before its new file would take the old one's place.
void setFailSavesBeforeReplacing(bool fail);

}  // namespace fw
