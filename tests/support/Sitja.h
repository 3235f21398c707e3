#pragma once

#include "ExamState.h"
#include "FlatButton.h"
#include "FormProvimi.h"
#include "Provimi.h"
#include "ScriptedDialogs.h"

#include <QDate>
#include <QLabel>
#include <QTest>

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
    static int indeksiI(const QString &germa) { return germa[0].unicode() - 'A' + 1; }
};
