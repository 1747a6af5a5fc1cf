#include "core/archive.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zip.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <set>
#include <stdexcept>
#include <vector>

#include "core/data_files.h"
#include "core/file_io.h"
#include "core/main_record.h"

namespace korvella {
namespace fs = std::filesystem;

namespace {

constexpr std::string_view kКорвелла = "\"ЗРБ: Корвелла\"";
// No file of the program comes near this; a larger entry is not ours (or a
// bomb that would fill the disk).
constexpr std::uint64_t kНаибольший_файл = 256ull << 20;
constexpr mode_t kТип_файла_в_атрибутах = 0170000;
constexpr mode_t kОбычный_файл = 0100000;
constexpr zip_uint32_t kПапка_DOS = 0x10;

std::string Текст_ошибки(int код) { return std::strerror(код); }

// The program folder as the archive names it: relative to the working folder.
fs::path Папка_в_архиве() {
  const fs::path папка = Папка_программы();
  return папка.parent_path().filename() / папка.filename();
}

bool Существует(const fs::path& путь) {
  std::error_code ошибка;
  return fs::exists(fs::symlink_status(путь, ошибка));
}

bool Внутри(const fs::path& путь, const fs::path& папка) {
  std::error_code ошибка;
  const fs::path п = fs::weakly_canonical(путь, ошибка);
  const fs::path о = fs::weakly_canonical(папка, ошибка);
  auto [конец_о, конец_п] = std::mismatch(о.begin(), о.end(), п.begin(), п.end());
  // A trailing separator leaves an empty last component.
  return конец_о == о.end() || (std::next(конец_о) == о.end() && конец_о->empty());
}

void Сбросить_папку(const fs::path& папка) {
  const int fd = ::open(папка.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd >= 0) {
    ::fsync(fd);
    ::close(fd);
  }
}

// ---- archiving

struct Буфер_архива {
  zip_source_t* источник = nullptr;
  ~Буфер_архива() {
    if (источник) zip_source_free(источник);
  }
};

std::vector<std::uint8_t> Байты_источника(zip_source_t* источник) {
  zip_stat_t сведения;
  zip_stat_init(&сведения);
  if (zip_source_open(источник) < 0) {
    throw std::runtime_error(zip_error_strerror(zip_source_error(источник)));
  }
  std::vector<std::uint8_t> байты;
  if (zip_source_stat(источник, &сведения) == 0 && (сведения.valid & ZIP_STAT_SIZE)) {
    байты.resize(сведения.size);
  }
  const zip_int64_t прочитано = zip_source_read(источник, байты.data(), байты.size());
  zip_source_close(источник);
  if (прочитано < 0 || static_cast<std::uint64_t>(прочитано) != байты.size()) {
    throw std::runtime_error("не удалось прочитать собранный архив");
  }
  return байты;
}

// The ZIP image of the program's files in `папка`, built in memory.
std::vector<std::uint8_t> Собрать_архив(const fs::path& папка) {
  zip_error_t ошибка;
  zip_error_init(&ошибка);
  Буфер_архива буфер;
  буфер.источник = zip_source_buffer_create(nullptr, 0, 0, &ошибка);
  if (!буфер.источник) throw std::runtime_error(zip_error_strerror(&ошибка));
  zip_t* архив = zip_open_from_source(буфер.источник, ZIP_TRUNCATE, &ошибка);
  if (!архив) throw std::runtime_error(zip_error_strerror(&ошибка));
  // The buffer must outlive the archive, which frees its source on close.
  zip_source_keep(буфер.источник);

  auto Отказаться = [&](std::string что) {
    что += ": ";
    что += zip_strerror(архив);
    zip_discard(архив);
    throw std::runtime_error(что);
  };
  bool есть_файл_данных = false;
  for (std::string_view имя : kФайлы_папки_программы) {
    const fs::path файл = папка / имя;
    std::error_code о;
    // A link or a folder under one of our names is not our file.
    if (!fs::is_regular_file(fs::symlink_status(файл, о))) continue;
    есть_файл_данных = есть_файл_данных || имя == kФайлы_папки_программы[0];
    zip_source_t* содержимое = zip_source_file_create(файл.c_str(), 0, -1, &ошибка);
    if (!содержимое) Отказаться("не удалось открыть " + файл.string());
    const std::string имя_в_архиве = (Папка_в_архиве() / имя).generic_string();
    const zip_int64_t номер = zip_file_add(архив, имя_в_архиве.c_str(), содержимое, 0);
    if (номер < 0) {
      zip_source_free(содержимое);
      Отказаться("не удалось добавить " + файл.string());
    }
    const auto н = static_cast<zip_uint64_t>(номер);
    if (zip_set_file_compression(архив, н, ZIP_CM_DEFLATE, 6) < 0 ||
        zip_file_set_external_attributes(архив, н, 0, ZIP_OPSYS_UNIX,
                                         static_cast<zip_uint32_t>(kОбычный_файл | 0644) << 16) <
            0) {
      Отказаться("не удалось добавить " + файл.string());
    }
  }
  // An archive without the data file could never be restored.
  if (!есть_файл_данных) Отказаться("в папке программы нет файла данных");
  // The sources are read here.
  if (zip_close(архив) < 0) Отказаться("не удалось собрать архив");
  return Байты_источника(буфер.источник);
}

// ---- restoring

struct Элемент_архива {
  zip_uint64_t номер;
  std::string имя;  // one of the program's file names
  std::uint64_t размер;
  std::optional<time_t> время;
};

struct Открытый_архив {
  zip_t* архив = nullptr;
  ~Открытый_архив() {
    if (архив) zip_discard(архив);
  }
};

// The program's file name an entry stands for, or a refusal.
std::string Имя_файла_элемента(std::string имя) {
  const std::string показ = имя;
  std::replace(имя.begin(), имя.end(), '\\', '/');
  if (имя.empty()) throw std::runtime_error("в архиве есть элемент без имени");
  if (имя.front() == '/' || (имя.size() > 1 && имя[1] == ':')) {
    throw std::runtime_error("элемент с абсолютным путём: " + показ);
  }
  if (имя.back() == '/') throw std::runtime_error("элемент-папка: " + показ);
  const fs::path путь = fs::path(имя).lexically_normal();
  std::vector<fs::path> части(путь.begin(), путь.end());
  const fs::path папка = Папка_в_архиве();
  const std::vector<fs::path> части_папки(папка.begin(), папка.end());
  if (части.size() != части_папки.size() + 1 ||
      !std::equal(части_папки.begin(), части_папки.end(), части.begin())) {
    throw std::runtime_error("элемент вне папки программы: " + показ);
  }
  const std::string файл = части.back().string();
  if (std::find(kФайлы_папки_программы.begin(), kФайлы_папки_программы.end(), файл) ==
      kФайлы_папки_программы.end()) {
    throw std::runtime_error("чужой файл в архиве: " + показ);
  }
  return файл;
}

void Проверить_вид_элемента(zip_t* архив, zip_uint64_t номер, const std::string& имя) {
  zip_uint8_t система = 0;
  zip_uint32_t атрибуты = 0;
  if (zip_file_get_external_attributes(архив, номер, 0, &система, &атрибуты) < 0) {
    throw std::runtime_error("не читаются атрибуты элемента " + имя);
  }
  const mode_t тип = (атрибуты >> 16) & kТип_файла_в_атрибутах;
  // Tools that store no mode leave the type 0.
  if (система == ZIP_OPSYS_UNIX && тип != 0 && тип != kОбычный_файл) {
    throw std::runtime_error("элемент не обычный файл (ссылка или папка): " + имя);
  }
  if (система == ZIP_OPSYS_DOS && (атрибуты & kПапка_DOS))
    throw std::runtime_error("элемент-папка: " + имя);
}

std::vector<Элемент_архива> Проверить_элементы(zip_t* архив) {
  const zip_int64_t количество = zip_get_num_entries(архив, 0);
  std::vector<Элемент_архива> элементы;
  std::set<std::string> имена;
  for (zip_int64_t i = 0; i < количество; ++i) {
    const auto номер = static_cast<zip_uint64_t>(i);
    const char* сырое = zip_get_name(архив, номер, ZIP_FL_ENC_RAW);
    if (!сырое) throw std::runtime_error("не читается имя элемента архива");
    const std::string имя = Имя_файла_элемента(сырое);
    Проверить_вид_элемента(архив, номер, сырое);
    if (!имена.insert(имя).second)
      throw std::runtime_error(std::string("файл дважды в архиве: ") + имя);

    zip_stat_t сведения;
    if (zip_stat_index(архив, номер, 0, &сведения) < 0 || !(сведения.valid & ZIP_STAT_SIZE)) {
      throw std::runtime_error(std::string("не читаются сведения элемента ") + сырое);
    }
    if ((сведения.valid & ZIP_STAT_ENCRYPTION_METHOD) &&
        сведения.encryption_method != ZIP_EM_NONE) {
      throw std::runtime_error(std::string("элемент зашифрован: ") + сырое);
    }
    if ((сведения.valid & ZIP_STAT_COMP_METHOD) &&
        !zip_compression_method_supported(сведения.comp_method, 0)) {
      throw std::runtime_error(std::string("неизвестный способ сжатия: ") + сырое);
    }
    if (сведения.size > kНаибольший_файл)
      throw std::runtime_error(std::string("слишком большой файл: ") + сырое);
    std::optional<time_t> время;
    if (сведения.valid & ZIP_STAT_MTIME) время = сведения.mtime;
    элементы.push_back({номер, имя, сведения.size, время});
  }
  if (!имена.contains(std::string(kФайлы_папки_программы[0]))) {
    throw std::runtime_error("в архиве нет файла данных " + std::string(kФайлы_папки_программы[0]));
  }
  return элементы;
}

// Writes one entry into `куда`, keeping its time (the remembered copy shows its
// date from it). libzip checks the CRC when the last byte is read.
void Извлечь(zip_t* архив, const Элемент_архива& элемент, const fs::path& куда) {
  zip_file_t* вход = zip_fopen_index(архив, элемент.номер, 0);
  if (!вход)
    throw std::runtime_error("не открывается элемент " + элемент.имя + ": " + zip_strerror(архив));
  const int fd = ::open(куда.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
  if (fd < 0) {
    const int код = errno;
    zip_fclose(вход);
    throw std::runtime_error("не создаётся " + куда.string() + ": " + Текст_ошибки(код));
  }
  auto Отказаться = [&](const std::string& что) {
    ::close(fd);
    zip_fclose(вход);
    throw std::runtime_error(что);
  };
  std::vector<char> порция(1 << 16);
  std::uint64_t всего = 0;
  for (;;) {
    const zip_int64_t n = zip_fread(вход, порция.data(), порция.size());
    if (n < 0) Отказаться("испорчен элемент " + элемент.имя + ": " + zip_file_strerror(вход));
    if (n == 0) break;
    всего += static_cast<std::uint64_t>(n);
    if (всего > элемент.размер) Отказаться("элемент длиннее заявленного: " + элемент.имя);
    for (zip_int64_t записано = 0; записано < n;) {
      const ssize_t w = ::write(fd, порция.data() + записано, static_cast<size_t>(n - записано));
      if (w < 0 && errno == EINTR) continue;
      if (w < 0) Отказаться("не записывается " + куда.string() + ": " + Текст_ошибки(errno));
      записано += w;
    }
  }
  if (всего != элемент.размер) Отказаться("элемент короче заявленного: " + элемент.имя);
  if (элемент.время) {
    const timespec время[2] = {{*элемент.время, 0}, {*элемент.время, 0}};
    ::futimens(fd, время);
  }
  if (::fsync(fd) != 0 || ::close(fd) != 0) {
    zip_fclose(вход);
    throw std::runtime_error("не записывается " + куда.string() + ": " + Текст_ошибки(errno));
  }
  zip_fclose(вход);
}

// The checks the start-up load makes: a whole record with possible content.
void Проверить_файл_данных(const fs::path& файл) {
  auto образ = std::make_unique<тип_Главная_запись>();
  if (Прочитать_начало_файла(файл, образ.get(), sizeof *образ) != Итог_чтения::Прочитан) {
    throw std::runtime_error("файл данных короче записи");
  }
  if (!Содержимое_главной_записи_допустимо(*образ)) {
    throw std::runtime_error("файл данных испорчен или от другой версии программы");
  }
}

// The archive's files, checked, in a new folder beside `папка_программы`.
fs::path Извлечь_рядом(const fs::path& путь_архива, const fs::path& папка_программы) {
  int код = 0;
  Открытый_архив открытый;
  открытый.архив = zip_open(путь_архива.c_str(), ZIP_RDONLY | ZIP_CHECKCONS, &код);
  if (!открытый.архив) {
    zip_error_t ошибка;
    zip_error_init_with_code(&ошибка, код);
    std::string текст = "архив не читается: ";
    текст += zip_error_strerror(&ошибка);
    zip_error_fini(&ошибка);
    throw std::runtime_error(текст);
  }
  const std::vector<Элемент_архива> элементы = Проверить_элементы(открытый.архив);

  std::error_code о;
  fs::create_directories(папка_программы.parent_path(), о);
  if (о) throw std::runtime_error("не создаётся " + папка_программы.parent_path().string());
  std::string образец = папка_программы.string() + "_restore_XXXXXX";
  if (!::mkdtemp(образец.data())) {
    throw std::runtime_error("не создаётся папка рядом с " + папка_программы.string() + ": " +
                             Текст_ошибки(errno));
  }
  const fs::path новая = образец;
  try {
    ::chmod(новая.c_str(), 0755);
    for (const auto& элемент : элементы) Извлечь(открытый.архив, элемент, новая / элемент.имя);
    Проверить_файл_данных(новая / kФайлы_папки_программы[0]);
  } catch (...) {
    fs::remove_all(новая, о);
    throw;
  }
  return новая;
}

// `основа`_1, _2, ...: the first name nobody uses.
fs::path Свободное_имя(const fs::path& основа) {
  for (int n = 1;; ++n) {
    fs::path имя = основа;
    имя += "_";
    имя += std::to_string(n);
    if (!Существует(имя)) return имя;
  }
}

void Переименовать(const fs::path& откуда, const fs::path& куда) {
  if (::rename(откуда.c_str(), куда.c_str()) != 0) {
    throw std::runtime_error("не переименовывается " + откуда.string() + " в " + куда.string() +
                             ": " + Текст_ошибки(errno));
  }
}

}  // namespace

fs::path Путь_архива(const fs::path& корень, std::string_view папка) {
  fs::path путь = корень;
  if (!папка.empty()) путь /= fs::path(std::string(папка));
  return путь / kИмя_архивного_файла;
}

std::optional<Препятствие_архивированию> Проверка_перед_архивированием(const fs::path& корень,
                                                                       std::string_view папка) {
  const bool управляющий = std::any_of(папка.begin(), папка.end(), [](char c) {
    const auto к = static_cast<unsigned char>(c);
    return к < 0x20 || к == 0x7F;
  });
  if (управляющий || папка == "." || папка == ".." ||
      папка.find_first_of("/\\") != std::string_view::npos) {
    return Препятствие_архивированию::Недопустимое_имя;
  }
  if (Внутри(Путь_архива(корень, папка).parent_path(), Папка_программы())) {
    return Препятствие_архивированию::Внутри_папки_программы;
  }
  std::error_code о;
  if (!fs::is_directory(Папка_программы(), о) ||
      !fs::is_regular_file(Папка_программы() / kФайлы_папки_программы[0], о)) {
    return Препятствие_архивированию::Нет_папки_программы;
  }
  return std::nullopt;
}

Результат_архивирования Архивирование_данных(const fs::path& путь_архива) {
  std::error_code о;
  fs::create_directories(путь_архива.parent_path(), о);
  if (о) return {Итог_архивирования::Папка_не_создана, о.message()};
  try {
    // Only an archive a restore accepts is worth writing.
    Проверить_файл_данных(Папка_программы() / kФайлы_папки_программы[0]);
    const std::vector<std::uint8_t> байты = Собрать_архив(Папка_программы());
    Записать_файл_надёжно(путь_архива, байты.data(), байты.size());
  } catch (const std::exception& сбой) {
    return {Итог_архивирования::Архив_не_записан, сбой.what()};
  }
  return {Итог_архивирования::Готово, {}};
}

bool Имя_архивного_файла_верно(const fs::path& путь) {
  return путь.filename() == fs::path(kИмя_архивного_файла);
}

Результат_восстановления Восстановление_данных(const fs::path& путь_архива) {
  Результат_восстановления результат;
  const fs::path папка = Папка_программы();
  try {
    // The old folder and everything in it is deleted at the end.
    if (Внутри(путь_архива, папка)) throw std::runtime_error("архив лежит в папке программы");
    const fs::path новая = Извлечь_рядом(путь_архива, папка);

    fs::path резерв = папка;
    резерв += "_old";
    try {
      // A backup left by an interrupted restore may be the only copy of
      // someone's data: keep it, but never bring it back over current data.
      if (Существует(резерв)) {
        результат.отложенная_папка = Свободное_имя(резерв);
        Переименовать(резерв, результат.отложенная_папка);
      }
      const bool была = Существует(папка);
      if (была) Переименовать(папка, резерв);
      try {
        Переименовать(новая, папка);
      } catch (...) {
        if (была) Переименовать(резерв, папка);
        throw;
      }
    } catch (...) {
      std::error_code о;
      fs::remove_all(новая, о);
      throw;
    }
    Сбросить_папку(папка.parent_path());
    std::error_code о;
    fs::remove_all(резерв, о);
    результат.успех = true;
  } catch (const std::exception& сбой) {
    результат.причина = сбой.what();
  }
  return результат;
}

std::string Текст_недопустимого_имени_папки(std::string_view имя) {
  return "Вводимое имя папки: " + std::string(имя) + " содержит недопустимый символ.";
}

std::string Текст_нет_папки_программы() {
  return "На Вашем компьютере отсутствует папка с данными программы " + std::string(kКорвелла) +
         " для архивирования.";
}

std::string Текст_архива_внутри_папки_программы() {
  return "Архив нельзя сохранить в папке с данными программы " + std::string(kКорвелла) +
         ". Выберите другую папку.";
}

std::string Вопрос_о_замене_архива(const fs::path& путь_архива) {
  return "\nАрхивный файл " + Путь_для_показа(путь_архива) +
         " уже существует. Заменить его новым архивом?";
}

std::string Текст_полного_имени_архива(const fs::path& путь_архива) {
  return "Полное имя файла: " + Путь_для_показа(путь_архива);
}

std::string Текст_запрета_архивирования() {
  return "В Вашей операционнй системе Windows архивирование на этот\n"
         "диск запрещено. Используйте либо папку на этом диске, либо\n"
         "флешку, либо другой диск.";
}

std::string Текст_неверного_архивного_файла(const fs::path& путь) {
  return "\nФайл: " + путь.filename().string() + " для восстановления данных выбран не верно.";
}

std::string Предупреждение_о_восстановлении() {
  return "Все имеющиеся сейчас на жестном диске Вашего компьютера данные для программы " +
         std::string(kКорвелла) + " будут безвозвратно утрачены и заменены на архивные!";
}

std::string Текст_успешного_восстановления() {
  return "Данные успешно перенесены из архивного файла на жесткий диск Вашего компьютера для "
         "использования программой " +
         std::string(kКорвелла) + ". Можно завершить рабоу с мастером восстановления данных.";
}

std::string Путь_для_показа(const fs::path& путь) {
  fs::path п = путь;
  п.make_preferred();
  std::string текст = п.string();
  while (текст.size() > 1 && текст.back() == fs::path::preferred_separator) текст.pop_back();
  return текст;
}

}  // namespace korvella
