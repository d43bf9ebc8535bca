#pragma once
// The filed documents (RTF, PDF) of the headless command. The build with the
// desktop libraries makes them; the core-only build has none, and the
// command then refuses those names before it runs.
#include <functional>
#include <string>

#include "figures/sectiongeometry.h"
#include "report/reportbook.h"

namespace veldrin {

enum class DocumentKind { Text, Rtf, Pdf };

struct DocumentRequest {
  DocumentKind kind = DocumentKind::Text;
  ReportBook book;          // the title block, the report text (UTF-8, CR LF) and its tables
  std::string projectName;  // the footer of each page
  SectionDims section;      // the figure at the document's head
};

// The file's bytes; throws std::runtime_error with the reason on failure.
using DocumentMaker = std::function<std::string(const DocumentRequest&)>;

// The maker of this build; empty in the core-only build.
DocumentMaker documentMaker();

}  // namespace veldrin
