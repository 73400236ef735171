#pragma once

// Inside the figure kit: a build's measurements in heads, shared by the
// skeleton (Skeleton.cpp), the clothed body (Clothed.cpp) and the head
// (Head.cpp). Painters use bodyOf and armMeasures (Figure.h) instead.

#include "figures/Figure.h"

namespace artwork::figures::detail {

// Body measurements in heads (one head's height), from the crown down.
struct Proportions {
    double heads; // standing height
    double shoulderY, shoulderHalf;
    double waistY, waistHalf;
    double hipY, hipHalf;
    double kneeY;
    double hemHalf;           // a gown's half width at the feet
    double upperArm, forearm; // shoulder to elbow, elbow to the fist's middle
    double headWidth;         // over the head's height
    double limb;              // thickness of arms and legs
};

Proportions proportionsOf(Build build);

// Crown-to-sole height of a pose, in heads.
double poseHeads(const Proportions &pr, Pose pose);

} // namespace artwork::figures::detail
