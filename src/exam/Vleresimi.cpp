#include "Vleresimi.h"

#include "TekstNumer.h"
#include "Tekstet.h"

#include <cmath>
#include <limits>
#include <stdexcept>

using TekstNumer::formaENumrit;
using TekstNumer::tekstDecimal;
using TekstNumer::vleraNumerike;

Vleresimi llogaritVleresimin(
    const ExamState &s, const std::function<QString(int k)> &titulliIButonit)
{
    Vleresimi v;
    int maksimale = 0;
    for (int i = 1; i <= s.NrPyetjeve; ++i) {
        const QString c = titulliIButonit(i);
        const int q = s.Teza(i);
        if (vleraNumerike(c) == 0) {
            v.PergjigjetEDhena(i) = c;
            if (s.PergjigjaESakte(q) == v.PergjigjetEDhena(i)) {
                v.PiketEFituara(i) = tekstDecimal(s.PikePozitive(q));
                v.PiketEGrumbulluara += vleraNumerike(v.PiketEFituara(i));
            }
        } else {
            v.PergjigjetEDhena(i) = QStringLiteral("_");
        }
        maksimale += s.PikePozitive(q);
        if (maksimale > std::numeric_limits<std::int16_t>::max())
            throw std::overflow_error("the paper is worth more points than the score can hold");
    }
    v.PiketMaksimale = static_cast<std::int16_t>(maksimale);
    return v;
}

double perqindja(double piket, std::int16_t maksimale)
{
    if (maksimale == 0)
        return 0;
    volatile double heresi = piket / maksimale; // each step rounded to double on its own
    volatile double shumezimi = heresi * 10000;
    return std::floor(shumezimi) / 100;
}

QString tekstiIPerqindjes(double p, QChar ndaresi)
{
    return tekstDecimal(p, ndaresi) + QLatin1Char('%');
}

std::vector<RreshtiIListes> listaERezultatit(const ExamState &s, QChar ndaresi)
{
    std::vector<RreshtiIListes> lista;
    const int gjysma = s.NrPyetjeve / 2;
    for (int i = 1; i <= s.NrPyetjeve; ++i) {
        const bool majtas = i <= gjysma;
        const int q = s.Teza(i);
        const double piket = vleraNumerike(s.PiketEFituara(i));
        RreshtiIListes r;
        r.k = i;
        r.x = majtas ? Kolona1X : Kolona2X;
        r.copat.push_back({ QStringLiteral("Nr. "), Ngjyrat::Bardhe, {} });
        r.copat.push_back({ formaENumrit(i, ndaresi), Ngjyrat::Bardhe, {} });
        r.copat.push_back({ s.PergjigjetEDhena(i), Ngjyrat::Verdhe, {} });
        r.copat.push_back(
            { QStringLiteral("  (P ") + tekstDecimal(q) + QLatin1Char(' '), Ngjyrat::Bardhe, {} });
        const Ngjyra eSakta = s.PiketEFituara(i).isEmpty()
            ? Ngjyrat::Bardhe
            : ngjyraOseZeze(s.NgjyraPikeve(static_cast<int>(piket)));
        r.copat.push_back({ s.PergjigjaESakte(q), eSakta, {} });
        r.copat.push_back({ QStringLiteral(")  "), Ngjyrat::Bardhe, {} });
        if (piket > 0)
            r.copat.push_back({ s.PiketEFituara(i) + Tekstet::Pike, Ngjyrat::Bardhe,
                majtas ? Kolona1PiketX : Kolona2PiketX });
        lista.push_back(std::move(r));
    }
    return lista;
}
