#pragma once

#include "ExamState.h"
#include "FlatButton.h"
#include "FormProvimi.h"
#include "Grab.h"
#include "Provimi.h"
#include "ScriptedDialogs.h"
#include "TextLabel.h"

#include <QDate>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <optional>

// One sitting on the live window with its seams fixed: a known seed, a known date, scripted
// message boxes, and the program's end recorded instead of performed.
struct Sitja
{
    FormProvimi forma;
    ScriptedDialogs dialogs;
    Provimi provimi { forma, dialogs };
    std::optional<int> kodiIDaljes;

    explicit Sitja(float fara = 31415.5f, bool shfaq = true)
    {
        provimi.fara = [fara] { return fara; };
        provimi.dataESotme = [] { return QDate(2026, 12, 7); };
        provimi.perfundoProgramin = [this](int kodi) { kodiIDaljes = kodi; };
        provimi.Form_Load();
        if (shfaq) {
            forma.shfaqMaksimizuar();
            (void)QTest::qWaitForWindowExposed(&forma);
        }
        // The hidden panel stands, as it does a moment after the first frame, so that no
        // check of the screen sees it arrive.
        forma.paneli();
    }

    ExamState &s() { return forma.gjendja(); }

    // Everything the candidate can see change: each control's caption, colours, place and
    // visibility, and the drawing under them. (Keyboard focus moving with a click is not a
    // change of the exam.)
    QList<QVariant> pamja() const
    {
        QList<QVariant> v;
        for (QWidget *w : forma.findChildren<QWidget *>()) {
            v << w->objectName() << w->geometry() << w->isHidden() << w->isEnabled();
            if (auto *b = qobject_cast<FlatButton *>(w))
                v << b->text() << b->backColor() << b->tag() << b->fontSize();
            if (auto *l = qobject_cast<QLabel *>(w))
                v << l->text() << l->palette().color(QPalette::WindowText);
        }
        v << forma.siperfaqja().image();
        return v;
    }
    FlatButton *pyetja(int k) { return forma.CmdZgjidhPyetjen(k); }
    FlatButton *alt(int j) { return forma.CmdAlternativa(j); }
    QString ora() const { return forma.LblMin->caption() + forma.LblSek->caption(); }
    void vendosOren(const QString &min, const QString &sek)
    {
        forma.LblMin->setCaption(min);
        forma.LblSek->setCaption(sek);
    }
    // The exam closed as the end request closes it.
    void mbyll()
    {
        s().ProvimiPerfundoi = Po;
        provimi.PerfundoProvimin();
    }

    // A click as the candidate makes it: only on a control that is shown and enabled.
    static bool kliko(FlatButton *b)
    {
        if (b->isHidden() || !b->isEnabled())
            return false;
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(b->width() / 2, b->height() / 2));
        return true;
    }

    // The paper position of a question, and the letters of a right and a wrong answer to it.
    int pozicioniI(int q)
    {
        for (int k = 1; k <= 50; ++k)
            if (s().Teza(k) == q)
                return k;
        return 0;
    }
    QString eSakta(int k) { return s().PergjigjaESakte(s().Teza(k)); }
    QString eGabuar(int k) { return eSakta(k) == "A" ? "B" : "A"; }
    // Opens question k and marks alternative j.
    void shenjo(int k, int j)
    {
        kliko(pyetja(k));
        kliko(alt(j));
    }

    // The closing screen: the answer area gone, the percentage shown, and each question button
    // moved 5 right and 5 down from its grid place, with its number in white in a black
    // 15-pixel box touching its upper left corner. Returns the grab, also written as <emri>.png.
    QImage kontrolloMbylljen(const QString &perqindja, const QString &emri)
    {
        [&] {
            QVERIFY(provimi.mbyllja());
            QCOMPARE(s().ProvimiPerfundoi, Po);
            QVERIFY(!forma.Timer1->isActive());
            for (int j = 0; j <= 5; ++j)
                QVERIFY(alt(j)->isHidden() && forma.LblGermaEAlt(j)->isHidden());
            QVERIFY(forma.CmdKonfirmoj->isHidden() && forma.LblZgjidhniPyTj->isHidden());
            QVERIFY(forma.LblNjoftim->isHidden());
            QVERIFY(!forma.CmdEND->isHidden() && !forma.LblRezNePerqindje->isHidden());
            QCOMPARE(forma.LblRezNePerqindje->caption(), perqindja);
        }();
        const QImage img = grabToPng(&forma, emri);
        for (int i = 1; i <= 50; ++i) {
            const int c = (i - 1) % 5 + 1, r = (i - 1) / 5;
            const QPoint p = pyetja(i)->pos();
            [&] {
                QVERIFY(std::abs(p.x() - 5 - (730 + 1.5 * 33 * c)) <= 0.5);
                QVERIFY(std::abs(p.y() - 5 - (200 + 1.7 * 33 * r)) <= 0.5);
                int bardhe = 0;
                for (int y = p.y() - 15; y < p.y(); ++y)
                    for (int x = p.x() - 15; x < p.x(); ++x) {
                        const QColor n = img.pixelColor(x, y);
                        QVERIFY(n == Qt::black || n == Qt::white);
                        bardhe += n == Qt::white;
                    }
                QVERIFY2(bardhe > 5, qPrintable(QString::number(i)));
            }();
        }
        return img;
    }
};
