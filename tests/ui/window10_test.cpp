// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

// The game window as laid out, read back from the running widgets.

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QTableView>
#include <QHeaderView>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <map>
#include <memory>

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
  QTableView* list(const char* name) const { return qobject_cast<QTableView*>(widget(name)); }
  // Gives the control the keyboard focus in the active window.
  void focus(QWidget* w) {
    window_->frame()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_->frame()));
    w->setFocus(Qt::TabFocusReason);
    QCOMPARE(QApplication::focusWidget(), w);
  }
  QString focusName() const {
    QWidget* f = QApplication::focusWidget();
    if (!f) return "none";
    return f->objectName() == "Puzzle" ? QString::number(f->property("index").toInt()) : f->objectName();
  }
  void addScores(fw::ListBox* box, std::initializer_list<const char*> names) {
    for (const char* name : names) {
      box->addRow(name);
      box->setCell(box->lastIndex(), 1, "50");
    }
  }
  QStringList names(fw::ListBox* box) const {
    QStringList all;
    for (int row = 0; row < box->rowCount(); ++row) all << QString::fromStdString(std::string(box->cell(row, 0)));
    return all;
  }

private slots:
  void init() {
    window_ = std::make_unique<Window10>(shuffle_, preferences_.path().toStdString());
    QVERIFY(QTest::qWaitForWindowExposed(window_->frame()));
  }
  void cleanup() { window_.reset(); }

  void windowHasItsTitleAndContentSize() {
    QCOMPARE(window_->frame()->windowTitle(), QString("Veltrano3"));
    QCOMPARE(window_->content()->size(), QSize(902, 673));
    QCOMPARE(window_->frame()->minimumSize(), QSize(64, 64));
    QCOMPARE(window_->frame()->maximumSize(), QSize(32000, 32000));
  }

  void resizingStopsAtItsLimitsAndMovesNoCell() {
    for (const QSize size : {QSize(64, 64), QSize(1600, 1200)}) {
      window_->frame()->resize(size);
      QApplication::processEvents();
      QCOMPARE(cell(25)->geometry(), QRect(370, 357, 80, 54));
    }
    window_->frame()->resize(10, 10);
    QVERIFY(window_->frame()->width() >= 64 && window_->frame()->height() >= 64);
  }

  void everyControlStandsAsLaidOut_data() {
    QTest::addColumn<int>("control");
    for (int i = 0; i < static_cast<int>(std::size(kControls)); ++i) QTest::newRow(kControls[i].name) << i;
  }

  // Its place (also in a window made smaller or larger), caption, font and state; the caption fits.
  void everyControlStandsAsLaidOut() {
    QFETCH(int, control);
    const Expected& e = kControls[control];
    QWidget* w = widget(e.name);
    if (e.caption) QCOMPARE(captionOf(w), QString(e.caption));
    QCOMPARE(w->font().pixelSize(), e.fontPixels);
    QCOMPARE(w->font().bold(), e.bold);
    QCOMPARE(w->font().italic(), e.italic);
    QCOMPARE(w->isVisible(), e.visible);
    QCOMPARE(w->isEnabled(), e.enabled);
    QCOMPARE(w->geometry(), e.place);
    for (const QSize size : {QSize(64, 64), QSize(1600, 1200)}) {
      window_->frame()->resize(size);
      QApplication::processEvents();
      QCOMPARE(w->geometry(), e.place);
    }
    if (e.caption && *e.caption && !qobject_cast<QComboBox*>(w)) {
      int room = w->width();
      if (auto* b = qobject_cast<QAbstractButton*>(w); b && !qobject_cast<QPushButton*>(w)) {
        room -= 24;  // indicator and its spacing
      }
      QVERIFY(w->fontMetrics().horizontalAdvance(captionOf(w)) <= room);
      QVERIFY(w->fontMetrics().height() <= w->height());
    }
  }

  void theWindowOpensInItsFirstState() {
    QVERIFY(qobject_cast<QAbstractButton*>(widget("RadioButton5"))->isChecked());
    QVERIFY(!qobject_cast<QAbstractButton*>(widget("RadioButton6"))->isChecked());
    QVERIFY(!qobject_cast<QAbstractButton*>(widget("RadioButton1"))->isChecked());
    QVERIFY(!qobject_cast<QAbstractButton*>(widget("CheckBox1"))->isChecked());
    QCOMPARE(qobject_cast<QLabel*>(widget("StaticText6"))->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    QCOMPARE(qobject_cast<QLabel*>(widget("StaticText9"))->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    QCOMPARE(window_->Timer1->period(), 12000);
    QCOMPARE(window_->Timer1->mode(), fw::Timer::Mode::Off);
    QVERIFY(window_->find("Puzzle") == nullptr);  // a control array member has its index
  }

  void boardCellsStandAsLaidOut_data() {
    QTest::addColumn<int>("index");
    for (int i = 0; i < game::kCellCount; ++i) QTest::newRow(qPrintable(QString("Puzzle %1").arg(i))) << i;
  }

  void boardCellsStandAsLaidOut() {
    QFETCH(int, index);
    QLineEdit* c = cell(index);
    QCOMPARE(c->objectName(), QString("Puzzle"));
    QCOMPARE(c->property("index").toInt(), index);
    QCOMPARE(c->geometry(), QRect(kCellPlaces[index], QSize(80, 54)));
    QCOMPARE(c->isVisible(), game::roleOf(index) != game::CellRole::Solution);
    QVERIFY(c->isEnabled() && !c->isReadOnly() && c->hasFrame());
    QVERIFY(c->text().isEmpty());
    QCOMPARE(c->font().pixelSize(), 18);
    QVERIFY(c->font().bold());
    QCOMPARE(c->palette().color(QPalette::Base), QColor(Qt::white));
    QCOMPARE(c->palette().color(QPalette::Text), QColor(Qt::black));
    QVERIFY(c->validator() == nullptr);
    QCOMPARE(window_->find("PUZZLE", index), window_->Puzzle[static_cast<std::size_t>(index)]);
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

  void returnPressesTheButtonOfTheFocus_data() {
    QTest::addColumn<QString>("focused");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("pressed");
    // A focused push button is pressed itself: Return on "Done" must not deal
    // a new puzzle over the board it checks.
    QTest::newRow("Done") << "PushButton2" << int(Qt::Key_Return) << "PushButton2";
    QTest::newRow("Score") << "PushButton5" << int(Qt::Key_Return) << "PushButton5";
    QTest::newRow("HELP by Enter") << "PushButton3" << int(Qt::Key_Enter) << "PushButton3";
    QTest::newRow("Record") << "PushButton6" << int(Qt::Key_Return) << "PushButton6";
    // The name field records: a new game would empty the score about to be recorded.
    QTest::newRow("name field") << "EditField1" << int(Qt::Key_Return) << "PushButton6";
    QTest::newRow("name field by Enter") << "EditField1" << int(Qt::Key_Enter) << "PushButton6";
    QTest::newRow("player cell") << "21" << int(Qt::Key_Return) << "PushButton1";
    QTest::newRow("buy button") << "RadioButton1" << int(Qt::Key_Return) << "PushButton1";
    QTest::newRow("score list") << "ListBox1" << int(Qt::Key_Enter) << "PushButton1";
    QTest::newRow("Static Version") << "CheckBox1" << int(Qt::Key_Return) << "PushButton1";
  }
  void returnPressesTheButtonOfTheFocus() {
    QFETCH(QString, focused);
    QFETCH(int, key);
    QFETCH(QString, pressed);
    window_->PushButton1->push();
    window_->PushButton5->push();
    std::map<QString, std::unique_ptr<QSignalSpy>> spies;
    for (const char* name : {"PushButton1", "PushButton2", "PushButton3", "PushButton5", "PushButton6"}) {
      spies[name] = std::make_unique<QSignalSpy>(qobject_cast<QAbstractButton*>(widget(name)), &QAbstractButton::clicked);
    }
    bool isCell = false;
    const int index = focused.toInt(&isCell);
    focus(isCell ? cell(index) : widget(qPrintable(focused)));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    for (const auto& [name, spy] : spies) QVERIFY2(spy->count() == (name == pressed ? 1 : 0), qPrintable(name));
  }

  void focusGoesFromDoneToScore() {
    window_->PushButton1->push();
    focus(widget("PushButton2"));
    QTest::keyClick(widget("PushButton2"), Qt::Key_Space);
    QVERIFY(!window_->PushButton2->enabled());
    QCOMPARE(focusName(), QString("PushButton5"));
    // A Space now must not buy a digit.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QVERIFY(!window_->RadioButton1->value());

    window_->PushButton1->push();
    QTest::mouseClick(widget("PushButton2"), Qt::LeftButton);
    QCOMPARE(focusName(), QString("PushButton5"));
  }

  void arrowKeysOnRadioButtonsOnlyMoveTheFocus() {
    window_->PushButton1->push();
    window_->Puzzle[21]->setText("5");
    const std::string maximum = window_->StaticText2->text();
    focus(widget("RadioButton1"));
    for (Qt::Key key : {Qt::Key_Down, Qt::Key_Right}) QTest::keyClick(widget("RadioButton1"), key);
    QCOMPARE(focusName(), QString("RadioButton1"));  // the next ones are not yet for sale
    QVERIFY(!window_->RadioButton1->value());
    QCOMPARE(window_->StaticText2->text(), maximum);

    QTest::keyClick(widget("RadioButton1"), Qt::Key_Space);  // Space buys
    QVERIFY(window_->RadioButton1->value());
    QTest::keyClick(widget("RadioButton1"), Qt::Key_Down);
    QCOMPARE(focusName(), QString("RadioButton2"));
    QVERIFY(window_->RadioButton1->value() && !window_->RadioButton2->value());
    QTest::keyClick(widget("RadioButton2"), Qt::Key_Up);
    QCOMPARE(focusName(), QString("RadioButton1"));
    QCOMPARE(window_->StaticText2->text(), std::to_string(std::stoi(maximum) - 5));

    focus(widget("RadioButton5"));
    QTest::keyClick(widget("RadioButton5"), Qt::Key_Right);
    QCOMPARE(focusName(), QString("RadioButton6"));
    QVERIFY(window_->RadioButton5->value());
    QCOMPARE(window_->Puzzle[21]->text(), std::string("5"));
    QTest::keyClick(widget("RadioButton6"), Qt::Key_Space);  // Space switches
    QVERIFY(window_->RadioButton6->value());
    QCOMPARE(window_->Puzzle[21]->text(), std::string());
  }

  void tabLeavesAScoreList() {
    addScores(window_->ListBox1, {"Ann", "Bob"});
    focus(list("ListBox1"));
    QTest::keyClick(list("ListBox1"), Qt::Key_Tab);
    QCOMPARE(focusName(), QString("PushButton5"));
    focus(list("ListBox1"));
    QTest::keyClick(list("ListBox1"), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(focusName(), QString("PushButton4"));
    focus(list("ListBox1"));
    QTest::keyClick(list("ListBox1"), Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(focusName(), QString("PushButton5"));
  }

  void deleteRemovesTheCurrentRow() {
    addScores(window_->ListBox1, {"Ann", "Bob", "Cy"});
    focus(list("ListBox1"));
    QTest::keyClick(list("ListBox1"), Qt::Key_Home);
    QTest::keyClick(list("ListBox1"), Qt::Key_Down);
    QTest::keyClick(list("ListBox1"), Qt::Key_Delete);
    QCOMPARE(names(window_->ListBox1), QStringList({"Ann", "Cy"}));
    QTest::keyClick(list("ListBox1"), Qt::Key_Delete);
    QTest::keyClick(list("ListBox1"), Qt::Key_Delete);
    QCOMPARE(names(window_->ListBox1), QStringList());
    QTest::keyClick(list("ListBox1"), Qt::Key_Delete);  // nothing left to remove
  }

  void aDoubleClickRemovesOneRow() {
    addScores(window_->ListBox1, {"Ann", "Bob", "Cy"});
    QWidget* rows = list("ListBox1")->viewport();
    const QPoint first = list("ListBox1")->visualRect(list("ListBox1")->model()->index(0, 0)).center();
    // What a double click delivers: press, release, double click, release.
    QTest::mousePress(rows, Qt::LeftButton, {}, first);
    QTest::mouseRelease(rows, Qt::LeftButton, {}, first);
    QMouseEvent twice(QEvent::MouseButtonDblClick, first, rows->mapToGlobal(first), Qt::LeftButton, Qt::LeftButton, {});
    QApplication::sendEvent(rows, &twice);
    QTest::mouseRelease(rows, Qt::LeftButton, {}, first);
    QCOMPARE(names(window_->ListBox1), QStringList({"Bob", "Cy"}));
    QTest::mouseClick(rows, Qt::LeftButton, {}, first);  // a later single click still removes
    QCOMPARE(names(window_->ListBox1), QStringList({"Cy"}));
  }

  void arrowKeysMoveBetweenCells_data() {
    QTest::addColumn<int>("from");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("to");
    QTest::newRow("right from an empty cell") << 17 << "" << 0 << int(Qt::Key_Right) << 18;
    QTest::newRow("right at the end of the text") << 18 << "42" << 2 << int(Qt::Key_Right) << 19;
    QTest::newRow("right inside the text") << 18 << "42" << 1 << int(Qt::Key_Right) << 18;
    QTest::newRow("left at the start") << 21 << "5" << 0 << int(Qt::Key_Left) << 20;
    QTest::newRow("left after the digit") << 21 << "5" << 1 << int(Qt::Key_Left) << 21;
    QTest::newRow("up whatever the cursor") << 21 << "5" << 1 << int(Qt::Key_Up) << 18;
    QTest::newRow("down to a column target") << 24 << "" << 0 << int(Qt::Key_Down) << 14;
    QTest::newRow("up to the rising diagonal") << 4 << "" << 0 << int(Qt::Key_Up) << 16;
    QTest::newRow("nothing below") << 15 << "" << 0 << int(Qt::Key_Down) << 15;
  }
  void arrowKeysMoveBetweenCells() {
    QFETCH(int, from);
    QFETCH(QString, text);
    QFETCH(int, cursor);
    QFETCH(int, key);
    QFETCH(int, to);
    cell(from)->setText(text);
    focus(cell(from));
    cell(from)->setCursorPosition(cursor);
    QTest::keyClick(cell(from), Qt::Key(key));
    QCOMPARE(focusName(), QString::number(to));
    QCOMPARE(cell(from)->text(), text);
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
  }


};

QTEST_MAIN(Window10Test)
#include "window10_test.moc"
