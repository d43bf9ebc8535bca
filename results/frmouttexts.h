#pragma once
// The fixed texts of the result window: titles, list entries, captions,
// filters and the one message of New.

namespace veldrin::frmouttext {

inline constexpr char designTitle[] = "檁条计算结果显示";
inline constexpr char noDocumentTitle[] = "檩条计算结果显示";
inline constexpr char titlePrefix[] = "檩条计算结果显示----";
inline constexpr char firstEntry[] = "最新结果";
inline constexpr char untitledStem[] = "untitled";  // + the document number
inline constexpr char limitMessage[] = "打开文档数目超过4个,请关闭部分文档再打开新文档!";
inline constexpr char saveFilter[] = "RTF格式文档|*.rtf|文本文档|*.txt";
inline constexpr char openFilter[] = "rtf格式文档|*.rtf|TXT文档|*.txt";
inline constexpr char pdfFilter[] = "PDF文档|*.pdf";
// Asked before the window goes with a document not saved since it was made.
inline constexpr char unsavedQuestion[] = "结果文档尚未保存,是否保存?";
inline constexpr char questionTitle[] = "Veldrin";

// Captions of the seven command buttons, in their order along the strip.
inline constexpr char captionNew[] = "新建(&N)";
inline constexpr char captionOpen[] = "打开(&O)";
inline constexpr char captionSave[] = "保存(&S)";
inline constexpr char captionPrint[] = "打印(&P)";
inline constexpr char captionClose[] = "关闭(&C)";
inline constexpr char captionWindows[] = "窗口(&W)";
inline constexpr char captionExit[] = "退出(&X)";
inline constexpr char captionPdf[] = "导出PDF(&E)";  // after Exit, at the strip's end

}  // namespace veldrin::frmouttext
