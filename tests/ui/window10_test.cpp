// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

// The game window as laid out, read back from the running widgets.

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QTableView>
#include <QHeaderView>
#include <QTemporaryDir>
#include <QtTest>

#include "framework/prefs_files.h"
#include "framework/shuffle.h"
#include "game/board.h"
#include "ui/window10.h"

namespace {

struct Expected {
  const char* name;
  QRect place;
  const char* caption;  // text, caption or title; nullptr where there is none
  int fontPixels;
  bool bold;
  bool italic;
  bool visible;
  bool enabled;
};

// Every control but the board cells and the connector marks, in creation order.
const Expected kControls[] = {
    {"PushButton1", {408, 547, 69, 20}, "Start", 12, false, false, true, true},
    {"PushButton2", {501, 547, 69, 20}, "Done", 12, false, false, true, false},
    {"StaticText1", {582, 19, 178, 30}, "Maximum Possible Score:", 14, false, false, true, true},
    {"StaticText2", {765, 22, 69, 20}, "100", 14, true, false, true, true},
    {"StaticText3", {587, 66, 178, 30}, "Your Score:", 14, false, false, true, true},
    {"StaticText4", {770, 69, 69, 20}, "", 14, true, false, true, true},
    {"RadioButton1", {608, 147, 177, 28}, "1 minute (5 points)", 12, false, false, true, true},
    {"RadioButton2", {608, 196, 177, 28}, "3 minutes (15 points)", 12, false, true, true, false},
    {"RadioButton3", {608, 250, 177, 28}, "3 minutes (15 points)", 12, false, false, true, false},
    {"RadioButton4", {613, 315, 192, 28}, "3 minutes (15 points)", 12, false, false, true, false},
    {"GroupBox1", {587, 129, 252, 224}, "Buy a number. Cost:", 12, false, false, true, true},
    {"PushButton3", {229, 547, 69, 20}, "HELP", 12, false, false, true, true},
    {"PushButton4", {319, 547, 69, 20}, "Quit", 12, false, false, true, true},
    {"ListBox1", {615, 502, 235, 130}, nullptr, 10, false, false, true, true},
    {"StaticText5", {655, 475, 100, 20}, "Scores", 12, false, false, true, true},
    {"PushButton5", {135, 547, 69, 20}, "Score", 12, false, false, true, true},
    {"StaticText6", {104, 590, 100, 20}, "Name", 12, false, false, false, true},
    {"EditField1", {216, 589, 179, 30}, "", 12, false, false, false, true},
    {"PushButton6", {417, 590, 69, 20}, "Record", 12, false, false, false, true},
    {"RadioButton5", {627, 436, 80, 20}, "standard", 12, false, false, true, true},
    {"RadioButton6", {750, 436, 80, 20}, "expert", 12, false, false, true, true},
    {"GroupBox2", {587, 415, 263, 54}, "Choices", 12, false, false, true, true},
    {"PopupMenu1", {198, 29, 40, 20}, "#", 12, false, false, false, true},
    {"StaticText7", {245, 29, 11, 19}, "X", 12, false, false, false, true},
    {"PopupMenu2", {268, 29, 40, 20}, "#", 12, false, false, false, true},
    {"StaticText8", {315, 29, 11, 19}, "X", 12, false, false, false, true},
    {"PopupMenu3", {338, 29, 40, 20}, "#", 12, false, false, false, true},
    {"StaticText9", {385, 29, 11, 19}, "=", 12, true, false, false, true},
    {"StaticText10", {402, 29, 100, 20}, "", 12, false, false, true, true},
    {"StaticText11", {720, 475, 100, 20}, "Standard", 12, false, false, true, true},
    {"ListBox2", {620, 507, 235, 130}, nullptr, 10, false, false, false, true},
    {"CheckBox1", {620, 376, 145, 27}, "Static Version", 12, true, false, true, true},
};

const QPoint kCellPlaces[game::kCellCount] = {
    {42, 74},   {146, 171}, {258, 171}, {370, 171}, {482, 171}, {146, 255}, {258, 255},
    {370, 255}, {482, 255}, {146, 356}, {258, 356}, {370, 356}, {482, 356}, {146, 444},
    {258, 444}, {370, 444}, {482, 83},  {146, 171}, {258, 171}, {370, 171}, {146, 256},
    {258, 256}, {370, 256}, {146, 357}, {258, 357}, {370, 357},
};

QString captionOf(QWidget* w) {
  if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->text();
  if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
  if (auto* e = qobject_cast<QLineEdit*>(w)) return e->text();
  if (auto* g = qobject_cast<QGroupBox*>(w)) return g->title();
  if (auto* c = qobject_cast<QComboBox*>(w)) return c->currentText();
  return {};
}

}  // namespace

class Window10Test : public QObject {
  Q_OBJECT

private:
  QTemporaryDir preferences_;
  fw::RandomShuffle shuffle_{99};
  std::unique_ptr<Window10> window_;

  QWidget* widget(const char* name) const {
    QWidget* w = window_->content()->findChild<QWidget*>(name, Qt::FindDirectChildrenOnly);
    if (!w) qFatal("no control %s", name);
    return w;
  }
  QLineEdit* cell(int index) const { return qobject_cast<QLineEdit*>(window_->Puzzle[index]->widget()); }

private slots:
  void init() {
    fw::setPreferencesFolder(preferences_.path().toStdString());
    window_ = std::make_unique<Window10>(shuffle_);
    QVERIFY(QTest::qWaitForWindowExposed(window_->frame()));
  }
  void cleanup() { window_.reset(); }

  void windowHasItsTitleAndContentSize() {
    QCOMPARE(window_->frame()->windowTitle(), QString("Veltrano3"));
    QCOMPARE(window_->content()->size(), QSize(902, 673));
    QCOMPARE(window_->frame()->minimumSize(), QSize(64, 64));
    QCOMPARE(window_->frame()->maximumSize(), QSize(32000, 32000));
  }

  void resizingMovesNoControl() {
    for (const QSize size : {QSize(64, 64), QSize(400, 300), QSize(1600, 1200)}) {
      window_->frame()->resize(size);
      QApplication::processEvents();
      for (const Expected& e : kControls) QVERIFY2(widget(e.name)->geometry() == e.place, e.name);
      QCOMPARE(cell(25)->geometry(), QRect(370, 357, 80, 54));
    }
    window_->frame()->resize(10, 10);
    QVERIFY(window_->frame()->width() >= 64 && window_->frame()->height() >= 64);
  }

  void everyControlStandsAsLaidOut() {
    for (const Expected& e : kControls) {
      QWidget* w = widget(e.name);
      const QByteArray name(e.name);
      QVERIFY2(w->geometry() == e.place, name);
      if (e.caption) QVERIFY2(captionOf(w) == QString(e.caption), name + " reads " + captionOf(w).toUtf8());
      QVERIFY2(w->font().pixelSize() == e.fontPixels, name);
      QVERIFY2(w->font().bold() == e.bold, name);
      QVERIFY2(w->font().italic() == e.italic, name);
      QVERIFY2(w->isVisible() == e.visible, name);
      QVERIFY2(w->isEnabled() == e.enabled, name);
    }
    QVERIFY(qobject_cast<QAbstractButton*>(widget("RadioButton5"))->isChecked());
    QVERIFY(!qobject_cast<QAbstractButton*>(widget("RadioButton6"))->isChecked());
    QVERIFY(!qobject_cast<QAbstractButton*>(widget("RadioButton1"))->isChecked());
    QVERIFY(!qobject_cast<QAbstractButton*>(widget("CheckBox1"))->isChecked());
    QCOMPARE(qobject_cast<QLabel*>(widget("StaticText6"))->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    QCOMPARE(qobject_cast<QLabel*>(widget("StaticText9"))->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    QCOMPARE(window_->Timer1->period(), 12000);
    QCOMPARE(window_->Timer1->mode(), fw::Timer::Mode::Off);
  }

  void boardCellsStandAsLaidOut() {
    for (int i = 0; i < game::kCellCount; ++i) {
      QLineEdit* c = cell(i);
      QCOMPARE(c->objectName(), QString("Puzzle"));
      QCOMPARE(c->property("index").toInt(), i);
      QCOMPARE(c->geometry(), QRect(kCellPlaces[i], QSize(80, 54)));
      QCOMPARE(c->isVisible(), game::roleOf(i) != game::CellRole::Solution);
      QVERIFY(c->isEnabled() && !c->isReadOnly() && c->hasFrame());
      QVERIFY(c->text().isEmpty());
      QCOMPARE(c->font().pixelSize(), 18);
      QVERIFY(c->font().bold());
      QCOMPARE(c->palette().color(QPalette::Base), QColor(Qt::white));
      QCOMPARE(c->palette().color(QPalette::Text), QColor(Qt::black));
      QVERIFY(c->validator() == nullptr);
    }
    QCOMPARE(window_->find("puzzle", 0), window_->Puzzle[0]);
    QCOMPARE(window_->find("PUZZLE", 25), window_->Puzzle[25]);
    QVERIFY(window_->find("Puzzle") == nullptr);
  }

  void connectorsJoinTheCells() {
    for (int i = 1; i <= 9; ++i) QVERIFY(widget(qPrintable(QString("Line%1").arg(i)))->isVisible());
    for (int i = 1; i <= 18; ++i) {
      auto* rule = qobject_cast<QFrame*>(widget(qPrintable(QString("Separator%1").arg(i))));
      QCOMPARE(rule->frameShape(), i <= 9 ? QFrame::HLine : QFrame::VLine);
    }
    QCOMPARE(widget("Separator1")->geometry(), QRect(229, 185, 24, 2));
    QCOMPARE(widget("Separator18")->geometry(), QRect(401, 410, 8, 22));
    QCOMPARE(widget("Line9")->geometry(), QRect(122, 129, 23, 33));
  }

  void popupMenusOfferTheDigits() {
    for (const char* name : {"PopupMenu1", "PopupMenu2", "PopupMenu3"}) {
      auto* combo = qobject_cast<QComboBox*>(widget(name));
      QStringList items;
      for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
      QCOMPARE(items, QStringList({"#", "1", "2", "3", "4", "5", "6", "7", "8", "9"}));
      QCOMPARE(combo->currentIndex(), 0);
    }
  }

  void scoreListsHaveTheirHeadingsAndColumns() {
    for (const char* name : {"ListBox1", "ListBox2"}) {
      auto* view = qobject_cast<QTableView*>(widget(name));
      QCOMPARE(view->model()->columnCount(), 2);
      QCOMPARE(view->model()->rowCount(), 0);
      QCOMPARE(view->model()->headerData(0, Qt::Horizontal).toString(), QString("Name"));
      QCOMPARE(view->model()->headerData(1, Qt::Horizontal).toString(), QString("Score"));
      QCOMPARE(view->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
      QCOMPARE(view->horizontalHeader()->sectionResizeMode(0), QHeaderView::Fixed);
    }
    auto* view = qobject_cast<QTableView*>(widget("ListBox1"));
    const int width = view->viewport()->width();
    QCOMPARE(view->columnWidth(0), width * 66 / 100);
    QCOMPARE(view->columnWidth(0) + view->columnWidth(1), width);
  }

  void radioGroupsAreSeparate() {
    window_->RadioButton6->setValue(true);
    QVERIFY(!window_->RadioButton5->value());
    QTest::mouseClick(window_->RadioButton1->widget(), Qt::LeftButton);
    QVERIFY(window_->RadioButton1->value());
    QVERIFY(window_->RadioButton6->value());
  }

  void groupBoxesLetClicksThroughToTheirButtons() {
    QWidget* at = window_->content()->childAt(widget("RadioButton1")->geometry().center());
    QCOMPARE(at, widget("RadioButton1"));
  }

  void focusMovesInCreationOrder() {
    cell(17)->setFocus();
    QVERIFY(QTest::qWaitForWindowActive(window_->frame()));
    QStringList visited;
    for (int i = 0; i < 12; ++i) {
      QWidget* focus = QApplication::focusWidget();
      visited << (focus->objectName() == "Puzzle" ? QString::number(focus->property("index").toInt())
                                                   : focus->objectName());
      QTest::keyClick(focus, Qt::Key_Tab);
    }
    QCOMPARE(visited, QStringList({"17", "18", "19", "20", "21", "22", "23", "24", "25", "0", "4", "8"}));
  }

  void returnInAPlayerCellStartsAGame() {
    cell(21)->setFocus();
    QVERIFY(QTest::qWaitForWindowActive(window_->frame()));
    QTest::keyClicks(cell(21), "7");
    QTest::keyClick(cell(21), Qt::Key_Return);
    QVERIFY(cell(21)->text().isEmpty());
    QVERIFY(!cell(4)->text().isEmpty());
    QVERIFY(window_->PushButton2->enabled());
    for (int c = 0; c < game::kCellCount; ++c) QCOMPARE(cell(c)->isVisible(), game::roleOf(c) != game::CellRole::Solution);

    window_->StaticText4->setText("x");
    QTest::keyClick(cell(21), Qt::Key_Enter, Qt::KeypadModifier);
    QVERIFY(window_->StaticText4->text().empty());
  }

  void anythingTypedIntoACellIsKept() {
    const QString odd = QString("05 -x,;") + QString(500, QChar('9'));
    QTest::keyClicks(cell(0), odd);
    QCOMPARE(cell(0)->text(), odd);
    window_->Puzzle[18]->setText("\xC3\xA9t\xC3\xA9");
    QCOMPARE(cell(18)->text(), QString::fromUtf8("\xC3\xA9t\xC3\xA9"));
    window_->PushButton1->push();
    QVERIFY(cell(0)->text() != odd);
  }

  void cellsAndButtonsReadWellToAScreenReader() {
    QCOMPARE(cell(22)->accessibleName(), QString("row 2, column 3"));
    QCOMPARE(cell(13)->accessibleName(), QString("target of column 1"));
    QCOMPARE(cell(0)->accessibleName(), QString("target of falling diagonal"));
    QCOMPARE(cell(16)->accessibleName(), QString("target of rising diagonal"));
    QCOMPARE(widget("StaticText2")->accessibleName(), QString());  // a label reads its own text
  }

  void captionsFitTheirRectangles() {
    for (const Expected& e : kControls) {
      QWidget* w = widget(e.name);
      if (!e.caption || !*e.caption || qobject_cast<QComboBox*>(w)) continue;
      int room = w->width();
      if (auto* b = qobject_cast<QAbstractButton*>(w); b && !qobject_cast<QPushButton*>(w)) {
        room -= 24;  // indicator and its spacing
      }
      QVERIFY2(w->fontMetrics().horizontalAdvance(captionOf(w)) <= room, e.name);
      QVERIFY2(w->fontMetrics().height() <= w->height(), e.name);
    }
  }
};

QTEST_MAIN(Window10Test)
#include "window10_test.moc"
