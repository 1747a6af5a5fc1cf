#include "core/archive.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zip.h>

#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "core/data_files.h"
#include "core/file_io.h"
#include "core/main_record.h"

namespace korvella {
namespace {
namespace fs = std::filesystem;

using Байты = std::vector<std::uint8_t>;
// Every file under a folder, by its relative path: what must stay the same.
using Снимок = std::map<std::string, Байты>;

Байты Прочитать(const fs::path& путь) {
  std::ifstream f(путь, std::ios::binary);
  return {std::istreambuf_iterator<char>(f), {}};
}

void Записать(const fs::path& путь, const Байты& байты) {
  fs::create_directories(путь.parent_path());
  std::ofstream(путь, std::ios::binary)
      .write(reinterpret_cast<const char*>(байты.data()), static_cast<long>(байты.size()));
}

Снимок Снять(const fs::path& папка) {
  Снимок снимок;
  if (!fs::exists(папка)) return снимок;
  for (const auto& э : fs::recursive_directory_iterator(папка)) {
    const std::string имя = fs::relative(э.path(), папка).generic_string();
    снимок[имя] = э.is_regular_file() ? Прочитать(э.path()) : Байты{'/'};
  }
  return снимок;
}

Байты Образ_записи(const std::function<void(тип_Главная_запись&)>& изменить) {
  auto з = std::make_unique<тип_Главная_запись>();
  Обнулить_запись(*з);
  з->Количество_учебных_дней_в_неделе = 6;
  з->Последняя_показанная_форма = -1;
  изменить(*з);
  const auto* b = reinterpret_cast<const std::uint8_t*>(з.get());
  return {b, b + sizeof *з};
}

// One entry of a hand-made archive.
struct Элемент {
  std::string имя;
  Байты данные;
  zip_uint8_t система = ZIP_OPSYS_UNIX;
  zip_uint32_t атрибуты = 0100644u << 16;
};

// Writes a ZIP file with exactly these entries, stored uncompressed so that a
// test can find and spoil the data.
void Собрать(const fs::path& путь, const std::vector<Элемент>& элементы) {
  fs::create_directories(путь.parent_path());
  fs::remove(путь);
  int код = 0;
  zip_t* архив = zip_open(путь.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &код);
  ASSERT_NE(архив, nullptr);
  for (const auto& э : элементы) {
    zip_source_t* источник = zip_source_buffer(архив, э.данные.data(), э.данные.size(), 0);
    const zip_int64_t номер = zip_file_add(архив, э.имя.c_str(), источник, ZIP_FL_ENC_RAW);
    ASSERT_GE(номер, 0) << э.имя;
    zip_set_file_compression(архив, static_cast<zip_uint64_t>(номер), ZIP_CM_STORE, 0);
    zip_file_set_external_attributes(архив, static_cast<zip_uint64_t>(номер), 0, э.система,
                                     э.атрибуты);
  }
  ASSERT_EQ(zip_close(архив), 0);
}

class Архив : public ::testing::Test {
 protected:
  void SetUp() override {
    корень = fs::temp_directory_path() /
             ("korvella_archive_" + std::to_string(::getpid()) + "_" +
              ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(корень);
    рабочий = корень / "work";
    том = корень / "volume";
    fs::create_directories(том);
    Установить_рабочий_каталог(рабочий.string());
    данные = Образ_записи([](auto& з) {
      з.Последняя_показанная_форма = 3, з.Количество_уроков_в_день = 6;
      з.Количество_классов_в_школе = 12, з.Количество_параллелей_в_школе = 7;
    });
    Записать(Путь_файла_главной_записи(), данные);
    Записать(Путь_запомненного_файла(), Образ_записи([](auto&) {}));
    Записать(Папка_программы() / "Korvella_gur22.gurdat", Байты(176 * 3, 0x5A));
  }
  void TearDown() override {
    Установить_сбой_записи_после(std::nullopt);
    fs::remove_all(корень);
  }

  fs::path Записать_архив() {
    const fs::path путь = Путь_архива(том, "Копия");
    EXPECT_EQ(Архивирование_данных(путь).итог, Итог_архивирования::Готово);
    return путь;
  }

  // A valid entry of our own data file.
  Элемент Файл_данных() const { return {"ZRB_Lab/ZRB_Korvella_025/Korvella22.gzdat", данные}; }

  fs::path корень, рабочий, том;
  Байты данные;
};

TEST_F(Архив, восстановление_возвращает_архивированные_файлы_байт_в_байт) {
  const Снимок до = Снять(Папка_программы());
  const auto время_копии = fs::last_write_time(Путь_запомненного_файла()) - std::chrono::hours(5);
  fs::last_write_time(Путь_запомненного_файла(), время_копии);
  const fs::path архив = Записать_архив();

  // Other work since: a new task, no remembered copy, an old-version file.
  Записать(Путь_файла_главной_записи(), Образ_записи([](auto&) {}));
  fs::remove(Путь_запомненного_файла());
  Записать(Путь_файла_прежней_версии(), Байты(281'352, 1));

  const Результат_восстановления итог = Восстановление_данных(архив);
  ASSERT_TRUE(итог.успех) << итог.причина;
  const Снимок после = Снять(Папка_программы());
  EXPECT_EQ(после.size(), 3u);
  for (const auto& [имя, байты] : до) EXPECT_TRUE(после.at(имя) == байты) << имя;
  // The remembered copy keeps its date (the recall shows it), to the ZIP's 2 s.
  const auto разница = fs::last_write_time(Путь_запомненного_файла()) - время_копии;
  EXPECT_LE(std::chrono::abs(разница), std::chrono::seconds(2));
  // Nothing is left beside the program folder: no backup, no extraction folder.
  std::vector<std::string> рядом;
  for (const auto& э : fs::directory_iterator(Папка_программы().parent_path()))
    рядом.push_back(э.path().filename().string());
  EXPECT_EQ(рядом, std::vector<std::string>{"ZRB_Korvella_025"});
  EXPECT_TRUE(итог.отложенная_папка.empty());
}

TEST_F(Архив, архив_называет_файлы_от_рабочей_папки_и_только_файлы_программы) {
  Записать(Папка_программы() / "заметки.txt", Байты{1, 2, 3});
  fs::create_directories(Папка_программы() / "вложенная");
  const fs::path путь = Записать_архив();
  EXPECT_EQ(путь, том / "Копия" / "ZRB_Korvella_025_22.zip");
  int код = 0;
  zip_t* архив = zip_open(путь.c_str(), ZIP_RDONLY | ZIP_CHECKCONS, &код);
  ASSERT_NE(архив, nullptr);
  std::vector<std::string> имена;
  for (zip_int64_t i = 0; i < zip_get_num_entries(архив, 0); ++i)
    имена.push_back(zip_get_name(архив, static_cast<zip_uint64_t>(i), 0));
  zip_discard(архив);
  EXPECT_EQ(имена, (std::vector<std::string>{"ZRB_Lab/ZRB_Korvella_025/Korvella22.gzdat",
                                             "ZRB_Lab/ZRB_Korvella_025/Korvella_zap22.gzdat",
                                             "ZRB_Lab/ZRB_Korvella_025/Korvella_gur22.gurdat"}));
}

TEST_F(Архив, восстановление_на_машине_без_папки_программы_создаёт_её) {
  const fs::path архив = Записать_архив();
  const Снимок до = Снять(Папка_программы());
  fs::remove_all(рабочий);
  const auto итог = Восстановление_данных(архив);
  ASSERT_TRUE(итог.успех) << итог.причина;
  EXPECT_TRUE(Снять(Папка_программы()) == до);
}

TEST_F(Архив, существующий_архив_заменяется_а_при_сбое_записи_остаётся) {
  const fs::path путь = Записать_архив();
  const Байты прежний = Прочитать(путь);
  Записать(Путь_файла_главной_записи(),
           Образ_записи([](auto& з) { з.Количество_классов_в_школе = 9; }));

  Установить_сбой_записи_после(100);
  const auto сбой = Архивирование_данных(путь);
  EXPECT_EQ(сбой.итог, Итог_архивирования::Архив_не_записан);
  EXPECT_FALSE(сбой.причина.empty());
  EXPECT_TRUE(Прочитать(путь) == прежний);
  EXPECT_EQ(std::distance(fs::directory_iterator(путь.parent_path()), fs::directory_iterator()), 1)
      << "no temporary file is left";

  Установить_сбой_записи_после(std::nullopt);
  EXPECT_EQ(Архивирование_данных(путь).итог, Итог_архивирования::Готово);
  EXPECT_FALSE(Прочитать(путь) == прежний);
}

TEST_F(Архив, испорченный_файл_данных_не_архивируется) {
  // A restore would refuse such an archive.
  Записать(Путь_файла_главной_записи(), Байты(1000, 1));
  const fs::path путь = Путь_архива(том, "");
  EXPECT_EQ(Архивирование_данных(путь).итог, Итог_архивирования::Архив_не_записан);
  EXPECT_FALSE(fs::exists(путь));
}

TEST_F(Архив, архив_в_папке_только_для_чтения_не_пишется) {
  if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
  const fs::path путь = Записать_архив();
  const Байты прежний = Прочитать(путь);
  fs::permissions(путь.parent_path(), fs::perms::owner_read | fs::perms::owner_exec);
  const auto итог = Архивирование_данных(путь);
  fs::permissions(путь.parent_path(), fs::perms::owner_all);
  EXPECT_EQ(итог.итог, Итог_архивирования::Архив_не_записан);
  EXPECT_TRUE(Прочитать(путь) == прежний);
}

TEST_F(Архив, папка_архива_которую_нельзя_создать) {
  // A file where the volume's root should be: no folder can be made below it.
  Записать(корень / "файл", Байты{1});
  const auto итог = Архивирование_данных(Путь_архива(корень / "файл", "Копия"));
  EXPECT_EQ(итог.итог, Итог_архивирования::Папка_не_создана);
}

TEST_F(Архив, проверка_перед_архивированием) {
  using П = Препятствие_архивированию;
  const struct {
    const char* папка;
    std::optional<П> препятствие;
  } случаи[] = {
      {"", std::nullopt},
      {"Архив 2025", std::nullopt},
      {"..x", std::nullopt},
      {".", П::Недопустимое_имя},
      {"..", П::Недопустимое_имя},
      {"a/b", П::Недопустимое_имя},
      {"a\\b", П::Недопустимое_имя},
      {"a\tb", П::Недопустимое_имя},
      {"a\x7f", П::Недопустимое_имя},
  };
  for (const auto& с : случаи) {
    SCOPED_TRACE(с.папка);
    EXPECT_EQ(Проверка_перед_архивированием(том, с.папка), с.препятствие);
  }
  // The program folder itself, reached through the volume of the working folder.
  EXPECT_EQ(Проверка_перед_архивированием(рабочий / "ZRB_Lab", "ZRB_Korvella_025"),
            П::Внутри_папки_программы);
  EXPECT_EQ(Проверка_перед_архивированием(Папка_программы(), ""), П::Внутри_папки_программы);
  EXPECT_EQ(Проверка_перед_архивированием(рабочий, "ZRB_Lab"), std::nullopt);

  fs::remove(Путь_файла_главной_записи());
  EXPECT_EQ(Проверка_перед_архивированием(том, ""), П::Нет_папки_программы);
  fs::remove_all(рабочий);
  EXPECT_EQ(Проверка_перед_архивированием(том, ""), П::Нет_папки_программы);
}

TEST_F(Архив, имя_выбранного_архива_должно_совпасть_полностью) {
  EXPECT_TRUE(Имя_архивного_файла_верно("/media/usb/ZRB_Korvella_025_22.zip"));
  for (const char* имя : {"/a/zrb_korvella_025_22.zip", "/a/ZRB_Korvella_025_21.zip",
                          "/a/ZRB_Korvella_025_22.zip.bak", "/a/ZRB_Korvella_025_22.ZIP"}) {
    EXPECT_FALSE(Имя_архивного_файла_верно(имя)) << имя;
  }
  EXPECT_EQ(Текст_неверного_архивного_файла("/a/b/ZRB.zip"),
            "\nФайл: ZRB.zip для восстановления данных выбран не верно.");
}

// Archives a restore must refuse whole, with nothing of them left anywhere.
struct Враждебный_архив {
  const char* что;
  std::function<void(const fs::path& путь, const Элемент& данные)> собрать;
};

const Враждебный_архив kВраждебные[] = {
    {"выход через ..",
     [](auto& п, auto& д) {
       Собрать(п, {д, {"ZRB_Lab/ZRB_Korvella_025/../../escape.txt", {1}}});
     }},
    {"выход через .. в начале",
     [](auto& п, auto& д) {
       Собрать(п, {д, {"../ZRB_Lab/ZRB_Korvella_025/Korvella_zap22.gzdat", д.данные}});
     }},
    {"выход через обратную черту",
     [](auto& п, auto& д) {
       Собрать(п, {д, {"ZRB_Lab\\..\\..\\escape.txt", {1}}});
     }},
    {"абсолютный путь",
     [](auto& п, auto& д) {
       Собрать(п, {д, {"/tmp/ZRB_Lab/ZRB_Korvella_025/Korvella_zap22.gzdat", д.данные}});
     }},
    {"путь с буквой диска",
     [](auto& п, auto& д) {
       Собрать(п, {д, {"C:/ZRB_Lab/ZRB_Korvella_025/Korvella_zap22.gzdat", д.данные}});
     }},
    {"ссылка",
     [](auto& п, auto& д) {
       Собрать(п, {д,
                   {"ZRB_Lab/ZRB_Korvella_025/Korvella_gur22.gurdat", Байты{'/', 'e', 't', 'c'},
                    ZIP_OPSYS_UNIX, 0120777u << 16}});
     }},
    {"папка",
     [](auto& п, auto& д) {
       Собрать(п, {{"ZRB_Lab/ZRB_Korvella_025/", {}, ZIP_OPSYS_UNIX, 040755u << 16}, д});
     }},
    {"папка DOS под именем файла",
     [](auto& п, auto& д) {
       Собрать(п, {д, {"ZRB_Lab/ZRB_Korvella_025/Korvella21.gzdat", {}, ZIP_OPSYS_DOS, 0x10}});
     }},
    {"чужое имя",
     [](auto& п, auto& д) {
       Собрать(п, {д, {"ZRB_Lab/ZRB_Korvella_025/autorun.sh", {'#', '!'}}});
     }},
    {"чужая папка",
     [](auto& п, auto& д) {
       Собрать(п, {{"ZRB_Lab/Other/Korvella22.gzdat", д.данные}});
     }},
    {"файл дважды",
     [](auto& п, auto& д) {
       Собрать(п, {д, {"ZRB_Lab/./ZRB_Korvella_025/Korvella22.gzdat", д.данные}});
     }},
    {"без файла данных",
     [](auto& п, auto& д) {
       Собрать(п, {{"ZRB_Lab/ZRB_Korvella_025/Korvella_zap22.gzdat", д.данные}});
     }},
    {"пустой архив",
     [](auto& п, auto&) {
       // libzip writes no file for an empty archive: the bare end record.
       Записать(п, Байты{'P', 'K', 5, 6, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
     }},
    {"файл данных короче записи",
     [](auto& п, auto& д) {
       Собрать(п, {{д.имя, Байты(281'352, 0)}});
     }},
    {"файл данных не проходит проверку содержимого",
     [](auto& п, auto& д) {
       Собрать(п, {{д.имя, Образ_записи([](auto& з) { з.Последняя_показанная_форма = 77; })}});
     }},
    {"не ZIP", [](auto& п, auto&) { Записать(п, Байты(5000, 'x')); }},
    {"обрезанный ZIP",
     [](auto& п, auto& д) {
       Собрать(п, {д});
       Байты б = Прочитать(п);
       б.resize(б.size() / 2);
       Записать(п, б);
     }},
    {"испорченные данные (CRC)",
     [](auto& п, auto& д) {
       Элемент журнал{"ZRB_Lab/ZRB_Korvella_025/Korvella_gur22.gurdat", Байты(176, 0x33)};
       Собрать(п, {д, журнал});
       Байты б = Прочитать(п);
       // The log's stored bytes are the only run of 0x33 in the file.
       const auto место = std::search_n(б.begin(), б.end(), 176, std::uint8_t{0x33});
       ASSERT_NE(место, б.end());
       место[100] = 0x34;
       Записать(п, б);
     }},
};

TEST_F(Архив, враждебный_архив_отвергается_целиком_и_ничего_не_меняет) {
  Записать(Папка_программы().parent_path() / "ZRB_Korvella_025_old" / "Korvella22.gzdat",
           Байты{9, 9});
  const Снимок до = Снять(рабочий);
  const fs::path путь = том / "ZRB_Korvella_025_22.zip";
  for (const auto& случай : kВраждебные) {
    SCOPED_TRACE(случай.что);
    случай.собрать(путь, Файл_данных());
    if (HasFatalFailure()) return;
    const auto итог = Восстановление_данных(путь);
    EXPECT_FALSE(итог.успех);
    EXPECT_FALSE(итог.причина.empty());
    EXPECT_TRUE(Снять(рабочий) == до);
    EXPECT_FALSE(fs::exists(корень / "escape.txt"));
    EXPECT_FALSE(fs::exists("/tmp/ZRB_Lab"));
  }
}

TEST_F(Архив, ручной_архив_с_допустимыми_путями_принимается) {
  // Another tool may write "./" parts, no file modes, or DOS attributes.
  Собрать(том / "ZRB_Korvella_025_22.zip",
          {{"./ZRB_Lab//ZRB_Korvella_025/Korvella22.gzdat", данные, ZIP_OPSYS_UNIX, 0},
           {"ZRB_Lab/ZRB_Korvella_025/Korvella_gur22.gurdat", Байты(176, 7), ZIP_OPSYS_DOS, 0x20}});
  const auto итог = Восстановление_данных(том / "ZRB_Korvella_025_22.zip");
  ASSERT_TRUE(итог.успех) << итог.причина;
  EXPECT_TRUE(Прочитать(Путь_файла_главной_записи()) == данные);
  EXPECT_FALSE(fs::exists(Путь_запомненного_файла()));
}

TEST_F(Архив, резерв_прерванного_восстановления_откладывается_а_не_возвращается) {
  const fs::path архив = Записать_архив();
  const fs::path резерв = Папка_программы().parent_path() / "ZRB_Korvella_025_old";
  Записать(резерв / "Korvella22.gzdat", Байты{4, 2});
  Записать(резерв.parent_path() / "ZRB_Korvella_025_old_1" / "x", Байты{1});
  const auto итог = Восстановление_данных(архив);
  ASSERT_TRUE(итог.успех) << итог.причина;
  EXPECT_EQ(итог.отложенная_папка, резерв.parent_path() / "ZRB_Korvella_025_old_2");
  EXPECT_TRUE(Прочитать(итог.отложенная_папка / "Korvella22.gzdat") == (Байты{4, 2}));
  EXPECT_FALSE(fs::exists(резерв));
  EXPECT_TRUE(Прочитать(Путь_файла_главной_записи()) == данные);
}

TEST_F(Архив, архив_из_папки_программы_не_восстанавливается) {
  const fs::path архив = Записать_архив();
  const fs::path внутри = Папка_программы() / "ZRB_Korvella_025_22.zip";
  fs::copy_file(архив, внутри);
  const Снимок до = Снять(рабочий);
  EXPECT_FALSE(Восстановление_данных(внутри).успех);
  EXPECT_TRUE(Снять(рабочий) == до);
}

}  // namespace
}  // namespace korvella
