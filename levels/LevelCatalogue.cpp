#include "levels/LevelCatalogue.h"

#include "sim/Area.h"
#include "sim/LevelObject.h"

#include <iterator>

namespace LevelCatalogue {
namespace {

struct Point
{
    int x;
    int y;
};

// A view of a constant table, so that levels of any size sit in one array.
template <typename T>
struct Table
{
    template <int N>
    constexpr Table(const T (&items)[N]) : items(items), size(N) {}
    const T *begin() const { return items; }
    const T *end() const { return items + size; }

    const T *items;
    int size;
};

struct ParticleData
{
    int kind;
    int x;
    int y;
};

struct AreaData
{
    int kind;
    Table<Point> points;
};

struct LevelData
{
    const char *name;
    int redWells;
    int blueWells;
    Table<ParticleData> particles;
    Table<AreaData> areas;
};

// Level 1, "Pull"
constexpr Point level1Area1[] = {
    {220, 460}, {400, 420}, {490, 320}, {500, 340}, {680, 340}, {690, 320}, {730, 300}, {780, 240},
    {780, 460},
};
constexpr Point level1Area2[] = {{490, 320}, {690, 320}, {680, 340}, {500, 340}};
constexpr ParticleData level1Particles[] = {
    {RedParticle, 150, 200},
};
constexpr AreaData level1Areas[] = {
    {Hazard, level1Area1},
    {RedGoal, level1Area2},
};

// Level 2, "Push"
constexpr Point level2Area1[] = {
    {20, 260}, {50, 240}, {70, 130}, {110, 80}, {260, 70}, {410, 120}, {490, 130}, {540, 100},
    {610, 70}, {680, 70}, {710, 100}, {730, 170}, {710, 240}, {680, 310}, {650, 410}, {650, 460},
    {780, 460}, {780, 20}, {20, 20},
};
constexpr Point level2Area2[] = {
    {540, 100}, {570, 100}, {610, 90}, {670, 90}, {690, 110}, {710, 170}, {710, 240}, {730, 170},
    {710, 100}, {680, 70}, {610, 70},
};
constexpr ParticleData level2Particles[] = {
    {BlueParticle, 210, 290},
};
constexpr AreaData level2Areas[] = {
    {Hazard, level2Area1},
    {BlueGoal, level2Area2},
};

// Level 3, "Pong"
constexpr Point level3Area1[] = {
    {460, 20}, {530, 40}, {550, 110}, {540, 230}, {560, 280}, {690, 300}, {710, 320}, {710, 380},
    {690, 400}, {600, 420}, {530, 450}, {490, 460}, {780, 460}, {780, 20},
};
constexpr Point level3Area2[] = {
    {340, 20}, {170, 40}, {100, 100}, {80, 140}, {80, 180}, {100, 200}, {100, 260}, {80, 320},
    {20, 380}, {20, 20},
};
constexpr Point level3Area3[] = {{80, 140}, {100, 100}, {100, 200}, {80, 180}};
constexpr Point level3Area4[] = {{690, 300}, {710, 320}, {710, 380}, {690, 400}};
constexpr ParticleData level3Particles[] = {
    {BlueParticle, 189, 119},
    {BlueParticle, 459, 159},
};
constexpr AreaData level3Areas[] = {
    {Hazard, level3Area1},
    {Hazard, level3Area2},
    {BlueGoal, level3Area3},
    {BlueGoal, level3Area4},
};

// Level 4, "Forces of good and evil"
constexpr Point level4Area1[] = {
    {190, 280}, {180, 220}, {150, 190}, {80, 150}, {20, 100}, {20, 20}, {350, 20}, {270, 90},
    {230, 220}, {210, 280},
};
constexpr Point level4Area2[] = {
    {20, 460}, {110, 450}, {170, 430}, {190, 380}, {210, 380}, {220, 410}, {290, 450}, {370, 460},
};
constexpr Point level4Area3[] = {
    {530, 100}, {480, 130}, {490, 200}, {540, 250}, {570, 310}, {510, 330}, {420, 310}, {370, 210},
    {390, 90}, {410, 20}, {780, 20}, {780, 240}, {750, 120}, {700, 90}, {650, 100}, {650, 80},
    {530, 80},
};
constexpr Point level4Area4[] = {{190, 280}, {210, 280}, {210, 380}, {190, 380}};
constexpr Point level4Area5[] = {{530, 80}, {650, 80}, {650, 100}, {530, 100}};
constexpr ParticleData level4Particles[] = {
    {BlueParticle, 130, 360},
    {RedParticle, 410, 379},
};
constexpr AreaData level4Areas[] = {
    {Hazard, level4Area1},
    {Hazard, level4Area2},
    {Hazard, level4Area3},
    {BlueGoal, level4Area4},
    {RedGoal, level4Area5},
};

// Level 5, "Back and forth"
constexpr Point level5Area1[] = {
    {360, 190}, {350, 180}, {310, 130}, {210, 70}, {180, 20}, {500, 20}, {460, 110}, {390, 180},
    {380, 190}, {360, 290}, {370, 310}, {430, 430}, {640, 450}, {740, 430}, {760, 380}, {740, 310},
    {670, 280}, {520, 250}, {510, 210}, {530, 170}, {640, 160}, {780, 200}, {780, 460}, {90, 460},
    {130, 420}, {190, 400}, {290, 340}, {330, 260}, {340, 270},
};
constexpr Point level5Area2[] = {{350, 180}, {360, 190}, {340, 270}, {330, 260}};
constexpr Point level5Area3[] = {{380, 190}, {390, 180}, {370, 310}, {360, 290}};
constexpr ParticleData level5Particles[] = {
    {BlueParticle, 249, 200},
    {RedParticle, 450, 289},
};
constexpr AreaData level5Areas[] = {
    {Hazard, level5Area1},
    {BlueGoal, level5Area2},
    {RedGoal, level5Area3},
};

// Level 6, "Volley"
constexpr Point level6Area1[] = {
    {20, 460}, {140, 360}, {200, 280}, {300, 210}, {400, 190}, {500, 210}, {600, 280}, {660, 350},
    {780, 460},
};
constexpr Point level6Area2[] = {{20, 290}, {60, 370}, {140, 360}, {20, 460}};
constexpr ParticleData level6Particles[] = {
    {BlueParticle, 720, 299},
};
constexpr AreaData level6Areas[] = {
    {Hazard, level6Area1},
    {BlueGoal, level6Area2},
};

// Level 7, "Fast chicane"
constexpr Point level7Area1[] = {{440, 20}, {610, 20}, {550, 240}, {490, 230}};
constexpr Point level7Area2[] = {{250, 230}, {280, 240}, {400, 460}, {190, 460}};
constexpr Point level7Area3[] = {{720, 150}, {740, 150}, {740, 310}, {720, 310}};
constexpr ParticleData level7Particles[] = {
    {BlueParticle, 99, 230},
};
constexpr AreaData level7Areas[] = {
    {Hazard, level7Area1},
    {Hazard, level7Area2},
    {BlueGoal, level7Area3},
};

// Level 8, "Curveball"
constexpr Point level8Area1[] = {
    {20, 80}, {400, 80}, {500, 90}, {590, 120}, {640, 150}, {690, 210}, {710, 270}, {690, 340},
    {630, 390}, {530, 410}, {420, 380}, {330, 300}, {250, 180}, {190, 130}, {20, 110},
};
constexpr Point level8Area2[] = {{20, 110}, {190, 130}, {250, 180}, {20, 140}};
constexpr ParticleData level8Particles[] = {
    {RedParticle, 140, 40},
};
constexpr AreaData level8Areas[] = {
    {Hazard, level8Area1},
    {RedGoal, level8Area2},
};

// Level 9, "Liftoff"
constexpr Point level9Area1[] = {{720, 220}, {780, 150}, {780, 460}, {700, 460}};
constexpr Point level9Area2[] = {{110, 210}, {170, 190}, {650, 220}, {600, 460}, {20, 460}};
constexpr Point level9Area3[] = {{90, 150}, {110, 130}, {170, 190}, {110, 210}};
constexpr ParticleData level9Particles[] = {
    {BlueParticle, 650, 450},
};
constexpr AreaData level9Areas[] = {
    {Hazard, level9Area1},
    {Hazard, level9Area2},
    {BlueGoal, level9Area3},
};

// Level 10, "Orbit"
constexpr Point level10Area1[] = {
    {290, 370}, {280, 372}, {268, 380}, {262, 390}, {260, 400}, {262, 410}, {268, 420}, {280, 428},
    {290, 430}, {300, 428}, {312, 420}, {318, 410}, {320, 400}, {318, 390}, {312, 380}, {300, 372},
};
constexpr Point level10Area2[] = {
    {400, 80}, {350, 90}, {290, 130}, {260, 180}, {250, 230}, {260, 280}, {290, 330}, {350, 370},
    {400, 380}, {450, 370}, {510, 330}, {540, 280}, {550, 230}, {540, 180}, {510, 130}, {450, 90},
};
constexpr ParticleData level10Particles[] = {
    {BlueParticle, 590, 89},
    {BlueParticle, 280, 90},
};
constexpr AreaData level10Areas[] = {
    {BlueGoal, level10Area1},
    {Hazard, level10Area2},
};

// Level 11, "Obstacles"
constexpr Point level11Area1[] = {
    {295, 40}, {263, 46}, {225, 71}, {206, 103}, {200, 135}, {206, 166}, {225, 198}, {263, 223},
    {295, 230}, {326, 223}, {364, 198}, {383, 166}, {390, 135}, {383, 103}, {364, 71}, {326, 46},
};
constexpr Point level11Area2[] = {
    {565, 160}, {520, 169}, {466, 205}, {439, 250}, {430, 295}, {439, 340}, {466, 385}, {520, 421},
    {565, 430}, {610, 421}, {664, 385}, {691, 340}, {700, 295}, {691, 250}, {664, 205}, {610, 169},
};
constexpr Point level11Area3[] = {
    {210, 280}, {190, 284}, {166, 300}, {154, 320}, {150, 340}, {154, 360}, {166, 380}, {190, 396},
    {210, 400}, {230, 396}, {254, 380}, {266, 360}, {270, 340}, {266, 320}, {254, 300}, {230, 284},
};
constexpr Point level11Area4[] = {
    {680, 40}, {660, 44}, {636, 60}, {624, 80}, {620, 100}, {624, 120}, {636, 140}, {660, 156},
    {680, 160}, {700, 156}, {724, 140}, {736, 120}, {740, 100}, {736, 80}, {724, 60}, {700, 44},
};
constexpr Point level11Area5[] = {
    {90, 200}, {80, 202}, {68, 210}, {62, 220}, {60, 230}, {62, 240}, {68, 250}, {80, 258},
    {90, 260}, {100, 258}, {112, 250}, {118, 240}, {120, 230}, {118, 220}, {112, 210}, {100, 202},
};
constexpr ParticleData level11Particles[] = {
    {RedParticle, 749, 280},
};
constexpr AreaData level11Areas[] = {
    {Hazard, level11Area1},
    {Hazard, level11Area2},
    {Hazard, level11Area3},
    {Hazard, level11Area4},
    {RedGoal, level11Area5},
};

// Level 12, "Shortcut"
constexpr Point level12Area1[] = {
    {680, 460}, {670, 370}, {460, 190}, {70, 140}, {20, 50}, {20, 460},
};
constexpr Point level12Area2[] = {
    {680, 300}, {590, 180}, {460, 160}, {210, 110}, {230, 90}, {470, 110}, {660, 130}, {690, 220},
};
constexpr Point level12Area3[] = {{230, 90}, {210, 110}, {70, 140}, {20, 50}};
constexpr ParticleData level12Particles[] = {
    {BlueParticle, 740, 426},
};
constexpr AreaData level12Areas[] = {
    {Hazard, level12Area1},
    {Hazard, level12Area2},
    {BlueGoal, level12Area3},
};

// Level 13, "Slowish chicane"
constexpr Point level13Area1[] = {{450, 130}, {490, 110}, {670, 460}, {370, 460}};
constexpr Point level13Area2[] = {{70, 20}, {360, 20}, {310, 330}, {280, 350}};
constexpr Point level13Area3[] = {{60, 20}, {70, 20}, {280, 350}, {240, 310}};
constexpr ParticleData level13Particles[] = {
    {RedParticle, 700, 230},
};
constexpr AreaData level13Areas[] = {
    {Hazard, level13Area1},
    {Hazard, level13Area2},
    {RedGoal, level13Area3},
};

// Level 14, "Snake"
constexpr Point level14Area1[] = {
    {770, 20}, {760, 210}, {730, 290}, {650, 320}, {510, 330}, {440, 300}, {300, 250}, {190, 260},
    {140, 290}, {110, 330}, {90, 460}, {780, 460}, {780, 20},
};
constexpr Point level14Area2[] = {
    {710, 20}, {690, 90}, {650, 170}, {560, 190}, {380, 140}, {280, 120}, {180, 130}, {80, 180},
    {60, 430}, {70, 460}, {20, 460}, {20, 20},
};
constexpr Point level14Area3[] = {{70, 460}, {60, 430}, {110, 330}, {90, 460}};
constexpr ParticleData level14Particles[] = {
    {BlueParticle, 730, 89},
};
constexpr AreaData level14Areas[] = {
    {Hazard, level14Area1},
    {Hazard, level14Area2},
    {BlueGoal, level14Area3},
};

// Level 15, "Zig Zag"
constexpr Point level15Area1[] = {{680, 20}, {780, 20}, {780, 150}, {730, 60}};
constexpr Point level15Area2[] = {{147, 20}, {353, 206}, {560, 20}};
constexpr Point level15Area3[] = {{300, 460}, {500, 280}, {699, 460}};
constexpr ParticleData level15Particles[] = {
    {BlueParticle, 40, 289},
    {BlueParticle, 50, 260},
    {BlueParticle, 109, 80},
    {BlueParticle, 99, 110},
    {BlueParticle, 89, 139},
    {BlueParticle, 80, 169},
    {BlueParticle, 70, 199},
    {BlueParticle, 60, 229},
};
constexpr AreaData level15Areas[] = {
    {BlueGoal, level15Area1},
    {Hazard, level15Area2},
    {Hazard, level15Area3},
};

// Level 16, "X marks the spot"
constexpr Point level16Area1[] = {{550, 20}, {780, 20}, {760, 40}, {530, 40}};
constexpr Point level16Area2[] = {{20, 20}, {240, 240}, {20, 460}};
constexpr Point level16Area3[] = {{780, 20}, {560, 240}, {780, 460}};
constexpr Point level16Area4[] = {{249, 20}, {400, 170}, {550, 20}};
constexpr Point level16Area5[] = {{250, 460}, {400, 310}, {550, 460}};
constexpr Point level16Area6[] = {{40, 440}, {270, 440}, {250, 460}, {20, 460}};
constexpr ParticleData level16Particles[] = {
    {BlueParticle, 189, 69},
    {BlueParticle, 610, 410},
};
constexpr AreaData level16Areas[] = {
    {BlueGoal, level16Area1},
    {Hazard, level16Area2},
    {Hazard, level16Area3},
    {Hazard, level16Area4},
    {Hazard, level16Area5},
    {BlueGoal, level16Area6},
};

// Level 17, "Balance"
constexpr Point level17Area1[] = {
    {90, 420}, {60, 430}, {20, 440}, {20, 460}, {320, 460}, {280, 450}, {240, 440}, {210, 420},
};
constexpr Point level17Area2[] = {{249, 110}, {400, 460}, {550, 110}};
constexpr Point level17Area3[] = {{100, 410}, {200, 410}, {210, 420}, {90, 420}};
constexpr ParticleData level17Particles[] = {
    {RedParticle, 659, 410},
};
constexpr AreaData level17Areas[] = {
    {Hazard, level17Area1},
    {Hazard, level17Area2},
    {RedGoal, level17Area3},
};

// Level 18, "Mind the gap"
constexpr Point level18Area1[] = {
    {450, 20}, {650, 40}, {700, 70}, {730, 110}, {720, 290}, {670, 360}, {550, 410}, {490, 420},
    {250, 460}, {780, 460}, {780, 20},
};
constexpr Point level18Area2[] = {
    {20, 330}, {40, 370}, {30, 390}, {90, 450}, {110, 440}, {190, 460}, {20, 460},
};
constexpr Point level18Area3[] = {
    {470, 120}, {360, 130}, {270, 160}, {130, 180}, {20, 160}, {20, 270}, {130, 260}, {270, 310},
    {360, 370}, {470, 390}, {551, 370}, {620, 340}, {643, 290}, {660, 240}, {643, 190}, {620, 160},
    {551, 130},
};
constexpr Point level18Area4[] = {{30, 390}, {40, 370}, {110, 440}, {90, 450}};
constexpr ParticleData level18Particles[] = {
    {RedParticle, 129, 139},
};
constexpr AreaData level18Areas[] = {
    {Hazard, level18Area1},
    {Hazard, level18Area2},
    {Hazard, level18Area3},
    {RedGoal, level18Area4},
};

// Level 19, "Stop dead"
constexpr Point level19Area1[] = {{20, 140}, {540, 140}, {540, 460}, {20, 460}};
constexpr Point level19Area2[] = {{20, 20}, {780, 20}, {780, 100}, {20, 100}};
constexpr Point level19Area3[] = {{580, 100}, {780, 100}, {780, 460}, {580, 460}};
constexpr Point level19Area4[] = {{540, 430}, {580, 430}, {580, 460}, {540, 460}};
constexpr ParticleData level19Particles[] = {
    {BlueParticle, 90, 119},
};
constexpr AreaData level19Areas[] = {
    {Hazard, level19Area1},
    {Hazard, level19Area2},
    {Hazard, level19Area3},
    {BlueGoal, level19Area4},
};

// Level 20, "Enforcer"
constexpr Point level20Area1[] = {
    {190, 110}, {260, 130}, {350, 60}, {370, 40}, {440, 50}, {450, 70}, {550, 150}, {610, 30},
    {600, 20}, {100, 20},
};
constexpr Point level20Area2[] = {
    {90, 450}, {80, 460}, {780, 460}, {780, 360}, {770, 370}, {570, 430}, {270, 380}, {170, 400},
};
constexpr Point level20Area3[] = {
    {20, 360}, {30, 350}, {200, 280}, {360, 260}, {410, 250}, {410, 220}, {230, 230}, {20, 130},
};
constexpr Point level20Area4[] = {
    {690, 30}, {730, 60}, {700, 200}, {700, 240}, {770, 270}, {779, 280}, {780, 20}, {700, 20},
};
constexpr Point level20Area5[] = {{370, 40}, {440, 50}, {450, 70}, {350, 60}};
constexpr Point level20Area6[] = {{770, 270}, {779, 280}, {779, 360}, {770, 370}};
constexpr Point level20Area7[] = {{20, 460}, {20, 360}, {30, 350}, {90, 450}, {80, 460}};
constexpr Point level20Area8[] = {{600, 20}, {700, 20}, {690, 30}, {610, 30}};
constexpr ParticleData level20Particles[] = {
    {RedParticle, 440, 349},
    {RedParticle, 729, 319},
    {BlueParticle, 79, 60},
    {RedParticle, 649, 80},
};
constexpr AreaData level20Areas[] = {
    {Hazard, level20Area1},
    {Hazard, level20Area2},
    {Hazard, level20Area3},
    {Hazard, level20Area4},
    {BlueGoal, level20Area5},
    {RedGoal, level20Area6},
    {RedGoal, level20Area7},
    {RedGoal, level20Area8},
};

constexpr LevelData levels[] = {
    {"Pull", 1, 0, level1Particles, level1Areas},
    {"Push", 2, 0, level2Particles, level2Areas},
    {"Pong", 2, 0, level3Particles, level3Areas},
    {"Forces of good and evil", 1, 1, level4Particles, level4Areas},
    {"Back and forth", 1, 1, level5Particles, level5Areas},
    {"Volley", 0, 2, level6Particles, level6Areas},
    {"Fast chicane", 0, 3, level7Particles, level7Areas},
    {"Curveball", 2, 1, level8Particles, level8Areas},
    {"Liftoff", 0, 2, level9Particles, level9Areas},
    {"Orbit", 1, 1, level10Particles, level10Areas},
    {"Obstacles", 3, 0, level11Particles, level11Areas},
    {"Shortcut", 1, 1, level12Particles, level12Areas},
    {"Slowish chicane", 3, 0, level13Particles, level13Areas},
    {"Snake", 3, 0, level14Particles, level14Areas},
    {"Zig Zag", 1, 2, level15Particles, level15Areas},
    {"X marks the spot", 1, 2, level16Particles, level16Areas},
    {"Balance", 2, 2, level17Particles, level17Areas},
    {"Mind the gap", 2, 2, level18Particles, level18Areas},
    {"Stop dead", 2, 1, level19Particles, level19Areas},
    {"Enforcer", 1, 2, level20Particles, level20Areas},
};

static_assert(std::size(levels) == levelCount, "one table entry per level");

const LevelData *find(int level)
{
    return level >= 1 && level <= levelCount ? &levels[level - 1] : nullptr;
}

} // namespace

QList<QString> names()
{
    QList<QString> result;
    for (const LevelData &level : levels)
        result.append(QString::fromLatin1(level.name));
    return result;
}

Level level(int number)
{
    Level level;
    level.number = number;
    const LevelData *data = find(number);
    if (!data)
        return level;
    level.name = QString::fromLatin1(data->name);
    level.redWells = data->redWells;
    level.blueWells = data->blueWells;
    for (const ParticleData &particle : data->particles)
        level.particles.append({particle.kind, particle.x, particle.y});
    for (const AreaData &area : data->areas) {
        QPolygon polygon;
        polygon.reserve(area.points.size);
        for (const Point &point : area.points)
            polygon.append(QPoint(point.x, point.y));
        level.areas.append({area.kind, polygon});
    }
    return level;
}

} // namespace LevelCatalogue
