// Scoring the paper from the captions of the question buttons, the percentage text, and the
// listing of given against correct answers as data before it is drawn.

#include "ExamState.h"
#include "FondiDemo.h"
#include "GjeneratoriRastesor.h"
#include "Teza.h"
#include "Vleresimi.h"

#include <QTest>

#include <map>

class TestVleresimi final : public QObject
{
    Q_OBJECT

private slots:
    void perqindja_data();
    void perqindja();
    void piketSipasTezes();
    void listaRreshtat();
};

namespace {
// A drawn paper with every caption still its number unless `pergjigjet` says otherwise.
struct Letra
{
    ExamState s;
    std::map<int, QString> pergjigjet;

    explicit Letra(float fara = 1234.5f)
    {
        MbushFondinDemo(s);
        GjeneratoriRastesor g(fara);
        hiqTezen(s, g);
        s.NrPyetjeve = 50;
        for (int p = 1; p <= 3; ++p)
            s.NgjyraPikeve(p) = Ngjyrat::ePikeve(p);
    }
    Vleresimi vlereso() const
    {
        return llogaritVleresimin(s, [this](int k) {
            const auto it = pergjigjet.find(k);
            return it == pergjigjet.end() ? QString::number(k) : it->second;
        });
    }
    // A position whose question is worth `pike` points.
    int pozicioniMe(int pike, int sa = 1) const
    {
        for (int k = 1; k <= 50; ++k)
            if (s.PikePozitive(s.Teza(k)) == pike && --sa == 0)
                return k;
        return 0;
    }
    QString gabim(int k) const { return s.PergjigjaESakte(s.Teza(k)) == "A" ? "B" : "A"; }
};
} // namespace

void TestVleresimi::perqindja_data()
{
    QTest::addColumn<double>("piket");
    QTest::addColumn<int>("maks");
    QTest::addColumn<QString>("teksti");
    QTest::newRow("66 of 99 truncated") << 66.0 << 99 << "66.66%";
    QTest::newRow("50 of 99") << 50.0 << 99 << "50.5%";
    QTest::newRow("1 of 99") << 1.0 << 99 << "1.01%";
    QTest::newRow("all") << 99.0 << 99 << "100%";
    QTest::newRow("none") << 0.0 << 99 << "0%";
    QTest::newRow("57 of 100 keeps the double rounding") << 57.0 << 100 << "56.99%";
    QTest::newRow("98 of 99") << 98.0 << 99 << "98.98%";
    QTest::newRow("paper worth nothing") << 0.0 << 0 << "0%";
}

void TestVleresimi::perqindja()
{
    QFETCH(double, piket);
    QFETCH(int, maks);
    QFETCH(QString, teksti);
    const double p = ::perqindja(piket, static_cast<std::int16_t>(maks));
    QCOMPARE(tekstiIPerqindjes(p, QLatin1Char('.')), teksti);
    QString mePresje = teksti;
    mePresje.replace('.', ',');
    QCOMPARE(tekstiIPerqindjes(p, QLatin1Char(',')), mePresje);
}

void TestVleresimi::piketSipasTezes()
{
    // A right answer earns the points of the question behind its button, Teza(k), not those of
    // question k; a wrong letter, a letter in lower case and no answer earn nothing.
    Letra l;
    int e2 = 0;
    for (int k = 1; k <= 50 && !e2; ++k)
        if (l.s.PikePozitive(l.s.Teza(k)) == 2 && l.s.PikePozitive(k) != 2)
            e2 = k;
    const int e3 = l.pozicioniMe(3), e1 = l.pozicioniMe(1);
    QVERIFY(e2 != 0);
    l.pergjigjet[e3] = l.gabim(e3);
    l.pergjigjet[e2] = l.s.PergjigjaESakte(l.s.Teza(e2));
    l.pergjigjet[e1] = QStringLiteral("a");
    const Vleresimi v = l.vlereso();
    QCOMPARE(v.PiketEGrumbulluara, 2.0);
    QCOMPARE(int(v.PiketMaksimale), 99);
    QCOMPARE(v.PiketEFituara(e2), QStringLiteral("2"));
    QCOMPARE(v.PergjigjetEDhena(e2), l.pergjigjet[e2]);
    QCOMPARE(v.PergjigjetEDhena(e3), l.gabim(e3));
    QCOMPARE(v.PiketEFituara(e3), QString());
    QCOMPARE(v.PergjigjetEDhena(e1), QStringLiteral("a"));
    QCOMPARE(v.PiketEFituara(e1), QString());
    for (int k = 1; k <= 50; ++k)
        if (k != e1 && k != e2 && k != e3)
            QCOMPARE(v.PergjigjetEDhena(k), QStringLiteral("_"));
    QCOMPARE(tekstiIPerqindjes(::perqindja(v.PiketEGrumbulluara, v.PiketMaksimale), '.'),
        QStringLiteral("2.02%"));
}

void TestVleresimi::listaRreshtat()
{
    Letra l;
    // Right in the left column, wrong in the right column, unanswered in both.
    const int djathtas = 30, majtas = 7;
    l.pergjigjet[majtas] = l.s.PergjigjaESakte(l.s.Teza(majtas));
    l.pergjigjet[djathtas] = l.gabim(djathtas);
    const Vleresimi v = l.vlereso();
    l.s.PergjigjetEDhena = v.PergjigjetEDhena;
    l.s.PiketEFituara = v.PiketEFituara;
    const auto lista = listaERezultatit(l.s, QLatin1Char('.'));
    QCOMPARE(lista.size(), std::size_t(50));
    // A row as printed, piece after piece: the given letter always yellow, the correct one in
    // its point colour only when it was given, and then the points in their own column.
    auto rreshti = [&](int k, const QString &dhena, std::optional<Ngjyra> ngjyra = {}) {
        const RreshtiIListes &r = lista[static_cast<std::size_t>(k - 1)];
        const int q = l.s.Teza(k);
        QString pritur = QStringLiteral("Nr.  %1 %2  (P %3 %4)  ")
                             .arg(k)
                             .arg(dhena)
                             .arg(q)
                             .arg(l.s.PergjigjaESakte(q));
        if (ngjyra)
            pritur += QStringLiteral("%1 pikë").arg(l.s.PikePozitive(q));
        QString teksti;
        for (const CopaEShtypur &c : r.copat)
            teksti += c.teksti;
        QCOMPARE(teksti, pritur);
        QCOMPARE(r.k, k);
        QCOMPARE(r.x, k <= 25 ? 100 : 350);
        QCOMPARE(r.copat.size(), std::size_t(ngjyra ? 7 : 6));
        for (std::size_t i = 0; i < r.copat.size(); ++i)
            QCOMPARE(r.copat[i].ngjyra,
                i == 2 ? Ngjyrat::Verdhe : (i == 4 && ngjyra ? *ngjyra : Ngjyrat::Bardhe));
        if (ngjyra)
            QCOMPARE(r.copat[6].x, std::optional<int>(k <= 25 ? 260 : 510));
    };
    const int q = l.s.Teza(majtas);
    rreshti(majtas, l.s.PergjigjaESakte(q), Ngjyrat::ePikeve(l.s.PikePozitive(q)));
    rreshti(djathtas, l.gabim(djathtas));
    for (int k : { 1, 25, 26, 50 })
        rreshti(k, QStringLiteral("_"));
}

QTEST_APPLESS_MAIN(TestVleresimi)
#include "tst_vleresimi.moc"
