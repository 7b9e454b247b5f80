// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

// The language the game speaks: the desktop's, as gettext reads it, among those it has.

#include <QDir>
#include <QLineEdit>
#include <QLockFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <map>

#include <sys/stat.h>
#include <unistd.h>

#include "../ui/dialog_answers.h"
#include "../ui/lists_settled.h"
#include "app/app.h"
#include "app/language.h"
#include "framework/list/list_box.h"
#include "framework/window/message_dialog.h"
#include "ui/score_list_model.h"

class LanguageTest : public QObject {
  Q_OBJECT

private slots:
  // English and a language for each catalogue in translations/, built in.
  void theCataloguesBuiltInAreTheLanguages() {
    QStringList expected{"en"};
    for (const QString& file : QDir(VELTRANO_TRANSLATIONS_DIR).entryList({"veltrano_*.ts"})) {
      // English's own catalogue holds its plural forms.
      if (file != "veltrano_en.ts") expected << file.mid(9).chopped(3);
    }
    expected.sort();
    QCOMPARE(availableLanguages(), expected);
    for (const char* language : {"de", "es", "fr"}) QVERIFY(expected.contains(language));
  }

  void theDesktopsLanguage_data() {
    QTest::addColumn<QString>("languageList");
    QTest::addColumn<QString>("lcAll");
    QTest::addColumn<QString>("lcMessages");
    QTest::addColumn<QString>("lang");
    QTest::addColumn<QString>("language");
    QTest::newRow("nothing set") << "" << "" << "" << "" << "en";
    QTest::newRow("LANG") << "" << "" << "" << "de_DE.UTF-8" << "de";
    QTest::newRow("territory, codeset and modifier") << "" << "" << "" << "fr_BE.ISO-8859-15@euro" << "fr";
    QTest::newRow("a language alone") << "" << "" << "" << "es" << "es";
    QTest::newRow("LC_MESSAGES over LANG") << "" << "" << "es_ES.UTF-8" << "de_DE.UTF-8" << "es";
    QTest::newRow("LC_ALL over LC_MESSAGES") << "" << "fr_FR.UTF-8" << "es_ES.UTF-8" << "de_DE.UTF-8" << "fr";
    QTest::newRow("LANGUAGE over all") << "de" << "fr_FR.UTF-8" << "es_ES.UTF-8" << "fr_FR.UTF-8" << "de";
    QTest::newRow("LANGUAGE, the first it has") << "it:pt_BR:es:de" << "" << "" << "fr_FR.UTF-8" << "es";
    QTest::newRow("LANGUAGE of none it has") << "it:pt" << "" << "" << "de_DE.UTF-8" << "en";
    QTest::newRow("English asked for first") << "en_GB:de" << "" << "" << "" << "en";
    QTest::newRow("C") << "" << "C" << "" << "de_DE.UTF-8" << "en";
    QTest::newRow("C.UTF-8") << "" << "" << "" << "C.UTF-8" << "en";
    QTest::newRow("POSIX") << "" << "" << "POSIX" << "fr_FR.UTF-8" << "en";
    QTest::newRow("a language it lacks") << "" << "" << "" << "it_IT.UTF-8" << "en";
    QTest::newRow("a locale not installed, as read by its name") << "" << "" << "" << "de_CH.UTF-8" << "de";
    QTest::newRow("upper case") << "" << "" << "" << "DE_de" << "de";
  }
  void theDesktopsLanguage() {
    QFETCH(QString, language);
    QFETCH(QString, languageList);
    QFETCH(QString, lcAll);
    QFETCH(QString, lcMessages);
    QFETCH(QString, lang);
    std::map<QByteArray, QByteArray> environment = {{"LANGUAGE", languageList.toUtf8()}, {"LC_ALL", lcAll.toUtf8()},
                                                    {"LC_MESSAGES", lcMessages.toUtf8()}, {"LANG", lang.toUtf8()}};
    const auto read = [&](const char* variable) { return environment[variable]; };
    QCOMPARE(desktopLanguage(availableLanguages(), read), language);
  }

  // The catalogue of each language is built in and speaks it; English speaks as the code does.
  void eachLanguageSpeaksItsOwn_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("quit");
    QTest::addColumn<QString>("ok");
    QTest::newRow("en") << "en" << "&Quit" << "OK";
    QTest::newRow("de") << "de" << "&Beenden" << "OK";
    QTest::newRow("fr") << "fr" << "&Quitter" << "OK";
    QTest::newRow("es") << "es" << "&Salir" << "Aceptar";
  }
  void eachLanguageSpeaksItsOwn() {
    QFETCH(QString, language);
    QFETCH(QString, quit);
    QFETCH(QString, ok);
    Language catalogues(language);
    catalogues.install();
    QCOMPARE(QCoreApplication::translate("App", "&Quit"), quit);
    QCOMPARE(QCoreApplication::translate("fw::MessageDialog", "OK"), ok);
  }

  // Why a score file failed is told whole in the language, with its path,
  // whether it fails as the game starts or as a score is recorded.
  void whyAFileFailedIsToldInTheLanguage_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("failure");
    QTest::addColumn<QString>("told");  // PATH, LOCK and PROCESS stand for what they name
    const QString folder = "a folder in the file's place", fifo = "a FIFO in the file's place",
                  lockFolder = "a folder in the lock file's place", held = "the lock held by another game",
                  noFolder = "no preferences folder";
    QTest::newRow("de, folder") << "de" << folder << "PATH: das ist ein Ordner, keine Datei.";
    QTest::newRow("de, lock file a folder")
        << "de" << lockFolder
        << "Die Punktzahl konnte nicht in PATH eingetragen werden: die Sperrdatei LOCK steht im Weg: das ist ein "
           "Ordner, keine Datei.";
    QTest::newRow("de, lock held") << "de" << held << "ein anderes Spiel (Prozess PROCESS) hielt die Datei gesperrt.";
    QTest::newRow("fr, FIFO") << "fr" << fifo << QString("PATH\u00a0: ce n’est pas un fichier ordinaire.");
    QTest::newRow("fr, lock file a folder")
        << "fr" << lockFolder
        << QString("le fichier de verrouillage LOCK fait obstacle\u00a0: c’est un dossier, pas un fichier.");
    QTest::newRow("fr, lock held") << "fr" << held << "un autre jeu (processus PROCESS) gardait le fichier verrouillé.";
    QTest::newRow("es, folder") << "es" << folder << "PATH: es una carpeta, no un archivo.";
    QTest::newRow("es, no folder")
        << "es" << noFolder << "No se ha podido añadir a un archivo: no hay carpeta de preferencias.";
    QTest::newRow("es, lock held") << "es" << held << "otro juego (proceso PROCESS) tenía el archivo bloqueado.";
    QTest::newRow("en, lock file a folder")
        << "en" << lockFolder << "It could not be added to PATH: its lock file LOCK is in the way: it is a folder, not a file.";
  }
  void whyAFileFailedIsToldInTheLanguage() {
    QFETCH(QString, language);
    QFETCH(QString, failure);
    QFETCH(QString, told);
    Language catalogues(language);
    catalogues.install();
    QTemporaryDir temporary;
    // A folder's name is the player's: what looks like a placeholder in it is said as it is.
    const QString preferences = temporary.filePath("100%2 %1");
    QVERIFY(QDir().mkdir(preferences));
    const QString path = preferences + "/Veltrano.prefs";
    if (failure.contains("folder in the file's")) QVERIFY(QDir().mkdir(path));
    if (failure.contains("FIFO")) QCOMPARE(::mkfifo(path.toLocal8Bit().constData(), 0600), 0);
    if (failure.contains("lock file's")) QVERIFY(QDir().mkdir(path + ".lock"));
    QLockFile otherGame(path + ".lock");
    if (failure.contains("another game")) QVERIFY(otherGame.tryLock());
    testing_support::DialogAnswers dialogs;
    {
      game::RandomShuffler shuffler(3);
      app::App app(shuffler, failure.contains("no preferences") ? "" : preferences.toStdString());
      app.showGame();
      ui::GameWindow& game = app.gameWindow();
      // A file that cannot be read is told as the game starts; any other failure when a score is recorded.
      if (failure.contains("in the file's place")) {
        QVERIFY(QTest::qWaitFor([&] { return !dialogs.shown().empty(); }));
      } else {
        game.content()->findChild<QPushButton*>("scoreButton")->click();
        game.content()->findChild<QPushButton*>("recordButton")->click();
        // The record's file step has run and told its failure, which has been answered.
        QVERIFY(testing_support::listsSettled(game));
        QVERIFY(QTest::qWaitFor([] { return !QApplication::activeModalWidget(); }));
      }
    }
    QStringList said;
    for (std::size_t dialog = 0; dialog < dialogs.shown().size(); ++dialog) {
      said << QString::fromStdString(dialogs.said(dialog));
    }
    told.replace("PATH", path).replace("LOCK", "Veltrano.prefs.lock").replace("PROCESS", QString::number(::getpid()));
    QVERIFY2(!said.filter(told).isEmpty(), qPrintable(said.join("\n---\n")));
  }

  // A score recorded in one language is the same line of the same file in
  // every other, and reads the same there.
  void scoreFilesAreTheSameInEveryLanguage() {
    QTemporaryDir folder;
    QByteArray before;
    int recorded = 0;
    for (const QString& language : availableLanguages()) {
      Language catalogues(language);
      catalogues.install();
      game::RandomShuffler shuffler(11);
      app::App app(shuffler, folder.path().toStdString());
      app.showGame();
      ui::GameWindow& game = app.gameWindow();
      auto* list = game.content()->findChild<fw::ListBox*>("standardList");
      const auto settled = [list] { return !static_cast<ui::ScoreListModel*>(list->model())->busy(); };
      QVERIFY(QTest::qWaitFor(settled));
      QCOMPARE(list->rowCount(), recorded);  // the lines recorded in the other languages
      game.content()->findChild<QPushButton*>("startButton")->click();
      // Five of the nine digits right: 56 of 100 points.
      for (int square = 0; square < 5; ++square) {
        game.content()->findChild<QLineEdit*>(QString("square%1").arg(square))
            ->setText(QString::number(game.game().solution[static_cast<std::size_t>(square)]));
      }
      game.content()->findChild<QPushButton*>("doneButton")->click();
      game.content()->findChild<QPushButton*>("scoreButton")->click();
      game.content()->findChild<QLineEdit*>("nameField")->setText(QString::fromUtf8("Zoë ") + language);
      game.content()->findChild<QPushButton*>("recordButton")->click();
      QVERIFY(QTest::qWaitFor(settled));
      QFile file(folder.filePath("Veltrano.prefs"));
      QVERIFY(file.open(QIODevice::ReadOnly));
      const QByteArray lines = file.readAll();
      QCOMPARE(lines, before + "Zo\xc3\xab " + language.toUtf8() + ",56\n");
      game.saveScores();
      QFile saved(folder.filePath("Veltrano.prefs"));
      QVERIFY(saved.open(QIODevice::ReadOnly));
      QCOMPARE(saved.readAll(), lines);  // written back as it was
      before = lines;
      ++recorded;
    }
  }
};

QTEST_MAIN(LanguageTest)
#include "language_test.moc"
