#include "framework/application.h"

#include <QApplication>

namespace fw {

void quitApplication(int status) {
  QApplication::closeAllWindows();
  QCoreApplication::exit(status);
}

}  // namespace fw
