// Diagonal wipes and scans: a triangle of the incoming picture grows from one corner, or two
// triangles from opposite corners meet along the diagonal, uncovering the incoming picture or
// shrinking the outgoing one. The first picture of a project is uncovered over black.
//   FromTopLeft "对角线左上到右下展开", FromBottomLeft "对角线左下到右上展开", FromTopRight
//     "对角线右上到左下展开", FromBottomRight "对角线右下到左上展开": a triangle grows from
//     that corner.
//   ScanIn "对角线互动扫描进来": triangles of the incoming picture grow from the top-left and
//     the bottom-right corners until they meet along the diagonal.
//   ScanOut "对角线互动扫描出去": triangles of the outgoing picture shrink into the top-left
//     and the bottom-right corners.
#pragma once

#include "effects/transition_plan.h"

namespace pictavo {

TransitionPlan planDiagonal(const TransitionJob& job, const EffectVariant& variant);

}  // namespace pictavo
