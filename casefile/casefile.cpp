// PENDING: placeholder until the codec is built.
#include "casefile/casefile.h"

namespace veldrin {

std::string prepareSave(const FormState&, DesignCase&) { return {}; }
std::string encodeCaseFile(const FormState&, const DesignCase&) { return {}; }
CaseFileContent decodeCaseFile(const std::string&) { throw CaseFileError("not built"); }
void applyCaseFile(const CaseFileContent&, FormState&, DesignCase&) {}

}  // namespace veldrin
