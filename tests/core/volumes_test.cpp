#include "core/volumes.h"

#include <gtest/gtest.h>

namespace korvella {
namespace {

TEST(Тома, из_таблицы_монтирования) {
  // A desktop with a separate /home, two sticks, a network share and the
  // kernel's own file systems.
  const char* таблица =
      "22 28 0:21 / /proc rw,relatime - proc proc rw\n"
      "23 28 0:22 / /sys rw,relatime - sysfs sysfs rw\n"
      "28 1 254:0 / / rw,relatime - ext4 /dev/vda1 rw\n"
      "29 28 254:2 / /home rw,relatime shared:2 - ext4 /dev/vda2 rw\n"
      "30 28 254:3 / /boot/efi rw - vfat /dev/vda3 rw\n"
      "31 28 0:30 / /tmp rw - tmpfs tmpfs rw\n"
      "32 28 0:31 / /run rw - tmpfs tmpfs rw\n"
      "33 32 0:32 / /run/user/1000/gvfs rw - fuse.gvfsd-fuse gvfsd-fuse rw\n"
      "34 28 8:17 / /media/anna/My\\040Stick rw,nosuid shared:9 - vfat /dev/sdb1 rw\n"
      "35 28 8:33 / /run/media/anna/BACKUP rw - exfat /dev/sdc1 rw\n"
      "36 28 0:40 / /mnt/share rw - cifs //server/share rw\n"
      "37 28 8:49 / /mnt/windows rw - fuseblk /dev/sdd1 rw\n"
      "38 28 0:41 / /media/ram rw - tmpfs tmpfs rw\n"
      "39 28 0:42 / /media/auto rw - autofs systemd-1 rw\n"
      "40 28 0:43 / /snap/core/1 ro - squashfs /dev/loop0 ro\n"
      "garbage line\n";
  const std::vector<Том> ожидаемые = {
      {"/", false},
      {"/home", false},
      {"/home/anna", false},
      {"/mnt/windows", false},
      {"/media/anna/My Stick", true},
      {"/media/ram", true},
      {"/run/media/anna/BACKUP", true},
  };
  EXPECT_EQ(Тома_из_таблицы_монтирования(таблица, "/home/anna/"), ожидаемые);
}

TEST(Тома, корень_есть_всегда_а_дом_не_повторяется) {
  // A container: the root is an overlay, the home is the root's own.
  const char* таблица = "1 0 0:50 / / rw - overlay overlay rw\n";
  EXPECT_EQ(Тома_из_таблицы_монтирования(таблица, "/"), (std::vector<Том>{{"/", false}}));
  EXPECT_EQ(Тома_из_таблицы_монтирования("", "/root"),
            (std::vector<Том>{{"/", false}, {"/root", false}}));
}

TEST(Тома, системы_этой_машины_содержат_корень) {
  const auto тома = Список_томов();
  ASSERT_FALSE(тома.empty());
  EXPECT_EQ(тома.front(), (Том{"/", false}));
}

}  // namespace
}  // namespace korvella
