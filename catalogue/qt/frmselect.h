#pragma once
// The dialog "截面选型": every catalogue section with its weight, governing
// check, utilisation and verdict, sortable by any column; failing rows are
// marked and the proposed row is selected. "采用" hands the chosen section
// back to the main window.
#include <QDialog>
#include <functional>

#include "catalogue/catalogue.h"
#include "catalogue/lightest.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace veldrin {

class FrmSelect : public QDialog {
  Q_OBJECT
 public:
  using Adopt = std::function<void(const CatalogueSection&)>;
  FrmSelect(LightestSearch search, const std::vector<CatalogueProblem>& problems, Adopt adopt,
            QWidget* parent = nullptr);

  // Where the sections came from, under the table (which user list, how many rows).
  void setCatalogueNote(const QString& note);

  enum Column { kSection, kMass, kGoverning, kUtilisation, kVerdict, kColumns };

 private:
  void buildControls(const std::vector<CatalogueProblem>& problems);
  void fillTable();
  void fillRow(int row, std::size_t trial);
  void selectProposed();
  void selectionChanged();
  void cmdadoptClick();
  const SectionTrial* chosenTrial() const;

  LightestSearch search_;
  Adopt adopt_;
  QTableWidget* gridsections_ = nullptr;
  QLabel* labproposal_ = nullptr;
  QLabel* labproblems_ = nullptr;
  QLabel* labcatalogue_ = nullptr;
  QPushButton* cmdadopt_ = nullptr;
  QPushButton* cmdcancel_ = nullptr;
};

// Where the user's own section list is looked for: sections.csv in the
// program's configuration folder.
QString userCataloguePath();

// "截面库: 内置29个截面; 用户截面库 PATH: 2个截面" (or "未找到").
QString catalogueNote(std::size_t builtin, std::size_t user, const QString& userPath, bool userFound);

}  // namespace veldrin
