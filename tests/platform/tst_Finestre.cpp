#include "TestSupport.h"

#include "platform/EventiFuoco.h"
#include "platform/Form.h"
#include "platform/Ui.h"

#include <QFrame>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>

namespace {
// A window of the program's kind: controls in a frame kept centred, a border frame beneath.
class Prova : public Form
{
public:
    explicit Prova(const QSize &size) : Form(QStringLiteral("frmProva"))
    {
        resize(size);
        auto *bordo = Ui::frame(this, QStringLiteral("Frame2"), QRect(0, 0, size.width() - 20, size.height() - 20));
        auto *frame = Ui::frame(this, QStringLiteral("Frame1"), QRect(0, 0, size.width() - 40, size.height() - 40));
        pulsante = Ui::button(frame, QStringLiteral("cmdFondo"), QStringLiteral("In fondo"));
        pulsante->setGeometry(frame->width() - 110, frame->height() - 40, 100, 30);
        setCentredFrames({frame, bordo});
        connect(pulsante, &QPushButton::clicked, this, [this] { ++premuto; });
    }
    QPushButton *pulsante;
    int premuto = 0;
};
} // namespace

class TestFinestre : public QObject
{
    Q_OBJECT
private slots:
    void focusReasons()
    {
        // A new focus: not the window coming back nor a list closing. The teacher's: mouse or keyboard.
        const struct {
            Qt::FocusReason reason;
            bool nuovo, dallUtente;
        } casi[] = {{Qt::MouseFocusReason, true, true},          {Qt::TabFocusReason, true, true},
                    {Qt::BacktabFocusReason, true, true},        {Qt::ShortcutFocusReason, true, true},
                    {Qt::OtherFocusReason, true, false},         {Qt::ActiveWindowFocusReason, false, false},
                    {Qt::PopupFocusReason, false, false},        {Qt::MenuBarFocusReason, true, false}};
        for (const auto &c : casi) {
            QCOMPARE(EventiFuoco::nuovo(c.reason), c.nuovo);
            QCOMPARE(EventiFuoco::dallUtente(c.reason), c.dallUtente);
        }
    }

    void aWindowOpensInsideTheFreeArea()
    {
        const QRect area(0, 30, 1366, 708); // a panel above
        QCOMPARE(Forms::placeInside(area, QSize(800, 600)), QRect(283, 84, 800, 600));
        QCOMPARE(Forms::placeInside(area, QSize(1366, 708)), area);
        QCOMPARE(Forms::placeInside(area, QSize(1400, 800)).topLeft(), area.topLeft());
    }

    // A window taller than the screen scrolls; its controls keep their places and take clicks; frames stay centred.
    void aLargerWindowScrollsFramesStayCentred()
    {
        ProgramFolder dir;
        const QRect free = QGuiApplication::primaryScreen()->availableGeometry();
        for (const QSize design : {QSize(900, 600), QSize(1200, 1000)}) {
            Prova w(design);
            w.show();
            QVERIFY(QTest::qWaitForWindowExposed(&w));
            QVERIFY(free.contains(w.geometry()));
            const bool scorre = design.height() > free.height();
            QCOMPARE(w.findChild<QScrollArea *>(QStringLiteral("scrollForm")) != nullptr, scorre);
            if (!scorre)
                QCOMPARE(w.size(), design);
            if (auto *area = w.findChild<QScrollArea *>(QStringLiteral("scrollForm")))
                area->ensureWidgetVisible(w.pulsante);
            clickAt(w.pulsante);
            QCOMPARE(w.premuto, 1);
            // The frame with the controls lies on top of its border.
            const QPoint centro = w.findChild<QFrame *>(QStringLiteral("Frame1"))->rect().center();
            QCOMPARE(w.childAt(w.findChild<QFrame *>(QStringLiteral("Frame1"))->mapTo(&w, centro))->objectName(),
                     QStringLiteral("Frame1"));
            // Whenever it changes size its frames are centred, cut off on every side when it is smaller.
            for (const int d : {100, -100}) {
                if (scorre)
                    break;
                w.resize(design + QSize(d, d));
                QTRY_COMPARE(w.findChild<QFrame *>(QStringLiteral("Frame1"))->pos(), QPoint(40 + d, 40 + d) / 2);
                QCOMPARE(w.findChild<QFrame *>(QStringLiteral("Frame2"))->pos(), QPoint(20 + d, 20 + d) / 2);
            }
        }
    }
};

QUADERLO_TEST_MAIN(TestFinestre)
#include "tst_Finestre.moc"
