#pragma once
// What the benchmarks share: a sample archive's files and medians of timed runs.
#include <QElapsedTimer>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <algorithm>
#include <functional>
#include <vector>

// Writes the file whole, making its folder; a benchmark cannot go on without it.
inline void scrivi(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

// A section text of about 700 to 1,100 bytes in lines of about 90 characters.
inline QByteArray quadro(int alunno, int n)
{
    QByteArray t;
    const QByteArray frase = "L'alunno partecipa con interesse alle attivit\xe0 proposte e porta a termine i lavori. ";
    for (int i = 0; i < 8 + (alunno + n) % 5; ++i)
        t += frase + ((i % 2) ? "\r\n" : "");
    return t + "\r\n";
}

inline double mediana(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// The median of the runs of f, in milliseconds.
inline double tempo(const std::function<void()> &f, int volte)
{
    std::vector<double> t;
    for (int i = 0; i < volte; ++i) {
        QElapsedTimer timer;
        timer.start();
        f();
        t.push_back(timer.nsecsElapsed() / 1e6);
    }
    return mediana(t);
}
