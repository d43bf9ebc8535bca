#include "catalogue/qt/frmselect.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableWidget>
#include <QVBoxLayout>

#include "catalogue/lightesttext.h"
#include "catalogue/sectionmass.h"
#include "toolkit/qt/guardedcommand.h"

namespace veldrin {

namespace {

constexpr int kTrialRole = Qt::UserRole;     // column 0: index of the trial
constexpr int kSortRole = Qt::UserRole + 1;  // numeric columns: the number behind the text

QString toQ(const std::string& s) { return QString::fromStdString(s); }

// Sorts the numeric columns by their numbers; rows without one go last in
// either order.
class SortItem : public QTableWidgetItem {
 public:
  using QTableWidgetItem::QTableWidgetItem;
  bool operator<(const QTableWidgetItem& other) const override {
    const QVariant mine = data(kSortRole), theirs = other.data(kSortRole);
    if (mine.isValid() && theirs.isValid()) return mine.toDouble() < theirs.toDouble();
    if (mine.isValid() == theirs.isValid()) return QTableWidgetItem::operator<(other);
    return mine.isValid() != descending();
  }

 private:
  bool descending() const {
    return tableWidget() && tableWidget()->horizontalHeader()->sortIndicatorOrder() == Qt::DescendingOrder;
  }
};

const QColor kFailingRow(0xF6, 0xD5, 0xD5);  // a calm red: the verdict text says it too
const QColor kRefusedText(0x70, 0x70, 0x70);

}  // namespace

FrmSelect::FrmSelect(LightestSearch search, const std::vector<CatalogueProblem>& problems, Adopt adopt,
                     QWidget* parent)
    : QDialog(parent), search_(std::move(search)), adopt_(std::move(adopt)) {
  buildControls(problems);
  fillTable();
  selectProposed();
}

void FrmSelect::buildControls(const std::vector<CatalogueProblem>& problems) {
  setObjectName("frmselect");
  setWindowTitle("截面选型");
  auto* caption = new QLabel("截面库(按列标题排序):", this);
  caption->setObjectName("Label1");
  gridsections_ = new QTableWidget(0, kColumns, this);
  gridsections_->setObjectName("gridsections");
  caption->setBuddy(gridsections_);
  const TrialCells headings = trialHeadings();
  gridsections_->setHorizontalHeaderLabels({toQ(headings.name), toQ(headings.mass), toQ(headings.governing),
                                            toQ(headings.utilisation), toQ(headings.verdict)});
  gridsections_->setSelectionBehavior(QAbstractItemView::SelectRows);
  gridsections_->setSelectionMode(QAbstractItemView::SingleSelection);
  gridsections_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  gridsections_->verticalHeader()->hide();
  gridsections_->horizontalHeader()->setStretchLastSection(true);  // the verdict and its reason
  labproposal_ = new QLabel(toQ(proposalLine(search_)), this);
  labproposal_->setObjectName("labproposal");
  labcatalogue_ = new QLabel(this);
  labcatalogue_->setObjectName("labcatalogue");
  labcatalogue_->setWordWrap(true);
  labcatalogue_->setTextInteractionFlags(Qt::TextSelectableByMouse);  // the path can be copied
  labproblems_ = new QLabel(this);
  labproblems_->setObjectName("labproblems");
  labproblems_->setWordWrap(true);
  QStringList lines;
  for (const CatalogueProblem& p : problems) lines << toQ(problemText(p));
  labproblems_->setText(lines.join('\n'));
  labproblems_->setVisible(!problems.empty());
  auto* buttons = new QDialogButtonBox(this);
  cmdadopt_ = buttons->addButton("采用", QDialogButtonBox::AcceptRole);
  cmdadopt_->setObjectName("cmdadopt");
  cmdcancel_ = buttons->addButton("取消", QDialogButtonBox::RejectRole);
  cmdcancel_->setObjectName("cmdcancel");
  connect(cmdadopt_, &QPushButton::clicked, this, guarded([this] { cmdadoptClick(); }));
  connect(cmdcancel_, &QPushButton::clicked, this, &QDialog::reject);
  connect(gridsections_, &QTableWidget::itemSelectionChanged, this, [this] { selectionChanged(); });
  auto* column = new QVBoxLayout(this);
  for (QWidget* w : std::initializer_list<QWidget*>{caption, gridsections_, labproposal_, labcatalogue_, labproblems_,
                                                          buttons}) {
    column->addWidget(w);
  }
  resize(900, 600);
}

void FrmSelect::setCatalogueNote(const QString& note) { labcatalogue_->setText(note); }

void FrmSelect::fillTable() {
  gridsections_->setSortingEnabled(false);  // rows stay where they are put while filling
  gridsections_->setRowCount(static_cast<int>(search_.trials.size()));
  for (std::size_t i = 0; i < search_.trials.size(); ++i) fillRow(static_cast<int>(i), i);
  gridsections_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);  // catalogue order until the user sorts
  gridsections_->setSortingEnabled(true);
  gridsections_->resizeColumnsToContents();
}

void FrmSelect::fillRow(int row, std::size_t index) {
  const SectionTrial& trial = search_.trials[index];
  const TrialCells cells = trialCells(trial, search_.proposed == index);
  const std::array<std::string, kColumns> texts = {cells.name, cells.mass, cells.governing, cells.utilisation,
                                                   cells.verdict};
  for (int c = 0; c < kColumns; ++c) {
    auto* item = new SortItem(toQ(texts[static_cast<std::size_t>(c)]));
    if (c == kMass || c == kUtilisation) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (trial.status == TrialStatus::Fail) item->setBackground(kFailingRow);
    if (trial.status == TrialStatus::Refused) item->setForeground(kRefusedText);
    if (trial.status == TrialStatus::Refused) item->setToolTip(toQ(trial.reason));
    gridsections_->setItem(row, c, item);
  }
  gridsections_->item(row, kSection)->setData(kTrialRole, static_cast<qulonglong>(index));
  if (trial.mass) gridsections_->item(row, kMass)->setData(kSortRole, massShown(*trial.mass));
  if (trial.governing) gridsections_->item(row, kUtilisation)->setData(kSortRole, trial.governing->utilisation);
}

void FrmSelect::selectProposed() {
  cmdadopt_->setEnabled(false);
  if (!search_.proposed) return;
  for (int row = 0; row < gridsections_->rowCount(); ++row) {
    if (gridsections_->item(row, kSection)->data(kTrialRole).toULongLong() != *search_.proposed) continue;
    gridsections_->selectRow(row);
    gridsections_->scrollToItem(gridsections_->item(row, kSection));
  }
}

// The selected row's trial, whatever order the table is sorted in.
const SectionTrial* FrmSelect::chosenTrial() const {
  const QList<QTableWidgetItem*> selected = gridsections_->selectedItems();
  if (selected.isEmpty()) return nullptr;
  const QTableWidgetItem* first = gridsections_->item(selected.front()->row(), kSection);
  return &search_.trials.at(static_cast<std::size_t>(first->data(kTrialRole).toULongLong()));
}

// A section that was not calculated is not offered: its dimensions are ones
// the main window or the run refuses.
void FrmSelect::selectionChanged() {
  const SectionTrial* trial = chosenTrial();
  cmdadopt_->setEnabled(trial && trial->status != TrialStatus::Refused);
}

void FrmSelect::cmdadoptClick() {
  const SectionTrial* trial = chosenTrial();
  if (!trial || trial->status == TrialStatus::Refused) return;
  adopt_(trial->section);
  accept();
}

QString catalogueNote(std::size_t builtin, std::size_t user, const QString& userPath, bool userFound) {
  const QString found = userFound ? QString("%1个截面").arg(user) : QString("未找到");
  return QString("截面库: 内置%1个截面; 用户截面库 %2: %3").arg(builtin).arg(userPath, found);
}

QString userCataloguePath() {
  return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + "/" + kUserCatalogueName;
}

}  // namespace veldrin
