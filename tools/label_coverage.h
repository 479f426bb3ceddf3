// How many of the names that matter a labelled chart gives, over random skies: the measure of
// tools/measure_labels.cpp and of the label tests, kept in one place so that both count alike.
//   figures: shown figures whose middle (the mean direction of all their stars) stands above
//            the horizon and that the pass placed (two stars or more above it); named when the
//            figure's name was drawn;
//   stars:   the 15 brightest stars above 5 degrees that the chart asks a name for (a proper
//            name, within the names' magnitude limit); named when that name was drawn.
// Names are recognised by their text, so the measure reads any version of the placer.
#pragma once

#include <algorithm>
#include <cmath>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "base/degrees.h"
#include "catalog/sky_model.h"
#include "chart/chart_annotations.h"
#include "chart/chart_pass.h"

struct LabelCoverage {
    int figures = 0;
    int figuresNamed = 0;
    int stars = 0;
    int starsNamed = 0;
    std::vector<std::string> missedFigures;  // "Orion", once per miss
    std::vector<std::string> missedStars;

    void Add(const LabelCoverage& other) {
        figures += other.figures;
        figuresNamed += other.figuresNamed;
        stars += other.stars;
        starsNamed += other.starsNamed;
        missedFigures.insert(missedFigures.end(), other.missedFigures.begin(),
                             other.missedFigures.end());
        missedStars.insert(missedStars.end(), other.missedStars.begin(), other.missedStars.end());
    }
    double FigureShare() const { return figures ? double(figuresNamed) / figures : 1.0; }
    double StarShare() const { return stars ? double(starsNamed) / stars : 1.0; }
};

// One random sky of the measure: any latitude from 60 S to 60 N, any instant of 1950-2050, any
// of the eight orientations, a magnitude limit from 4 to 6.5.
struct RandomSky {
    double latitude = 0;
    SystemTime time;
    ChartView view;
};

inline RandomSky NextRandomSky(std::mt19937& random) {
    auto uniform = [&](double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(random);
    };
    RandomSky sky;
    sky.latitude = uniform(-60, 60);
    sky.time = SystemTime{int(uniform(1950, 2051)), int(uniform(1, 13)), 0, int(uniform(1, 29)),
                          int(uniform(0, 24)),      int(uniform(0, 60)), 0, 0};
    sky.view.orientationAzimuth = 45.0 * int(uniform(0, 8));
    sky.view.dimmestMagnitude = uniform(4.0, 6.5);
    // Every name a user can ask for at once (all-constellation names aside), and the legend.
    sky.view.labels = {true, true, false, true, true, true};
    return sky;
}

// Counts what the pass should have named against the texts it drew.
inline LabelCoverage MeasureLabelCoverage(const ChartPassResult& pass,
                                          const std::set<std::string>& drawn) {
    LabelCoverage out;
    const Observer& observer = pass.observer;
    const int count = std::clamp(ConstellationCount, 0, MaxConstellations);
    for (int c = 0; c < count; ++c) {
        const Constellation& figure = ConstellationTable[c];
        if (!figure.shown) continue;
        double x = 0, y = 0, z = 0;
        int placed = 0;
        for (int j = 0; j < std::min(figure.pointCount, MaxFigurePoints); ++j) {
            const int n = figure.points[j];
            if (n < 1 || n > MaxStarNumber || StarTable[n].magnitude >= UnloadedMagnitude) continue;
            const Star& star = StarTable[n];
            x += CosDeg(star.declination) * CosDeg(15 * star.rightAscension);
            y += CosDeg(star.declination) * SinDeg(15 * star.rightAscension);
            z += SinDeg(star.declination);
            if (star.visible) ++placed;
        }
        if (placed < 2) continue;
        double altitude = 0, azimuth = 0;
        const double ra = std::atan2(y, x) * 180.0 / Pi() / 15.0;
        const double dec = std::atan2(z, std::hypot(x, y)) * 180.0 / Pi();
        ObserverHorizon(observer, ra < 0 ? ra + 24 : ra, dec, altitude, azimuth);
        if (!AboveHorizon(altitude)) continue;
        const std::string name = IauConstellationName(figure);
        ++out.figures;
        if (drawn.count(name)) {
            ++out.figuresNamed;
        } else {
            out.missedFigures.push_back(name);
        }
    }
    if (pass.view.labels.stars) {
        std::vector<const PlacedObject*> bright;
        const double limit = StarLabelLimit(pass.view.dimmestMagnitude);
        for (const PlacedObject& object : pass.placed) {
            if (object.kind != PlacedKind::Star || !object.marked || object.altitude <= 5.0)
                continue;
            const Star& star = StarTable[object.index];
            if (star.magnitude <= limit && !StarProperName(star).empty()) bright.push_back(&object);
        }
        std::stable_sort(bright.begin(), bright.end(), [](const auto* a, const auto* b) {
            return StarTable[a->index].magnitude < StarTable[b->index].magnitude;
        });
        if (bright.size() > 15) bright.resize(15);
        for (const PlacedObject* object : bright) {
            const std::string name = StarProperName(StarTable[object->index]);
            ++out.stars;
            if (drawn.count(name)) {
                ++out.starsNamed;
            } else {
                out.missedStars.push_back(name);
            }
        }
    }
    return out;
}
