#include "shell/windows/single_instance.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

namespace korvella {
namespace {

TEST(Единственный_экземпляр_программы, второй_экземпляр_отклоняется_пока_жив_первый) {
  QTemporaryDir папка;
  auto первый = std::make_unique<Единственный_экземпляр>(папка.path());
  ASSERT_TRUE(первый->Захватить());
  EXPECT_EQ(QFileInfo(первый->Путь()).fileName(), "ZRB_Korvella_0_025_xx.lock");
  Единственный_экземпляр второй(папка.path());
  EXPECT_FALSE(второй.Захватить());
  первый.reset();
  EXPECT_TRUE(второй.Захватить());
}

TEST(Единственный_экземпляр_программы, метка_умершего_экземпляра_не_мешает_запуску) {
  QTemporaryDir папка;
  const pid_t ребёнок = fork();
  ASSERT_GE(ребёнок, 0);
  if (ребёнок == 0) {
    // The copy dies without removing its mark.
    Единственный_экземпляр умерший(папка.path());
    _exit(умерший.Захватить() ? 0 : 1);
  }
  int состояние = 0;
  ASSERT_EQ(waitpid(ребёнок, &состояние, 0), ребёнок);
  ASSERT_EQ(WEXITSTATUS(состояние), 0);
  Единственный_экземпляр новый(папка.path());
  ASSERT_TRUE(QFileInfo::exists(новый.Путь()));
  EXPECT_TRUE(новый.Захватить());
}

}  // namespace
}  // namespace korvella
