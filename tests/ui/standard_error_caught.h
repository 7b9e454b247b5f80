// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#pragma once
// What the process writes to standard error while one lives: the line a save
// that failed with nobody to ask leaves there.

#include <cstdio>
#include <string>

#include <unistd.h>

namespace testing_support {

class StandardErrorCaught {
public:
  StandardErrorCaught() : caught_(std::tmpfile()), saved_(::dup(STDERR_FILENO)) {
    std::fflush(stderr);
    ::dup2(::fileno(caught_), STDERR_FILENO);
  }
  ~StandardErrorCaught() {
    std::fflush(stderr);
    ::dup2(saved_, STDERR_FILENO);
    ::close(saved_);
    std::fclose(caught_);
  }
  StandardErrorCaught(const StandardErrorCaught&) = delete;
  StandardErrorCaught& operator=(const StandardErrorCaught&) = delete;
  std::string text() {
    std::fflush(stderr);
    std::string all;
    std::rewind(caught_);
    for (int c; (c = std::fgetc(caught_)) != EOF;) all += static_cast<char>(c);
    return all;
  }

private:
  std::FILE* caught_;
  int saved_;
};

}  // namespace testing_support
