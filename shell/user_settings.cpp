#include "shell/user_settings.h"

#include "base/messages.h"

QSettings UserSettings() {
    return QSettings(QString::fromLatin1(ProductName), QString::fromLatin1(ProductName));
}

std::unique_ptr<QSettings> OpenUserSettings() {
    return std::make_unique<QSettings>(QString::fromLatin1(ProductName),
                                       QString::fromLatin1(ProductName));
}
