// The core-only build: plain text reports only.
#include "app/documentmaker.h"

namespace veldrin {

DocumentMaker documentMaker() { return {}; }

}  // namespace veldrin
