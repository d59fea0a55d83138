// Time from process start to the main menu shown, beside a bare Qt window with one button.
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

static double runOnce(const QString &program, const QString &folder)
{
    QProcess p;
    p.setWorkingDirectory(folder);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QUADERLO_EXIT_AFTER_START"), QStringLiteral("1"));
    if (!env.contains(QStringLiteral("QT_QPA_PLATFORM")) && !env.contains(QStringLiteral("DISPLAY")))
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    p.setProcessEnvironment(env);
    QElapsedTimer t;
    t.start();
    p.start(program, {});
    double shown = -1;
    while (shown < 0 && p.waitForReadyRead(10000))
        if (p.readAllStandardOutput().contains("menu shown"))
            shown = t.nsecsElapsed() / 1e6;
    p.waitForFinished(10000);
    return shown;
}

static double median(const QString &program, const QString &folder, int runs)
{
    std::vector<double> v;
    for (int i = 0; i < runs; ++i)
        v.push_back(runOnce(program, folder));
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QString dir = QCoreApplication::applicationDirPath();
    const QString build = QDir(dir).absoluteFilePath(QStringLiteral(".."));
    // A program folder with a school year already stored, so that nothing is asked.
    QTemporaryDir pf;
    QFile::copy(build + QStringLiteral("/quaderlo"), pf.filePath(QStringLiteral("quaderlo")));
    QFile year(pf.filePath(QStringLiteral("Anno.dat")));
    if (year.open(QIODevice::WriteOnly))
        year.write("2026/2027\r\n");
    year.close();
    const int runs = 15;
    const double menu = median(pf.filePath(QStringLiteral("quaderlo")), pf.path(), runs);
    const double bare = median(dir + QStringLiteral("/bench_bare_window"), pf.path(), runs);
    std::printf("start-up to main menu shown: %.1f ms (median of %d)\n", menu, runs);
    std::printf("bare Qt window with one button: %.1f ms (median of %d)\n", bare, runs);
    return menu < 0 || bare < 0;
}
