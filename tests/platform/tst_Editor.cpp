#include "TestSupport.h"

#include "platform/Editor.h"

class TestEditor : public QObject
{
    Q_OBJECT
private slots:
    // The first text editor on PATH is started without a document; none found, or one that cannot start, is told.
    void startedOrTold()
    {
        const struct { QByteArray programma; const char *motivo; } righe[] = {
            {"#!/bin/sh\necho \"$#\" > \"$0.avviato\"\n", ""}, {"", "Non è installato nessun editor di testo."},
            {"\x7f" "ELF guasto", "Non è stato possibile avviare l'editor di testo (%1)."}};
        for (const auto &r : righe) {
            QTemporaryDir bin;
            const QString editor = bin.filePath(QStringLiteral("mousepad"));
            QFile f(editor);
            QVERIFY(r.programma.isEmpty() || (f.open(QIODevice::WriteOnly) && f.write(r.programma) > 0));
            f.close();
            f.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
            const QByteArray path = qgetenv("PATH");
            qputenv("PATH", bin.path().toLocal8Bit());
            QString why;
            const bool avviato = Editor::apriEditorTesti(&why);
            qputenv("PATH", path);
            QCOMPARE(why, QString::fromUtf8(r.motivo).replace(QLatin1String("%1"), editor));
            QCOMPARE(avviato, !*r.motivo);
            if (avviato)
                QTRY_COMPARE(readFile(editor + QStringLiteral(".avviato")), "0\n");
        }
    }
};

QUADERLO_TEST_MAIN(TestEditor)
#include "tst_Editor.moc"
