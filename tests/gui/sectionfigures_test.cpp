#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <cmath>

#include "figures/qt/frmpicshow.h"
#include "figures/qt/sectionlegend.h"
#include "figures/qt/sectionpicture.h"
#include "figures/qt/twipcanvas.h"
#include "report/sectionlisting.h"
#include "support/faketoolkit.h"

using namespace veldrin;

namespace {

const std::array<QString, 4> kDefaultTexts{"250", "75", "20", "2.5"};
const QColor kGreen(0, 128, 0);

// Is there a pixel of the colour within one pixel of the twip position?
bool colourNear(const QImage& image, double dpi, double xTwips, double yTwips, const QColor& colour) {
  const int px = static_cast<int>(std::floor(xTwips * dpi / 1440)), py = static_cast<int>(std::floor(yTwips * dpi / 1440));
  for (int y = py - 1; y <= py + 1; ++y) {
    for (int x = px - 1; x <= px + 1; ++x) {
      if (image.valid(x, y) && image.pixelColor(x, y) == colour) return true;
    }
  }
  return false;
}

bool allWhite(const QImage& image) {
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixelColor(x, y) != QColor(Qt::white)) return false;
    }
  }
  return !image.isNull();
}

// The outline points of the default section mapped at k twips per mm.
std::vector<QPointF> mappedOutline(const SectionDims& s, double k, double width, double height) {
  std::vector<QPointF> points;
  for (const FigurePoint& p : outlinePoints(s)) points.emplace_back(width / 2 + k * p.x, height / 2 + k * p.y);
  return points;
}

class FakeSource : public SectionTextSource {
 public:
  std::array<QString, 4> texts = kDefaultTexts;
  DesignCode code = DesignCode::Cecs102;
  int mainWindowShown = 0;
  std::array<QString, 4> sectionTexts() const override { return texts; }
  DesignCode designCode() const override { return code; }
  void showMainWindow() override { ++mainWindowShown; }
};

template <class W>
W* control(FrmPicShow* dialog, const char* name) {
  W* w = dialog->findChild<W*>(name);
  EXPECT_NE(w, nullptr) << name;
  return w;
}

class FigureDialog : public ::testing::Test {
 protected:
  void TearDown() override {
    if (FrmPicShow* d = FrmPicShow::loadedInstance()) d->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  veldrin::testing::FakeToolkit toolkit;
  FakeSource source;
};

}  // namespace

TEST(SectionLegendDrawing, GreenOutlineAtTheMappedCornerPoints) {
  veldrin::testing::FakeToolkit toolkit;
  SectionLegend legend;
  DesignCase dc;
  dc.z0 = 19.6;  // keeps the y axis off the web
  dc.d = 30;
  legend.draw(kDefaultTexts, dc);
  EXPECT_EQ(legend.objectName(), "Picture1");
  EXPECT_EQ(double(dc.h), 250);
  EXPECT_EQ(double(dc.t), 2.5);
  const QImage& image = legend.image();
  const double dpi = legend.logicalDpiX();
  ASSERT_EQ(image.height(), std::lround(2655 * dpi / 1440));
  int n = 1;
  for (const QPointF& p : mappedOutline({250, 75, 20, 2.5}, 7, 3615, 2655)) {
    EXPECT_TRUE(colourNear(image, dpi, p.x(), p.y(), kGreen)) << "P" << n++;
  }
  EXPECT_TRUE(colourNear(image, dpi, 1807.5, 1327.5 + 500, kGreen));          // the web
  EXPECT_FALSE(colourNear(image, dpi, 1807.5 - 75, 1327.5 + 500, kGreen));    // left of it: nothing
  const double r = 52.5 / std::sqrt(2.0);                                     // the outer arc at Q1, halfway
  EXPECT_TRUE(colourNear(image, dpi, 1807.5 + 472.5 + r, 1327.5 + 822.5 + r, kGreen));
}

TEST(SectionLegendDrawing, YAxisStandsWhereTheLastRunPutTheCentroid) {
  veldrin::testing::FakeToolkit toolkit;
  SectionLegend legend;
  DesignCase dc;
  const double dpi = legend.logicalDpiX(), xc = 1807.5 + 7 * 19.6;
  legend.draw(kDefaultTexts, dc);
  EXPECT_FALSE(colourNear(legend.image(), dpi, xc, 2200, Qt::black));
  dc.z0 = 19.6;
  legend.draw(kDefaultTexts, dc);
  EXPECT_TRUE(colourNear(legend.image(), dpi, xc, 2200, Qt::black));
}

TEST(SectionLegendDrawing, NoScaleLeavesAClearPicture) {
  veldrin::testing::FakeToolkit toolkit;
  SectionLegend legend;
  DesignCase dc;
  for (const auto& texts : {std::array<QString, 4>{"0", "75", "20", "2.5"}, {"abc", "75", "20", "2.5"},
                            {"1e999", "75", "20", "2.5"}, {"900", "75", "20", "2.5"}}) {
    legend.draw(texts, dc);
    EXPECT_TRUE(allWhite(legend.image())) << texts[0].toStdString();
  }
  EXPECT_EQ(double(dc.h), 900);
  EXPECT_EQ(toolkit.clipboardWrites, 4);  // the clear picture replaces what the clipboard held
  EXPECT_TRUE(allWhite(toolkit.clipboard));
}

TEST(SectionLegendDrawing, EveryDrawingGoesToTheClipboard) {
  veldrin::testing::FakeToolkit toolkit;
  SectionLegend legend;
  DesignCase dc;
  legend.draw(kDefaultTexts, dc);
  EXPECT_EQ(toolkit.clipboardWrites, 1);
  EXPECT_EQ(toolkit.clipboard, legend.image());
  EXPECT_FALSE(allWhite(toolkit.clipboard));
  legend.draw({"400", "75", "20", "2.5"}, dc);
  EXPECT_EQ(toolkit.clipboardWrites, 2);
  EXPECT_EQ(toolkit.clipboard, legend.image());
}

TEST(SectionLegendDrawing, ClickIsReported) {
  SectionLegend legend;
  QSignalSpy clicks(&legend, &SectionLegend::clicked);
  QTest::mouseClick(&legend, Qt::LeftButton);
  EXPECT_EQ(clicks.count(), 1);
}

TEST(TwipPicture, FontSizeLeftByADrawingCarriesOver) {
  TwipCanvas canvas(QSizeF(3615, 2655), 10.5);
  canvas.render(legendPlan({0, 75, 20, 2.5}, 0, 0), PictureDensity{});  // nothing drawn
  EXPECT_DOUBLE_EQ(canvas.fontPoints(), 10.5);
  canvas.render(legendPlan({250, 75, 20, 2.5}, 0, 0), PictureDensity{});
  EXPECT_DOUBLE_EQ(canvas.fontPoints(), 9);
}

TEST(TwipPicture, SameFigureOnADenserScreen) {
  TwipCanvas canvas(QSizeF(3615, 2655), 9);
  const PictureDensity dense{192, 192, 1};
  EXPECT_EQ(canvas.logicalSize(dense), QSize(482, 354));
  canvas.render(legendPlan({250, 75, 20, 2.5}, 19.6, 30), dense);
  ASSERT_EQ(canvas.image().size(), QSize(482, 354));
  for (const QPointF& p : mappedOutline({250, 75, 20, 2.5}, 7, 3615, 2655)) {
    EXPECT_TRUE(colourNear(canvas.image(), 192, p.x(), p.y(), kGreen));
  }
  EXPECT_DOUBLE_EQ(canvas.fontPoints(), 9);
  const PictureDensity retina{96, 96, 2};
  canvas.render(legendPlan({250, 75, 20, 2.5}, 0, 0), retina);
  EXPECT_EQ(canvas.image().size(), QSize(482, 354));
  EXPECT_EQ(canvas.image().deviceIndependentSize(), QSizeF(241, 177));
}

TEST_F(FigureDialog, LoadingDrawsTheMainWindowsSection) {
  FrmPicShow* dialog = FrmPicShow::load(source);
  ASSERT_EQ(FrmPicShow::loadedInstance(), dialog);
  EXPECT_EQ(FrmPicShow::load(source), dialog);
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(control<QLineEdit>(dialog, "Text4")->text(), "2.5");
  // The report's own section one, item 17, each value with its unit.
  EXPECT_EQ(control<QLabel>(dialog, "Label5")->text().toStdString(),
            "   A=1048.17mm2\r\n   z0=19.6mm\r\n   Ix=9522888mm4\r\n   Iy=713038mm4\r\n   It=2183mm4\r\n"
            "   Iω=8969138871mm6\r\n   d=31.97mm\r\n   e0=51.57mm\r\n   Uy=138389847mm5\r\n");
  const double dpi = dialog->logicalDpiX();
  for (const QPointF& p : mappedOutline({250, 75, 20, 2.5}, 14, 6000, 6000)) {
    EXPECT_TRUE(colourNear(dialog->picture(), dpi, p.x(), p.y(), kGreen));
  }
  EXPECT_EQ(toolkit.clipboardWrites, 1);
  EXPECT_EQ(toolkit.clipboard, dialog->picture());
}

TEST_F(FigureDialog, Command1DrawsTheMainWindowsTextsNotTheTypedOnes) {
  FrmPicShow* dialog = FrmPicShow::load(source);
  QLineEdit* text1 = control<QLineEdit>(dialog, "Text1");
  text1->setText("400");
  source.texts[1] = "100";
  QTest::mouseClick(control<QPushButton>(dialog, "Command1"), Qt::LeftButton);
  EXPECT_EQ(text1->text(), "250");
  EXPECT_EQ(control<QLineEdit>(dialog, "Text2")->text(), "100");
  EXPECT_EQ(control<QLabel>(dialog, "Label5")->text().toStdString(),
            reportedSection({250, 100, 20, 2.5}, DesignCode::Cecs102).lines);
  const QPointF lipTip(3000 + 14 * 100, 3000 + 14 * 105);
  EXPECT_TRUE(colourNear(dialog->picture(), dialog->logicalDpiX(), lipTip.x(), lipTip.y(), kGreen));
  EXPECT_EQ(toolkit.clipboardWrites, 2);
}

TEST_F(FigureDialog, ReturnShowsTheMainWindowAndUnloads) {
  QPointer<FrmPicShow> dialog = FrmPicShow::load(source);
  dialog->show();
  QTest::mouseClick(control<QPushButton>(dialog, "Command2"), Qt::LeftButton);
  EXPECT_EQ(source.mainWindowShown, 1);
  EXPECT_EQ(FrmPicShow::loadedInstance(), nullptr);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(dialog.isNull());
  // Loading again builds a fresh dialog that draws at once.
  source.texts[0] = "300";
  FrmPicShow* again = FrmPicShow::load(source);
  EXPECT_EQ(control<QLineEdit>(again, "Text1")->text(), "300");
  EXPECT_EQ(toolkit.clipboardWrites, 2);
}

TEST_F(FigureDialog, ClosingTheWindowAlsoUnloads) {
  QPointer<FrmPicShow> dialog = FrmPicShow::load(source);
  dialog->show();
  dialog->close();
  EXPECT_EQ(source.mainWindowShown, 1);
  EXPECT_EQ(FrmPicShow::loadedInstance(), nullptr);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(dialog.isNull());
}

TEST_F(FigureDialog, ControlsCarryTheirNamesAndCaptions) {
  FrmPicShow* dialog = FrmPicShow::load(source);
  EXPECT_EQ(dialog->windowTitle(), QString("檁条图例")) << "the units stand with the values";
  EXPECT_EQ(control<QGroupBox>(dialog, "Frame1")->title(), QString("檁条截面信息"));
  EXPECT_EQ(control<QPushButton>(dialog, "Command1")->text(), QString("显示图例"));
  EXPECT_EQ(control<QPushButton>(dialog, "Command2")->text(), QString("返回(&P)"));
  EXPECT_NE(dialog->findChild<QWidget*>("Picture1"), nullptr);
  const char* labels[4] = {"檁条高度h", "翼缘宽度b", "自由边长a", "檁条厚度t"};
  for (int i = 1; i <= 4; ++i) {
    QLabel* label = control<QLabel>(dialog, QString("Label%1").arg(i).toLatin1().constData());
    EXPECT_EQ(label->text(), QString(labels[i - 1]));
    EXPECT_EQ(label->buddy(), control<QLineEdit>(dialog, QString("Text%1").arg(i).toLatin1().constData()));
  }
}

TEST_F(FigureDialog, NoScaleDrawsNothingAndListsOnlyWhatCanBeFormed) {
  source.texts = {"0", "75", "20", "2.5"};
  FrmPicShow* dialog = FrmPicShow::load(source);
  EXPECT_TRUE(allWhite(dialog->picture()));
  EXPECT_TRUE(control<QLabel>(dialog, "Label5")->text().isEmpty()) << "a run refuses h = 0: nothing to list";
  source.texts = {"abc", "", "", "2"};
  dialog->pressCommand1();
  EXPECT_TRUE(allWhite(dialog->picture()));
  EXPECT_TRUE(control<QLabel>(dialog, "Label5")->text().isEmpty());
}

// The list follows the code as the report does (GB 51022-2015 lists its x0
// and W), and the picture for paper has twice the pixels of a ratio-1 screen.
TEST_F(FigureDialog, ListsTheSelectedCodesPropertiesAndDrawsForPaper) {
  source.code = DesignCode::Gb51022;
  FrmPicShow* dialog = FrmPicShow::load(source);
  const QString listed = control<QLabel>(dialog, "Label5")->text();
  EXPECT_TRUE(listed.contains("   x0=19.34mm\r\n")) << listed.toStdString();
  EXPECT_TRUE(listed.contains("   Wx=76183.1mm3\r\n")) << listed.toStdString();
  EXPECT_FALSE(listed.contains("z0=")) << listed.toStdString();
  const QImage paper = dialog->paperPicture();
  EXPECT_EQ(paper.size(), QSize(800, 800));
  EXPECT_EQ(paper.deviceIndependentSize(), QSizeF(400, 400));
  EXPECT_EQ(paper, sectionPicture({250, 75, 20, 2.5}, kPaperPixelRatio)) << "as sharp as the command's figure";
}
