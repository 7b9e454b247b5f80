// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "framework/list_box.h"

#include <gtest/gtest.h>

namespace {

struct Shown {
  const char* name;
  std::string bytes;
  QString text;
};
void PrintTo(const Shown& value, std::ostream* out) { *out << value.name; }

class ListBoxCells : public testing::TestWithParam<Shown> {};

// What the list shows of a cell; its bytes stay as they are.
TEST_P(ListBoxCells, ShowEveryCellWholeOrPlainlyCut) {
  QWidget window;
  fw::ListBox list(&window, 2);
  list.appendRow({GetParam().bytes, "1"});
  EXPECT_EQ(list.model()->index(0, 0).data().toString(), GetParam().text);
  EXPECT_EQ(list.cell(0, 0), GetParam().bytes);
}

const QString kEllipsis(QChar(0x2026));

INSTANTIATE_TEST_SUITE_P(
    ListBox, ListBoxCells,
    testing::Values(Shown{"Utf8", "J\xC3\xB6rg", QString::fromUtf8("J\xC3\xB6rg")},
                    Shown{"Latin1", "J\xF6rg", QString::fromUtf8("J\xC3\xB6rg")},
                    Shown{"Latin1AtTheEnd", "Jos\xE9", QString::fromUtf8("Jos\xC3\xA9")},
                    Shown{"HugeName", std::string(10'000'000, 'a'), QString(300, 'a') + kEllipsis},
                    Shown{"LongUtf8CutBetweenCharacters", std::string(2000, 'a').replace(1199, 2, "\xC3\xA9"),
                          QString(300, 'a') + kEllipsis},
                    Shown{"LongLatin1", std::string(400, '\xE9'), QString(300, QChar(0xE9)) + kEllipsis},
                    Shown{"JustShortEnough", std::string(300, 'b'), QString(300, 'b')}),
    [](const testing::TestParamInfo<Shown>& info) { return std::string(info.param.name); });

}  // namespace
