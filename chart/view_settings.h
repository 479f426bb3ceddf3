// The view state shared by the chart and the shell, and the pi of the projection.
#pragma once

inline constexpr int MetafileNameSize = 260;
inline constexpr double DefaultDimmestMagnitude = 4.4;   // the magnitude limit at start
inline constexpr double FaintestDimmestMagnitude = 6.5;  // the faintest limit that can be set
// A latitude the chart accepts: -90 to 90 degrees, both poles included (NaN is none).
inline constexpr double PoleLatitude = 90.0;
inline bool IsLatitude(double degrees) {
    return degrees >= -PoleLatitude && degrees <= PoleLatitude;
}
inline constexpr const char* FirstMetafileName = "StarMap.emf";  // the first "To File..." name

// The record's type; the program's one instance is the global ViewSettings.
struct ViewSettingsRecord {
    double latitude = 0.0;       // degrees, north positive, -90..90
    double startLatitude = 0.0;  // as read at start-up; compared at shut-down
    double dimmestMagnitude = DefaultDimmestMagnitude;
    double orientationAzimuth = 180.0;  // azimuth shown at the bottom of the disc
    double siderealTime = 0.0;          // of the last chart pass, hours
    int margin = 3;
    // Window font metrics and the layout fixed at window creation.
    int lineHeight = 0;
    int charWidth = 0;
    int capsWidth = 0;
    int pickerTop = 0;
    int pickerBottom = 0;
    int scrollTop = 0;
    int scrollBottom = 0;
    // From the last client-size change.
    int clientWidth = 0;
    int clientHeight = 0;
    int readoutTop = 0;
    int readoutBottom = 0;
    int readoutRight = 0;
    char metafileName[MetafileNameSize] = {};
    bool precisePositions = false;  // the "Precise Positions" choice; off: the model's places
};

extern ViewSettingsRecord ViewSettings;
extern double ProjectionPi;

// Computes ProjectionPi (4 atan 1); the first act of the program.
void InitProjectionPi();

// Test support: ViewSettings back to its start-up values.
void ResetViewSettings();
