#include "views/spreadsheet_writer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/views/fixture.h"
#include "tests/views/xml_check.h"
#include "views/class_grid.h"

namespace korvella {
namespace {

namespace fs = std::filesystem;
using тест::Час;

struct Сетка_и_раскраска {
  Матрица_раскраски раскраска{};
  Сетка_расписания_классов сетка{раскраска};
};

// The fixture school filled: a sanitary ban at Monday lesson 7 of class 1 and a
// main lesson whose subject and teacher carry &, < and >.
std::unique_ptr<Сетка_и_раскраска> Заполненная_сетка(int D, int L) {
  auto з = тест::Малая_школа(D, L);
  з->Готовы_санитарные_ограничения = true;
  з->Таблица_санитарных_запрещений(1, Час(1, L, L)) = 2;
  з->Готово_основное_расписание = true;
  з->Список_предметов(3) = "Физика & <ИКТ>";
  з->Школьное_расписание(2, Час(2, 1, L)) = 1;
  з->Расписание_предметов(2, Час(2, 1, L)) = 3;
  auto с = std::make_unique<Сетка_и_раскраска>();
  с->сетка.Очистка();
  с->сетка.Заполнение(*з);
  return с;
}

std::vector<std::string> Строки(int D, int L) {
  auto с = Заполненная_сетка(D, L);
  return Строки_файла_Excel(с->сетка.Таблица(), с->раскраска, "01.09.2025 08:30:00");
}

std::string Склеить(const std::vector<std::string>& строки) {
  std::string т;
  for (const auto& с : строки) т += с + "\r\n";
  return т;
}

long Сколько(const std::vector<std::string>& строки, std::string_view что) {
  return std::count_if(строки.begin(), строки.end(),
                       [&](const std::string& с) { return с.find(что) != std::string::npos; });
}

std::string Ячейка(const char* стиль, const std::string& текст) {
  return std::string("    <Cell ss:StyleID=\"") + стиль + "\"><Data ss:Type=\"String\">" + текст +
         "</Data></Cell>";
}

// Index of the line that opens grid row i (1-based).
std::size_t Начало_строки(const std::vector<std::string>& строки, int i) {
  int номер = 0;
  for (std::size_t k = 0; k < строки.size(); ++k)
    if (строки[k] == "   <Row>" && ++номер == i) return k;
  return строки.size();
}

TEST(Файл_Excel, голова_стили_и_хвост_как_в_образце) {
  const auto с = Строки(5, 7);
  EXPECT_EQ(с[0], "<?xml version=\"1.0\"?>");
  EXPECT_EQ(с[1], "<?mso-application progid=\"Excel.Sheet\"?>");
  EXPECT_EQ(с[2], "<Workbook xmlns=\"urn:schemas-microsoft-com:office:spreadsheet\"");
  EXPECT_EQ(с[6], " xmlns:html=\"http://www.w3.org/TR/REC-html40\">");
  EXPECT_EQ(с[8], "  <Author>ЗРБ-Лаборатория</Author>");
  EXPECT_EQ(с[10], "  <Created>01.09.2025 08:30:00</Created>");
  EXPECT_EQ(с[11], "  <Company>Kestrelia Pack</Company>");
  EXPECT_EQ(с[29],
            "   <Font ss:FontName=\"Calibri\" x:CharSet=\"204\" x:Family=\"Swiss\" ss:Size=\"10\"");
  EXPECT_EQ(с[30], "    ss:Color=\"#000000\"/>");
  EXPECT_EQ(с[35], "  <Style ss:ID=\"s62\">");
  EXPECT_EQ(с[43], "  </Style>");
  // Each grey style repeats the bordered body, then its interior.
  EXPECT_EQ(с[44], "  <Style ss:ID=\"s63\">");
  EXPECT_EQ(с[54], "  <Style ss:ID=\"s64\">");
  for (std::size_t k = 0; k < 7; ++k) {
    EXPECT_EQ(с[45 + k], с[36 + k]);
    EXPECT_EQ(с[55 + k], с[36 + k]);
  }
  EXPECT_EQ(с[52], "   <Interior ss:Color=\"#D9D9D9\" ss:Pattern=\"Solid\"/>");
  EXPECT_EQ(с[62], с[52]);
  EXPECT_EQ(с[63], "  </Style>");
  EXPECT_EQ(с[64], " </Styles>");
  EXPECT_EQ(с[65], " <Worksheet ss:Name=\"Лист1\">");
  EXPECT_EQ(с.back(), "</Workbook>");
  EXPECT_EQ(с[с.size() - 25], "  </Table>");
  EXPECT_EQ(с[с.size() - 8], "     <RangeSelection>R1C1:R1C1</RangeSelection>");
  EXPECT_EQ(Сколько(с, "<Style ss:ID="), 4);
}

TEST(Файл_Excel, столбцы_и_размер_таблицы_по_режиму_недели) {
  struct Случай {
    int D, L, K;
  };
  for (const Случай& случай : {Случай{5, 7, 7}, Случай{6, 6, 8}}) {
    SCOPED_TRACE(случай.D);
    const auto с = Строки(случай.D, случай.L);
    const int R = 2 * случай.L + 1;
    EXPECT_EQ(с[66], "   <Table ss:ExpandedColumnCount=\"" + std::to_string(случай.K) +
                         "\" ss:ExpandedRowCount=\"" + std::to_string(R) +
                         "\" x:FullColumns=\"1\"");
    EXPECT_EQ(с[67], "   x:FullRows=\"1\" ss:DefaultRowHeight=\"15\">");
    EXPECT_EQ(с[68], "   <Column ss:AutoFitWidth=\"0\" ss:Width=\"30.0\"/>");
    EXPECT_EQ(с[69], "   <Column ss:AutoFitWidth=\"0\" ss:Width=\"42.0\"/>");
    EXPECT_EQ(с[70], "   <Column ss:AutoFitWidth=\"0\" ss:Width=\"210.0\" ss:Span=\"3\"/>");
    EXPECT_EQ(с[71], "   <Column ss:Index=\"7\" ss:AutoFitWidth=\"0\" ss:Width=\"210.0\"/>");
    EXPECT_EQ(Сколько(с, "ss:Index=\"8\""), случай.K == 8 ? 1 : 0);
    EXPECT_EQ(Сколько(с, "<Column "), случай.K == 8 ? 5 : 4);
    EXPECT_EQ(Сколько(с, "   <Row>"), R);
    EXPECT_EQ(Сколько(с, "<Cell "), R * случай.K);
    EXPECT_EQ(с.size(), 72u + (случай.K == 8) + R * (случай.K + 2) + 25);
    EXPECT_EQ(Сколько(с, "Суббота"), случай.K == 8 ? 1 : 0);
  }
}

TEST(Файл_Excel, стили_ячеек_и_заполнители_пустых_уроков) {
  const auto с = Строки(5, 7);
  // Header row: every cell grey "s64", the fixed corner empty.
  const std::size_t заголовок = Начало_строки(с, 1);
  EXPECT_EQ(с[заголовок + 1], Ячейка("s64", ""));
  EXPECT_EQ(с[заголовок + 3], Ячейка("s64", "Понедельник"));
  // Class 1, lesson 1: grey fixed columns, an empty lesson without a ban.
  const std::size_t первая = Начало_строки(с, 2);
  EXPECT_EQ(с[первая + 1], Ячейка("s63", "5А"));
  EXPECT_EQ(с[первая + 2], Ячейка("s63", "Урок 1"));
  EXPECT_EQ(с[первая + 3], Ячейка("s62", "--------"));
  EXPECT_EQ(с[первая + 8], "   </Row>");
  // Class 1, lesson 7, Monday: the sanitary ban.
  const std::size_t седьмая = Начало_строки(с, 8);
  EXPECT_EQ(с[седьмая + 1], Ячейка("s63", ""));
  EXPECT_EQ(с[седьмая + 2], Ячейка("s63", "Урок 7"));
  EXPECT_EQ(с[седьмая + 3], Ячейка("s62", "XXX (Нет урока) XXX"));
  EXPECT_EQ(с[седьмая + 4], Ячейка("s62", "--------"));
  // Class 2, lesson 1, Tuesday: escaped text.
  const std::size_t восьмая = Начало_строки(с, 9);
  EXPECT_EQ(с[восьмая + 4], Ячейка("s62", "Физика &amp; &lt;ИКТ&gt;,  Иванова И.И."));
}

TEST(Файл_Excel, амперсанд_и_угловые_скобки_дают_правильный_XML) {
  for (int D : {5, 6}) {
    const std::string т = Склеить(Строки(D, D == 5 ? 7 : 6));
    EXPECT_EQ(тест::Ошибка_XML(т), "") << D;
  }
  // The check itself refuses what a writer without escaping would produce.
  EXPECT_NE(тест::Ошибка_XML("<a><b>Физика & ИКТ</b></a>"), "");
  EXPECT_NE(тест::Ошибка_XML("<a><b>x<y</b></a>"), "");
  EXPECT_NE(тест::Ошибка_XML("<a><b></a></b>"), "");
  EXPECT_EQ(Экранирование_XML("a\x01"
                              "b&"),
            "ab&amp;");
}

// Points KORVELLA_DOCUMENTS_DIR at a fresh folder for one test.
class Папка_документов_теста : public ::testing::Test {
 protected:
  void SetUp() override {
    папка_ = fs::temp_directory_path() /
             ("korvella_views_" + std::to_string(::getpid()) + "_" +
              ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(папка_);
    документы_ = папка_ / "Документы";
    ::setenv("KORVELLA_DOCUMENTS_DIR", документы_.c_str(), 1);
  }
  void TearDown() override {
    ::unsetenv("KORVELLA_DOCUMENTS_DIR");
    fs::remove_all(папка_);
  }
  fs::path Файл() const { return документы_ / fs::path(u8"Расписание классов.xml"); }
  static std::string Прочитать(const fs::path& путь) {
    std::ifstream ф(путь, std::ios::binary);
    std::stringstream с;
    с << ф.rdbuf();
    return с.str();
  }

  fs::path папка_;
  fs::path документы_;
};

TEST_F(Папка_документов_теста, файл_пишется_в_документы_строками_с_CR_LF) {
  auto с = Заполненная_сетка(5, 7);
  Диалоги_по_сценарию диалоги;
  ASSERT_TRUE(Вывод_таблицы_в_файл_Excel(с->сетка.Таблица(), с->раскраска, диалоги));
  EXPECT_TRUE(диалоги.вызовы.empty());  // the folder is created, nothing is asked
  const std::string т = Прочитать(Файл());
  ASSERT_FALSE(т.empty());
  EXPECT_EQ(т.rfind("<?xml version=\"1.0\"?>\r\n", 0), 0u);
  for (std::size_t k = 0; k < т.size(); ++k) {
    if (т[k] == '\n') {
      ASSERT_TRUE(k > 0 && т[k - 1] == '\r') << k;
    }
  }
  EXPECT_EQ(т.substr(т.size() - 13), "</Workbook>\r\n");
  EXPECT_EQ(тест::Ошибка_XML(т), "");
}

TEST_F(Папка_документов_теста, существующий_файл_заменяется_только_после_да) {
  auto с = Заполненная_сетка(6, 6);
  fs::create_directories(документы_);
  { std::ofstream(Файл()) << "старый"; }
  Диалоги_по_сценарию диалоги;
  диалоги.Ответить(false);
  EXPECT_FALSE(Вывод_таблицы_в_файл_Excel(с->сетка.Таблица(), с->раскраска, диалоги));
  EXPECT_EQ(Прочитать(Файл()), "старый");
  ASSERT_EQ(диалоги.вызовы.size(), 1u);
  EXPECT_EQ(диалоги.вызовы[0].текст,
            "\nФайл с именем:  «Расписание классов.xml» уже существует. Вы хотите создать "
            "заново такой файл?");

  диалоги.Ответить(true);
  EXPECT_TRUE(Вывод_таблицы_в_файл_Excel(с->сетка.Таблица(), с->раскраска, диалоги));
  EXPECT_NE(Прочитать(Файл()).find("Суббота"), std::string::npos);
}

TEST_F(Папка_документов_теста, файл_который_нельзя_создать_даёт_сообщение) {
  auto с = Заполненная_сетка(5, 7);
  fs::create_directories(Файл());  // a folder in the file's place
  Диалоги_по_сценарию диалоги;
  диалоги.Ответить(true);  // "Да" to writing over what is there
  EXPECT_FALSE(Вывод_таблицы_в_файл_Excel(с->сетка.Таблица(), с->раскраска, диалоги));
  EXPECT_EQ(диалоги.Тексты(Диалоги_по_сценарию::Вид::Ошибка),
            std::vector<std::string>{"\n«" + Файл().string() +
                                     "» - это папка, а не файл. Файл не создан!"});
  EXPECT_TRUE(fs::is_directory(Файл()));
}

}  // namespace
}  // namespace korvella
