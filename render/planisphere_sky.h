// The sky layers of the planisphere's star wheel: the Milky Way and the constellation boundaries,
// drawn with the wheel's painter (page units, tenths of a millimetre) under its stars.
#pragma once

#include <QPointF>
#include <string>

#include "chart/planisphere.h"
#include "chart/sky_choice.h"

class QPainter;

// The Milky Way in five light greys, filled by the even-odd rule: the wheel's projection puts the
// pole below the horizon at infinity, and both celestial poles lie outside every step.
void DrawWheelMilkyWay(QPainter& painter, QPointF pivot, const PlanisphereGeometry& geometry);

// The constellation boundaries as thin grey dotted lines, each stretch once.
void DrawWheelBoundaries(QPainter& painter, QPointF pivot, const PlanisphereGeometry& geometry);

// The line under the wheel that says what the layers shown are (empty when neither is).
std::string WheelSkyKey(const SkyLayers& sky);
