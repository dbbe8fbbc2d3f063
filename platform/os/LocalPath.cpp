#include "platform/os/LocalPath.h"

#include <QDir>

QString LocalPath::FromWindows(const QString& path) {
    QString result = path;
    result.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const bool driveC =
        result.size() >= 2 && result[0].toUpper() == QLatin1Char('C') && result[1] == QLatin1Char(':');
    if (driveC && (result.size() == 2 || result[2] == QLatin1Char('/'))) {
        const QString rest = result.mid(3);
        return rest.isEmpty() ? QDir::homePath() + QLatin1Char('/')
                              : QDir::homePath() + QLatin1Char('/') + rest;
    }
    return result;
}
