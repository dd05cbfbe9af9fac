// vqchanneleditor [FILE] [--profile INI] [--trace LOG] [--emulated-receiver FILE]

#include <QApplication>

#include "ui/app/editor_application.h"

int main(int argc, char* argv[]) {
  QApplication qt(argc, argv);
  QApplication::setApplicationName("VQChannelEditor");
  QApplication::setApplicationVersion("0.65");
  vq::EditorApplication application;
  if (!application.Start(QApplication::arguments())) return 1;
  const int result = QApplication::exec();
  application.Exit();
  return result;
}
