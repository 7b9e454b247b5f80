// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "ui/board_layout.h"

#include <QCoreApplication>

#include <algorithm>

namespace ui {

namespace {

struct Place {
  int row;
  int column;
};

// The grid fills rows and columns 1 to 3 of the board's places; the row
// targets stand to its right, the column targets below it, the falling
// diagonal's at the top left and the rising diagonal's at the top right.
Place placeOf(game::Cell cell) {
  if (cell.kind == game::Cell::Kind::Square) return {1 + cell.index / 3, 1 + cell.index % 3};
  if (cell.index < 3) return {1 + cell.index, 4};
  if (cell.index < 6) return {4, cell.index - 2};
  return cell.index == 6 ? Place{0, 0} : Place{0, 4};
}

QString translated(const char* text) { return QCoreApplication::translate("BoardLayout", text); }

}  // namespace

// The game's own names of its lines are its English ones; these say them in
// the player's language, the lines in the game's order.
std::string spokenLineName(int line) {
  //: A line of the 3 x 3 grid, said by a screen reader; %1 is 1, 2 or 3 from the top.
  if (line < 3) return translated(QT_TRANSLATE_NOOP("BoardLayout", "row %1")).arg(line + 1).toStdString();
  //: A line of the 3 x 3 grid, said by a screen reader; %1 is 1, 2 or 3 from the left.
  if (line < 6) return translated(QT_TRANSLATE_NOOP("BoardLayout", "column %1")).arg(line - 2).toStdString();
  //: The diagonal from the top left to the bottom right, said by a screen reader.
  return translated(line == 6 ? QT_TRANSLATE_NOOP("BoardLayout", "falling diagonal")
                              //: The diagonal from the bottom left to the top right, said by a screen reader.
                              : QT_TRANSLATE_NOOP("BoardLayout", "rising diagonal"))
      .toStdString();
}

std::string spokenNameOf(game::Cell cell) {
  if (cell.kind == game::Cell::Kind::Target) {
    // A whole phrase a line, so that each language can give the line its own
    // article and case.
    //: What a screen reader calls the number at the end of a row; %1 is 1, 2 or 3 from the top.
    if (cell.index < 3) {
      return translated(QT_TRANSLATE_NOOP("BoardLayout", "target of row %1")).arg(cell.index + 1).toStdString();
    }
    //: What a screen reader calls the number below a column; %1 is 1, 2 or 3 from the left.
    if (cell.index < 6) {
      return translated(QT_TRANSLATE_NOOP("BoardLayout", "target of column %1")).arg(cell.index - 2).toStdString();
    }
    //: What a screen reader calls the number at the top left, the target of
    //: the diagonal from the top left to the bottom right.
    return translated(cell.index == 6 ? QT_TRANSLATE_NOOP("BoardLayout", "target of falling diagonal")
                                      //: What a screen reader calls the number at the top right, the target
                                      //: of the diagonal from the bottom left to the top right.
                                      : QT_TRANSLATE_NOOP("BoardLayout", "target of rising diagonal"))
        .toStdString();
  }
  //: A square of the 3 x 3 grid, said by a screen reader; %1 is its row, %2 its column, each 1 to 3.
  return translated(QT_TRANSLATE_NOOP("BoardLayout", "row %1, column %2"))
      .arg(1 + cell.index / 3)
      .arg(1 + cell.index % 3)
      .toStdString();
}

std::array<game::Cell, kCellPlaces.size()> cellsInReadingOrder() {
  std::array<game::Cell, kCellPlaces.size()> cells{};
  std::transform(kCellPlaces.begin(), kCellPlaces.end(), cells.begin(), [](const CellPlace& p) { return p.cell; });
  std::stable_sort(cells.begin(), cells.end(), [](game::Cell a, game::Cell b) {
    const Place pa = placeOf(a);
    const Place pb = placeOf(b);
    return pa.row != pb.row ? pa.row < pb.row : pa.column < pb.column;
  });
  return cells;
}

std::optional<game::Cell> neighbourOf(game::Cell cell, fw::Arrow arrow) {
  const Place from = placeOf(cell);
  const bool vertical = arrow == fw::Arrow::Up || arrow == fw::Arrow::Down;
  const int step = arrow == fw::Arrow::Up || arrow == fw::Arrow::Left ? -1 : 1;
  std::optional<game::Cell> nearest;
  int nearestDistance = 0;
  for (const CellPlace& other : kCellPlaces) {
    const Place to = placeOf(other.cell);
    if (vertical ? to.column != from.column : to.row != from.row) continue;
    const int distance = (vertical ? to.row - from.row : to.column - from.column) * step;
    if (distance > 0 && (!nearest || distance < nearestDistance)) {
      nearest = other.cell;
      nearestDistance = distance;
    }
  }
  return nearest;
}

}  // namespace ui
