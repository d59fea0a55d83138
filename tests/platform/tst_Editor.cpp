#include "TestSupport.h"

#include "platform/Editor.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

// The text editor is looked for on PATH; a fake one records that it was started.
class TestEditor : public QObject
{
    Q_OBJECT
private slots:
    void startsTheFirstEditorFound()
    {
        QTemporaryDir bin;
        const QString segno = bin.filePath(QStringLiteral("avviato"));
        QFile script(bin.filePath(QStringLiteral("mousepad")));
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\necho \"$#\" > '" + segno.toUtf8() + "'\n");
        script.close();
        script.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", bin.path().toUtf8());
        QCOMPARE(Editor::comandoEditor(), QStringList{bin.filePath(QStringLiteral("mousepad"))});
        QString why;
        QVERIFY(Editor::apriEditorTesti(&why));
        qputenv("PATH", path);
        QTRY_VERIFY(QFileInfo(segno).size() > 0);
        QFile f(segno);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll().trimmed(), QByteArray("0")); // no document
    }

    void noEditorIsSaidPlainly()
    {
        QTemporaryDir vuota;
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", vuota.path().toUtf8());
        QString why;
        const bool avviato = Editor::apriEditorTesti(&why);
        qputenv("PATH", path);
        QVERIFY(!avviato);
        QCOMPARE(why, QStringLiteral("Non è installato nessun editor di testo."));
    }
};

QUADERLO_TEST_MAIN(TestEditor)
#include "tst_Editor.moc"
