// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

// Every text of every window, dialog and menu fits its control in every
// language, and no control grows over another. ctest runs it at scale 1 and 2.

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QXmlStreamReader>
#include <QtTest>

#include <map>
#include <set>

#include "../ui/dialog_answers.h"
#include "app/app.h"
#include "app/language.h"
#include "framework/window/focus_ring.h"
#include "framework/window/message_dialog.h"

namespace {

// The room a control has for its text, and the room the text needs; empty
// rooms for a control that shows no text of its own.
struct Room {
  QSize has;
  QSize needs;
};

QString shownText(const QString& text) {
  QString shown = text;
  return shown.remove(QRegularExpression("&(?!&)"));  // a mnemonic's mark is not drawn
}

// The room of a button's text beside its indicator, as the style lays it out.
Room buttonRoom(QAbstractButton* button) {
  QStyleOptionButton option;
  option.initFrom(button);
  option.text = button->text();
  QStyle::SubElement contents = QStyle::SE_PushButtonContents;
  if (qobject_cast<QRadioButton*>(button)) contents = QStyle::SE_RadioButtonContents;
  if (qobject_cast<QCheckBox*>(button)) contents = QStyle::SE_CheckBoxContents;
  const QRect rect = button->style()->subElementRect(contents, &option, button);
  const QFontMetrics metrics(button->font());
  return {rect.size(), {metrics.horizontalAdvance(shownText(button->text())), metrics.height()}};
}

Room labelRoom(QLabel* label) {
  if (label->text().isEmpty()) return {};
  const QRect rect = label->contentsRect();
  const QFontMetrics metrics(label->font());
  if (label->wordWrap()) return {label->size(), {label->width(), label->heightForWidth(label->width())}};
  QSize needs(0, 0);
  for (const QString& line : label->text().split('\n')) {
    needs = {std::max(needs.width(), metrics.horizontalAdvance(line)), needs.height() + metrics.height()};
  }
  return {rect.size(), needs};
}

Room groupBoxRoom(QGroupBox* box) {
  QStyleOptionGroupBox option;
  option.initFrom(box);
  option.text = box->title();
  option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
  const QRect title = box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
  // The style places the title from its left margin; it must end inside the frame.
  return {{box->width() - title.left(), title.height()}, {title.width(), title.height()}};
}

// What does not fit in a window's or dialog's controls, one line a control.
QStringList misfits(QWidget* top) {
  QStringList found;
  const auto report = [&](QWidget* control, const QString& text, const Room& room) {
    if (room.needs.width() <= room.has.width() && room.needs.height() <= room.has.height()) return;
    found << QString("%1 \"%2\": needs %3 x %4, has %5 x %6")
                 .arg(control->objectName().isEmpty() ? control->metaObject()->className() : control->objectName(),
                      text.left(40))
                 .arg(room.needs.width())
                 .arg(room.needs.height())
                 .arg(room.has.width())
                 .arg(room.has.height());
  };
  for (QWidget* control : top->findChildren<QWidget*>()) {
    if (!control->isVisibleTo(top)) continue;
    if (auto* button = qobject_cast<QAbstractButton*>(control); button && !button->text().isEmpty()) {
      report(button, button->text(), buttonRoom(button));
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
      report(label, label->text(), labelRoom(label));
    } else if (auto* text = qobject_cast<QPlainTextEdit*>(control)) {
      // Laid out as the text is, without scrolling.
      QTextDocument laidOut;
      laidOut.setDefaultFont(text->font());
      laidOut.setDocumentMargin(text->document()->documentMargin());
      laidOut.setTextWidth(text->viewport()->width());
      laidOut.setPlainText(text->toPlainText());
      report(text, text->toPlainText(),
             {text->viewport()->size(), {text->viewport()->width(), static_cast<int>(laidOut.size().height())}});
    } else if (auto* box = qobject_cast<QGroupBox*>(control)) {
      report(box, box->title(), groupBoxRoom(box));
    } else if (auto* header = qobject_cast<QHeaderView*>(control)) {
      const QFontMetrics metrics(header->font());
      for (int section = 0; section < header->count(); ++section) {
        const QString text = header->model()->headerData(section, header->orientation()).toString();
        // A heading leaves room for the sort arrow beside it.
        const int arrow = header->style()->pixelMetric(QStyle::PM_HeaderMarkSize, nullptr, header);
        const int margin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
        report(header, text,
               {{header->sectionSize(section), header->height()},
                {metrics.horizontalAdvance(text) + arrow + 3 * margin, metrics.height()}});
      }
    }
  }
  return found;
}

// Where a control draws, in its parent: a label's text where its alignment
// puts it (labels may overlap, their texts may not), a group box's title (it
// frames other controls), any other control whole.
QRect drawnRect(QWidget* control) {
  if (auto* label = qobject_cast<QLabel*>(control); label && !label->wordWrap() && label->pixmap().isNull()) {
    const Room room = labelRoom(label);
    const QRect text = QStyle::alignedRect(label->layoutDirection(), label->alignment(), room.needs, label->contentsRect());
    return text.translated(label->pos());
  }
  if (auto* box = qobject_cast<QGroupBox*>(control)) {
    QStyleOptionGroupBox option;
    option.initFrom(box);
    option.text = box->title();
    option.subControls = QStyle::SC_GroupBoxLabel;
    return box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box).translated(box->pos());
  }
  return control->geometry();
}

// The pairs of controls that draw over each other, by their names. The focus
// ring is drawn round another control by design, wherever the focus is.
std::set<QString> overlaps(QWidget* area) {
  std::set<QString> pairs;
  QList<QWidget*> controls;
  for (QWidget* control : area->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (control->isVisibleTo(area) && !qobject_cast<fw::FocusRing*>(control)) controls << control;
  }
  for (int a = 0; a < controls.size(); ++a) {
    for (int b = a + 1; b < controls.size(); ++b) {
      if (drawnRect(controls[a]).intersects(drawnRect(controls[b]))) {
        pairs.insert(controls[a]->objectName() + " over " + controls[b]->objectName());
      }
    }
  }
  return pairs;
}

// What a player sees of the game's windows: each window or dialog in each
// of its states, as its controls, their texts and places.
struct Sight {
  QString name;
  QStringList misfits;
  std::set<QString> overlaps;
  std::map<QString, QString> texts;  // by control
};

QString textOf(QWidget* control) {
  if (auto* button = qobject_cast<QAbstractButton*>(control)) return button->text();
  if (auto* label = qobject_cast<QLabel*>(control)) return label->text();
  if (auto* box = qobject_cast<QGroupBox*>(control)) return box->title();
  if (auto* text = qobject_cast<QPlainTextEdit*>(control)) return text->toPlainText();
  return {};
}

Sight look(const QString& name, QWidget* top, QWidget* area) {
  Sight sight{name, misfits(top), overlaps(area), {}};
  for (QWidget* control : top->findChildren<QWidget*>()) {
    if (!control->isVisibleTo(top) || control->objectName().isEmpty()) continue;
    // What a screen reader says of it too.
    const QString texts[] = {textOf(control), control->accessibleName(), control->accessibleDescription()};
    const char* kinds[] = {"", " (name)", " (description)"};
    for (int kind = 0; kind < 3; ++kind) {
      if (!texts[kind].isEmpty()) sight.texts[control->objectName() + kinds[kind]] = texts[kind];
    }
  }
  return sight;
}

// A dialog as the game shows it, looked at before it is answered.
Sight lookAtDialog(const QString& name, QMessageBox& box) {
  Sight sight = look(name, &box, &box);
  // A dialog grows with its texts, up to the screen's width.
  if (box.width() > box.screen()->availableSize().width()) sight.misfits << "wider than the screen";
  // The buttons are in a box of their own; none may cover another.
  for (const QString& pair : overlaps(box.findChild<QDialogButtonBox*>())) sight.overlaps.insert(pair);
  return sight;
}

Sight lookAtMenu(const QString& name, QMenu& menu) {
  emit menu.aboutToShow();
  menu.ensurePolished();
  menu.adjustSize();
  Sight sight{name, {}, {}, {}};
  const QSize screen = QApplication::primaryScreen()->availableSize();
  if (menu.sizeHint().width() > screen.width()) sight.misfits << name + " is wider than the screen";
  for (QAction* action : menu.actions()) {
    if (!action->text().isEmpty()) sight.texts[action->objectName()] = action->text();
  }
  sight.texts[name] = menu.title();
  return sight;
}

// Every window and dialog of the game in the language installed now.
std::vector<Sight> lookAtEverything() {
  std::vector<Sight> sights;
  const auto waitFor = [&](const char* what, const std::function<bool()>& done) {
    if (!QTest::qWaitFor(done)) sights.push_back({"waiting", {QString("%1 never came").arg(what)}, {}, {}});
  };
  QTemporaryDir preferences;
  // The standard list's file is a folder: the game says it cannot read it,
  // save it or record into it.
  QDir(preferences.path()).mkdir("Veltrano.prefs");
  // Every dialog looked at, and answered by its cancel button: the game goes on.
  int number = 0;
  testing_support::DialogAnswers dialogs([&](const testing_support::DialogAnswers::Shown& said, QMessageBox& box) {
    sights.push_back(lookAtDialog(QString("dialog %1, \"%2\"").arg(++number).arg(said.message.c_str()), box));
    return fw::MessageDialog::Button::Cancel;
  });
  const auto& asked = dialogs.shown();
  {
    game::RandomShuffler shuffler(7);
    app::App app(shuffler, preferences.path().toStdString());
    app.showGame();
    ui::GameWindow& game = app.gameWindow();
    waitFor("the dialog of the file that could not be read", [&] { return !asked.empty(); });
    sights.push_back(look("game window", &game, game.content()));
    game.content()->findChild<QPushButton*>("scoreButton")->click();
    game.content()->findChild<QPushButton*>("startButton")->click();
    game.content()->findChild<QPushButton*>("doneButton")->click();
    const std::size_t beforeRecord = asked.size();
    game.content()->findChild<QPushButton*>("recordButton")->click();
    waitFor("the dialog of the record that could not reach the file", [&] { return asked.size() > beforeRecord; });
    sights.push_back(look("game window, a game done and recorded", &game, game.content()));
    game.content()->findChild<QRadioButton*>("expertButton")->click();
    sights.push_back(look("game window, expert", &game, game.content()));
    for (const game::Mode mode : {game::Mode::Standard, game::Mode::Expert}) {
      ui::HelpWindow help(mode);
      help.showInFront();
      sights.push_back(look(help.windowTitle(), &help, help.content()));
    }
    ui::AboutWindow about([] {});
    about.showInFront();
    sights.push_back(look("about", &about, about.content()));
    about.hide();
    const QList<QAction*> menus = game.menuBar()->actions();
    sights.push_back(lookAtMenu("file menu", *menus.at(0)->menu()));
    sights.push_back(lookAtMenu("edit menu", *menus.at(1)->menu()));

    // The clock runs out at once.
    auto* clock = game.findChild<QTimer*>();
    clock->setInterval(1);
    game.content()->findChild<QPushButton*>("startButton")->click();
    const std::size_t before = asked.size();
    waitFor("the game-over dialog", [&] { return asked.size() > before; });
    clock->setInterval(3600000);
    const std::size_t beforeClose = asked.size();
    game.close();  // saved, or asked about
    waitFor("the window closed, or the question after a failed save", [&] { return !game.isVisible() || asked.size() > beforeClose; });
  }
  {
    game::RandomShuffler shuffler(7);
    app::App app(shuffler, "");  // no folder for the files at all
    app.showGame();
    const std::size_t before = asked.size();
    waitFor("the dialog of no folder for the files", [&] { return asked.size() > before; });
  }
  return sights;
}

struct Message {
  QString source;
  QString translation;  // the first of the plural forms of a text that says a count
  QStringList forms;    // every plural form, or the one translation
  QString type;         // "unfinished", "vanished", ... or empty when done
  QString comment;      // for the translator
};

std::vector<Message> catalogue(const QString& path) {
  std::vector<Message> messages;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return messages;
  QXmlStreamReader xml(&file);
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    if (xml.name() == u"source") messages.push_back({xml.readElementText(), {}, {}, {}, {}});
    if (xml.name() == u"extracomment" && !messages.empty()) messages.back().comment = xml.readElementText();
    if (xml.name() == u"translation" && !messages.empty()) {
      Message& message = messages.back();
      message.type = xml.attributes().value("type").toString();
      QString text;
      while (!(xml.readNext() == QXmlStreamReader::EndElement && xml.name() == u"translation") && !xml.atEnd()) {
        if (xml.isStartElement() && xml.name() == u"numerusform") message.forms << xml.readElementText();
        if (xml.isCharacters()) text += xml.text();
      }
      if (message.forms.isEmpty()) message.forms << text;
      message.translation = message.forms.constFirst();
    }
  }
  return messages;
}

QString cataloguePath(const QString& language) {
  return QString(VELTRANO_TRANSLATIONS_DIR "/veltrano_%1.ts").arg(language);
}

// A text shown in a language as in English is a fault where it comes from a
// source that the language's catalogue changes ("Start" may be German too;
// "mailto:" is in no catalogue).
bool untranslated(const QString& shown, const std::vector<Message>& messages) {
  bool changed = false;
  for (const Message& message : messages) {
    QStringList parts = message.source.split(QRegularExpression("%\\d"));
    // "%1, %2" joins other texts; it says nothing of them.
    if (!parts.join("").contains(QRegularExpression("\\w"))) continue;
    for (QString& part : parts) part = QRegularExpression::escape(part);
    const QString pattern = parts.join(".*");
    if (!QRegularExpression(QRegularExpression::anchoredPattern(pattern)).match(shown).hasMatch()) continue;
    if (message.translation == message.source) return false;
    changed = true;
  }
  return changed;
}

QSet<QString> placeholders(const QString& text) {
  QSet<QString> found;
  for (const auto& match : QRegularExpression("%[\\dn]").globalMatch(text)) found << match.captured();
  return found;
}

// A catalogue whose one translation is far too long.
class TooLong : public QTranslator {
public:
  explicit TooLong(QString source) : source_(std::move(source)) {}
  bool isEmpty() const override { return false; }
  QString translate(const char*, const char* source, const char*, int) const override {
    return source == source_ ? QStringList(6, source_).join(" — ") : QString();
  }

private:
  QString source_;
};

}  // namespace

class FitTest : public QObject {
  Q_OBJECT

private:
  std::vector<Sight> english_;

private slots:
  void initTestCase() {
    // English as the game shows it, with its plural forms.
    Language english("en");
    english.install();
    english_ = lookAtEverything();
  }

  void everyTextFitsInEveryLanguage_data() {
    QTest::addColumn<QString>("language");
    for (const QString& language : availableLanguages()) QTest::newRow(qPrintable(language)) << language;
  }
  void everyTextFitsInEveryLanguage() {
    QFETCH(QString, language);
    Language catalogues(language);
    catalogues.install();
    const std::vector<Sight> sights = lookAtEverything();
    QCOMPARE(sights.size(), english_.size());
    const std::vector<Message> messages = catalogue(cataloguePath(language));
    QStringList faults;
    for (std::size_t i = 0; i < sights.size(); ++i) {
      const Sight& sight = sights[i];
      const Sight& english = english_[i];
      for (const QString& misfit : sight.misfits) faults << sight.name + ": " + misfit;
      // A control that grows for its text may not grow over another.
      for (const QString& pair : sight.overlaps) {
        if (!english.overlaps.count(pair)) faults << sight.name + ": " + pair;
      }
      // Every text is in the language, unless the catalogue says it is the same there.
      if (language == "en") continue;
      for (const auto& [control, text] : sight.texts) {
        const auto englishText = english.texts.find(control);
        if (englishText != english.texts.end() && englishText->second == text && untranslated(text, messages)) {
          faults << sight.name + ": " + control + " is still in English: " + text;
        }
      }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
  }

  // Every catalogue translates every text, in each of its plural forms,
  // keeping its placeholders and mnemonic; a text with a placeholder tells
  // the translator what fills it.
  void everyCatalogueIsComplete() {
    QStringList faults;
    const QStringList files = QDir(VELTRANO_TRANSLATIONS_DIR).entryList({"veltrano_*.ts"});
    QVERIFY(files.size() >= 3);
    for (const QString& file : files) {
      const std::vector<Message> messages = catalogue(QString(VELTRANO_TRANSLATIONS_DIR "/") + file);
      QVERIFY2(!messages.empty(), qPrintable(file));
      for (const Message& m : messages) {
        const QString where = file + ": \"" + m.source.left(50) + "\"";
        if (!placeholders(m.source).isEmpty() && m.comment.isEmpty()) {
          faults << where + " says nothing of its placeholders";
        }
        if (!m.type.isEmpty()) faults << where + " is not translated";
        for (const QString& form : m.forms) {
          if (form.trimmed().isEmpty()) faults << where + " is not translated";
          if (placeholders(form) != placeholders(m.source)) faults << where + " changes its placeholders";
          if (m.source.contains(QRegularExpression("&\\w")) != form.contains(QRegularExpression("&\\w"))) {
            faults << where + " loses or gains its mnemonic";
          }
        }
      }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
  }

  // The test itself fails on a translation too long for its control, in a
  // button, a label, a paragraph of help, a menu of the dialog's.
  void aTranslationTooLongIsFound_data() {
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("found");
    QTest::newRow("button") << "Start" << "startButton";
    QTest::newRow("radio button") << "expert" << "expertButton";
    QTest::newRow("check box") << "Static Version" << "staticVersionBox";
    QTest::newRow("group box") << "Choices" << "modeGroup";
    QTest::newRow("label") << "Your Score:" << "scoreCaption";
    QTest::newRow("label over another") << "Scores" << "scoresHeading over modeLabel";
    QTest::newRow("list heading") << "Score" << "\"Score — Score";
    QTest::newRow("help paragraph") << "You can use the calculator at the top to help with the multiplication."
                                    << "rulesText";
    QTest::newRow("about") << "Close" << "closeButton";
  }
  void aTranslationTooLongIsFound() {
    QFETCH(QString, source);
    QFETCH(QString, found);
    TooLong catalogue(source);
    QCoreApplication::installTranslator(&catalogue);
    QStringList all;
    const std::vector<Sight> sights = lookAtEverything();
    for (std::size_t i = 0; i < sights.size(); ++i) {
      for (const QString& misfit : sights[i].misfits) all << sights[i].name + ": " + misfit;
      for (const QString& pair : sights[i].overlaps) {
        if (!english_[i].overlaps.count(pair)) all << sights[i].name + ": " + pair;
      }
    }
    QCoreApplication::removeTranslator(&catalogue);
    QVERIFY2(all.filter(found).size() > 0, qPrintable(all.join('\n')));
  }
};

QTEST_MAIN(FitTest)
#include "fit_test.moc"
