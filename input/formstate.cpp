#include "input/formstate.h"

namespace veldrin {

namespace {

struct FieldDefault {
  const char* label;
  const char* text;
};

const std::array<FieldDefault, kFieldCount> kFields = {{
    {"工程名称：", "****工程墙(屋)面檁条计算"},
    {"工程编号：", "20022308"},
    {"设计时间：", ""},
    {"截面高h:", "250"},
    {"翼缘宽b:", "75"},
    {"自由翼缘a:", "20"},
    {"檩条板厚t:", "2.5"},
    {"基本风压值:", "0.75"},
    {"风压高度变化系数:", "1.0"},
    {"风载体型系数:", "-1.4"},
    {"檩条跨度:", "7.20"},
    {"檩条间距:", "1.50"},
    {"屋面坡度i:", "0.06"},
    {"屋面恒载:", "0.12"},
    {"屋面活载:", "0.30"},
    {"雪 荷 载:", "0"},
    {"积灰荷载:", "0"},
    {"  施工荷载: (作用在跨中)", "1.0"},
}};

}  // namespace

FormState startupForm(const std::string& dateTime) {
  FormState form;
  for (int n = 1; n <= kFieldCount; ++n) form.field(n) = kFields[static_cast<std::size_t>(n - 1)].text;
  form.field(3) = dateTime;
  return form;
}

bool rodsRestrainLowerFlange(const FormState& form) { return form.check2 && form.optcode3 && form.combo3 > 0; }

std::string proposedFileName(const std::string& projectName) {
  const bool marked = projectName.rfind(kProjectPlaceholder, 0) == 0;
  return marked ? projectName.substr(kProjectPlaceholder.size()) : projectName;
}

const std::string& fieldLabel(int n) {
  static const auto labels = [] {
    std::array<std::string, kFieldCount> l;
    for (std::size_t i = 0; i < l.size(); ++i) l[i] = kFields[i].label;
    return l;
  }();
  return labels.at(static_cast<std::size_t>(n - 1));
}

}  // namespace veldrin
