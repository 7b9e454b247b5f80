#pragma once
// A list box of rows of text cells with a heading row. The rows live in a
// table model, so a list of a million rows stays quick to show.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/controls.h"

class QTableView;

namespace fw {

class RowsModel;

class ListBox final : public Control {
public:
  using CellClickHandler = std::function<bool(int row, int column, int x, int y)>;

  ListBox(QTableView* view, std::string name, int columnCount);
  ~ListBox() override;

  int columnCount() const;
  int rowCount() const;
  // Sets every heading from one text, the headings separated by tabs.
  void setHeadings(const std::string& tabSeparated);
  std::string heading(int column) const;
  // Column widths as shares of the list's width, in percent.
  void setColumnWidths(std::vector<int> percents);

  void addRow(const std::string& firstCell);
  int lastIndex() const;  // of the row added last; -1 before any
  std::string cell(int row, int column) const;
  void setCell(int row, int column, const std::string& text);
  void removeRow(int row);

  void setCellClickHandler(CellClickHandler handler);

private:
  void applyColumnWidths();

  QTableView* view_;
  std::unique_ptr<RowsModel> model_;
  std::vector<int> widthPercents_;
  int lastIndex_ = -1;
};

}  // namespace fw
