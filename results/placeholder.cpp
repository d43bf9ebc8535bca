// PENDING: placeholder window until the result window is built.
#include "results/frmout.h"

namespace veldrin {

namespace {
FrmOut* theWindow = nullptr;
}

FrmOut::FrmOut(ResultHost& host) : host_(host) {}
FrmOut::~FrmOut() { theWindow = nullptr; }
FrmOut* FrmOut::load(ResultHost& host) {
  if (!theWindow) theWindow = new FrmOut(host);
  return theWindow;
}
FrmOut* FrmOut::loadedInstance() { return theWindow; }
void FrmOut::showReport(const QString&) { show(); }

}  // namespace veldrin
