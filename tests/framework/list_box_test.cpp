// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "framework/list_box.h"

#include <QHeaderView>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "framework/natural_order.h"

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
  EXPECT_EQ(list.rows().cell(0, 0), GetParam().bytes);
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

// Heading clicks sort exactly as a stable sort by the natural order of the
// texts would, in both directions; also with texts that only a comparison
// can place ("-0"), and rows alike in the column sorted by.
TEST(ListBox, HeadingClicksSortAsAStableNaturalSort) {
  std::mt19937 random(11);
  const std::string alphabet = "-0019aB .";
  for (const bool withMinusZero : {false, true}) {
    QWidget window;
    fw::ListBox list(&window, 2);
    std::vector<std::pair<std::string, std::string>> expected;
    for (int row = 0; row < 3000; ++row) {
      std::string name(random() % 5, ' ');
      for (char& c : name) c = alphabet[random() % (withMinusZero ? alphabet.size() : 3) + (withMinusZero ? 0 : 3)];
      const std::string score = std::to_string(static_cast<int>(random() % 41) - 20);
      list.appendRow({name, score});
      expected.emplace_back(name, score);
    }
    for (const int column : {0, 0, 1, 1, 0}) {
      list.sortByHeadingClick(column);
      const bool descending = list.horizontalHeader()->sortIndicatorOrder() == Qt::DescendingOrder;
      std::stable_sort(expected.begin(), expected.end(), [&](const auto& a, const auto& b) {
        const int c = fw::naturalCompare(column == 0 ? a.first : a.second, column == 0 ? b.first : b.second);
        return descending ? c > 0 : c < 0;
      });
      for (std::size_t row = 0; row < list.rows().size(); ++row) {
        ASSERT_EQ(list.rows().cell(row, 0), expected[row].first) << row;
        ASSERT_EQ(list.rows().cell(row, 1), expected[row].second) << row;
      }
    }
  }
}

// The keys reach every row of a long list, each scrolled into view; at the
// end the last row stands at the bottom, where a click finds it.
TEST(ListBox, KeysScrollALongListToItsCurrentRow) {
  QWidget window;
  fw::ListBox list(&window, 2);
  list.setGeometry(0, 0, 235, 130);
  for (int row = 0; row < 500; ++row) list.appendRow({std::to_string(row), "1"});
  window.show();
  list.setFocus();
  const auto shown = [&list] { return list.viewport()->rect().contains(list.visualRect(list.currentIndex())); };
  QTest::keyClick(&list, Qt::Key_Home);  // the first key picks the first row
  QTest::keyClick(&list, Qt::Key_End);
  EXPECT_EQ(list.currentIndex().row(), 499);
  const QRect last = list.visualRect(list.currentIndex());
  EXPECT_EQ(last.bottom() + 2, list.viewport()->height());  // and its grid line
  EXPECT_EQ(list.indexAt(last.center()).row(), 499);
  QTest::keyClick(&list, Qt::Key_PageUp);
  EXPECT_LT(list.currentIndex().row(), 495);
  EXPECT_TRUE(shown());
  QTest::keyClick(&list, Qt::Key_Home);
  EXPECT_EQ(list.currentIndex().row(), 0);
  EXPECT_EQ(list.visualRect(list.currentIndex()).top(), 0);
}
