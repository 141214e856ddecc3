#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QPixmap>
#include <QWidget>

namespace velmora::testing {

// With VELMORA_SHOTS set to a folder, widget tests save what they show there as PNG files, so
// that a person can look at them, once the widget's pending layout work is done.
inline void SaveShot(QWidget& widget, const char* name) {
    const QString folder = qEnvironmentVariable("VELMORA_SHOTS");
    if (folder.isEmpty()) return;
    QCoreApplication::processEvents();
    QDir().mkpath(folder);
    widget.grab().save(folder + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".png"));
}

}  // namespace velmora::testing
