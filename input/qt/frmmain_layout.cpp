// The main window's controls and their arrangement: the header and the
// button block on top, then three columns of frames. Layouts rather than
// fixed positions, so the window holds together with other fonts and
// screen densities; sizes given in twips are turned into pixels here.
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <vector>

#include "figures/qt/sectionlegend.h"
#include "input/qt/fieldbox.h"
#include "input/qt/frmmain.h"
#include "input/qt/phraselabel.h"
#include "input/qt/songfont.h"

namespace veldrin {

namespace {

constexpr double kWindowPoints = 10.5;
constexpr double kFieldPoints = 12;
constexpr double kControlPoints = 9;  // frames, check box, buttons

// The label controls of the boxes: Label1 … Label22 as the window names them.
constexpr std::array<int, kFieldCount> kLabelOfField = {1, 2, 3, 12, 13, 14, 15, 9, 10, 11, 18, 19, 20, 4, 5, 6, 7, 8};

struct ListDefinition {
  const char* name;
  const char* labelName;
  const char* label;
  std::initializer_list<const char*> entries;
};

const std::array<ListDefinition, 3> kLists = {{
    {"Combo1", "Label16", "钢材型号:", {"Q235", "Q345"}},
    {"Combo2", "Label17", "挠度限值:", {"1/150", "1/240", "1/360"}},
    {"Combo3", "Label22", "拉条数量", {"0", "1", "2"}},
}};

QPushButton* commandButton(const char* name, const char* caption, QWidget* parent) {
  auto* button = new QPushButton(QString::fromUtf8(caption), parent);
  button->setObjectName(name);
  button->setFont(songFont(kControlPoints));
  button->setAutoDefault(true);  // Enter on a focused button presses it; the window has no default button
  return button;
}

QComboBox* dropDownList(const ListDefinition& list, QWidget* parent) {
  auto* combo = new QComboBox(parent);
  combo->setObjectName(list.name);
  combo->setEditable(false);
  for (const char* entry : list.entries) combo->addItem(QString::fromUtf8(entry));
  combo->setCurrentIndex(-1);
  return combo;
}

}  // namespace

int FrmMain::twips(int t) const { return t * logicalDpiX() / 1440; }

void FrmMain::buildControls() {
  setObjectName("frmmain");
  setWindowTitle("Veldrin");
  setFont(songFont(kWindowPoints));
  const FormState startup = startupForm("");
  for (int n = 1; n <= kFieldCount; ++n) {
    auto* box = new FieldBox(n, this);
    box->setFont(songFont(kFieldPoints));
    box->setText(QString::fromStdString(startup.field(n)));
    fields_.at(static_cast<std::size_t>(n - 1)) = box;
  }
  field(13)->setToolTip("坡度i取值为斜面高度除以斜面水平长");
  for (std::size_t i = 0; i < kLists.size(); ++i) combos_.at(i) = dropDownList(kLists.at(i), this);
  optcode1_ = new QRadioButton("规程CECS102:98", this);
  optcode1_->setObjectName("Optcode1");
  optcode1_->setChecked(true);
  optcode2_ = new QRadioButton("规范GBJ18-87", this);
  optcode2_->setObjectName("Optcode2");
  optcode3_ = new QRadioButton("规范GB51022-2015", this);
  optcode3_->setObjectName("Optcode3");
  check2_ = new QCheckBox("拉条同时约束下翼缘", this);
  check2_->setObjectName("Check2");
  check2_->setToolTip("风吸力作用下拉条同时作为受压下翼缘的侧向支承点");
  check2_->setEnabled(false);  // it matters only under the third code
  check1_ = new QCheckBox("屋面板能阻止檩条侧向失稳", this);
  check1_->setObjectName("Check1");
  check1_->setFont(songFont(kControlPoints));
  cmdopen_ = commandButton("Cmdopen", "打开(&O)", this);
  cmdhelp_ = commandButton("cmdhelp", "帮助(&H)", this);
  cmdexit_ = commandButton("cmdexit", "关闭(&X)", this);
  cmdsave_ = commandButton("Cmdsave", "保存(&S)", this);
  cmdshow_ = commandButton("cmdshow", "显示(&C)", this);
  cmdquickshow_ = commandButton("cmdquickshow", "快速显示", this);
  cmdtu_ = commandButton("cmdtu", "图例(&T)", this);
  cmdselect_ = commandButton("cmdselect", "截面选型", this);
  picture1_ = new SectionLegend(this);
  picture1_->setObjectName("Picture1");
  picture1_->setFocusPolicy(Qt::TabFocus);
  labout_ = new PhraseLabel(this);
  labout_->setObjectName("Labout");
  labverdict_ = new QLabel(this);
  labverdict_->setObjectName("Labverdict");
  labverdict_->setTextFormat(Qt::PlainText);
}

QLabel* FrmMain::labelFor(int n, QWidget* parent) {
  auto* label = new QLabel(QString::fromStdString(fieldLabel(n)), parent);
  label->setObjectName("Label" + QString::number(kLabelOfField.at(static_cast<std::size_t>(n - 1))));
  label->setBuddy(field(n));
  return label;
}

QLayout* FrmMain::buildHeader() {
  auto* header = new QFormLayout;
  for (int n = 1; n <= 3; ++n) header->addRow(labelFor(n, this), field(n));
  return header;
}

QLayout* FrmMain::buildButtonBlock() {
  auto* block = new QGridLayout;
  const std::array<QPushButton*, 6> buttons = {cmdopen_, cmdhelp_, cmdexit_, cmdsave_, cmdshow_, cmdquickshow_};
  for (int i = 0; i < 6; ++i) {
    buttons.at(static_cast<std::size_t>(i))->setMinimumSize(twips(1095), twips(375));
    block->addWidget(buttons.at(static_cast<std::size_t>(i)), i / 3, i % 3);
  }
  block->addWidget(check1_, 2, 0, 1, 2);
  block->addWidget(cmdselect_, 2, 2);
  return block;
}

QLayout* FrmMain::buildLegend() {
  auto* legend = new QVBoxLayout;
  cmdtu_->setFixedSize(twips(975), twips(375));
  picture1_->setFixedSize(twips(3615), twips(2655));
  legend->addWidget(cmdtu_, 0, Qt::AlignLeft);
  legend->addWidget(picture1_, 0, Qt::AlignHCenter);
  return legend;
}

QGroupBox* FrmMain::buildFieldFrame(const char* caption, std::initializer_list<int> fields) {
  auto* frame = new QGroupBox(QString::fromUtf8(caption), this);
  frame->setFont(songFont(kControlPoints));
  auto* rows = new QFormLayout(frame);
  for (int n : fields) rows->addRow(labelFor(n, frame), field(n));
  return frame;
}

QGroupBox* FrmMain::buildCodeFrame() {
  auto* frame = new QGroupBox("设计规范", this);
  frame->setFont(songFont(kControlPoints));
  auto* rows = new QVBoxLayout(frame);
  rows->addWidget(optcode1_);
  rows->addWidget(optcode2_);
  rows->addWidget(optcode3_);
  rows->addWidget(check2_);
  return frame;
}

// The three lists first, then span, spacing and slope.
QGroupBox* FrmMain::buildGeometryFrame() {
  auto* frame = buildFieldFrame("计算几何参数(单位:m)", {});
  auto* rows = static_cast<QFormLayout*>(frame->layout());
  for (std::size_t i = 0; i < kLists.size(); ++i) {
    auto* label = new QLabel(QString::fromUtf8(kLists.at(i).label), frame);
    label->setObjectName(kLists.at(i).labelName);
    label->setBuddy(combos_.at(i));
    rows->addRow(label, combos_.at(i));
  }
  for (int n : {11, 12, 13}) rows->addRow(labelFor(n, frame), field(n));
  return frame;
}

QGroupBox* FrmMain::buildQuickResultFrame() {
  auto* frame = new QGroupBox("快速显示结果", this);
  frame->setObjectName("QuickResult");
  frame->setFont(songFont(kControlPoints));
  auto* inside = new QVBoxLayout(frame);
  labout_->setWordWrap(true);
  labout_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  labout_->setMinimumSize(twips(3375), twips(1935));
  inside->addWidget(labout_, 1);
  inside->addWidget(labverdict_);  // its lines are short: it never wraps inside one
  quickResult_ = frame;
  return frame;
}

// Row 0: header and buttons; rows 1 and 2: the three columns of frames.
void FrmMain::buildLayout() {
  auto* grid = new QGridLayout(this);
  grid->addLayout(buildHeader(), 0, 0, 1, 2);
  grid->addLayout(buildButtonBlock(), 0, 2);
  grid->addLayout(buildLegend(), 1, 0);
  grid->addWidget(buildFieldFrame("檁条截面参数(单位：mm)", {4, 5, 6, 7}), 1, 1);
  auto* codeAndWind = new QVBoxLayout;
  codeAndWind->addWidget(buildCodeFrame());
  codeAndWind->addWidget(buildFieldFrame("风荷载(单位:KN/m2)", {8, 9, 10}));
  grid->addLayout(codeAndWind, 1, 2);
  grid->addWidget(buildGeometryFrame(), 2, 0);
  grid->addWidget(buildFieldFrame("屋面荷载标准值(单位：KN/m2,KN)", {14, 15, 16, 17, 18}), 2, 1);
  grid->addWidget(buildQuickResultFrame(), 2, 2);
  for (int column = 0; column < 3; ++column) grid->setColumnStretch(column, 1);
  resize(twips(11730), twips(8355));
}

// The boxes in number order, the buttons, the code options, the legend,
// the sheeting box and last the three lists.
void FrmMain::setTabOrder() {
  std::vector<QWidget*> order(fields_.begin(), fields_.end());
  for (QWidget* w : std::initializer_list<QWidget*>{cmdopen_, cmdsave_, cmdexit_, cmdhelp_, cmdshow_, cmdquickshow_,
                                                    cmdselect_, optcode1_, optcode2_, optcode3_, check2_, cmdtu_,
                                                    picture1_, check1_}) {
    order.push_back(w);
  }
  for (QComboBox* combo : combos_) order.push_back(combo);
  for (std::size_t i = 0; i + 1 < order.size(); ++i) QWidget::setTabOrder(order[i], order[i + 1]);
}

}  // namespace veldrin
