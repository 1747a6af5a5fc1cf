// Archive and restore of the program folder as one ZIP file.
//
// The archive holds the program's own files under their path relative to the
// working folder ("ZRB_Lab/ZRB_Korvella_025/Korvella22.gzdat"), so that a
// restore puts them back under the working folder of whichever machine it runs
// on. Neither operation touches the live record: the caller loads the restored
// data file the way the program does at start-up.
//
// Both operations are safe against a failure half-way:
// - the archive is built in memory and written to a temporary file beside the
//   target, which replaces an earlier archive only once it is whole;
// - a restore checks every entry before it extracts anything, extracts into a
//   fresh folder beside the program folder, checks the data file there as the
//   start-up load would, and only then swaps that folder in; the program folder
//   it replaces is kept as P + "_old" until the swap is done.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace korvella {

inline constexpr std::string_view kИмя_архивного_файла = "ZRB_Korvella_025_22.zip";

// ---- archiving

// <корень>/<папка>/ZRB_Korvella_025_22.zip; an empty folder name is the root itself.
std::filesystem::path Путь_архива(const std::filesystem::path& корень, std::string_view папка);

// What keeps an archive from being written, tested before anything is written.
enum class Препятствие_архивированию {
  Недопустимое_имя,        // ".", "..", a separator or a control character
  Внутри_папки_программы,  // the archive would lie in the folder it archives
  Нет_папки_программы,     // no program folder, or no data file in it
};
std::optional<Препятствие_архивированию> Проверка_перед_архивированием(
    const std::filesystem::path& корень, std::string_view папка);

enum class Итог_архивирования { Готово, Папка_не_создана, Архив_не_записан };
struct Результат_архивирования {
  Итог_архивирования итог;
  std::string причина;  // what failed, for the command line; empty on success
};

// Creates the archive's folder if it is missing and writes the archive of the
// program folder; an archive already there is replaced (ask before calling). A
// data file that the start-up checks would refuse is not archived.
// Never throws: every failure is in the result, and an earlier archive stays
// as it was.
Результат_архивирования Архивирование_данных(const std::filesystem::path& путь_архива);

// ---- restoring

// Whether the chosen file is named exactly as the program names its archives.
bool Имя_архивного_файла_верно(const std::filesystem::path& путь);

struct Результат_восстановления {
  bool успех = false;
  std::string причина;  // why the archive was refused or the swap failed
  // A backup folder left by an interrupted restore, moved aside under this
  // name instead of being mixed with current data; empty when there was none.
  std::filesystem::path отложенная_папка;
};

// Replaces the program folder with the archive's content. Refuses the whole
// archive, with the program folder untouched, when any entry is not a regular
// file, does not lie in the program folder, is not one of the program's file
// names or comes twice, when the data file is missing or fails the start-up
// checks, or when the archive is damaged. Never throws.
Результат_восстановления Восстановление_данных(const std::filesystem::path& путь_архива);

// ---- texts of the two windows that the command line shows too

std::string Текст_недопустимого_имени_папки(std::string_view имя);
std::string Текст_нет_папки_программы();
std::string Текст_архива_внутри_папки_программы();
std::string Вопрос_о_замене_архива(const std::filesystem::path& путь_архива);
inline constexpr std::string_view kАрхивирование_прошло_успешно =
    "Архивирование расписания прошло успешно.";
std::string Текст_полного_имени_архива(const std::filesystem::path& путь_архива);
inline constexpr std::string_view kДанные_не_архивированы =
    "Данные не архивированы (не сохранены).";
// Three lines.
std::string Текст_запрета_архивирования();

std::string Текст_неверного_архивного_файла(const std::filesystem::path& путь);
std::string Предупреждение_о_восстановлении();
std::string Текст_успешного_восстановления();
inline constexpr std::string_view kДанные_не_восстановлены =
    "Данные НЕ восстановлены! Вероятно файл с данными или носитель испорчены ... Или данные "
    "были сформированы в другой операционной системе.";

// A path as the user sees it (native separators, no trailing separator).
std::string Путь_для_показа(const std::filesystem::path& путь);

}  // namespace korvella
