#include "panel/settings_file.h"

#include "platform/xdg_folders.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace zenka {
namespace {

// "zenka.conf.damaged-20261208-091807", or with ".2", ".3" ... when that is taken.
QString aside_name(const QString& path) {
    const QString stamp =
        QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-hhmmss"));
    QString name = path + QStringLiteral(".damaged-") + stamp;
    for (int n = 2; QFileInfo::exists(name); ++n)
        name = path + QStringLiteral(".damaged-") + stamp + QLatin1Char('.') + QString::number(n);
    return name;
}

} // namespace

QString SettingsFile::default_path() {
    return QString::fromStdString(settings_file(XdgEnvironment::from_process()).string());
}

SettingsFile::SettingsFile(const QString& path) : path_(path) {
    open();
    if (settings_->status() == QSettings::FormatError) {
        const QString aside = aside_name(path_);
        if (QFile::rename(path_, aside)) {
            problem_ = QStringLiteral("The settings file %1 could not be read; it is kept as %2 "
                                      "and a fresh one is started.")
                           .arg(QDir::toNativeSeparators(path_), QFileInfo(aside).fileName());
            open();
        } else {
            // Its folder takes no new file, so nothing is written over it either.
            problem_ = QStringLiteral("The settings file %1 could not be read, nor moved aside; "
                                      "it is left as it is.")
                           .arg(QDir::toNativeSeparators(path_));
        }
    } else if (settings_->status() == QSettings::AccessError) {
        problem_ = QStringLiteral("The settings file %1 cannot be read; nothing is stored.")
                       .arg(QDir::toNativeSeparators(path_));
    }
}

void SettingsFile::open() {
    settings_ = std::make_unique<QSettings>(path_, QSettings::IniFormat);
    settings_->setFallbacksEnabled(false);
}

bool SettingsFile::sync() {
    if (!problem_.isEmpty() && settings_->status() != QSettings::NoError) return false;
    settings_->sync();
    if (settings_->status() == QSettings::NoError) return true;
    if (problem_.isEmpty())
        problem_ = QStringLiteral("The settings cannot be written to %1; the windows' places are "
                                  "not kept.")
                       .arg(QDir::toNativeSeparators(path_));
    return false;
}

} // namespace zenka
