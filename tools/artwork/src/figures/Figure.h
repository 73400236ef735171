#pragma once

// The figure kit: people drawn in the deck's flat woodcut style, one record per
// person. A painter fills in a `Figure` (where it stands, how tall, its pose,
// clothes, headwear, hair and what each hand holds) and calls paintFigure.
// Everything is in final pixel units on the supersampled canvas. The kit's
// other parts are beside this file, one header per subject (Throne.h,
// Wings.h, Horse.h, Animals.h, Creatures.h, Bodies.h, Arms.h, Held.h, Worn.h, Sky.h,
// Landscape.h, Water.h, Plants.h, Architecture.h); FIGURES.md in
// tools/artwork shows how they go together.

#include "Style.h"
#include "figures/Held.h"

#include <QPainter>
#include <QPointF>
#include <QRectF>

#include <array>
#include <optional>
#include <utility>

namespace artwork::figures {

using style::Tone;

// How the figure holds itself. `Figure::base` is always the ground point
// under the figure's middle, except for Hanging (the tied ankles) and Riding
// (the saddle; see Horse.h, which places riders itself).
enum class Pose {
    Standing, // upright, feet together, facing the viewer
    Walking,  // striding towards `Figure::facing`, feet apart
    Seated,   // on a throne or bench (see Throne.h); knees forward, robe over them
    Kneeling, // knees on the ground, the robe spread round them
    Hanging,  // upside down from the ankles, one leg crossed behind the other, arms behind the back
    Riding,   // sitting astride, seen from the side of the horse: one leg over the flank
};

// Proportions. A man and a woman are seven heads tall, a youth six and a half
// (slighter shoulders), a child five (a larger head on a short body).
enum class Build { Man, Woman, Youth, Child };

// The robe's shape. Gown: long to the feet. Tunic: to the knee, with hose and
// shoes below. Armour: a tunic worn as a surcoat over steel arms and legs,
// with a steel collar.
enum class Cut { Gown, Tunic, Armour };

enum class Headwear { None, Crown, Coronet, Helm, Cap, Hood, Wreath };

// Short; Long (falling behind the shoulders); Bald (a fringe at the sides);
// Shoulder (locks either side of the neck ending on the shoulders, the neck
// and chin left clear: a queen's hair, never a block under the chin);
// Windblown (short hair streaming away from `facing`).
enum class Hair { Short, Long, Bald, Shoulder, Windblown };
enum class Beard { None, Short, Full };

// Where a hand is. Down hangs by the side (the default: the arm falls
// naturally, a little away from the body). Raised holds a thing upright beside
// the shoulder, the forearm up. Forward holds it in front of the chest.
// Aloft lifts the arm high above the head. Out reaches to the side at
// shoulder height. Behind hides the hand behind the back.
enum class Gesture { Down, Raised, Forward, Aloft, Out, Behind };

// How a hand closes on what it holds (Hands.cpp draws them). Auto is the
// kit's older round fist or open hand. Fist closes round a hilt, a staff or a
// stem, the fingers across it and the thumb over them; Cradle lies under a
// thing, palm up, the fingers curled up its side; Rest lies on a knee, a rim
// or a throne's arm, the fingers drooping over; Palm is raised open, the
// fingers up; Point leads with the forefinger; Bless raises two fingers; Hip
// sets the back of the hand on the hip, the elbow out.
enum class Grip { Auto, Fist, Cradle, Rest, Palm, Point, Bless, Hip };

struct Hand {
    Gesture gesture = Gesture::Down;
    Held held = Held::Nothing;
    // Extra tilt of the held thing, in degrees clockwise.
    double tilt = 0;
    // The held thing's size as a multiple of its usual size.
    double size = 1.0;
    Grip grip = Grip::Auto;
    // Where the hand is, when a painter places it rather than the gesture: in
    // heads from its shoulder, x to the viewer's right, y down. The elbow
    // bends out, away from the body, when `elbowOut`, else it hangs.
    std::optional<QPointF> at{};
    bool elbowOut = false;
    // The held thing's angle (degrees clockwise from upright), replacing the
    // gesture's, when given; `tilt` is added to it.
    std::optional<double> angle{};
};

// How a head is turned and what its face is like, for heads drawn in the
// woodcut manner (Head.cpp). A figure without `Features` keeps the kit's
// older frontal face.
enum class View { Front, ThreeQuarter, Profile };
enum class Age { Young, Prime, Old };
enum class Expression { Calm, Stern, Smile, Gentle, Intent, Proud };
struct Features {
    View view = View::Front;
    // The side a turned head looks to: -1 the viewer's left, 1 the right.
    int side = 1;
    // Where the eyes look, -1 to 1 each way: x to the viewer's right, y down
    // (a page gazing up at his wand: {0.2, -1}).
    QPointF gaze{0, 0};
    Age age = Age::Prime;
    Expression expression = Expression::Calm;
    // The face's width as a multiple of its build's: 0.9 lean, 1.12 broad.
    double breadth = 1.0;
    // Rosy cheeks on a face that is neither old nor fully bearded; a carved
    // face (a sphinx's) has none.
    bool blush = true;
};

struct Robe {
    Tone gown = kGownRed;
    // A cloak falling from the shoulders behind the body, when there is one.
    std::optional<Tone> mantle;
    Cut cut = Cut::Gown;
    Tone hose = kHoseBlue; // legs under a tunic
    Tone trim = kGold;     // belt, collar and hem
    bool cuffs = true;     // a band of the trim at each wrist
};

struct Figure {
    QPointF base{100, 280};
    // Standing height from soles to the crown of the head, in pixels, whatever
    // the pose (a seated figure of height 200 is about 160 tall).
    double height = 200;
    Pose pose = Pose::Standing;
    Build build = Build::Man;
    Robe robe;
    Headwear headwear = Headwear::None;
    // The cloth of a cap or a hood and the plume of a helm; the robe's colour when empty.
    std::optional<Tone> headwearTone;
    Hair hair = Hair::Short;
    QColor hairColour = kHairBrown;
    Beard beard = Beard::None;
    Tone skin = kSkin;
    // Where the face looks: -1 to the viewer's left, 0 straight out, 1 to the right.
    double turn = 0;
    // Which way a walking figure strides and a hanging one's free leg bends: -1 left, 1 right.
    int facing = 1;
    // The hands on the viewer's left and right.
    Hand left, right;
    // Varies folds and small details.
    unsigned seed = 1;
    // Seen from behind: the back of the head where the face would be.
    bool fromBehind = false;
    // The flag of a Banner in either hand.
    Flag flag;
    // The head drawn turned, with a face of its own (see Features).
    std::optional<Features> features{};
    // A seated figure's knees, further apart than the robe's usual fall by
    // this many heads each side.
    double kneesApart = 0;
    // A walking figure in a tunic stepping off into the air: the front foot lifted this many
    // heads, its toe up, and the back foot up on its toes. 0 keeps both feet on the ground.
    double stepUp = 0;
};

// The figure's joints, worked out from its record: where to hang a halo, set a
// throne or attach something to a hand.
struct Body {
    double unit = 0;    // one head's height in pixels
    QPointF crown;      // top of the head
    QPointF headCentre; // middle of the face
    double headWidth = 0, headHeight = 0;
    QPointF neck;                    // base of the neck
    std::array<QPointF, 2> shoulder; // [0] viewer's left, [1] right
    std::array<QPointF, 2> elbow;
    std::array<QPointF, 2> hand; // middle of the fist
    QPointF waist;
    QPointF hips; // middle of the hips
    std::array<QPointF, 2> knee;
    std::array<QPointF, 2> foot; // sole of each foot
    double seatY = 0;            // the seat's top for Seated (where a throne's cushion goes)
    double shoulderHalf = 0, waistHalf = 0, hemHalf = 0;
};

Body bodyOf(const Figure &figure);

// Places the hand on `side` (-1 the viewer's left, 1 the right) at `point`
// in the picture, by setting its Hand::at; the elbow bends out when
// `elbowOut`. For two hands about one thing: reach each to its rim.
void reachTo(Figure &figure, int side, QPointF point, bool elbowOut = false);

// An arm's measures in heads for a build, as the kit draws it: shoulder to
// elbow, elbow to the fist's middle, and the limb's thickness.
struct ArmMeasures {
    double upper, fore, thickness;
};
ArmMeasures armMeasures(Build build);

// The two elbows that join a shoulder to a hand with an upper arm and a
// forearm of these lengths; the hand is first moved in if it is out of reach.
std::pair<QPointF, QPointF> elbowChoices(QPointF shoulder, QPointF &hand, double upper, double fore);

// Draws the figure: mantle, legs, robe, arms, head and hair, headwear, and
// the held things, in that order. A Riding figure sits with its hips on
// `base`; paintRider (Horse.h) puts it in the saddle and draws the horse.
void paintFigure(QPainter &painter, const Figure &figure);

// The box the figure covers with everything it wears and holds (a little
// generous), for placing it and for checking it stays inside the picture.
QRectF figureBounds(const Figure &figure);

// A head on its own (hair, face, beard and headwear), for faces peeping out of
// clouds, suns and moons. `centre` is the middle of the face.
void paintHead(QPainter &painter, const Figure &figure, QPointF centre, double unit);

} // namespace artwork::figures
