#include "platform/Drives.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>
#include <algorithm>

namespace {
QList<Drives::Drive> g_forTests;

[[maybe_unused]] bool removable(const QString &root)
{
    for (const char *base : {"/media/", "/run/media/", "/mnt/"})
        if (root.startsWith(QLatin1String(base)))
            return true;
    return false;
}

QString displayName(const QStorageInfo &v)
{
    const QString root = QDir::toNativeSeparators(v.rootPath());
#ifdef Q_OS_WIN
    const QString label = v.name();
    return label.isEmpty() ? root.left(2) : QStringLiteral("%1 [%2]").arg(root.left(2), label);
#else
    const QString label = v.name().isEmpty() ? QFileInfo(v.rootPath()).fileName() : v.name();
    return label.isEmpty() || label == root ? root : QStringLiteral("%1 (%2)").arg(label, root);
#endif
}

QList<Drives::Drive> machineDrives()
{
    QList<QStorageInfo> volumes;
    for (const QStorageInfo &v : QStorageInfo::mountedVolumes())
        if (v.isValid() && QFileInfo(v.rootPath()).isDir()) // bind-mounted files are not drives
            volumes << v;
    std::stable_sort(volumes.begin(), volumes.end(), [](const QStorageInfo &a, const QStorageInfo &b) {
#ifdef Q_OS_WIN
        return a.rootPath().compare(b.rootPath(), Qt::CaseInsensitive) < 0;
#else
        const bool ra = removable(a.rootPath()), rb = removable(b.rootPath());
        return ra != rb ? ra : a.rootPath() < b.rootPath();
#endif
    });
    QList<Drives::Drive> out;
    for (const QStorageInfo &v : volumes)
        out << Drives::Drive{displayName(v), v.rootPath()};
#ifndef Q_OS_WIN
    // The user's own folder, after the removable media: the one place always writable.
    const QString casa = QDir::homePath();
    const auto primaFissa = std::find_if(out.begin(), out.end(), [](const Drives::Drive &d) { return !removable(d.root); });
    if (QFileInfo(casa).isDir() && casa != QLatin1String("/"))
        out.insert(primaFissa, Drives::Drive{QStringLiteral("Cartella personale (%1)").arg(casa), casa});
#endif
    return out;
}
} // namespace

QList<Drives::Drive> Drives::list()
{
    return g_forTests.isEmpty() ? machineDrives() : g_forTests;
}

void Drives::setForTests(const QList<Drive> &drives)
{
    g_forTests = drives;
}
