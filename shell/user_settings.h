// The user's preferences beside Settings.dat (the place, the labels, the looks, precise
// positions): one QSettings store, Velquorran/Velquorran.conf in the user's configuration folder.
#pragma once

#include <QSettings>
#include <memory>

QSettings UserSettings();
std::unique_ptr<QSettings> OpenUserSettings();
