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

    explicit Sitting(float seed = 31415.5f, bool show = true)
        : exam(window, dialogs, seed, QDate(2026, 12, 7))
    {
        QObject::connect(&exam, &Exam::finished, [this](int code) { exitCode = code; });
        exam.Form_Load();
        if (show) {
            window.showCoveringScreen();
            (void)QTest::qWaitForWindowExposed(&window);
        }
        // The hidden panel stands, as it does a moment after the first frame, so that no
        // check of the screen sees it arrive.
        window.bankPanel();
    }

    const ExamState &s() const { return exam.state(); }

    // Everything the candidate can see change: each control's caption, colours, place and
    // visibility, and the drawing under them. (Keyboard focus moving with a click is not a
    // change of the exam.)
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
    // Opens question k and marks alternative j.
    void mark(int k, int j)
    {
        click(question(k));
        click(answerButton(j));
    }
    // The exam closed by the candidate: the leave alternative confirmed, the end request
    // answered Yes.
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
    QString wrongLetter(int k) const
    {
        return correctLetter(k) == QLatin1String("A") ? QStringLiteral("B") : QStringLiteral("A");
    }

    // What the drawing surface shows inside r when only these lines are printed, one under
    // the other from `from`, at this size and colour over black.
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

    // What is wrong with the closing screen, or nothing: the answer area and the question
    // pictures gone, the percentage and the two headings shown, and each question button moved
    // 5 right and 5 down from its grid place, with its number printed in white in a black
    // 15-pixel box touching its upper left corner. A shown window is also written as <name>.png.
    QString closingFault(const QString &percentage, const QString &name)
    {
        if (!exam.isClosed() || s().ProvimiPerfundoi != FlagYes || window.Timer1->isActive())
            return QStringLiteral("not closed, or the clock still runs");
        for (QWidget *w : std::initializer_list<QWidget *> { window.CmdKonfirmoj,
                 window.LblZgjidhniPyTj, window.LblNjoftim, window.PicPyG(31), window.PicPyG(32) })
            if (!w->isHidden())
                return w->objectName() + QStringLiteral(" shown over the result");
        for (int j = 0; j <= 5; ++j)
            if (!answerButton(j)->isHidden() || !window.LblGermaEAlt(j)->isHidden())
                return QStringLiteral("alternative %1 shown over the result").arg(j);
        if (window.CmdEND->isHidden() || window.LblRezNePerqindje->isHidden()
            || window.LblRezNePerqindje->caption() != percentage)
            return QStringLiteral("percentage \"%1\"").arg(window.LblRezNePerqindje->caption());
        const bool shown = window.isVisible(); // a window never shown paints a smaller area
        const QImage img = shown ? grabToPng(&window, name) : QImage();
        const QRect headings(0, 135, 620, 50); // clear of the desk number's disc
        if (shown
            && img.copy(headings)
                != printedAlone(headings, { 0, 135 }, 14,
                    { QString(10, u' ')
                            + QStringLiteral(
                                "Përgjigjet e dhëna nga ju (ballafaqimi me përgjigjet e sakta)"),
                        QString(15, u' ')
                            + QStringLiteral("pikët e grumbulluara dhe vlerësimi pozitiv në %:") }))
            return QStringLiteral("the headings");
        for (int i = 1; i <= 50; ++i) {
            const QPoint p = question(i)->pos();
            if (p != gridPlace(i) + QPoint(5, 5))
                return QStringLiteral("button %1 at %2,%3").arg(i).arg(p.x()).arg(p.y());
            const QRect box(p - QPoint(15, 15), QSize(15, 15));
            if (shown
                && img.copy(box)
                    != printedAlone(box, box.topLeft(), 10, { QStringLiteral(" %1 ").arg(i) }))
                return QStringLiteral("the number box of button %1").arg(i);
        }
        return {};
    }
};
