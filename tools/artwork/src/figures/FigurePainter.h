#pragma once

// Inside the figure kit: the painter of one `Figure`. Its clothed body, arms
// and hands are in Clothed.cpp, its head in Head.cpp.

#include "figures/Figure.h"
#include "figures/Proportions.h"

namespace artwork::figures::detail {

class FigurePainter {
public:
    FigurePainter(QPainter &p, const Figure &f) : p_(p), f_(f), pr_(proportionsOf(f.build)), b_(bodyOf(f)), u_(b_.unit)
    {
    }

    void paint();
    void paintRider();
    void head(QPointF centre, double unit);

private:
    QPointF at(double x, double y) const { return {b_.crown.x() + x * u_, b_.crown.y() + y * u_}; }
    double soleY() const { return poseHeads(pr_, f_.pose); }
    Tone sleeveTone() const { return f_.robe.cut == Cut::Armour ? kSteel : f_.robe.gown; }
    Tone headwearTone() const { return f_.headwearTone.value_or(f_.robe.gown); }

    void mantle();
    void legs();
    void leg(const std::vector<QPointF> &chain, bool bentFoot, int footDir, double footTilt = 0);
    // `tilt` turns a profile shoe about its sole point, degrees clockwise.
    void shoe(QPointF sole, int dir, double tilt = 0);
    void torso();
    QPainterPath robeOutline() const;
    QPainterPath kneelingOutline(std::vector<QPointF> upper) const;
    void robeDetails(const QPainterPath &outline);
    void robeFolds(const QPainterPath &outline);
    void robeLap(const QPainterPath &outline);
    void robeTrim(const QPainterPath &outline);
    void neck();
    void arm(int side, bool behind);
    void fist(QPointF at, QPointF along, bool holding);
    void elbowCrease(QPointF shoulder, QPointF elbow, QPointF wrist, double width);
    void frontArms(bool reinsInForwardHand);
    void heldThing(int side);
    void headwear(QPointF centre, double unit);
    void hairBack(QPointF c, double w, double h);
    void backOfHead(QPointF c, double w, double h);
    void helm(QPointF c, double w, double h);
    void cap(QPointF c, double w, double h);
    void hairFront(QPointF c, double w, double h);
    void beard(QPointF c, double w, double h);
    void face(QPointF c, double w, double h);
    // Heads with Features (Head.cpp, "Turned heads").
    void turnedHead(QPointF c, double unit);
    QPainterPath turnedFaceOutline(QPointF c, double w, double h) const;
    void turnedHairBack(QPointF c, double w, double h);
    void turnedHairFront(QPointF c, double w, double h);
    void turnedBeard(QPointF c, double w, double h);
    void turnedFeatures(QPointF c, double w, double h);
    void eye(QPointF centre, double rx, double ry, int looking);
    void ear(QPointF centre, double w, double h);
    void neckAboveCollar();

    const Hand &hand(int side) const { return side < 0 ? f_.left : f_.right; }
    Gesture gesture(int side) const { return f_.pose == Pose::Hanging ? Gesture::Behind : hand(side).gesture; }
    double heldAngle(int side) const;
    QPointF heldGrip(int side) const;

    QPainter &p_;
    const Figure &f_;
    Proportions pr_;
    Body b_;
    double u_;
};

} // namespace artwork::figures::detail
