// The user's preferences beside Settings.dat (the place, the labels, the looks, precise
// positions): one QSettings store, Velquorran/Velquorran.conf in the user's configuration folder.
#pragma once

#include <QSettings>
#include <cstddef>
#include <memory>

QSettings UserSettings();
std::unique_ptr<QSettings> OpenUserSettings();

// A choice of flags kept in the user's settings, one "group/key" a flag, false when absent: each
// item of `items` names its `key` and the `flag` it keeps.
template <typename Choice, typename Item, std::size_t N>
Choice ReadFlags(const char* group, const Item (&items)[N]) {
    const QSettings settings = UserSettings();
    Choice choice{};
    for (const Item& item : items)
        choice.*item.flag =
            settings.value(QString::fromLatin1(group) + '/' + QString::fromLatin1(item.key), false)
                .toBool();
    return choice;
}

template <typename Choice, typename Item, std::size_t N>
void WriteFlags(const char* group, const Item (&items)[N], const Choice& choice) {
    QSettings settings = UserSettings();
    for (const Item& item : items)
        settings.setValue(QString::fromLatin1(group) + '/' + QString::fromLatin1(item.key),
                          choice.*item.flag);
}
