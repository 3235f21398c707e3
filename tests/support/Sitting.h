#pragma once

#include "exam/ExamState.h"
#include "exam/handlers/Exam.h"
#include "screen/FlatButton.h"
#include "screen/FormProvimi.h"
#include "screen/PictureBox.h"
#include "screen/TextLabel.h"
#include "support/Grab.h"
#include "support/Grid.h"
#include "support/ScriptedDialogs.h"

#include <QDate>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include <optional>

// One sitting on the live window with its seams fixed: a known seed, a known date, scripted
// message boxes, and the program's end recorded instead of performed.
struct Sitting
{
    FormProvimi window;
    ScriptedDialogs dialogs;
    Exam exam;
    std::optional<int> exitCode;

    explicit Sitting(
        float seed = 31415.5f, bool show = true, double zoom = 1, SittingSetup setup = {})
        : window(zoom)
        , exam(window, dialogs, seed, QDate(2026, 12, 7))
    {
        QObject::connect(&exam, &Exam::finished, [this](int code) { exitCode = code; });
        exam.setSitting(std::move(setup));
        exam.Form_Load();
        if (show) {
            window.showCoveringScreen();
            (void)QTest::qWaitForWindowExposed(&window);
        }
        // The hidden panel stands, as a moment after the first frame: no check sees it arrive.
        window.bankPanel();
    }

    const ExamState &s() const { return exam.state(); }

    // Everything the candidate can see change (not keyboard focus).
    QList<QVariant> view() const
    {
        QList<QVariant> v;
        for (QWidget *w : window.findChildren<QWidget *>()) {
            v << w->objectName() << w->geometry() << w->isHidden() << w->isEnabled();
            if (auto *b = qobject_cast<FlatButton *>(w))
                v << b->text() << b->backColor() << b->tag() << b->fontSize();
            if (auto *l = qobject_cast<QLabel *>(w))
                v << l->text() << l->palette().color(QPalette::WindowText);
        }
        v << window.surface().image();
        return v;
    }
    FlatButton *question(int k) { return window.CmdZgjidhPyetjen(k); }
    FlatButton *answerButton(int j) { return window.CmdAlternativa(j); }
    QString clock() const { return window.LblMin->caption() + window.LblSek->caption(); }
    void setClock(const QString &min, const QString &seconds)
    {
        window.LblMin->setCaption(min);
        window.LblSek->setCaption(seconds);
    }

    // A click as the candidate makes it: only on a control that is shown and enabled.
    static bool click(FlatButton *b)
    {
        if (b->isHidden() || !b->isEnabled())
            return false;
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(b->width() / 2, b->height() / 2));
        return true;
    }
    void mark(int k, int j)
    {
        click(question(k));
        click(answerButton(j));
    }
    // The exam closed by the candidate: the leave alternative confirmed, the end request: Yes.
    void close()
    {
        dialogs.answers = { QMessageBox::Yes };
        click(answerButton(0));
        click(window.CmdKonfirmoj);
    }

    // The paper position of question q, and the letter of a right and a wrong answer at k.
    int positionOf(int q) const
    {
        for (int k = 1; k <= 50; ++k)
            if (s().Teza(k) == q)
                return k;
        return 0;
    }
    QString correctLetter(int k) const { return s().PergjigjaESakte(s().Teza(k)); }
    QString wrongLetter(int k) const { return QString(correctLetter(k)[0] == u'A' ? u'B' : u'A'); }

    // What the drawing surface shows inside r with only these lines printed, over black.
    static QImage printedAlone(QRect r, QPointF from, double points, const QStringList &lines,
        const QColor &colour = Qt::white)
    {
        QWidget owner;
        DrawingSurface d(&owner);
        d.reserve(r);
        d.setFontSize(points);
        d.setForeColor(colour);
        d.setCurrentY(from.y());
        for (const QString &line : lines) {
            d.setCurrentX(from.x());
            d.print(line);
            d.endLine();
        }
        return d.image().copy(r.translated(-d.area().topLeft()));
    }

    // What is wrong with the closing screen, or nothing; a shown window is written as <name>.png.
    QString closingFault(const QString &percentage, const QString &name)
    {
        using namespace Qt::StringLiterals;
        if (exam.phase() != Phase::Closed || s().ProvimiPerfundoi() != FlagYes
            || window.Timer1->isActive())
            return u"not closed, or the clock still runs"_s;
        QList<QWidget *> gone { window.CmdKonfirmoj, window.LblZgjidhniPyTj, window.LblNjoftim,
            window.PicPyG(31), window.PicPyG(32) };
        for (int j = 0; j <= 5; ++j)
            gone << answerButton(j) << window.LblGermaEAlt(j);
        for (QWidget *w : gone)
            if (!w->isHidden())
                return w->objectName() + u" shown over the result"_s;
        if (window.CmdEND->isHidden() || window.LblRezNePerqindje->isHidden()
            || window.LblRezNePerqindje->caption() != percentage)
            return u"percentage \"%1\""_s.arg(window.LblRezNePerqindje->caption());
        for (int i = 1; i <= 50; ++i)
            if (question(i)->pos() != gridPlace(i) + QPoint(5, 5))
                return u"button %1 misplaced"_s.arg(i);
        if (!window.isVisible()) // a window never shown paints a smaller area
            return {};
        const QImage img = grabToPng(&window, name);
        const QRect headings(0, 135, 620, 50); // clear of the desk number's disc
        if (img.copy(headings)
            != printedAlone(headings, { 0, 135 }, 14,
                { u"          Përgjigjet e dhëna nga ju (ballafaqimi me përgjigjet e sakta)"_s,
                    u"               pikët e grumbulluara dhe vlerësimi pozitiv në %:"_s }))
            return u"the headings"_s;
        for (int i = 1; i <= 50; ++i) {
            const QRect box(question(i)->pos() - QPoint(15, 15), QSize(15, 15));
            if (img.copy(box) != printedAlone(box, box.topLeft(), 10, { u" %1 "_s.arg(i) }))
                return u"the number box of button %1"_s.arg(i);
        }
        return {};
    }
};
