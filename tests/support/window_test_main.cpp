// The window tests run in one application object on the offscreen platform.
#include <gtest/gtest.h>

#include <QByteArray>

#include "shell/windows/exception_reporter.h"

int main(int argc, char** argv) {
  // Test discovery runs this program without the test environment.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  korvella::Приложение_корвелла приложение(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
