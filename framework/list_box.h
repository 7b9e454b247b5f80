// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#pragma once
// A list box of rows of text cells under a heading row. The rows live in a
// table model, so a list of a million rows stays quick to load, show, sort
// and change. Cells are bytes; they are shown decoded as UTF-8 (Latin-1 where
// they are not valid UTF-8), long ones cut short, and kept unchanged.

#include <QHeaderView>
#include <QTableView>

#include <functional>
#include <initializer_list>
#include <memory>
#include <string_view>
#include <vector>

#include "framework/focus_ring.h"
#include "framework/row_table.h"

namespace fw {

class RowsModel;

// A list's row of headings. Clicks sort without taking the focus; Tab reaches
// it, Left and Right choose a heading, and Space or Return sorts by it as a click does.
class ListHeading final : public QHeaderView, public FocusedPart {
  Q_OBJECT

public:
  explicit ListHeading(QWidget* parent);
  int chosen() const { return chosen_; }
  QRect focusedPart() const override;

protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;

private:
  void choose(int section);

  int chosen_ = 0;
};

class ListBox final : public QTableView {
  Q_OBJECT

public:
  ListBox(QWidget* parent, int columnCount);
  ~ListBox() override;

  int rowCount() const;
  void setHeadings(const QStringList& headings);
  // Column widths as shares of the list's width, in percent.
  void setColumnWidths(std::vector<int> percents);

  void appendRow(std::initializer_list<std::string_view> cells);
  void appendRows(RowTable&& rows);
  std::string_view cell(int row, int column) const;  // valid until the list changes
  const RowTable& rows() const;
  void removeRow(int row);

  // A click on a heading sorts by that column: one direction per list,
  // ascending at first, reversed by a click on the heading already sorted by.
  void sortByHeadingClick(int column);

  // Runs for a click on a row, but not for the second click of a double
  // click; Delete runs it for the current row, as the keyboard's click.
  void setRowClickHandler(std::function<void(int row)> handler);

protected:
  void changeEvent(QEvent* event) override;

private:
  void applyColumnWidths();

  std::unique_ptr<RowsModel> model_;
  std::vector<int> widthPercents_;
  std::function<void(int row)> rowClicked_;
  bool inDoubleClick_ = false;
};

}  // namespace fw
