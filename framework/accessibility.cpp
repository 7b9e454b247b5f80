// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "framework/accessibility.h"

#include <QAccessibleWidget>
#include <QComboBox>
#include <QCoreApplication>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QPointer>
#include <QTimer>

#include "framework/event_watcher.h"
#include "framework/list_box.h"

namespace fw {

namespace {

constexpr const char* kKeptOut = "fwKeptFromAssistiveTools";
constexpr const char* kContentArea = "fwContentArea";

// A window's content area lists its controls, less the drawings and those
// hidden now: a screen reader need not wade through them.
class ContentAccessible final : public QAccessibleWidget {
public:
  explicit ContentAccessible(QWidget* widget) : QAccessibleWidget(widget, QAccessible::Client) {}

  int childCount() const override { return static_cast<int>(children().size()); }
  QAccessibleInterface* child(int index) const override {
    const QList<QWidget*> list = children();
    return index >= 0 && index < list.size() ? QAccessible::queryAccessibleInterface(list[index]) : nullptr;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    return child ? static_cast<int>(children().indexOf(qobject_cast<QWidget*>(child->object()))) : -1;
  }

private:
  QList<QWidget*> children() const {
    QList<QWidget*> list;
    for (QObject* object : widget()->children()) {
      auto* w = qobject_cast<QWidget*>(object);
      if (w && !w->isWindow() && !w->isHidden() && !w->property(kKeptOut).toBool()) list << w;
    }
    return list;
  }
};

// A text that acts when pressed: "CLOSE", a link.
class PressableAccessible final : public QAccessibleWidget {
public:
  PressableAccessible(QWidget* widget, Pressable& pressable)
      : QAccessibleWidget(widget, pressable.pressRole() == Pressable::Role::Link ? QAccessible::Link : QAccessible::Button),
        pressable_(pressable) {}

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
      if (auto* label = qobject_cast<QLabel*>(widget())) return label->text();
    }
    return QAccessibleWidget::text(t);
  }
  QStringList actionNames() const override { return QStringList{pressAction()} + QAccessibleWidget::actionNames(); }
  void doAction(const QString& name) override {
    if (name == pressAction()) {
      pressable_.press();
    } else {
      QAccessibleWidget::doAction(name);
    }
  }

private:
  Pressable& pressable_;
};

// A pop-up menu named for what it chooses ("first factor"); Qt names it after
// its chosen item on Linux, which says nothing of its purpose. Its value is
// the chosen item: its text, and its place in the menu.
class PopupMenuAccessible final : public QAccessibleWidget, public QAccessibleValueInterface {
public:
  explicit PopupMenuAccessible(QComboBox* combo) : QAccessibleWidget(combo, QAccessible::ComboBox) {}

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }
  QVariant currentValue() const override { return combo()->currentIndex(); }
  void setCurrentValue(const QVariant& value) override { combo()->setCurrentIndex(value.toInt()); }
  QVariant maximumValue() const override { return combo()->count() - 1; }
  QVariant minimumValue() const override { return 0; }
  QVariant minimumStepSize() const override { return 1; }

  // A reader says a pop-up menu by its name alone: the name says the choice too, "first factor, 7".
  QString text(QAccessible::Text t) const override {
    const QString chosen = combo()->currentText();
    if (t == QAccessible::Value) return chosen;
    if (t == QAccessible::Name) {
      const QString purpose = widget()->accessibleName();
      return purpose.isEmpty() ? chosen : purpose + ", " + chosen;
    }
    return QAccessibleWidget::text(t);
  }
  // Its one child is the list of items it pops up.
  int childCount() const override { return 1; }
  QAccessibleInterface* child(int index) const override {
    return index == 0 ? QAccessible::queryAccessibleInterface(combo()->view()) : nullptr;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    return child && child->object() == combo()->view() ? 0 : -1;
  }
  QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
  void doAction(const QString& name) override {
    if (name == showMenuAction() || name == pressAction()) combo()->showPopup();
  }

private:
  QComboBox* combo() const { return static_cast<QComboBox*>(widget()); }
};

// One child of a list's table: a cell, a column heading (row -1), or one of
// the hidden row headings (column -1) that Qt's own numbering of a table's
// children counts, and which stay invisible here.
class ListPartAccessible final : public QAccessibleInterface,
                                 public QAccessibleTableCellInterface,
                                 public QAccessibleActionInterface {
public:
  ListPartAccessible(ListBox* view, int row, int column) : view_(view), row_(row), column_(column) {}

  bool isValid() const override {
    return view_ && view_->model() && row_ < view_->model()->rowCount() && column_ < view_->model()->columnCount();
  }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return view_ ? view_->window()->windowHandle() : nullptr; }
  QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(view_.data()); }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  void setText(QAccessible::Text, const QString&) override {}

  QAccessible::Role role() const override {
    if (column_ < 0) return row_ < 0 ? QAccessible::Pane : QAccessible::RowHeader;
    return row_ < 0 ? QAccessible::ColumnHeader : QAccessible::Cell;
  }

  QString text(QAccessible::Text t) const override {
    if (t != QAccessible::Name || !isValid() || column_ < 0) return {};
    if (isHeading()) return view_->model()->headerData(column_, Qt::Horizontal).toString();
    const QString spoken = view_->model()->data(index(), Qt::AccessibleTextRole).toString();
    return spoken.isEmpty() ? view_->model()->data(index(), Qt::DisplayRole).toString() : spoken;
  }

  QRect rect() const override {
    if (!isValid() || column_ < 0) return {};
    if (isHeading()) {
      const QHeaderView* header = view_->horizontalHeader();
      const QPoint origin = header->mapToGlobal(QPoint(header->sectionViewportPosition(column_), 0));
      return {origin, QSize(header->sectionSize(column_), header->height())};
    }
    const QRect shown = view_->visualRect(index());
    return shown.translated(view_->viewport()->mapToGlobal(QPoint(0, 0)));
  }

  QAccessible::State state() const override {
    QAccessible::State state;
    if (!isValid()) return state;
    state.invisible = column_ < 0 || !view_->isVisible();
    if (isHeading()) {
      state.invisible = state.invisible || view_->horizontalHeader()->isHidden();
      const auto* row = dynamic_cast<const ListHeading*>(view_->horizontalHeader());
      state.focusable = true;
      state.focused = row && row->hasFocus() && row->chosen() == column_;
    } else if (column_ >= 0) {
      state.invisible = state.invisible || !view_->viewport()->rect().intersects(view_->visualRect(index()));
      state.selectable = true;
      state.focusable = true;
      state.selected = isSelected();
      state.focused = view_->hasFocus() && view_->currentIndex() == index();
    }
    return state;
  }

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TableCellInterface && row_ >= 0 && column_ >= 0) {
      return static_cast<QAccessibleTableCellInterface*>(this);
    }
    if (type == QAccessible::ActionInterface && isHeading()) return static_cast<QAccessibleActionInterface*>(this);
    return nullptr;
  }

  // The table cell.
  bool isSelected() const override { return isValid() && view_->selectionModel()->isSelected(index()); }
  QList<QAccessibleInterface*> columnHeaderCells() const override;
  QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
  int columnIndex() const override { return column_; }
  int rowIndex() const override { return row_; }
  int columnExtent() const override { return 1; }
  int rowExtent() const override { return 1; }
  QAccessibleInterface* table() const override { return parent(); }

  // A heading sorts its list when pressed, as a click on it does.
  QStringList actionNames() const override { return {pressAction()}; }
  void doAction(const QString& name) override {
    if (name == pressAction() && isValid()) emit view_->horizontalHeader()->sectionClicked(column_);
  }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

  ListBox* view() const { return view_; }
  int row() const { return row_; }
  int column() const { return column_; }

private:
  bool isHeading() const { return row_ < 0 && column_ >= 0; }
  QModelIndex index() const { return view_->model()->index(row_, column_); }

  QPointer<ListBox> view_;
  int row_;
  int column_;
};

// A score list: a table of headings and cells, named after its list, in the
// numbering of children that Qt's item views use in their events.
class ListAccessible final : public QAccessibleWidget, public QAccessibleTableInterface {
public:
  explicit ListAccessible(ListBox* view) : QAccessibleWidget(view, QAccessible::Table) {}
  ~ListAccessible() override { forgetParts(); }

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }

  int childCount() const override { return (rowCount() + 1) * width(); }
  QAccessibleInterface* child(int index) const override {
    if (index < 0 || index >= childCount()) return nullptr;
    if (const auto known = parts_.constFind(index); known != parts_.constEnd()) {
      return QAccessible::accessibleInterface(*known);
    }
    auto* part = new ListPartAccessible(view(), index / width() - 1, index % width() - 1);
    parts_.insert(index, QAccessible::registerAccessibleInterface(part));
    return part;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    const auto* part = dynamic_cast<const ListPartAccessible*>(child);
    if (!part || part->view() != view()) return -1;
    return (part->row() + 1) * width() + part->column() + 1;
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    const QModelIndex at = view()->indexAt(view()->viewport()->mapFromGlobal(QPoint(x, y)));
    return at.isValid() ? cellAt(at.row(), at.column()) : nullptr;
  }
  QAccessibleInterface* focusChild() const override {
    const QModelIndex current = view()->currentIndex();
    return view()->hasFocus() && current.isValid() ? cellAt(current.row(), current.column()) : nullptr;
  }

  QAccessibleInterface* caption() const override { return nullptr; }
  QAccessibleInterface* summary() const override { return nullptr; }
  QAccessibleInterface* cellAt(int row, int column) const override { return child((row + 1) * width() + column + 1); }
  QString columnDescription(int column) const override {
    return view()->model()->headerData(column, Qt::Horizontal).toString();
  }
  QString rowDescription(int) const override { return {}; }
  int columnCount() const override { return view()->model()->columnCount(); }
  int rowCount() const override { return view()->model()->rowCount(); }

  int selectedCellCount() const override { return static_cast<int>(selection()->selectedIndexes().size()); }
  QList<QAccessibleInterface*> selectedCells() const override {
    QList<QAccessibleInterface*> cells;
    for (const QModelIndex& index : selection()->selectedIndexes()) cells << cellAt(index.row(), index.column());
    return cells;
  }
  int selectedColumnCount() const override { return 0; }
  int selectedRowCount() const override { return static_cast<int>(selectedRows().size()); }
  QList<int> selectedColumns() const override { return {}; }
  QList<int> selectedRows() const override {
    QList<int> rows;
    for (const QModelIndex& index : selection()->selectedRows()) rows << index.row();
    return rows;
  }
  bool isColumnSelected(int) const override { return false; }
  bool isRowSelected(int row) const override { return selection()->isRowSelected(row, {}); }
  bool selectRow(int row) override {
    if (row < 0 || row >= rowCount()) return false;
    view()->selectRow(row);
    return true;
  }
  bool selectColumn(int) override { return false; }
  bool unselectRow(int row) override {
    if (!isRowSelected(row)) return false;
    view()->clearSelection();
    return true;
  }
  bool unselectColumn(int) override { return false; }

  // Rows come, go and change places: their cells are made anew on demand.
  // The headings stay, so that a tool that pressed one may press it again.
  void modelChange(QAccessibleTableModelChangeEvent*) override { forgetParts(width()); }

private:
  ListBox* view() const { return static_cast<ListBox*>(widget()); }
  QItemSelectionModel* selection() const { return view()->selectionModel(); }
  int width() const { return columnCount() + 1; }  // a hidden row heading before each row
  // Forgets the parts from that child on: the headings come first.
  void forgetParts(int from = 0) {
    for (auto part = parts_.begin(); part != parts_.end();) {
      if (part.key() < from) {
        ++part;
        continue;
      }
      QAccessible::deleteAccessibleInterface(part.value());
      part = parts_.erase(part);
    }
  }

  mutable QHash<int, QAccessible::Id> parts_;
};

QList<QAccessibleInterface*> ListPartAccessible::columnHeaderCells() const {
  QAccessibleInterface* list = parent();
  QAccessibleTableInterface* table = list ? list->tableInterface() : nullptr;
  if (!table) return {};
  return {list->child(column_ + 1)};
}

// The heading row when it has the keyboard focus: it stands for its chosen
// heading, whose name it says; a press sorts by it.
class HeadingRowAccessible final : public QAccessibleWidget {
public:
  explicit HeadingRowAccessible(ListHeading* heading) : QAccessibleWidget(heading, QAccessible::ColumnHeader) {}
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name) return heading()->model()->headerData(heading()->chosen(), Qt::Horizontal).toString();
    if (t == QAccessible::Description) {
      return QCoreApplication::translate("fw::ListBox", "Left and Right choose a heading; Space sorts by it.");
    }
    return QAccessibleWidget::text(t);
  }
  QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(heading()->parentWidget()); }
  QStringList actionNames() const override { return {pressAction()}; }
  void doAction(const QString& name) override {
    if (name == pressAction()) emit heading()->sectionClicked(heading()->chosen());
  }

private:
  ListHeading* heading() const { return static_cast<ListHeading*>(widget()); }
};

// The announcer's news, as a notification.
class NotificationAccessible final : public QAccessibleWidget {
public:
  explicit NotificationAccessible(QWidget* announcer) : QAccessibleWidget(announcer, QAccessible::Notification) {}
};

QAccessibleInterface* factory(const QString&, QObject* object) {
  auto* widget = qobject_cast<QWidget*>(object);
  if (!widget) return nullptr;
  if (auto* pressable = dynamic_cast<Pressable*>(widget)) return new PressableAccessible(widget, *pressable);
  if (widget->property(kContentArea).toBool()) return new ContentAccessible(widget);
  if (auto* list = dynamic_cast<ListBox*>(widget)) return new ListAccessible(list);
  if (auto* heading = dynamic_cast<ListHeading*>(widget)) return new HeadingRowAccessible(heading);
  if (dynamic_cast<Announcer*>(widget)) return new NotificationAccessible(widget);
  if (auto* combo = qobject_cast<QComboBox*>(widget); combo && !combo->isEditable()) return new PopupMenuAccessible(combo);
  return nullptr;
}

}  // namespace

void installAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(factory);
    return true;
  }();
  (void)installed;
}

Announcer::Announcer(QWidget* parent) : QWidget(parent), gone_(new QTimer(this)) {
  setObjectName("announcer");
  setGeometry(0, 0, 1, 1);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
  hide();
  // Out of the way again once it has been heard.
  gone_->setSingleShot(true);
  gone_->setInterval(3000);
  connect(gone_, &QTimer::timeout, this, &QWidget::hide);
}

void Announcer::announce(const QString& news) {
  if (!QAccessible::isActive()) return;
  hide();
  setAccessibleName(news);
  show();
  gone_->start();
}

void keepFromAssistiveTools(QWidget* widget) { widget->setProperty(kKeptOut, true); }

void tellRowAdded(QAbstractItemView* list, int row) {
  if (!QAccessible::isActive()) return;
  // The list's children: a hidden row heading and the cells, row by row, after the heading row.
  const int width = list->model()->columnCount() + 1;
  for (int column = 0; column < width - 1; ++column) {
    QAccessibleEvent added(list, QAccessible::ObjectCreated);
    added.setChild((row + 1) * width + column + 1);
    QAccessible::updateAccessibility(&added);
  }
}

void tellHeadingFocused(QWidget* headingRow, int column) {
  if (!QAccessible::isActive()) return;
  // The heading as the list's child, where a reader finds it; the heading
  // row's own widget is no child of the list.
  QAccessibleEvent focused(headingRow->parentWidget(), QAccessible::Focus);
  focused.setChild(column + 1);
  QAccessible::updateAccessibility(&focused);
}
void markAsContentArea(QWidget* widget) {
  widget->setProperty(kContentArea, true);
  // A control shown or hidden joins or leaves the area's children: assistive tools are told.
  watchEvents(widget, [](QEvent* event) {
    if (event->type() != QEvent::ChildAdded) return false;
    auto* child = qobject_cast<QWidget*>(static_cast<QChildEvent*>(event)->child());
    if (!child) return false;
    // One event for the child that comes or goes: Qt's event for a whole new
    // set of children reaches the bus malformed.
    watchEvents(child, [child](QEvent* change) {
      if (child->property(kKeptOut).toBool() || !QAccessible::isActive()) return false;
      if (change->type() == QEvent::ShowToParent || change->type() == QEvent::HideToParent) {
        QAccessibleEvent joined(child, change->type() == QEvent::ShowToParent ? QAccessible::ObjectCreated
                                                                             : QAccessible::ObjectDestroyed);
        QAccessible::updateAccessibility(&joined);
      }
      return false;
    });
    return false;
  });
}

}  // namespace fw
