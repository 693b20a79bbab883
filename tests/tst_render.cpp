// Guards what the player sees: the painting order, the colours of each kind of area, well and
// particle, the grow-in and fade-out of wells, the drag preview, and which texts each status
// shows. Checks read a few telling pixels rather than golden images, which break with the font.
#include "DirectPainting.h"
#include "PlayerInput.h"

#include "game/GameWidget.h"
#include "levels/catalogue/LevelCatalogue.h"
#include "render/FrameSketch.h"
#include "render/Scene.h"
#include "render/ScenePainter.h"
#include "sim/FrameTick.h"

#include <QImage>
#include <QPainter>
#include <QTest>

#include <functional>

namespace {
using Predicate = std::function<bool(QRgb)>;

bool isWhite(QRgb c)
{
    return qRed(c) >= 240 && qGreen(c) >= 240 && qBlue(c) >= 240;
}

// The help text: white at half alpha over the dark background comes out as a light grey.
bool isLightGrey(QRgb c)
{
    return qRed(c) == qGreen(c) && qGreen(c) == qBlue(c) && qRed(c) > 120;
}

bool isColour(QRgb c, int r, int g, int b)
{
    return qRed(c) == r && qGreen(c) == g && qBlue(c) == b;
}

int count(const QImage &image, const QRect &rect, const Predicate &predicate)
{
    int n = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x)
            n += predicate(image.pixel(x, y));
    }
    return n;
}

QColor colourAt(const QImage &image, int x, int y)
{
    return QColor(image.pixel(x, y));
}

// Level 6 leaves the upper middle of the playfield clear, where the name and message stand.
const QRect nameRegion(200, 115, 400, 50);
const QRect messageRegion(200, 178, 400, 24);
const QRect helpRegion(100, 22, 600, 76);
const QRect timeRegion(600, 430, 200, 50);

// A single well painted on its own, centred in a transparent square.
constexpr int wellBox = 80;

QImage transparentWellBox()
{
    QImage image(wellBox, wellBox, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QImage paintWell(WellObject &well)
{
    QImage image = transparentWellBox();
    QPainter painter(&image);
    well.paint(painter);
    return image;
}

// A blue well's body: the halo is white and the glyph too, the body blue to cyan.
int bodyPixels(const QImage &image)
{
    return count(image, image.rect(), [](QRgb c) { return qBlue(c) > qRed(c) + 100; });
}
} // namespace

class RenderTest : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void backgroundGradient_data();
    void backgroundGradient();
    void hazardStipple_data();
    void hazardStipple();
    void goalColours_data();
    void goalColours();
    void bandedAreaFillMatchesOneFill_data();
    void bandedAreaFillMatchesOneFill();
    void particleColours();
    void dragPreview_data();
    void dragPreview();
    void wellGrowsIn();
    void growingWellScale_data();
    void growingWellScale();
    void removedWellFadesOut_data();
    void removedWellFadesOut();
    void goneWellIsNotDrawn();
    void highlightedWellBrush();
    void iconWellsAndCounters();
    void textsByStatus_data();
    void textsByStatus();
    void newRecordAddsALine();
    void pauseScreenHidesTheLevel();
    void timeDisplay_data();
    void timeDisplay();
    void highScoreTable();
    void frameIsPaintingInTheWindow_data();
    void frameIsPaintingInTheWindow();
    void eachThingInksInItsBound_data();
    void eachThingInksInItsBound();

private:
    void load(int number);
    QImage frame();
    void setStatus(int status);

    // The scene of a game on a level, painted whole as every paint of the game draws it.
    LevelState state{0, 0};
    Scene scene;
    QImage device{GameWidget::playfieldSize(), QImage::Format_ARGB32_Premultiplied};
    ScenePainter painter{&device};
};

void RenderTest::init()
{
    scene = Scene();
    scene.levelNames = LevelCatalogue::names();
    for (int i = 0; i < LevelCatalogue::levelCount; ++i)
        scene.bestTimes.append(0);
}

void RenderTest::load(int number)
{
    state = LevelCatalogue::level(number).newState();
    scene.level = &state;
    scene.number = number;
    scene.name = scene.levelNames.value(number - 1);
}

QImage RenderTest::frame()
{
    QImage image(GameWidget::playfieldSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::black);
    QPainter on(&image);
    painter.drawScene(on, scene);
    return image;
}

void RenderTest::setStatus(int status)
{
    if (status == Ready)
        return;
    state.start();
    if (status == Failed) {
        // A particle already in the frame band fails the level on the next step.
        state.addParticle(BlueParticle, 5, 240);
    } else if (status == Passed) {
        state.particles[0].setX(60);
        state.particles[0].setY(400);
    }
    FrameTick::advance(state, scene.time, QPoint());
    QCOMPARE(state.status(), status);
}

void RenderTest::backgroundGradient_data()
{
    QTest::addColumn<int>("y");

    QTest::newRow("top of the playfield") << 25;
    QTest::newRow("middle") << 240;
    QTest::newRow("bottom of the playfield") << 440;
}

void RenderTest::backgroundGradient()
{
    QFETCH(int, y);

    load(7);
    state.start();
    const QColor c = colourAt(frame(), 60, y);
    // Dark grey (51) at the top to lighter grey (102) at the bottom.
    const double expected = 51 + 51 * (y + 0.5) / 480;
    QVERIFY2(qAbs(c.red() - expected) <= 2, qPrintable(QString::number(c.red())));
    QCOMPARE(c.green(), c.red());
    QCOMPARE(c.blue(), c.red());
}

void RenderTest::hazardStipple_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<QRect>("region");
    QTest::addColumn<QRect>("clear");

    QTest::newRow("frame band, left edge") << 7 << QRect(0, 100, 20, 200) << QRect(21, 100, 10, 200);
    QTest::newRow("frame band, bottom edge") << 7 << QRect(400, 462, 200, 16) << QRect(400, 440, 100, 19);
    QTest::newRow("level 19's lower hazard") << 19 << QRect(100, 200, 300, 200) << QRect(100, 105, 300, 30);
}

void RenderTest::hazardStipple()
{
    QFETCH(int, level);
    QFETCH(QRect, region);
    QFETCH(QRect, clear);

    load(level);
    state.start();
    const QImage image = frame();
    // Dense3Pattern covers 40 of every 64 pixels; the background shows through the rest.
    const int stippled = count(image, region, [](QRgb c) { return isColour(c, 16, 16, 16); });
    QCOMPARE(stippled * 64, region.width() * region.height() * 40);
    // Just beside the hazard there is no stipple.
    QCOMPARE(count(image, clear, [](QRgb c) { return isColour(c, 16, 16, 16); }), 0);
}

void RenderTest::goalColours_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<QRect>("inside");
    QTest::addColumn<QColor>("fill");
    QTest::addColumn<QColor>("hatch");

    QTest::newRow("red goal: dark red under orange") << 1 << QRect(520, 324, 140, 12) << QColor(128, 32, 32)
                                                     << QColor(255, 102, 0);
    QTest::newRow("blue goal: dark blue under light blue") << 7 << QRect(724, 160, 12, 140)
                                                           << QColor(64, 72, 128) << QColor(51, 153, 255);
}

void RenderTest::goalColours()
{
    QFETCH(int, level);
    QFETCH(QRect, inside);
    QFETCH(QColor, fill);
    QFETCH(QColor, hatch);

    load(level);
    state.start();
    const QImage image = frame();
    const int fills = count(image, inside, [&](QRgb c) { return QColor(c) == fill; });
    const int hatches = count(image, inside, [&](QRgb c) { return QColor(c) == hatch; });
    QCOMPARE(fills + hatches, inside.width() * inside.height());
    QVERIFY(fills > hatches && hatches > 0);
}

void RenderTest::bandedAreaFillMatchesOneFill_data()
{
    QTest::addColumn<int>("level");

    for (int level : {2, 4, 5, 10, 11, 18, 20})
        QTest::newRow(qPrintable(QStringLiteral("level %1").arg(level))) << level;
}

void RenderTest::bandedAreaFillMatchesOneFill()
{
    // Areas are filled band by band for speed; no seam or lost row may show.
    QFETCH(int, level);

    load(level);
    for (const Area &area : std::as_const(state.areas)) {
        QImage banded(GameWidget::playfieldSize(), QImage::Format_ARGB32_Premultiplied);
        banded.fill(Qt::gray);
        QImage whole = banded;
        {
            QPainter painter(&banded);
            area.paint(painter);
        }
        QPainter painter(&whole);
        painter.setPen(Qt::NoPen);
        if (area.kind == Hazard) {
            painter.setBrush(QBrush(QColor(16, 16, 16), Qt::Dense3Pattern));
        } else {
            const bool red = area.kind == RedGoal;
            painter.setBrush(red ? QColor(128, 32, 32) : QColor(64, 72, 128));
            painter.drawPolygon(area, Qt::OddEvenFill);
            painter.setPen(red ? area.redGoalPen : area.blueGoalPen);
            painter.setBrush(QBrush(red ? area.redGoalColor : area.blueGoalColor,
                                    red ? Qt::FDiagPattern : Qt::BDiagPattern));
        }
        painter.drawPolygon(area, Qt::OddEvenFill);
        painter.end();
        QCOMPARE(banded, whole);
    }
}

void RenderTest::particleColours()
{
    load(1);
    state.start();
    const QImage image = frame();
    // Level 1's red particle at (150, 200): a white vertical glyph, a yellow light spot above the
    // centre, red towards the rim and a pinkish outline.
    QVERIFY(isWhite(image.pixel(150, 200)));
    QVERIFY(isWhite(image.pixel(150, 195)));
    QVERIFY(!isWhite(image.pixel(145, 200)));
    const QColor spot = colourAt(image, 148, 194);
    QVERIFY(spot.red() == 255 && spot.green() > 150 && spot.blue() < 60);
    const QColor rim = colourAt(image, 142, 204);
    QVERIFY(rim.red() == 255 && rim.green() < 100);
    QVERIFY(count(image, QRect(139, 195, 3, 10), [](QRgb c) { return isColour(c, 204, 102, 102); }) > 0);
}

void RenderTest::dragPreview_data()
{
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<QPoint>("onLine");
    QTest::addColumn<QColor>("colour");

    QTest::newRow("horizontal: blue") << QPoint(300, 305) << QPoint(250, 302) << QColor(51, 153, 255);
    QTest::newRow("(5, -5) is a tie: blue") << QPoint(205, 295) << QPoint(204, 296) << QColor(51, 153, 255);
    QTest::newRow("vertical: red-orange") << QPoint(203, 400) << QPoint(201, 350) << QColor(255, 68, 0);
}

void RenderTest::dragPreview()
{
    QFETCH(QPoint, to);
    QFETCH(QPoint, onLine);
    QFETCH(QColor, colour);

    load(6);
    state.start();
    const QPoint from(200, 150);
    scene.dragging = true;
    scene.dragStart = from;
    scene.pointer = to - QPoint(0, 150);
    const QImage image = frame();
    QCOMPARE(colourAt(image, onLine.x(), onLine.y() - 150), colour);
    // The start is a white 5 x 5 square.
    QCOMPARE(count(image, QRect(from - QPoint(2, 2), QSize(5, 5)), isWhite), 25);
    QCOMPARE(count(image, QRect(from - QPoint(3, 3), QSize(7, 1)), isWhite), 0);

    scene.dragging = false;
    QCOMPARE(count(frame(), QRect(from - QPoint(2, 2), QSize(5, 5)), isWhite), 0);
}

void RenderTest::wellGrowsIn()
{
    load(6);
    state.start();
    state.addWell(300, 120, BlueWell);
    // First paint: no body yet (scale 0) under an opaque white halo.
    QImage image = frame();
    QVERIFY(isWhite(image.pixel(300, 120)));
    QVERIFY(isWhite(image.pixel(301, 120)));
    const QColor haloOnly = colourAt(image, 300, 135);
    QVERIFY(haloOnly.red() == haloOnly.blue() && haloOnly.red() > 120);
    QCOMPARE(state.wells.first().fade, 8);
    for (int paint = 2; paint <= 32; ++paint)
        frame();
    QCOMPARE(state.wells.first().fade, 256);
    image = frame();
    QCOMPARE(state.wells.first().fade, 256);
    // Full size: blue body out to the rim, white horizontal glyph through the centre.
    const QColor body = colourAt(image, 300, 135);
    QVERIFY(body.blue() > 200 && body.red() < 60);
    QVERIFY(isWhite(image.pixel(310, 120)));
    QVERIFY(!isWhite(image.pixel(300, 110)));
}

void RenderTest::growingWellScale_data()
{
    QTest::addColumn<int>("kind");

    QTest::newRow("red well") << int(RedWell);
    QTest::newRow("blue well") << int(BlueWell);
}

void RenderTest::growingWellScale()
{
    // The body's scale is fade / 255 rounded once to single precision. Worked out in single
    // precision throughout it is one float step off at 15 fades, which moves gradient pixels.
    QFETCH(int, kind);

    WellObject well(wellBox / 2, wellBox / 2, kind, true);
    for (int paint = 0; paint <= 32; ++paint) {
        const int fade = well.fade;
        const QImage painted = paintWell(well);
        QImage body = transparentWellBox();
        QPainter painter(&body);
        painter.translate(well);
        const float scale = float(fade * (1.0 / 255));
        painter.scale(scale, scale);
        painter.setPen(Qt::NoPen);
        painter.setBrush(well.bodyBrush);
        painter.drawEllipse(well.bodyRect);
        painter.setPen(well.glyphPen);
        painter.drawLines(&well.glyph, 1);
        painter.end();
        // The body is opaque, so wherever it lies the halo under it does not show.
        for (int y = 0; y < wellBox; ++y) {
            for (int x = 0; x < wellBox; ++x) {
                if (qAlpha(body.pixel(x, y)) == 255 && painted.pixel(x, y) != body.pixel(x, y))
                    QFAIL(qPrintable(QStringLiteral("fade %1: pixel (%2, %3) differs").arg(fade).arg(x).arg(y)));
            }
        }
    }
}

void RenderTest::removedWellFadesOut_data()
{
    QTest::addColumn<int>("grownPaints");

    QTest::newRow("removed when settled") << 40;
    QTest::newRow("removed while growing") << 12;
}

void RenderTest::removedWellFadesOut()
{
    // Once removed, a well shrinks from the size it reached, its halo returns and fades, and it
    // is gone after one paint per fade step: never brighter or larger from one paint to the next.
    QFETCH(int, grownPaints);

    WellObject well(wellBox / 2, wellBox / 2, BlueWell, true);
    for (int paint = 1; paint < grownPaints; ++paint)
        paintWell(well);
    const int lastGrownBody = bodyPixels(paintWell(well));
    const int reached = well.fade;
    well.remove();
    // Its first paint after removal still shows the halo it had, over the body it reached.
    int body = bodyPixels(paintWell(well));
    QVERIFY(body >= lastGrownBody);
    int halo = 255;
    const int paints = reached / 8;
    for (int paint = 2; paint <= paints; ++paint) {
        const QImage image = paintWell(well);
        const int nowBody = bodyPixels(image);
        // Past the body's largest reach, inside the halo.
        const int nowHalo = qAlpha(image.pixel(wellBox / 2 + 25, wellBox / 2));
        QVERIFY2(nowBody <= body && nowHalo <= halo,
                 qPrintable(QStringLiteral("paint %1: body %2 -> %3, halo %4 -> %5")
                                .arg(paint).arg(body).arg(nowBody).arg(halo).arg(nowHalo)));
        QCOMPARE(well.isGone(), paint == paints);
        body = nowBody;
        halo = nowHalo;
    }
    QVERIFY(halo > 0 && halo < 16);
    QCOMPARE(bodyPixels(paintWell(well)), 0);
    QCOMPARE(qAlpha(paintWell(well).pixel(wellBox / 2 + 25, wellBox / 2)), 0);

    // In the game, the step after the last paint deletes it.
    load(6);
    state.start();
    state.addWell(300, 120, BlueWell);
    state.wells[0] = well;
    FrameTick::advance(state, scene.time, QPoint());
    QVERIFY(state.wells.isEmpty());
}

void RenderTest::goneWellIsNotDrawn()
{
    // A toolkit paint between the last fade-out frame and the step that deletes the well.
    load(6);
    state.start();
    state.addWell(300, 120, BlueWell);
    state.wells[0].remove();
    frame();
    QVERIFY(state.wells.first().isGone());
    const QImage image = frame();
    QVERIFY(!isWhite(image.pixel(300, 120)));
}

void RenderTest::highlightedWellBrush()
{
    load(6);
    state.start();
    state.addWell(300, 120, BlueWell);
    for (int paint = 0; paint < 34; ++paint)
        frame();
    const QColor plain = colourAt(frame(), 300, 114);
    state.wells[0].setHighlighted(true);
    const QColor lit = colourAt(frame(), 300, 114);
    // The light spot turns from cyan to a paler cyan.
    QVERIFY2(plain.red() < 40 && lit.red() > 100, qPrintable(plain.name() + QLatin1Char(' ') + lit.name()));
}

void RenderTest::iconWellsAndCounters()
{
    load(1); // red 1, blue 0
    const QImage image = frame();
    // Blue icon at (30, 450) with a horizontal glyph, red icon at (150, 450) with a vertical one.
    QVERIFY(isWhite(image.pixel(40, 450)));
    QVERIFY(!isWhite(image.pixel(30, 440)));
    QVERIFY(colourAt(image, 30, 440).blue() > 200);
    QVERIFY(isWhite(image.pixel(150, 440)));
    QVERIFY(!isWhite(image.pixel(140, 450)));
    QVERIFY(colourAt(image, 140, 450).red() > 200);
    // Both counters, the 0 included, stand right of their icons.
    QVERIFY(count(image, QRect(60, 430, 30, 35), isWhite) > 20);
    QVERIFY(count(image, QRect(180, 430, 30, 35), isWhite) > 20);
}

void RenderTest::textsByStatus_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("named");
    QTest::addColumn<bool>("proven");
    QTest::addColumn<bool>("goesOn");
    QTest::addColumn<QString>("help");
    QTest::addColumn<QString>("note");

    const QString ready = QStringLiteral("[Left mouse drag] horizontally or vertically to set a gravity well.");
    const QString next = QStringLiteral("[Left mouse click] to advance to the next level.");
    QTest::newRow("Ready: name, message, four-line help") << int(Ready) << true << true << true << ready << QString();
    QTest::newRow("Running: no name, no message, no help") << int(Running) << false << true << true << QString() << QString();
    QTest::newRow("Failed: name, message, short help") << int(Failed) << true << true << true << next << QString();
    QTest::newRow("Passed: name, message, short help") << int(Passed) << true << true << true << next << QString();
    QTest::newRow("Ready, a level from a file without a proof: \"Not proven\" beside the name")
        << int(Ready) << true << false << false << ready << QString();
    // A level with no next one starts again on a click: the help must not promise the next level.
    QTest::newRow("Passed, a level with no next one: a click plays it again")
        << int(Passed) << true << false << false << "[Left or right mouse click] to play the level again." << QString();
    QTest::newRow("Ready, a puzzle: its tier and stars under the message")
        << int(Ready) << true << false << false << ready << QStringLiteral("Medium \u00b7 \u2605\u2605\u2606\u2606\u2606");
}

void RenderTest::textsByStatus()
{
    QFETCH(int, status);
    QFETCH(bool, named);
    QFETCH(bool, proven);
    QFETCH(bool, goesOn);
    QFETCH(QString, help);
    QFETCH(QString, note);

    load(6);
    scene.endNote = note;
    if (!note.isEmpty())
        QCOMPARE(ScenePainter::message(scene).section(QLatin1Char('\n'), 1), note);
    if (!proven) {
        scene.number = 0;
        scene.proven = false;
    }
    scene.clickGoesOn = goesOn;
    setStatus(status);
    QCOMPARE(ScenePainter::help(scene).section(QLatin1Char('\n'), 0, 0), help);
    const QImage image = frame();
    QCOMPARE(count(image, nameRegion, isWhite) > 50, named);
    QCOMPARE(count(image, messageRegion, isWhite) > 20, named);
    QCOMPARE(count(image, QRect(480, 120, 250, 40), isWhite) > 20, !proven);
    const int helpPixels = count(image, helpRegion, isLightGrey);
    QCOMPARE(helpPixels > 50, named);
    // The time display stands in every status.
    QVERIFY(count(image, timeRegion, isWhite) > 50);
    if (status == Ready) {
        // Four help lines reach lower than three.
        QVERIFY(count(image, QRect(100, 84, 600, 14), isLightGrey) > 10);
    } else if (!goesOn) {
        // Two lines, centred in the strip, end above where the third of three stands.
        QCOMPARE(count(image, QRect(100, 72, 600, 26), isLightGrey), 0);
    } else if (named) {
        QCOMPARE(count(image, QRect(100, 87, 600, 11), isLightGrey), 0);
    }
}

void RenderTest::newRecordAddsALine()
{
    load(6);
    setStatus(Passed);
    scene.newRecord = true;
    const QImage withRecord = frame();
    scene.newRecord = false;
    const QImage plain = frame();
    // One line is centred on the message rectangle; two lines straddle its centre.
    const QRect belowCentre(200, 195, 400, 20);
    QVERIFY(count(withRecord, belowCentre, isWhite) > count(plain, belowCentre, isWhite) + 20);
}

void RenderTest::pauseScreenHidesTheLevel()
{
    // Level 4 with a well of each colour: nothing of the level may show through, or a pause
    // would be a free look to plan by. The name, "Paused", how to go on and the clock stay.
    load(4);
    state.start();
    state.addWell(300, 120, BlueWell);
    state.addWell(500, 120, RedWell);
    scene.paused = true;
    const QImage image = frame();
    const Predicate coloured = [](QRgb c) { return qRed(c) != qGreen(c) || qGreen(c) != qBlue(c); };
    QCOMPARE(count(image, image.rect(), coloured), 0);
    QVERIFY(count(image, nameRegion, isWhite) > 50);
    QVERIFY(count(image, messageRegion, isWhite) > 20);
    QVERIFY(count(image, helpRegion, isLightGrey) > 50);
    QVERIFY(count(image, timeRegion, isWhite) > 50);
    // The wells' grow-in waits for the pause to end.
    QCOMPARE(state.wells.first().fade, 0);
}

void RenderTest::timeDisplay_data()
{
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<QString>("text");

    QTest::newRow("time over record, flush right") << QRect(0, 0, 800, 480) << QStringLiteral("1230 ms\n4560 ms");
    QTest::newRow("labels 120 px left of the edge") << QRect(0, 0, 680, 480) << QStringLiteral("Time\nRecord");
}

void RenderTest::timeDisplay()
{
    // Counting white pixels would pass "%dms" or a line moved; the fully inked pixels of the
    // expected text, drawn alone in the same font and place, must be exactly the white ones.
    QFETCH(QRect, rect);
    QFETCH(QString, text);

    load(6);
    state.start();
    scene.time = 1230;
    scene.record = 4560;
    const QImage image = frame();

    QFont font;
    font.setPixelSize(20);
    const int flags = Qt::AlignRight | Qt::AlignBottom;
    QImage expected(GameWidget::playfieldSize(), QImage::Format_ARGB32_Premultiplied);
    expected.fill(Qt::transparent);
    QPainter painter(&expected);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(rect, flags, text);
    painter.end();

    const QRect box = QFontMetrics(font).boundingRect(rect, flags, text).adjusted(-4, -4, 4, 4) & image.rect();
    int inked = 0;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) {
            const bool full = qAlpha(expected.pixel(x, y)) == 255;
            inked += full;
            if (full != isColour(image.pixel(x, y), 255, 255, 255))
                QFAIL(qPrintable(QStringLiteral("pixel (%1, %2) of %3").arg(x).arg(y).arg(QTest::currentDataTag())));
        }
    }
    QVERIFY(inked > 100);
}

void RenderTest::highScoreTable()
{
    load(6);
    state.start();
    scene.bestTimes[1] = 1500;
    const QColor before = colourAt(frame(), 400, 60);
    scene.highScores = true;
    const QImage image = frame();
    const QColor after = colourAt(image, 400, 60);
    // The shade leaves about a fifth of the brightness.
    QVERIFY(qAbs(after.red() - before.red() * 51 / 255) <= 1);
    // Title, the first row of each column and the foot.
    QVERIFY(count(image, QRect(250, 80, 300, 40), isWhite) > 50);
    QVERIFY(count(image, QRect(60, 150, 100, 20), isWhite) > 20);
    QVERIFY(count(image, QRect(400, 150, 100, 20), isWhite) > 20);
    QVERIFY(count(image, QRect(260, 360, 280, 60), isWhite) > 50);
    // Times stand flush right in their cells: level 2's row carries a number, level 3's "Not passed".
    QVERIFY(count(image, QRect(320, 170, 40, 20), isWhite) > 5);
    QVERIFY(count(image, QRect(260, 190, 100, 20), isWhite) > count(image, QRect(260, 170, 100, 20), isWhite));
}

void RenderTest::frameIsPaintingInTheWindow_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("offset");
    QTest::addColumn<bool>("playing");

    for (int level = 1; level <= 20; ++level)
        QTest::newRow(qPrintable(QStringLiteral("level %1 below a menu bar").arg(level))) << level << 23 << false;
    QTest::newRow("wells and a drag over the edge, at the top") << 4 << 0 << true;
    QTest::newRow("wells and a drag over the edge, below a menu bar") << 4 << 19 << true;
}

void RenderTest::frameIsPaintingInTheWindow()
{
    // Paints copy from a frame drawn into an image. It must hold what painting the widget
    // straight into its window gives, where Qt shifts it below the menu bar: that shift moves a
    // gradient's rounding, and a wrongly shifted band of a hazard's fill shows.
    QFETCH(int, number);
    QFETCH(int, offset);
    QFETCH(bool, playing);

    GameWidget game;
    game.loadLevel(number);
    QImage scratch(game.size(), QImage::Format_RGB32);
    if (playing) {
        PlayerInput::perform(&game, {0, Replay::Action::Well, 15, 300, BlueWell});
        PlayerInput::perform(&game, {0, Replay::Action::Well, 700, 470, RedWell});
        PlayerInput::mouse(&game, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, QPoint(400, 300));
        PlayerInput::mouse(&game, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, QPoint(-60, 530));
        // Settled, the wells look the same in every paint.
        for (int paint = 0; paint < 40; ++paint)
            game.render(&scratch);
    }
    QWidget window;
    window.resize(800, 480 + offset);
    game.setParent(&window);
    game.move(0, offset);
    game.render(&scratch);
    const QImage frameImage = game.keptFrame();

    DirectPainting direct(&game);
    QImage inWindow(800, 480 + offset, QImage::Format_RGB32);
    direct.render(&inWindow, QPoint(0, offset));
    game.setParent(nullptr);

    for (int y = offset; y < inWindow.height(); ++y) {
        for (int x = 0; x < inWindow.width(); ++x) {
            if (frameImage.pixel(x, y) != inWindow.pixel(x, y))
                QFAIL(qPrintable(QStringLiteral("pixel (%1, %2) of the playfield differs").arg(x).arg(y - offset)));
        }
    }
}

void RenderTest::eachThingInksInItsBound_data()
{
    QTest::addColumn<QString>("thing");
    QTest::addColumn<QString>("variant");

    // A frame redrawn in part redraws only what inks where it changed: a thing that inks outside
    // the bound it claims leaves a trace, or is cut, when something beside it changes.
    QTest::newRow("a red particle between pixels") << "particle" << "red 100.5 200.25";
    QTest::newRow("a blue particle between pixels") << "particle" << "blue 333.75 99.5";
    QTest::newRow("a red well growing in") << "well" << "red 0 300.5 240.5";
    QTest::newRow("a blue well half grown") << "well" << "blue 128 420.25 260.75";
    QTest::newRow("a settled well, lit by the pointer") << "well" << "lit 255 500.5 300.5";
    QTest::newRow("a removed well fading") << "well" << "removed 64 450.75 200.25";
    QTest::newRow("a drag to the right") << "drag" << "300 200 360 200";
    QTest::newRow("a drag down") << "drag" << "300 200 300 245";
    QTest::newRow("a drag up and left, aslant") << "drag" << "300 200 230 167";
    QTest::newRow("a click, no length") << "drag" << "300 200 300 200";
    QTest::newRow("the time: ten digits") << "time" << "1234567890 0";
    QTest::newRow("the time: five digits, the record one") << "time" << "99999 5";
    QTest::newRow("the time past 2^31, with a sign") << "time" << "3000000000 0";
    QTest::newRow("the counters: 20 and 20") << "counters" << "20";
    QTest::newRow("the note over the help") << "note" << "";
    QTest::newRow("the name, the message and the help") << "texts" << "";
    QTest::newRow("\"Not proven\" beside the name") << "not proven" << "";
    QTest::newRow("everything over the backdrop: labels, icons and hints too, one in a corner") << "all" << "";
}

void RenderTest::eachThingInksInItsBound()
{
    QFETCH(QString, thing);
    QFETCH(QString, variant);

    const QStringList words = variant.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const auto number = [&words](int i) { return words.at(i).toDouble(); };
    // Two frames that differ only by the thing; where they differ, it inks.
    QImage with;
    QImage without;
    QRegion bound;
    const auto paint = [this](QImage *image) {
        *image = frame();
        return painter.sketch(scene, nullptr);
    };
    load(6);
    state.start();
    if (thing == QLatin1String("particle")) {
        state.particles.clear();
        without = frame();
        state.addParticle(words.at(0) == QLatin1String("red") ? RedParticle : BlueParticle, 0, 0);
        state.particles[0].setX(number(1));
        state.particles[0].setY(number(2));
        bound = paint(&with).particle(0).extent;
    } else if (thing == QLatin1String("well")) {
        without = frame();
        state.wells.append(WellObject(0, 0, words.at(0) == QLatin1String("red") ? RedWell : BlueWell, true));
        WellObject &well = state.wells.last();
        well.setX(number(2));
        well.setY(number(3));
        well.fade = int(number(1));
        well.highlighted = words.at(0) == QLatin1String("lit");
        if (words.at(0) == QLatin1String("removed"))
            well.remove();
        bound = paint(&with).well(0).extent;
    } else if (thing == QLatin1String("drag")) {
        without = frame();
        scene.dragging = true;
        scene.dragStart = QPoint(int(number(0)), int(number(1)));
        scene.pointer = QPoint(int(number(2)), int(number(3)));
        bound = paint(&with).part(FrameSketch::DragPart).extent;
    } else if (thing == QLatin1String("time")) {
        scene.time = quint32(words.at(1).toUInt());
        bound = paint(&without).part(FrameSketch::TimePart).extent;
        scene.time = quint32(words.at(0).toUInt());
        bound += paint(&with).part(FrameSketch::TimePart).extent;
    } else if (thing == QLatin1String("counters")) {
        for (QImage *image : {&without, &with}) {
            const FrameSketch counted = paint(image);
            bound += QRegion(counted.part(FrameSketch::RedCounterPart).extent) + counted.part(FrameSketch::BlueCounterPart).extent;
            state.setWellCounts(int(number(0)), int(number(0)));
        }
    } else if (thing == QLatin1String("note")) {
        without = frame();
        scene.note = QStringLiteral("Playing your best run: [Mouse click] or [any key] to stop it.");
        bound = paint(&with).sceneItems[FrameSketch::NoteItem];
    } else if (thing == QLatin1String("texts")) {
        // Running shows none of them; Ready shows all three.
        without = frame();
        load(6);
        const FrameSketch ready = paint(&with);
        for (const FrameSketch::SceneItem item : {FrameSketch::NameItem, FrameSketch::MessageItem, FrameSketch::HelpItem})
            bound += ready.sceneItems[item];
    } else if (thing == QLatin1String("not proven")) {
        load(6);
        scene.number = 0;
        without = frame();
        scene.proven = false;
        bound = paint(&with).sceneItems[FrameSketch::NameItem];
    } else {
        QImage backdrop(GameWidget::playfieldSize(), QImage::Format_ARGB32_Premultiplied);
        backdrop.fill(Qt::black);
        QPainter on(&backdrop);
        painter.drawBackdrop(on, scene);
        on.end();
        without = backdrop;
        state.addWell(700, 100, BlueWell);
        scene.dragging = true;
        scene.dragStart = QPoint(100, 100);
        scene.pointer = QPoint(160, 120);
        scene.hints = {{QPoint(300, 200), RedWell, 120, std::nullopt}, {QPoint(799, 0), BlueWell, 0, 250}};
        for (const QRect &item : paint(&with).itemBounds())
            bound += item;
    }
    int outside = 0;
    QPoint first;
    for (int y = 0; y < with.height(); ++y) {
        for (int x = 0; x < with.width(); ++x) {
            if (with.pixel(x, y) != without.pixel(x, y) && !bound.contains(QPoint(x, y))) {
                first = outside++ ? first : QPoint(x, y);
            }
        }
    }
    QVERIFY2(outside == 0, qPrintable(QStringLiteral("%1 pixels inked outside the bound, the first at (%2, %3)")
                                          .arg(outside).arg(first.x()).arg(first.y())));
    QVERIFY(with != without);
}

QTEST_MAIN(RenderTest)
#include "tst_render.moc"
