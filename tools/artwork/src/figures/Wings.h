#pragma once

// Wings from a figure's back: an angel's feathered pair and a devil's bat
// wings. Paint them before the figure.

#include "figures/Figure.h"

#include <QPainter>
#include <QPointF>

namespace artwork::figures {

// How the feathers are marked: Scalloped rows of little round feathers on
// the coverts; or Vaned, longer flight feathers and the coverts marked only
// by straight vanes running out to them.
enum class WingFeathers { Scalloped, Vaned };

struct WingsLook {
    Tone feathers = kFeathers;
    Tone tips = kFlightFeathers; // the long flight feathers
    // How far each wing reaches from the spine, in heads.
    double span = 2.6;
    // 0: wings half open, level with the shoulders; 1: raised high.
    double lift = 0.6;
    WingFeathers marks = WingFeathers::Scalloped;
};

// A pair of feathered wings from the figure's shoulders.
void paintWings(QPainter &painter, const Figure &figure, const WingsLook &look = {});

// A bat's wings spread from `root` (between the shoulder blades), `span`
// heads of `unit` pixels from the spine to the tip, membranes scalloped
// between long finger bones.
void paintBatWings(QPainter &p, QPointF root, double unit, double span, const Tone &skin);

} // namespace artwork::figures
