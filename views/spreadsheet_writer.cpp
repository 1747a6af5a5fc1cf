#include "views/spreadsheet_writer.h"

#include <chrono>
#include <fstream>
#include <stdexcept>
#include <system_error>

#include "core/dates.h"
#include "core/failure.h"
#include "shell/wizard.h"
#include "views/documents_folder.h"

namespace korvella {
namespace {

const char* const kГолова[] = {
    "<?xml version=\"1.0\"?>",
    "<?mso-application progid=\"Excel.Sheet\"?>",
    "<Workbook xmlns=\"urn:schemas-microsoft-com:office:spreadsheet\"",
    " xmlns:o=\"urn:schemas-microsoft-com:office:office\"",
    " xmlns:x=\"urn:schemas-microsoft-com:office:excel\"",
    " xmlns:ss=\"urn:schemas-microsoft-com:office:spreadsheet\"",
    " xmlns:html=\"http://www.w3.org/TR/REC-html40\">",
    " <DocumentProperties xmlns=\"urn:schemas-microsoft-com:office:office\">",
    "  <Author>ЗРБ-Лаборатория</Author>",
    "  <LastAuthor>ЗРБ-Лаборатория</LastAuthor>",
};

const char* const kСвойства_и_окно[] = {
    "  <Company>Kestrelia Pack</Company>",
    "  <Version>15.00</Version>",
    " </DocumentProperties>",
    " <OfficeDocumentSettings xmlns=\"urn:schemas-microsoft-com:office:office\">",
    "  <AllowPNG/>",
    " </OfficeDocumentSettings>",
    " <ExcelWorkbook xmlns=\"urn:schemas-microsoft-com:office:excel\">",
    "  <WindowHeight>6120</WindowHeight>",
    "  <WindowWidth>17970</WindowWidth>",
    "  <WindowTopX>0</WindowTopX>",
    "  <WindowTopY>0</WindowTopY>",
    "  <ProtectStructure>False</ProtectStructure>",
    "  <ProtectWindows>False</ProtectWindows>",
    " </ExcelWorkbook>",
    " <Styles>",
    "  <Style ss:ID=\"Default\" ss:Name=\"Normal\">",
    "   <Alignment ss:Vertical=\"Bottom\"/>",
    "   <Borders/>",
    "   <Font ss:FontName=\"Calibri\" x:CharSet=\"204\" x:Family=\"Swiss\" ss:Size=\"10\"",
    "    ss:Color=\"#000000\"/>",
    "   <Interior/>",
    "   <NumberFormat/>",
    "   <Protection/>",
    "  </Style>",
};

// Left-aligned text with a thin border all round: the body of every style.
const char* const kРамка[] = {
    "   <Alignment ss:Horizontal=\"Left\" ss:Vertical=\"Bottom\"/>",
    "   <Borders>",
    "    <Border ss:Position=\"Bottom\" ss:LineStyle=\"Continuous\" ss:Weight=\"1\"/>",
    "    <Border ss:Position=\"Left\" ss:LineStyle=\"Continuous\" ss:Weight=\"1\"/>",
    "    <Border ss:Position=\"Right\" ss:LineStyle=\"Continuous\" ss:Weight=\"1\"/>",
    "    <Border ss:Position=\"Top\" ss:LineStyle=\"Continuous\" ss:Weight=\"1\"/>",
    "   </Borders>",
};

const char* const kХвост[] = {
    "  </Table>",
    "  <WorksheetOptions xmlns=\"urn:schemas-microsoft-com:office:excel\">",
    "   <PageSetup>",
    "    <Header x:Margin=\"0.3\"/>",
    "    <Footer x:Margin=\"0.3\"/>",
    "    <PageMargins x:Bottom=\"0.75\" x:Left=\"0.7\" x:Right=\"0.7\" x:Top=\"0.75\"/>",
    "   </PageSetup>",
    "   <Print>",
    "    <ValidPrinterInfo/>",
    "    <PaperSizeIndex>9</PaperSizeIndex>",
    "    <HorizontalResolution>600</HorizontalResolution>",
    "    <VerticalResolution>600</VerticalResolution>",
    "   </Print>",
    "   <Selected/>",
    "   <Panes>",
    "    <Pane>",
    "     <Number>3</Number>",
    "     <RangeSelection>R1C1:R1C1</RangeSelection>",
    "    </Pane>",
    "   </Panes>",
    "   <ProtectObjects>False</ProtectObjects>",
    "   <ProtectScenarios>False</ProtectScenarios>",
    "  </WorksheetOptions>",
    " </Worksheet>",
    "</Workbook>",
};

template <std::size_t N>
void Добавить(std::vector<std::string>& строки, const char* const (&что)[N]) {
  строки.insert(строки.end(), std::begin(что), std::end(что));
}

void Добавить_стили(std::vector<std::string>& строки) {
  строки.push_back("  <Style ss:ID=\"s62\">");
  Добавить(строки, kРамка);
  строки.push_back("  </Style>");
  for (const char* стиль : {"s63", "s64"}) {
    строки.push_back(std::string("  <Style ss:ID=\"") + стиль + "\">");
    Добавить(строки, kРамка);
    строки.push_back("   <Interior ss:Color=\"#D9D9D9\" ss:Pattern=\"Solid\"/>");
    строки.push_back("  </Style>");
  }
  строки.push_back(" </Styles>");
}

void Добавить_лист(std::vector<std::string>& строки, int K, int R) {
  строки.push_back(" <Worksheet ss:Name=\"Лист1\">");
  строки.push_back("   <Table ss:ExpandedColumnCount=\"" + std::to_string(K) +
                   "\" ss:ExpandedRowCount=\"" + std::to_string(R) + "\" x:FullColumns=\"1\"");
  строки.push_back("   x:FullRows=\"1\" ss:DefaultRowHeight=\"15\">");
  строки.push_back("   <Column ss:AutoFitWidth=\"0\" ss:Width=\"30.0\"/>");
  строки.push_back("   <Column ss:AutoFitWidth=\"0\" ss:Width=\"42.0\"/>");
  строки.push_back("   <Column ss:AutoFitWidth=\"0\" ss:Width=\"210.0\" ss:Span=\"3\"/>");
  строки.push_back("   <Column ss:Index=\"7\" ss:AutoFitWidth=\"0\" ss:Width=\"210.0\"/>");
  if (K == 8)
    строки.push_back("   <Column ss:Index=\"8\" ss:AutoFitWidth=\"0\" ss:Width=\"210.0\"/>");
}

// Grid cell (column j - 1, row i - 1) with the fillers of the empty timetable cells.
std::string Текст_ячейки(const Строковая_таблица& таблица, const Матрица_раскраски& раскраска,
                         int i, int j) {
  std::string текст = таблица.Ячейка(j - 1, i - 1);
  if (текст.empty() && j >= 3)
    текст = Код_ячейки(раскраска, j - 1, i - 1) == 1 ? "XXX (Нет урока) XXX" : "--------";
  return текст;
}

const char* Префикс(int i, int j) {
  if (i == 1) return "    <Cell ss:StyleID=\"s64\"><Data ss:Type=\"String\">";
  if (j <= 2) return "    <Cell ss:StyleID=\"s63\"><Data ss:Type=\"String\">";
  return "    <Cell ss:StyleID=\"s62\"><Data ss:Type=\"String\">";
}

std::filesystem::path Путь_из_UTF8(std::string_view utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string Сейчас_текстом() {
  return Дата_и_время_текстом(Дата_из_момента(std::chrono::system_clock::now()));
}

}  // namespace

std::string Экранирование_XML(std::string_view текст) {
  std::string т;
  т.reserve(текст.size());
  for (char c : текст) {
    switch (c) {
      case '&':
        т += "&amp;";
        break;
      case '<':
        т += "&lt;";
        break;
      case '>':
        т += "&gt;";
        break;
      default:
        // XML 1.0 has no place for the other control characters, not even escaped.
        if (static_cast<unsigned char>(c) >= 0x20 || c == '\t' || c == '\n' || c == '\r') т += c;
    }
  }
  return т;
}

std::vector<std::string> Строки_файла_Excel(const Строковая_таблица& таблица,
                                            const Матрица_раскраски& раскраска,
                                            std::string_view создан) {
  const int R = таблица.Строк();
  const int K = таблица.Столбцов();
  std::vector<std::string> строки;
  строки.reserve(100 + static_cast<std::size_t>(R) * (K + 2));
  Добавить(строки, kГолова);
  строки.push_back("  <Created>" + std::string(создан) + "</Created>");
  Добавить(строки, kСвойства_и_окно);
  Добавить_стили(строки);
  Добавить_лист(строки, K, R);
  for (int i = 1; i <= R; ++i) {
    строки.push_back("   <Row>");
    for (int j = 1; j <= K; ++j)
      строки.push_back(Префикс(i, j) + Экранирование_XML(Текст_ячейки(таблица, раскраска, i, j)) +
                       "</Data></Cell>");
    строки.push_back("   </Row>");
  }
  Добавить(строки, kХвост);
  return строки;
}

bool Записать_файл_Excel(const std::filesystem::path& путь, const Строковая_таблица& таблица,
                         const Матрица_раскраски& раскраска, Диалоги& диалоги) {
  return Под_охраной("Вывод_таблицы_в_файл_Excel", [&] {
    // A path the user chose himself may name a folder or lie in a missing one;
    // only an existing file that will not open is the one held by another program.
    std::error_code ошибка;
    const std::filesystem::path папка =
        путь.has_parent_path() ? путь.parent_path() : std::filesystem::path(".");
    if (std::filesystem::is_directory(путь, ошибка)) {
      диалоги.Ошибка(std::string(kПС) + "«" + путь.string() +
                     "» - это папка, а не файл. Файл не создан!");
      return false;
    }
    if (!std::filesystem::is_directory(папка, ошибка)) {
      диалоги.Ошибка(std::string(kПС) + "Папки «" + папка.string() +
                     "» нет. Файл не создан!");
      return false;
    }
    std::ofstream файл(путь, std::ios::binary | std::ios::trunc);
    if (!файл) {
      диалоги.Ошибка(std::string(kПС) +
                     "Имеющийся файл с тем же названием занят (открыт) другой программой. Скорее "
                     "всего MS Excel. Заново файл не создан!");
      return false;
    }
    for (const std::string& строка : Строки_файла_Excel(таблица, раскраска, Сейчас_текстом()))
      файл << строка << "\r\n";
    файл.close();
    if (!файл) throw std::runtime_error("Ошибка записи в файл " + путь.string());
    return true;
  });
}

std::filesystem::path Путь_файла_Excel() {
  const std::filesystem::path папка = Папка_документов();
  // Without a known folder the name stands at the root, as "\" + name would.
  return (папка.empty() ? std::filesystem::path("/") : папка) / Путь_из_UTF8(kИмя_файла_Excel);
}

bool Вывод_таблицы_в_файл_Excel(const Строковая_таблица& таблица,
                                const Матрица_раскраски& раскраска, Диалоги& диалоги) {
  return Под_охраной("Вывод_таблицы_в_файл_Excel", [&] {
    const std::filesystem::path путь = Путь_файла_Excel();
    std::error_code ошибка;
    if (std::filesystem::exists(путь, ошибка) &&
        !диалоги.Вопрос_об_утрате_данных(std::string(kПС) + "Файл с именем:  «" + kИмя_файла_Excel +
                        "» уже существует. Вы хотите создать заново такой файл?"))
      return false;
    // A fresh Linux account may lack the folder; Windows always has it.
    if (const auto папка = Папка_документов(); !папка.empty())
      std::filesystem::create_directories(папка, ошибка);
    return Записать_файл_Excel(путь, таблица, раскраска, диалоги);
  });
}

}  // namespace korvella
