// "О программе": the picture, the product's name, its version and what it does.
#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace korvella {

inline constexpr const char* kВерсия_программы = "Вер. 1.025.22 х64  от 28 февраля 2025 г.";

class TФорма_о_программе : public QDialog {
 public:
  explicit TФорма_о_программе(QWidget* родитель = nullptr);
  QLabel* Надпись_версия_программы() const { return версия_; }

 protected:
  void showEvent(QShowEvent* событие) override;

 private:
  QLabel* версия_;
  QPlainTextEdit* описание_;
  QPushButton* закрыть_;
};

}  // namespace korvella
