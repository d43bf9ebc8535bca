#pragma once
// The main window: the design case's boxes, lists and options, the legend,
// the quick-result panel and the commands (calculate, open, save, help,
// close). It gathers texts and selections and shows what the core gives
// back; the calculation and the file format live in the core.
#include <QWidget>
#include <array>
#include <functional>
#include <optional>
#include <string>

#include "figures/qt/frmpicshow.h"
#include "input/designcase.h"
#include "input/formstate.h"
#include "report/run.h"
#include "results/frmout.h"
#include "toolkit/qt/windowtoolkit.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLayout;
class QPushButton;
class QRadioButton;

namespace veldrin {

struct CatalogueSection;
class FieldBox;
class SectionLegend;

class FrmMain : public QWidget, public ResultHost, public SectionTextSource {
  Q_OBJECT
 public:
  explicit FrmMain(QWidget* parent = nullptr);  // builds the window and runs Form_Load
  ~FrmMain() override;                          // unloads the result window and figure dialog

  FormState formState() const;              // the boxes, lists, options and sheeting box
  void showFormState(const FormState& form);
  const DesignCase& designCase() const { return dc_; }

  // The case differs from what was last opened or saved (or from the
  // start-up window when neither has happened).
  bool caseChanged() const { return formState() != savedForm_; }

  // What cmdexit, Esc and the close button do once nothing unsaved is in the
  // way and every window is closed; the desktop program leaves its event loop.
  void setProgramEnd(std::function<void()> end) { programEnd_ = std::move(end); }

  // ResultHost and SectionTextSource.
  QString projectName() const override;
  QImage sectionFigure() override;
  void showMainWindow() override;
  std::array<QString, 4> sectionTexts() const override;
  DesignCode designCode() const override;

  // The date the calculation book gives as the date of the run; today's
  // unless set (tests fix it).
  void setRunDate(QString date) { runDate_ = std::move(date); }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  // Building the window.
  void buildControls();
  void buildLayout();
  QLayout* buildHeader();
  QLayout* buildButtonBlock();
  QLayout* buildLegend();
  QGroupBox* buildFieldFrame(const char* caption, std::initializer_list<int> fields);
  QGroupBox* buildCodeFrame();
  QGroupBox* buildGeometryFrame();
  QGroupBox* buildQuickResultFrame();
  QLabel* labelFor(int field, QWidget* parent);
  void setTabOrder();
  void connectCommands();
  void connectFields();
  int twips(int t) const;

  // Handlers.
  void formLoad();
  void cmdshowClick();
  void cmdhelpClick();
  void cmdtuClick();
  void picture1Click();
  void endProgram();  // 关闭 and Esc: asks first, then closes every window
  bool mayLeave();    // asks about the changed case and unsaved result documents
  void closeEveryWindow();
  void rodBoxFollows();  // Check2 counts only under the third code, with sag rods

  // The quick-result panel (frmmain_panel.cpp).
  void watchInputs();
  void showInputChanged();  // neutral, "输入已修改,请重新计算"
  void showNeutral(const char* verdict);
  std::optional<RunOutcome> calculate();
  void cmdquickshowClick();
  void showVerdict(const CheckResults& checks);
  void fieldEnter(FieldBox* box);
  void sectionTextChanged();
  void relistSection();

  // The lightest section of the catalogue.
  void cmdselectClick();
  void adoptSection(const CatalogueSection& section);
  void codeChanged();

  // Design-case files.
  void cmdsaveClick();
  void cmdopenClick();
  bool writeCaseFile(const QString& path, const std::string& bytes);
  std::optional<std::string> readCaseFile(const QString& path);
  bool applyOpenedFile(const std::string& bytes);
  void showCaseFileName(const QString& path);  // in the title
  void showCode(const FormState& form);        // no button on when the file chose none

  FieldBox* field(int n) const { return fields_.at(static_cast<std::size_t>(n - 1)); }

  DesignCase dc_;
  FileDialogRequest commonDialog1_;  // one dialog for Open and Save: its settings carry over
  FormState savedForm_;              // the window as last opened or saved
  std::function<void()> programEnd_;
  QString runDate_;  // empty: today

  std::array<FieldBox*, kFieldCount> fields_{};
  std::array<QComboBox*, 3> combos_{};
  QRadioButton* optcode1_ = nullptr;
  QRadioButton* optcode2_ = nullptr;
  QRadioButton* optcode3_ = nullptr;
  QCheckBox* check2_ = nullptr;  // the sag rods also restrain the lower flange
  QCheckBox* check1_ = nullptr;
  QPushButton* cmdopen_ = nullptr;
  QPushButton* cmdhelp_ = nullptr;
  QPushButton* cmdexit_ = nullptr;
  QPushButton* cmdsave_ = nullptr;
  QPushButton* cmdshow_ = nullptr;
  QPushButton* cmdquickshow_ = nullptr;
  QPushButton* cmdtu_ = nullptr;
  QPushButton* cmdselect_ = nullptr;
  SectionLegend* picture1_ = nullptr;
  QLabel* labout_ = nullptr;
  QLabel* labverdict_ = nullptr;      // the conclusion and the governing check of the last run
  QGroupBox* quickResult_ = nullptr;  // the panel, red when a check fails, green when all pass
};

}  // namespace veldrin
