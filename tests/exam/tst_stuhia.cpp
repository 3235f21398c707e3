// A storm of random events at the live window, for many seeds: clicks on every button (shown
// or not, enabled or not), confirms, the leave alternative, ticks, answers to any message box,
// close requests, and events arriving in the middle of a flight or under an open box. After
// every event the exam's invariants are checked against what the storm itself saw confirmed.
// A failure names the seed and the event, so it can be replayed.

#include "DrawingSurface.h"
#include "FlatButton.h"
#include "Sitja.h"
#include "TekstNumer.h"
#include "TextLabel.h"
#include "Vleresimi.h"

#include <QRandomGenerator>
#include <QTest>
#include <QTimer>

#include <array>
#include <cmath>

class TestStuhia final : public QObject
{
    Q_OBJECT

private slots:
    void stuhia();
};

namespace {

constexpr long NgjarjeGjithsej = 100000;
constexpr int NgjarjePerFare = 3000;

struct Stuhia
{
    Sitja &t;
    quint32 fara;
    QRandomGenerator rng { fara };
    std::array<QString, 51> konfirmuar {}; // what the storm saw fly onto each button
    long ngjarje = 0;
    QString fundit; // the last event, for the failure message
    QString gabimi; // the first broken invariant
    int sekondatPara = 3600;
    bool mbyllurPara = false;
    QImage siperfaqjaPasMbylljes;
    QList<QPoint> vendetPasMbylljes;
    bool doli = false;
    int fluturime = 0;
    int kuti = 0;
    int brenda = 0; // events fired from inside a flight or a box

    Stuhia(Sitja &sitja, quint32 f)
        : t(sitja)
        , fara(f)
    { }

    void deshtoi(const QString &c)
    {
        if (gabimi.isEmpty())
            gabimi
                = QString::asprintf("seed %u, event %ld (%s): ", fara, ngjarje, qPrintable(fundit))
                + c;
    }

    int sekondat()
    {
        return static_cast<int>(TekstNumer::vleraNumerike(t.forma.LblMin->caption())) * 60
            + static_cast<int>(TekstNumer::vleraNumerike(t.forma.LblSek->caption()));
    }

    void tik()
    {
        // The timer ticks only while it runs.
        if (t.forma.Timer1->isActive())
            t.provimi.Timer1_Timer();
    }

    void klikoNjeButon(FlatButton *b)
    {
        fundit = QStringLiteral("click %1").arg(b->objectName());
        const bool mund = !b->isHidden() && b->isEnabled();
        const auto para = gjurma();
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(b->width() / 2, b->height() / 2));
        if (!mund && !doli && gjurma() != para)
            deshtoi(QStringLiteral("a hidden or disabled control reacted"));
    }

    void njeNgjarje()
    {
        // Weighted so that a sitting runs for a while before it is closed and left.
        const quint32 r = rng.bounded(1000);
        if (r < 300) {
            klikoNjeButon(t.pyetja(static_cast<int>(rng.bounded(51))));
        } else if (r < 550) {
            klikoNjeButon(t.alt(1 + static_cast<int>(rng.bounded(5))));
        } else if (r < 570) {
            klikoNjeButon(t.alt(0));
        } else if (r < 720) {
            klikoNjeButon(t.forma.CmdKonfirmoj);
        } else if (r < 730) {
            klikoNjeButon(t.forma.CmdEND);
        } else if (r < 980) {
            fundit = QStringLiteral("tick");
            tik();
        } else {
            fundit = QStringLiteral("close request");
            const bool mbyll = t.forma.close();
            if (mbyll != t.provimi.mbyllja())
                deshtoi(QStringLiteral(
                    "the window closed while the exam ran, or refused to close after it"));
        }
        if (t.kodiIDaljes)
            doli = true;
    }

    // What a click on a control that cannot be used must leave exactly as it was.
    QList<QVariant> gjurma() const
    {
        QList<QVariant> g;
        for (int i = 0; i <= 50; ++i) {
            FlatButton *b = t.forma.CmdZgjidhPyetjen(i);
            g << b->text() << b->backColor() << b->pos() << b->tag() << b->isHidden();
        }
        for (int j = 0; j <= 5; ++j)
            g << t.forma.CmdAlternativa(j)->backColor() << t.forma.CmdAlternativa(j)->text();
        const ExamState &s = t.forma.gjendja();
        g << s.PyetjaEHapur << s.GermaEZgjedhur << s.AlternativaEZgjedhur << s.ProvimiPerfundoi
          << t.forma.LblNjoftim->caption() << t.forma.LblRezNePerqindje->isHidden();
        return g;
    }

    void kontrollo()
    {
        const ExamState &s = t.forma.gjendja();
        // Captions: the position number or a letter that names an alternative of its question.
        for (int k = 1; k <= 50; ++k) {
            const QString c = t.pyetja(k)->text();
            const int n = s.NrAlternativave(s.Teza(k));
            const bool numri = c == QString::number(k);
            const bool germa
                = c.size() == 1 && c[0] >= QLatin1Char('A') && c[0].unicode() < 'A' + n;
            if (!numri && !germa)
                return deshtoi(QStringLiteral("button %1 reads \"%2\"").arg(k).arg(c));
            // The answers are exactly the confirmed ones, last one winning; the answer in flight
            // lands when its flight ends.
            const bool neAjer = t.provimi.neFluturim() && k == s.PyetjaEHapur;
            const QString pritur = konfirmuar[k].isEmpty() ? QString::number(k) : konfirmuar[k];
            if (!neAjer && c != pritur)
                return deshtoi(QStringLiteral("button %1 reads \"%2\", confirmed \"%3\"")
                                   .arg(k)
                                   .arg(c, pritur));
        }
        // The clock never goes up and never skips.
        const int sek = sekondat();
        if (sek > sekondatPara || sek < sekondatPara - 1)
            return deshtoi(QStringLiteral("clock went from %1 to %2 s").arg(sekondatPara).arg(sek));
        if (!t.forma.Timer1->isActive() && sek != sekondatPara && !t.provimi.mbyllja())
            return deshtoi(QStringLiteral("clock moved while stopped"));
        sekondatPara = sek;

        if (t.provimi.mbyllja() && !mbyllurPara) {
            mbyllurPara = true;
            if (s.ProvimiPerfundoi != Po)
                return deshtoi(QStringLiteral("closed without ProvimiPerfundoi"));
            // The score from the storm's own record of what was confirmed.
            double piket = 0;
            for (int k = 1; k <= 50; ++k)
                if (konfirmuar[k] == s.PergjigjaESakte(s.Teza(k)))
                    piket += s.PikePozitive(s.Teza(k));
            if (s.PiketEGrumbulluara != piket || s.PiketMaksimale != 99)
                return deshtoi(QString::asprintf("score %g of %d, expected %g of 99",
                    s.PiketEGrumbulluara, int(s.PiketMaksimale), piket));
            const QString p
                = TekstNumer::tekstDecimal(std::floor(piket / 99 * 10000) / 100) + QLatin1Char('%');
            const QString teksti = t.forma.LblRezNePerqindje->caption();
            if (teksti != p || t.forma.LblRezNePerqindje->isHidden())
                return deshtoi(QStringLiteral("percentage %1, expected %2").arg(teksti, p));
            for (int j = 0; j <= 5; ++j)
                if (!t.alt(j)->isHidden())
                    return deshtoi(QStringLiteral("answer button %1 shown over the result").arg(j));
            if (!t.forma.LblZgjidhniPyTj->isHidden() || !t.forma.CmdKonfirmoj->isHidden())
                return deshtoi(
                    QStringLiteral("the flight's notice or the confirm button over the result"));
            siperfaqjaPasMbylljes = t.forma.siperfaqja().image();
            for (int k = 1; k <= 50; ++k)
                vendetPasMbylljes << t.pyetja(k)->pos();
        } else if (mbyllurPara) {
            // After the closing nothing but the leave button changes anything.
            if (t.forma.siperfaqja().image() != siperfaqjaPasMbylljes)
                return deshtoi(QStringLiteral("the result was drawn over"));
            for (int k = 1; k <= 50; ++k)
                if (t.pyetja(k)->pos() != vendetPasMbylljes[k - 1])
                    return deshtoi(QStringLiteral("button %1 moved after the closing").arg(k));
            if (t.forma.Timer1->isActive())
                return deshtoi(QStringLiteral("timer runs after the closing"));
        }
    }
};

} // namespace

void TestStuhia::stuhia()
{
    long gjithsej = 0;
    int fluturime = 0, kuti = 0, brenda = 0, mbyllje = 0, dalje = 0;
    quint32 farat = 0;
    for (quint32 fara = 1; gjithsej < NgjarjeGjithsej; ++fara, ++farat) {
        Sitja t(static_cast<float>(fara) * 97.25f, false);
        // The storm alone makes the clock tick: the real timer, once started, would also fire
        // whenever a flight or a box lets events run, and two ticks would land in one event.
        t.forma.Timer1->setInterval(24 * 3600 * 1000);
        t.provimi.Form_Activate();
        Stuhia st(t, fara);
        // Every third sitting is short, so time-outs happen too: in flights, under boxes.
        if (fara % 3 == 0) {
            st.sekondatPara = 5 + static_cast<int>(st.rng.bounded(60));
            t.vendosOren(QStringLiteral("0:"), QString::asprintf("%02d", st.sekondatPara));
        }
        t.provimi.pasHapitTeFluturimit = [&](int hapi) {
            if (hapi == 1) {
                ++st.fluturime;
                const ExamState &s = t.forma.gjendja();
                const QString germa = QString(QChar('A' + s.AlternativaEZgjedhur - 1));
                if (s.AlternativaEZgjedhur < 1 || s.GermaEZgjedhur != germa)
                    st.deshtoi(QString::asprintf("flight of answer button %d with letter \"%s\"",
                        s.AlternativaEZgjedhur, qPrintable(s.GermaEZgjedhur)));
                st.konfirmuar[s.PyetjaEHapur] = germa;
            }
            if (st.rng.bounded(100) < 4) {
                ++st.brenda;
                ++st.ngjarje;
                st.njeNgjarje();
                st.kontrollo();
            }
        };
        t.dialogs.during = [&] {
            ++st.kuti;
            // Under a modal box only the timer reaches the exam.
            const int n = static_cast<int>(st.rng.bounded(4));
            for (int i = 0; i < n; ++i) {
                ++st.brenda;
                ++st.ngjarje;
                st.fundit = QStringLiteral("tick under a message box");
                st.tik();
                st.kontrollo();
            }
            t.dialogs.pergjigjet
                = { st.rng.bounded(100) < 15 ? QMessageBox::Yes : QMessageBox::No };
        };
        for (int e = 0; e < NgjarjePerFare && !st.doli && st.gabimi.isEmpty(); ++e) {
            ++st.ngjarje;
            st.njeNgjarje();
            st.kontrollo();
        }
        QVERIFY2(st.gabimi.isEmpty(), qPrintable(st.gabimi));
        gjithsej += st.ngjarje;
        fluturime += st.fluturime;
        kuti += st.kuti;
        brenda += st.brenda;
        mbyllje += t.provimi.mbyllja();
        dalje += st.doli;
        if (st.doli)
            QCOMPARE(t.kodiIDaljes, std::optional<int>(0));
    }
    qInfo("storm: %ld events over %u seeds; %d flights, %d message boxes, %d events from inside a "
          "flight or box; %d sittings closed, %d ended by the leave button or a close",
        gjithsej, farat, fluturime, kuti, brenda, mbyllje, dalje);
    QVERIFY(gjithsej >= 100000);
    QVERIFY(fluturime > 100 && kuti > 20 && mbyllje > 10);
}

QTEST_MAIN(TestStuhia)
#include "tst_stuhia.moc"
