#include "app/platform/RecentFiles.h"

#include "app/platform/ConfigFile.h"

#include <QFileInfo>
#include <QSettings>

namespace {

const QString kKey = QStringLiteral("recentMenus");

QSettings store() {
    return ConfigFile::open();
}

} // namespace

QStringList RecentFiles::list() {
    QSettings settings = store();
    const QStringList kept = settings.value(kKey).toStringList();
    QStringList existing;
    for (const QString& path : kept)
        if (QFileInfo(path).isFile() && !existing.contains(path) && existing.size() < kMax)
            existing.append(path);
    if (existing != kept)
        settings.setValue(kKey, existing);
    return existing;
}

void RecentFiles::add(const QString& path) {
    QStringList paths = list();
    paths.removeAll(path);
    paths.prepend(path);
    while (paths.size() > kMax)
        paths.removeLast();
    store().setValue(kKey, paths);
}
