#pragma once
// Steel of a cold-formed purlin, t ≤ 6 mm, by GB 51022-2015 Table 3.2.4-1.
namespace veldrin::gb51022 {

struct Steel {
  const char* grade;
  double f;   // design strength in tension, compression and bending, MPa
  double fv;  // design shear strength, MPa
  double fy;  // yield strength, the fy of 235/fy, MPa
};

inline constexpr double kModulus = 206000;  // E, MPa

// By the steel list's position: 0 Q235, anything else Q345.
inline Steel steelOf(int gradePosition) {
  if (gradePosition == 0) return {"Q235", 215, 125, 235};
  return {"Q345", 305, 175, 345};
}

}  // namespace veldrin::gb51022
