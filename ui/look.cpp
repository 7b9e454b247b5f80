// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "ui/look.h"

#include <QApplication>
#include <QFile>
#include <QFontDatabase>
#include <QAbstractItemView>
#include <QPalette>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>
#include <QTimer>

namespace ui {

namespace {

constexpr const char* kFamily = "DejaVu Sans";
constexpr const char* kFontFiles[] = {"DejaVuSans.ttf", "DejaVuSans-Bold.ttf"};

#ifndef LOOK_FONT_DIR
#define LOOK_FONT_DIR "/usr/share/fonts/truetype/dejavu"
#endif

// From the program's own resources where a build embeds the fonts, otherwise
// from the system's copy; without either, the system's nearest font serves.
void loadFonts() {
  for (const char* file : kFontFiles) {
    for (const QString& folder : {QStringLiteral(":/fonts"), QStringLiteral(LOOK_FONT_DIR)}) {
      const QString path = folder + '/' + QLatin1String(file);
      if (QFile::exists(path) && QFontDatabase::addApplicationFont(path) >= 0) break;
    }
  }
}

// The light palette of the layout for every kind of widget: a dark desktop
// theme also sets palettes per widget class, which the application's own
// palette would not replace.
void setPalette(const QPalette& palette) {
  QApplication::setPalette(palette);
  for (const char* widgetClass : {"QAbstractButton", "QAbstractItemView", "QCheckBox", "QComboBox", "QGroupBox",
                                  "QHeaderView", "QLabel", "QLineEdit", "QMenu", "QMenuBar", "QMessageBoxLabel",
                                  "QPushButton", "QRadioButton", "QTabBar", "QTextEdit", "QToolButton"}) {
    QApplication::setPalette(palette, widgetClass);
  }
}

// Fusion, with the keyboard focus shown by the focus ring alone: Fusion's own
// mark of a focused button looks just like its mark of the default button.
class OwnStyle final : public QProxyStyle {
  Q_OBJECT

public:
  OwnStyle() : QProxyStyle(QStyleFactory::create("Fusion")) {}

  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
    // The current row of a list keeps its mark; it is not where the focus is but which row it acts on.
    const bool inList = widget && (qobject_cast<const QAbstractItemView*>(widget) ||
                                   qobject_cast<const QAbstractItemView*>(widget->parentWidget()));
    if (element == PE_FrameFocusRect && !inList) return;
    if (element == PE_PanelButtonCommand && (option->state & State_HasFocus)) {
      QStyleOption unfocused(*option);
      unfocused.state &= ~State_HasFocus;
      QProxyStyle::drawPrimitive(element, &unfocused, painter, widget);
      return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
  }
};

// A desktop theme may set an application font of its own once the event loop
// runs (qt6ct does); the layout's font is set again, so menus and dialogs keep
// it. A style sheet a theme forces on every application goes too: it would
// take the board's rules and the lists' frames away.
class LookKeeper final : public QObject {
  Q_OBJECT

public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == qApp && event->type() == QEvent::ApplicationFontChange && QApplication::font() != appFont()) {
      QApplication::setFont(appFont());
    }
    if (event->type() == QEvent::StyleChange && !qApp->styleSheet().isEmpty() && !clearing_) {
      clearing_ = true;
      QTimer::singleShot(0, this, [this] {
        qApp->setStyleSheet(QString());
        clearing_ = false;
      });
    }
    return false;
  }
  static QFont appFont() { return layoutFont(12); }

private:
  bool clearing_ = false;
};

}  // namespace

void useOwnLook() {
  static bool done = false;
  if (done) return;
  done = true;
  loadFonts();
  qApp->setStyleSheet(QString());
  QApplication::setStyle(new OwnStyle);
  setPalette(QApplication::style()->standardPalette());
  QApplication::setFont(LookKeeper::appFont());
  qApp->installEventFilter(new LookKeeper(qApp));
}

QFont windowFont() {
  useOwnLook();
  return layoutFont(12);
}

QFont layoutFont(int pixelSize, bool bold) {
  QFont font(kFamily);
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  // Slight hinting, as fontconfig's usual setting, but whatever the system's
  // font configuration says: other hinting changes the glyphs' widths, and
  // with them where the help texts wrap.
  font.setHintingPreference(QFont::PreferVerticalHinting);
  return font;
}

}  // namespace ui

#include "look.moc"
