#include "figures/qt/frmpicshow.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "figures/figureplan.h"
#include "figures/qt/screendensity.h"
#include "figures/qt/sectionpicture.h"
#include "input/numberrules.h"
#include "report/sectionlisting.h"
#include "toolkit/qt/guardedcommand.h"
#include "toolkit/qt/windowtoolkit.h"

namespace veldrin {

// Picture1 of the dialog: shows the persistent image of its last drawing.
class FigurePicture : public QWidget {
 public:
  explicit FigurePicture(QWidget* parent) : QWidget(parent), canvas_(figureCanvas()) {
    setObjectName("Picture1");
    setFixedSize(canvas_.logicalSize(densityOf(*this)));
  }
  void draw(const FigurePlan& plan) {
    canvas_.render(plan, densityOf(*this));
    update();
  }
  const QImage& image() const { return canvas_.image(); }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    canvas_.paint(painter, size());
  }

 private:
  TwipCanvas canvas_;
};

namespace {

FrmPicShow* theDialog = nullptr;

struct FieldRow {
  const char* label;
  const char* text;
};
// Text1..Text4 (h, b, a, t) with their labels and initial texts.
constexpr FieldRow kFields[4] = {{"檁条高度h", "250"}, {"翼缘宽度b", "70"}, {"自由边长a", "20"}, {"檁条厚度t", "2"}};

QString controlName(const char* kind, int index) { return QString("%1%2").arg(kind).arg(index); }

// Every control carries its name, as the other windows and the tests find it.
template <class Control>
Control* named(Control* control, const QString& name) {
  control->setObjectName(name);
  return control;
}

}  // namespace

FrmPicShow* FrmPicShow::load(SectionTextSource& source) {
  if (!theDialog) {
    theDialog = new FrmPicShow(source);
    theDialog->pressCommand1();  // Form_Load
  }
  return theDialog;
}

FrmPicShow* FrmPicShow::loadedInstance() { return theDialog; }

FrmPicShow::FrmPicShow(SectionTextSource& source) : source_(source) {
  setObjectName("frmpicshow");
  setWindowTitle("檁条图例");
  buildControls();
}

FrmPicShow::~FrmPicShow() {
  if (theDialog == this) theDialog = nullptr;
}

void FrmPicShow::buildControls() {
  picture1_ = new FigurePicture(this);
  auto* side = new QVBoxLayout;
  side->addWidget(buildFrame());
  side->addLayout(buildFields());
  side->addLayout(buildButtons());
  side->addStretch();
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(picture1_, 0, Qt::AlignTop);
  layout->addLayout(side);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

// The frame around the property list; room for all nine lines even when
// none can be formed, so the window keeps its size.
QWidget* FrmPicShow::buildFrame() {
  auto* frame = named(new QGroupBox("檁条截面信息", this), "Frame1");
  label5_ = named(new QLabel(frame), "Label5");
  label5_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label5_->setMinimumHeight(label5_->fontMetrics().lineSpacing() * 9);
  (new QVBoxLayout(frame))->addWidget(label5_);
  return frame;
}

// Text1..Text4, each with its label as buddy.
QLayout* FrmPicShow::buildFields() {
  auto* grid = new QGridLayout;
  for (int i = 0; i < 4; ++i) {
    texts_[i] = named(new QLineEdit(kFields[i].text, this), controlName("Text", i + 1));
    auto* label = named(new QLabel(kFields[i].label, this), controlName("Label", i + 1));
    label->setBuddy(texts_[i]);
    grid->addWidget(label, i, 0);
    grid->addWidget(texts_[i], i, 1);
  }
  return grid;
}

QLayout* FrmPicShow::buildButtons() {
  command1_ = named(new QPushButton("显示图例", this), "Command1");
  auto* command2 = named(new QPushButton("返回(&P)", this), "Command2");
  connect(command1_, &QPushButton::clicked, this, guarded([this] { command1Click(); }));
  connect(command2, &QPushButton::clicked, this, &FrmPicShow::unload);
  auto* row = new QHBoxLayout;
  row->addWidget(command1_);
  row->addWidget(command2);
  return row;
}

void FrmPicShow::setSectionTexts(const std::array<QString, 4>& texts) {
  for (int i = 0; i < 4; ++i) texts_[i]->setText(texts[i]);
}

void FrmPicShow::pressCommand1() { command1_->click(); }

QImage FrmPicShow::picture() const { return picture1_->image(); }

QImage FrmPicShow::paperPicture() const { return sectionPicture(drawn_, kPaperPixelRatio); }

// Always draws the main window's current section: what was typed into the
// dialog's own fields is overwritten first. The list and the markers are the
// report's own section, so the two never disagree.
void FrmPicShow::command1Click() {
  setSectionTexts(source_.sectionTexts());
  drawn_.h = leadingNumber(texts_[0]->text().toStdString());
  drawn_.b = leadingNumber(texts_[1]->text().toStdString());
  drawn_.a = leadingNumber(texts_[2]->text().toStdString());
  drawn_.t = leadingNumber(texts_[3]->text().toStdString());
  const ReportedSection reported = reportedSection(drawn_, source_.designCode());
  picture1_->draw(dialogPlan(drawn_, reported.z0, reported.d));
  label5_->setText(QString::fromStdString(reported.lines));
  WindowToolkit::current().setClipboardImage(picture1_->image());
}

void FrmPicShow::closeEvent(QCloseEvent* event) {
  event->accept();
  unload();
}

// Back to the main window; nothing of the dialog survives.
void FrmPicShow::unload() {
  if (unloading_) return;
  unloading_ = true;
  if (theDialog == this) theDialog = nullptr;
  source_.showMainWindow();
  hide();
  deleteLater();  // not at once: this may run inside one of its own buttons' click
}

}  // namespace veldrin
