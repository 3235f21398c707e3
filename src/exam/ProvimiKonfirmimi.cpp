// Confirming the marked alternative: the end request, the warnings, and the flight of the
// chosen answer onto its question button.

#include "Provimi.h"

#include "Dialogs.h"
#include "ExamState.h"
#include "FlatButton.h"
#include "FormProvimi.h"
#include "Koordinatat.h"
#include "PictureBox.h"
#include "Tekstet.h"
#include "TextLabel.h"

#include <QCoreApplication>

using Koordinatat::nePiksel;

void Provimi::CmdKonfirmoj_Click()
{
    // A press during the flight would start a second flight inside the first.
    if (m_neFluturim)
        return;

    if (s.GermaEZgjedhur == QLatin1String("0")) {
        const auto pergjigja = m_dialogs.pyet(&m_f, Tekstet::TitulliKujdes,
            Tekstet::PyetjaPerfundimit, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
        if (pergjigja == QMessageBox::Yes) {
            s.ProvimiPerfundoi = Po;
            PerfundoProvimin(); // does nothing when time ran out while the box was open
        }
        return;
    }
    if (s.PyetjaEHapur == 0)
        return;
    if (m_f.CmdZgjidhPyetjen(s.PyetjaEHapur)->isHidden())
        return;
    if (s.GermaEZgjedhur.isEmpty()) {
        m_dialogs.pyet(&m_f, m_f.LblEmriMbiemri->caption(), Tekstet::JepniPergjigjen,
            QMessageBox::Ok, QMessageBox::Ok);
        return;
    }
    fluturo(s.AlternativaEZgjedhur, s.PyetjaEHapur);
}

void Provimi::fluturo(int k, int i)
{
    m_neFluturim = true;
    BllokoButonat();
    QCoreApplication::processEvents();

    FlatButton *a = m_f.CmdAlternativa(k);
    FlatButton *pyetja = m_f.CmdZgjidhPyetjen(i);
    const double L0 = a->x(), T0 = a->y(), W0 = a->width(), H0 = a->height(), F0 = a->fontSize();
    const double L1 = pyetja->x(), T1 = pyetja->y(), W1 = pyetja->width(), H1 = pyetja->height();
    const double F1 = FontiIMberritjes;
    const double N = NdarjetEFluturimit;
    const double dL = (L1 - L0) / N, dT = (T1 - T0) / N, dW = (W1 - W0) / N, dH = (H1 - H0) / N,
                 dF = (F1 - F0) / N;
    a->raise();
    for (int hapi = 1; hapi < NdarjetEFluturimit; ++hapi) {
        // When time runs out in flight the answer was still given in time: it lands at once.
        if (m_mbylljaPasFluturimit)
            break;
        const float l = static_cast<float>(L0 + dL * hapi);
        const float t = static_cast<float>(T0 + dT * hapi);
        const float w = static_cast<float>(W0 + dW * hapi);
        const float h = static_cast<float>(H0 + dH * hapi);
        const float f = static_cast<float>(F0 + dF * hapi);
        a->setGeometry(nePiksel(l), nePiksel(t), nePiksel(w), nePiksel(h));
        a->setFontSize(f);
        if (pasHapitTeFluturimit)
            pasHapitTeFluturimit(hapi);
        QCoreApplication::processEvents();
    }

    pyetja->setText(m_f.LblGermaEAlt(k)->caption().left(1));
    m_f.ImgPyetjaX->hide();
    a->hide();
    RivendosPozicionetAlt();
    a->show();
    m_f.LblZgjidhniPyTj->show();
    m_f.LblNjoftim->hide();
    m_f.PicPyG(31)->hide();
    m_f.PicPyG(32)->hide();
    for (int j = 1; j <= ExamState::AlternativaTeShumta; ++j)
        m_f.CmdAlternativa(j)->setText(QString());
    s.PyetjaEHapur = 0;
    ZhbllokoButonat();
    m_neFluturim = false;

    if (m_mbylljaPasFluturimit) {
        m_mbylljaPasFluturimit = false;
        PerfundoProvimin();
    }
}

void Provimi::BllokoButonat()
{
    for (int b = 1; b <= 50; ++b)
        m_f.CmdZgjidhPyetjen(b)->setEnabled(false);
    for (int j = 1; j <= ExamState::AlternativaTeShumta; ++j)
        m_f.CmdAlternativa(j)->setEnabled(false);
}

void Provimi::ZhbllokoButonat()
{
    for (int b = 1; b <= 50; ++b)
        m_f.CmdZgjidhPyetjen(b)->setEnabled(true);
    for (int j = 1; j <= ExamState::AlternativaTeShumta; ++j)
        m_f.CmdAlternativa(j)->setEnabled(true);
}

void Provimi::RivendosPozicionetAlt()
{
    for (int j = 1; j <= ExamState::AlternativaTeShumta; ++j)
        m_f.CmdAlternativa(j)->setGeometry(nePiksel(s.AltLeft(j)), nePiksel(s.AltTop(j)),
            nePiksel(s.AltWidth(j)), nePiksel(s.AltHeight(j)));
}
