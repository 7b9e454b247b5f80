// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "ui/help_window.h"

#include <QLabel>

#include <functional>
#include <vector>

#include "framework/window/message_dialog.h"
#include "framework/window/open_link.h"
#include "ui/look.h"
#include "framework/window/widgets.h"
#include "ui/help_pictures.h"
#include "ui/help_texts.h"

namespace ui {

namespace {

// The support's address, by the desktop's mail program; a game run as root
// in a player's HOME names it instead.
void openSupportLink() {
  if (fw::openLink(kSupportLink)) return;
  const std::string link = kSupportLink;
  const std::string address = link.starts_with("mailto:") ? link.substr(7) : link;
  fw::MessageDialog dialog;
  dialog.message = HelpWindow::tr("The game runs as root, so it opens no other program.").toStdString();
  //: %1 is the support's e-mail address.
  dialog.explanation = HelpWindow::tr("Write to %1 from your own account.").arg(QString::fromStdString(address)).toStdString();
  dialog.cancelVisible = false;
  dialog.open();
}

struct Part {
  enum class Kind { Picture, Paragraphs, SupportLabel, SupportLink, Close };
  Kind kind;
  QRect where;
  HelpPicture picture = HelpPicture::StandardBoard;  // of a picture
  QString (*text)() = nullptr;                       // of paragraphs
};

struct Page {
  const char* title;
  QSize size;
  bool resizable;
  std::vector<Part> parts;  // in the order the keyboard focus visits them
};

using Kind = Part::Kind;

//: The title of the help window of the standard mode.
const Page kStandardPage = {QT_TRANSLATE_NOOP("ui::HelpWindow", "Help"), {867, 737}, false, {
    {Kind::Picture, {45, 36, 441, 370}, HelpPicture::StandardBoard},
    {Kind::Paragraphs, {509, 36, 325, 485}, {}, standardRules},
    {Kind::Picture, {45, 524, 270, 183}, HelpPicture::StandardScores},
    {Kind::Paragraphs, {327, 564, 379, 143}, {}, standardScoreList},
    {Kind::SupportLabel, {546, 535, 59, 20}},
    {Kind::SupportLink, {617, 533, 217, 25}},
    {Kind::Close, {734, 684, 100, 20}},
}};

//: The title of the help window of the expert mode.
const Page kExpertPage = {QT_TRANSLATE_NOOP("ui::HelpWindow", "Expert Help"), {872, 739}, true, {
    {Kind::Picture, {20, 14, 538, 516}, HelpPicture::ExpertBoard},
    {Kind::Paragraphs, {570, 14, 298, 575}, {}, expertRules},
    {Kind::SupportLabel, {288, 569, 59, 20}},
    {Kind::SupportLink, {359, 567, 199, 26}},
    {Kind::Picture, {20, 548, 270, 171}, HelpPicture::ExpertScores},
    {Kind::Paragraphs, {302, 605, 416, 114}, {}, expertScoreList},
    {Kind::Close, {730, 679, 100, 20}},
}};

const QColor kBlue(0x00, 0x00, 0xFF);

void paintText(QLabel* label, const QColor& colour) {
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, colour);
  label->setPalette(palette);
}

// The parts of a page, each made at its place in the window's content area.

void addPicture(QWidget* content, const Part& part, bool first) {
  auto* picture = new QLabel(content);
  picture->setObjectName(first ? "boardPicture" : "scoresPicture");
  picture->setGeometry(part.where);
  picture->setPixmap(drawPicture(part.picture));
  const PictureWords words = describePicture(part.picture);
  picture->setAccessibleName(QString::fromStdString(words.name));
  picture->setAccessibleDescription(QString::fromStdString(words.description));
}

void addParagraphs(QWidget* window, QWidget* content, const Part& part, bool rules) {
  auto* text = new fw::ReadableText(part.text(), content);
  fw::place(text, rules ? "rulesText" : "scoreListText", part.where, layoutFont(12));
  text->setAccessibleName(rules ?
                                   //: The name a screen reader gives the help's text of the rules.
                                   HelpWindow::tr("Rules")
                                 :
                                   //: The name a screen reader gives the help's text about the score lists.
                                   HelpWindow::tr("Score lists"));
  // The dialog is described by its first paragraph, which a reader says as it opens.
  if (rules) fw::markAsDialog(window, part.text().section(QStringLiteral("\n\n"), 0, 0));
}

void addSupportLabel(QWidget* content, const Part& part) {
  //: The caption before the support's e-mail address; 59 px at 12 px.
  auto* label = new QLabel(HelpWindow::tr("Support:"), content);
  fw::place(label, "supportLabel", part.where, layoutFont(12));
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void addSupportLink(QWidget* content, const Part& part) {
  auto* link = new fw::PressableText(kSupportLink, content, fw::Pressable::Role::Link, [] { openSupportLink(); });
  QFont font = layoutFont(10);
  font.setUnderline(true);
  fw::place(link, "supportLink", part.where, font);
  link->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  paintText(link, kBlue);
}

QWidget* addClose(QWidget* content, const Part& part, std::function<void()> close) {
  //: Closes the help window; 100 px at 14 px bold, in capitals as the English.
  auto* text = new fw::PressableText(HelpWindow::tr("CLOSE"), content, fw::Pressable::Role::Button, std::move(close));
  fw::place(text, "closeText", part.where, layoutFont(14, true));
  text->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  paintText(text, kBlue);
  return text;
}

}  // namespace

HelpWindow::HelpWindow(game::Mode mode) : fw::Window(windowFont()) {
  const Page& page = mode == game::Mode::Standard ? kStandardPage : kExpertPage;
  setWindowTitle(tr(page.title));
  QWidget* closeText = nullptr;
  int paragraphs = 0;
  int pictures = 0;
  for (const Part& part : page.parts) {
    switch (part.kind) {
      case Kind::Picture: addPicture(content(), part, ++pictures == 1); break;
      case Kind::Paragraphs: addParagraphs(this, content(), part, ++paragraphs == 1); break;
      case Kind::SupportLabel: addSupportLabel(content(), part); break;
      case Kind::SupportLink: addSupportLink(content(), part); break;
      case Kind::Close: closeText = addClose(content(), part, [this] { hide(); }); break;
    }
  }
  // Escape does what "CLOSE" does.
  setEscapeHandler([this] { hide(); });
  setContentSize(page.size.width(), page.size.height());
  setResizable(page.resizable);
  setWindowModality(Qt::ApplicationModal);
  // The focus starts on "CLOSE" at every showing, so a Return does not open a
  // new e-mail; on a small screen the help opens at its top, with "CLOSE" in view.
  setFocusOnShow(closeText);
  keepInView(closeText);
}

}  // namespace ui
