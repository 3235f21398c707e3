#include "FormProvimi.h"

#include "FlatButton.h"
#include "Inventari.h"
#include "Koordinatat.h"
#include "LineControl.h"
#include "PaneliIFondit.h"
#include "PictureBox.h"
#include "TextLabel.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>

#include <utility>

using namespace Koordinatat;

namespace {

QString familja(Inventari::Familja f)
{
    switch (f) {
    case Inventari::Familja::ArialNarrow:
        return ArialNarrow;
    case Inventari::Familja::ArialRounded:
        return ArialRounded;
    case Inventari::Familja::Arial:
        break;
    }
    return Arial;
}

QString emriIKontrollit(const char *emri, int indeksi)
{
    const QString e = QString::fromLatin1(emri);
    return indeksi == Inventari::PaIndeks
        ? e
        : e + QLatin1Char('(') + QString::number(indeksi) + QLatin1Char(')');
}

Qt::Alignment drejtimi(Inventari::Drejtimi d)
{
    switch (d) {
    case Inventari::Drejtimi::Qender:
        return Qt::AlignHCenter;
    case Inventari::Drejtimi::Djathtas:
        return Qt::AlignRight;
    case Inventari::Drejtimi::Majtas:
        break;
    }
    return Qt::AlignLeft;
}

// A picture box showing one of the drawings in pictures/, or none for an empty name.
PictureBox *pikture(QWidget *prindi, const char *emri, QRect gjeometria, const char *drawing)
{
    auto *b = new PictureBox(prindi);
    b->setObjectName(QString::fromLatin1(emri));
    b->setGeometry(gjeometria);
    if (*drawing)
        b->setDrawing(
            QStringLiteral(":/pictures/") + QLatin1String(drawing) + QStringLiteral(".svg"));
    return b;
}

} // namespace

FormProvimi::FormProvimi(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
    , m_siperfaqja(this)
{
    setFont(fonti(Arial, FontiIDritares));
    setObjectName(QStringLiteral("FormProvimi"));
    setWindowTitle(QString());
    setAttribute(Qt::WA_OpaquePaintEvent);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    pal.setColor(QPalette::WindowText, Qt::white);
    setPalette(pal);
    resize(Inventari::DritarjaNeDizajn.size());
    ndertoKontrollet();
}

FormProvimi::~FormProvimi() = default;

void FormProvimi::ndertoKontrollet()
{
    // Creation order is stacking order: the line and the images lowest, then the labels, then
    // picture boxes and buttons over them; the desk number is a label, so it lies over the disc.
    Line1 = new LineControl(this, { -16, 80 }, { 616, 80 }, Qt::white);
    Line1->setObjectName(QStringLiteral("Line1"));
    Image2 = pikture(this, "Image2", { 624, 32, 158, 158 }, "disc");
    ImgFoto = pikture(this, "ImgFoto", { 832, 8, 93, 131 }, "portrait");
    ImgFoto->setStretch(true);

    for (const Inventari::Etiketa &e : Inventari::etiketat()) {
        auto *l = new TextLabel(this);
        l->setObjectName(emriIKontrollit(e.emri, e.indeksi));
        l->setGeometry(e.gjeometria);
        l->setCaptionFont(fonti(familja(e.fonti.familja), e.fonti.pike, e.fonti.bold,
                              e.fonti.italic, e.fonti.underline),
            e.fonti.pike);
        l->setCaption(QString::fromUtf8(e.titulli));
        l->setForeColor(qngjyra(e.ngjyra));
        l->setTransparent(!e.sfondi.has_value());
        l->setBackColor(qngjyra(e.sfondi.value_or(Ngjyrat::Zeze)));
        l->setCaptionAlignment(drejtimi(e.drejtimi));
        l->setBorder(e.kufi);
        l->setAutoSize(e.autoSize);
        l->setVisible(e.iDukshem);
        const QString emri = QString::fromLatin1(e.emri);
        if (emri == QLatin1String("LblGermaEAlt"))
            m_germat.at(static_cast<std::size_t>(e.indeksi)) = l;
        else if (emri == QLatin1String("LblNjoftim"))
            LblNjoftim = l;
        else if (emri == QLatin1String("LblZgjidhniPyTj"))
            LblZgjidhniPyTj = l;
        else if (emri == QLatin1String("LblData"))
            LblData = l;
        else if (emri == QLatin1String("LblMin"))
            LblMin = l;
        else if (emri == QLatin1String("LblSek"))
            LblSek = l;
        else if (emri == QLatin1String("LblQEV"))
            LblQEV = l;
        else if (emri == QLatin1String("LblEmertimIProvimit"))
            LblEmertimIProvimit = l;
        else if (emri == QLatin1String("LblTezaTavolinaTerminali"))
            LblTezaTavolinaTerminali = l;
        else if (emri == QLatin1String("LblEmriMbiemri"))
            LblEmriMbiemri = l;
        else if (emri == QLatin1String("LblRezNePerqindje"))
            LblRezNePerqindje = l;
    }

    Picture1 = pikture(this, "Picture1", { 0, 0, 247, 80 }, "logo");
    Picture1->setAutoSize(true);
    // The question pictures are drawn when first shown: most sittings start without them.
    m_picPyG31 = pikture(this, "PicPyG(31)", { 32, 160, 592, 265 }, "question-31");
    m_picPyG32 = pikture(this, "PicPyG(32)", { 112, 184, 428, 236 }, "question-32");
    for (PictureBox *p : { m_picPyG31, m_picPyG32 }) {
        p->setAutoSize(true);
        p->hide();
    }
    ImgPyetjaX = pikture(this, "ImgPyetjaX", { 160, 136, 368, 320 }, "");
    ImgPyetjaX->setBackColor(Qt::white);
    ImgPyetjaX->setBorder(true);
    ImgPyetjaX->hide();

    for (const Inventari::Butoni &b : Inventari::butonat()) {
        auto *c = new FlatButton(this);
        c->setObjectName(emriIKontrollit(b.emri, b.indeksi));
        c->setGeometry(b.gjeometria);
        c->setText(QString::fromUtf8(b.titulli));
        c->setBackColor(qngjyra(b.sfondi));
        c->setFontSize(b.fonti.pike == 0 ? FontiIDritares : b.fonti.pike);
        c->setVisible(b.iDukshem);
        const QString emri = QString::fromLatin1(b.emri);
        if (emri == QLatin1String("CmdZgjidhPyetjen"))
            m_pyetjet.at(static_cast<std::size_t>(b.indeksi)) = c;
        else if (emri == QLatin1String("CmdAlternativa"))
            m_alternativat.at(static_cast<std::size_t>(b.indeksi)) = c;
        else if (emri == QLatin1String("CmdKonfirmoj"))
            CmdKonfirmoj = c;
        else if (emri == QLatin1String("CmdEND"))
            CmdEND = c;
    }

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    Timer1->setTimerType(Qt::PreciseTimer);
}

void FormProvimi::ndertoPanelin()
{
    FrmAllFieldsFondiNeFokus = new QGroupBox(QStringLiteral("All Fields"), this);
    FrmAllFieldsFondiNeFokus->setObjectName(QStringLiteral("FrmAllFieldsFondiNeFokus"));
    FrmAllFieldsFondiNeFokus->setGeometry(832, 456, 489, 457);
    FrmAllFieldsFondiNeFokus->hide();
    FrmMonitorAllDBFields = new QGroupBox(QStringLiteral("DataBase (Monitorim / Editim) "), this);
    FrmMonitorAllDBFields->setObjectName(QStringLiteral("FrmMonitorAllDBFields"));
    FrmMonitorAllDBFields->setGeometry(800, 408, 537, 553);
    FrmMonitorAllDBFields->setFont(fonti(ArialNarrow, 9.75));
    FrmMonitorAllDBFields->setAutoFillBackground(true);
    QPalette pal = FrmMonitorAllDBFields->palette();
    pal.setColor(QPalette::Window, qngjyra(Ngjyrat::JeshilePaneli));
    pal.setColor(QPalette::WindowText, Qt::black);
    FrmMonitorAllDBFields->setPalette(pal);
    FrmMonitorAllDBFields->hide();
    m_paneli = new PaneliIFondit(FrmMonitorAllDBFields, FrmAllFieldsFondiNeFokus, this);
    for (const auto &f : std::exchange(m_pritjaEPanelit, {}))
        f(*m_paneli);
}

PaneliIFondit *FormProvimi::paneli()
{
    if (!m_paneli)
        ndertoPanelin();
    return m_paneli;
}

void FormProvimi::meTePaneli(std::function<void(PaneliIFondit &)> f)
{
    if (m_paneli)
        f(*m_paneli);
    else
        m_pritjaEPanelit.push_back(std::move(f));
}

PictureBox *FormProvimi::PicPyG(int i) const
{
    if (i == 31)
        return m_picPyG31;
    if (i == 32)
        return m_picPyG32;
    return nullptr;
}

void FormProvimi::shfaqMaksimizuar()
{
    if (QScreen *s = screen())
        setGeometry(s->geometry());
    showMaximized();
}

void FormProvimi::paintEvent(QPaintEvent *e)
{
    // Only the parts that changed: the bounding rectangle of two distant controls would cover
    // most of the window.
    QPainter p(this);
    for (const QRect &r : e->region()) {
        p.fillRect(r, Qt::black);
        m_siperfaqja.paint(p, r);
    }
    // The first frame is painted: the hidden panel follows when the event loop is free again.
    if (!m_paneli && !m_paneliIPlanifikuar) {
        m_paneliIPlanifikuar = true;
        QTimer::singleShot(0, this, [this] { paneli(); });
    }
}

void FormProvimi::closeEvent(QCloseEvent *e)
{
    if (lejoMbylljen && !lejoMbylljen()) {
        e->ignore();
        return;
    }
    e->accept();
}

void FormProvimi::showEvent(QShowEvent *e)
{
    QWidget::showEvent(e);
    emit aktivizuar();
}

bool FormProvimi::event(QEvent *e)
{
    if (e->type() == QEvent::WindowActivate)
        emit aktivizuar();
    return QWidget::event(e);
}
