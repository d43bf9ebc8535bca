#include "toolkit/qt/guardedcommand.h"

#include <exception>
#include <string>

#include "basetypes/runstop.h"
#include "toolkit/qt/windowtoolkit.h"

namespace veldrin {

void runGuarded(const std::function<void()>& command) {
  try {
    command();
  } catch (const RunRefused& refused) {
    WindowToolkit::current().messageBox(refused.text(), refused.title(), MessageIcon::Exclamation);
  } catch (const std::exception& failed) {
    WindowToolkit::current().messageBox(std::string("命令未能完成：") + failed.what(), "Veldrin",
                                        MessageIcon::Exclamation);
  }
}

}  // namespace veldrin
