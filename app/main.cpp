#include <QApplication>
#include <QIcon>

#include "app/app.h"
#include "framework/application.h"
#include "framework/shuffle.h"

int main(int argc, char* argv[]) {
  fw::sayNoDisplayInOneLine();
  QApplication application(argc, argv);
  fw::displayOpened();
  QApplication::setApplicationName("Veltrano");
  QApplication::setDesktopFileName("example.veltrano.Veltrano");
  QApplication::setWindowIcon(QIcon(":/veltrano.png"));
  fw::RandomShuffle shuffle;
  App app(shuffle);
  fw::quitOnTerminationRequests([&app] {
    if (Window10* game = app.existingWindow10()) game->saveScores();
  });
  app.window10();
  return QApplication::exec();
}
