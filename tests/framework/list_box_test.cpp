// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "framework/list/list_box.h"

#include <QCoreApplication>
#include <QLabel>
#include <QStandardItemModel>
#include <QTest>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The keys reach every row of a long list, each scrolled into view; at the
// end the last row stands at the bottom, where a click finds it.
TEST(ListBox, KeysScrollALongListToItsCurrentRow) {
  QWidget window;
  fw::ListBox list(&window);
  QStandardItemModel rows(500, 2);
  for (int row = 0; row < 500; ++row) rows.setItem(row, 0, new QStandardItem(QString::number(row)));
  list.setModel(&rows);
  list.setGeometry(0, 0, 235, 130);
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

}  // namespace

namespace {

// Work on the rows shows a busy cursor at once; its text, and the news of
// it, only once it has lasted a while, and the news of its end only then.
TEST(ListBox, ShowsLongWorkAndTellsOfItOnceAtItsStartAndEnd) {
  QWidget window;
  fw::ListBox list(&window);
  QStandardItemModel rows(3, 2);
  list.setModel(&rows);
  list.setGeometry(0, 0, 235, 130);
  window.show();
  std::vector<bool> told;
  QObject::connect(&list, &fw::ListBox::workShown, [&told](bool shown) { told.push_back(shown); });

  list.showWork("Sorting…");  // over before the event loop turns: never shown
  EXPECT_EQ(list.viewport()->cursor().shape(), Qt::BusyCursor);
  list.showWork({});
  EXPECT_EQ(list.viewport()->cursor().shape(), Qt::ArrowCursor);
  QCoreApplication::processEvents();

  list.showWork("Sorting…");
  list.showWork("Saving…");  // the next step of the same work
  auto* text = list.viewport()->findChild<QLabel*>();
  ASSERT_TRUE(text);
  ASSERT_TRUE(QTest::qWaitFor([&told] { return !told.empty(); }));
  EXPECT_TRUE(text->isVisible());
  EXPECT_EQ(text->text(), "Saving…");
  list.showWork({});
  EXPECT_FALSE(text->isVisible());
  EXPECT_EQ(told, (std::vector<bool>{true, false}));
}

}  // namespace
