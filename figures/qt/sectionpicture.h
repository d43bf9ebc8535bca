#pragma once
// The section figure dialog's picture, drawn without the dialog: the head of
// every filed report document.
#include <QImage>

#include "figures/qt/twipcanvas.h"
#include "figures/sectiongeometry.h"

namespace veldrin {

// Device pixels per logical pixel of a figure for paper: the same on every
// screen, so a figure from the window is as sharp as one from the command.
inline constexpr double kPaperPixelRatio = 2;

// The dialog's drawing area before its first drawing (kFigureWidth x
// kFigureHeight twips, point numbers in 9 points).
TwipCanvas figureCanvas();

// The dialog's first drawing of the section, its centroid and shear centre
// where the report computes them, at 96 per inch and this pixel ratio: the
// picture is 400 logical pixels square whatever the ratio.
QImage sectionPicture(const SectionDims& section, double pixelRatio);

}  // namespace veldrin
