// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "ui/help_pictures.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>

#include "ui/look.h"
#include "game/game.h"
#include "ui/board_layout.h"

namespace ui {

namespace {

struct BoardExample {
  QSize size;
  std::array<int, 9> digits;  // in reading order; the targets follow from them
  bool products;
};

// The examples of the help texts: rows 18, 6, 21, columns 19, 15, 11,
// diagonals 18 and 15; and rows 108, 112, 30, columns 24, 315, 48, diagonals 126 and 28.
constexpr BoardExample kStandardExample = {{441, 370}, {9, 5, 4, 2, 3, 1, 8, 7, 6}, false};
constexpr BoardExample kExpertExample = {{538, 516}, {3, 9, 4, 8, 7, 2, 1, 5, 6}, true};

QString translated(const char* text) { return QCoreApplication::translate("HelpPictures", text); }

// The board's part of the game window, with a margin.
const QRectF kBoardArea(30, 62, 544, 448);

// A picture of the size in the window, with as many pixels as the screen shows there.
QPixmap blankPicture(QSize size) {
  const qreal ratio = qApp->devicePixelRatio();
  QPixmap pixmap(size * ratio);
  pixmap.setDevicePixelRatio(ratio);
  pixmap.fill(QColor(0xEF, 0xEF, 0xEF));
  return pixmap;
}

int exampleTarget(const BoardExample& example, const game::Line& line) {
  return game::lineValue(example.digits, line, example.products ? game::Mode::Expert : game::Mode::Standard);
}

void drawCell(QPainter& p, const CellPlace& at, const QString& text, QColor fill) {
  const QRectF box(at.left, at.top, kCellWidth, kCellHeight);
  p.setPen(QPen(QColor(0x70, 0x70, 0x70), 1));
  p.setBrush(fill);
  p.drawRect(box.adjusted(0.5, 0.5, -0.5, -0.5));
  p.setPen(Qt::black);
  p.drawText(box.adjusted(6, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, text);
}

QPixmap drawBoard(const BoardExample& example) {
  QPixmap pixmap = blankPicture(example.size);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);

  // The game window's board, scaled to fit and centred.
  const double scale = std::min(example.size.width() / kBoardArea.width(), example.size.height() / kBoardArea.height());
  p.translate((example.size.width() - kBoardArea.width() * scale) / 2, (example.size.height() - kBoardArea.height() * scale) / 2);
  p.scale(scale, scale);
  p.translate(-kBoardArea.topLeft());

  p.setPen(QPen(Qt::black, 1.2));
  for (const Segment& s : kDiagonalRules) p.drawLine(QPointF(s.x1, s.y1), QPointF(s.x2, s.y2));
  p.setPen(QPen(QColor(0x90, 0x90, 0x90), 1.2));
  for (const Box& b : kStraightRules) {
    if (b.width > b.height) {
      p.drawLine(QPointF(b.left, b.top + 1), QPointF(b.left + b.width, b.top + 1));
    } else {
      p.drawLine(QPointF(b.left + b.width / 2.0, b.top), QPointF(b.left + b.width / 2.0, b.top + b.height));
    }
  }

  p.setFont(layoutFont(22, true));
  for (const CellPlace& at : kCellPlaces) {
    const auto index = static_cast<std::size_t>(at.cell.index);
    if (at.cell.kind == game::Cell::Kind::Square) {
      drawCell(p, at, QString::number(example.digits[index]), QColor(0xF4, 0xF8, 0xFF));
    } else {
      drawCell(p, at, QString::number(exampleTarget(example, game::kLines[index])), Qt::white);
    }
  }
  return pixmap;
}

struct ScoreRow {
  const char* name;
  const char* score;
};

constexpr int kListMargin = 10;
constexpr int kListRowHeight = 22;

// The rows a list picture of the size has room for below its heading: it draws them, and its description names them.
std::size_t rowsShown(QSize size, std::size_t rows) {
  const int room = (size.height() - 2 * kListMargin - 1) / kListRowHeight - 1;
  return std::min(rows, static_cast<std::size_t>(std::max(room, 0)));
}

QPixmap drawScoreList(QSize size, const std::array<ScoreRow, 6>& rows) {
  QPixmap pixmap = blankPicture(size);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::TextAntialiasing);

  const QRect list(kListMargin, kListMargin, size.width() - 2 * kListMargin, size.height() - 2 * kListMargin);
  const int nameWidth = list.width() * 66 / 100;
  const int rowHeight = kListRowHeight;
  p.fillRect(list, Qt::white);

  const QRect heading(list.left(), list.top(), list.width(), rowHeight);
  p.fillRect(heading, QColor(0xE4, 0xE4, 0xE4));
  p.setFont(layoutFont(12, true));
  p.setPen(Qt::black);
  p.drawText(QRect(heading.left(), heading.top(), nameWidth, rowHeight), Qt::AlignCenter,
             //: The heading of the names in the help's picture of a score list, as the list's own heading.
             translated(QT_TRANSLATE_NOOP("HelpPictures", "Name")));
  p.drawText(QRect(heading.left() + nameWidth, heading.top(), list.width() - nameWidth, rowHeight), Qt::AlignCenter,
             //: The heading of the scores in the help's picture of a score list, as the list's own heading.
             translated(QT_TRANSLATE_NOOP("HelpPictures", "Score")));

  p.setFont(layoutFont(12));
  int top = heading.bottom() + 1;
  for (std::size_t i = 0; i < rowsShown(size, rows.size()); ++i) {
    const ScoreRow& row = rows[i];
    p.setPen(Qt::black);
    p.drawText(QRect(list.left() + 6, top, nameWidth - 12, rowHeight), Qt::AlignLeft | Qt::AlignVCenter, row.name);
    p.drawText(QRect(list.left() + nameWidth + 6, top, list.width() - nameWidth - 12, rowHeight),
               Qt::AlignLeft | Qt::AlignVCenter, row.score);
    top += rowHeight;
    p.setPen(QColor(0xC8, 0xC8, 0xC8));
    p.drawLine(list.left(), top, list.right(), top);
  }
  p.setPen(QColor(0xC8, 0xC8, 0xC8));
  p.drawLine(list.left() + nameWidth, list.top(), list.left() + nameWidth, list.bottom());
  p.setPen(QColor(0x80, 0x80, 0x80));
  p.setBrush(Qt::NoBrush);
  p.drawRect(list.adjusted(0, 0, -1, -1));
  return pixmap;
}

constexpr QSize kStandardScoresSize(270, 183);
constexpr QSize kExpertScoresSize(270, 171);
constexpr std::array<ScoreRow, 6> kStandardScores = {{
    {"Ann", "87"}, {"Bob", "64"}, {"Carla", "100"}, {"Dev", "78"}, {"Elena", "92"}, {"Finn", "56"}}};
constexpr std::array<ScoreRow, 6> kExpertScores = {{
    {"Ann", "75"}, {"Bob", "43"}, {"Carla", "96"}, {"Dev", "64"}, {"Elena", "85"}, {"Finn", "32"}}};

std::string describeBoard(const BoardExample& example) {
  std::string rows;
  for (std::size_t k = 0; k < 9; ++k) {
    rows += (k == 0 ? "" : k % 3 == 0 ? "; " : ", ") + std::to_string(example.digits[k]);
  }
  std::string targets;
  for (std::size_t line = 0; line < game::kLines.size(); ++line) {
    //: One target in the description of the help's picture: %1 is its line ("row 1"), %2 its number ("18").
    const QString target = QCoreApplication::translate("HelpPictures", "%1 %2", "line and its target")
                               .arg(QString::fromStdString(spokenLineName(static_cast<int>(line))))
                               .arg(exampleTarget(example, game::kLines[line]));
    targets += (targets.empty() ? "" : ", ") + target.toStdString();
  }
  //: What a screen reader says of the help's picture of a board: %1 is its digits
  //: ("2, 9, 4; 7, 5, 3; 6, 1, 8"), %2 its targets ("row 1 15, ..., rising diagonal 15").
  return translated(QT_TRANSLATE_NOOP("HelpPictures", "A solved board, rows from the top: %1. Targets: %2."))
      .arg(QString::fromStdString(rows), QString::fromStdString(targets))
      .toStdString();
}

std::string describeScores(QSize size, const std::array<ScoreRow, 6>& rows) {
  std::string text;
  for (std::size_t i = 0; i < rowsShown(size, rows.size()); ++i) {
    text += (i == 0 ? "" : ", ") + std::string(rows[i].name) + " " + rows[i].score;
  }
  //: What a screen reader says of the help's picture of a score list: %1 is its rows, "Ann 87, Bob 64, ...".
  return translated(QT_TRANSLATE_NOOP("HelpPictures", "A score list with the headings Name and Score: %1."))
      .arg(QString::fromStdString(text))
      .toStdString();
}

}  // namespace

PictureWords describePicture(HelpPicture picture) {
  switch (picture) {
    case HelpPicture::StandardBoard:
      return {translated(QT_TRANSLATE_NOOP("HelpPictures", "Example board of the standard mode")).toStdString(),
              describeBoard(kStandardExample)};
    case HelpPicture::StandardScores:
      return {translated(QT_TRANSLATE_NOOP("HelpPictures", "Example score list")).toStdString(),
              describeScores(kStandardScoresSize, kStandardScores)};
    case HelpPicture::ExpertBoard:
      return {translated(QT_TRANSLATE_NOOP("HelpPictures", "Example board of the expert mode")).toStdString(),
              describeBoard(kExpertExample)};
    case HelpPicture::ExpertScores:
      return {translated(QT_TRANSLATE_NOOP("HelpPictures", "Example expert score list")).toStdString(),
              describeScores(kExpertScoresSize, kExpertScores)};
  }
  return {};
}

QPixmap drawPicture(HelpPicture picture) {
  switch (picture) {
    case HelpPicture::StandardBoard: return drawBoard(kStandardExample);
    case HelpPicture::StandardScores: return drawScoreList(kStandardScoresSize, kStandardScores);
    case HelpPicture::ExpertBoard: return drawBoard(kExpertExample);
    case HelpPicture::ExpertScores: return drawScoreList(kExpertScoresSize, kExpertScores);
  }
  return {};
}

}  // namespace ui
