#include "BankPanel.h"

#include "BoundPicture.h"

#include <QCheckBox>
#include <QDataWidgetMapper>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlRecord>
#include <QSqlTableModel>
#include <QToolButton>

#include <cmath>

namespace {

// The record of the question bank: every column once, in its table's order.
struct Kolona
{
    const char *emri;
    const char *lloji;
};

constexpr Kolona Kolonat[] = {
    { "NumerIDiPyetjes", "INTEGER PRIMARY KEY" },
    { "FashikulliGrupPyetjesh", "TEXT" },
    { "NrIPyetjesNeFashikull", "INTEGER" },
    { "Veshtiresia", "TEXT" },
    { "PergjigjaESakte", "TEXT" },
    { "PikePozitive", "INTEGER" },
    { "PikeNegative", "INTEGER" },
    { "StrukturaEPyetjes", "TEXT" },
    { "ImazhTekstIPyetes", "TEXT" },
    { "ImazhGrafikIPyetes", "BLOB" },
    { "AlternativaATekst", "TEXT" },
    { "AlternativaBTekst", "TEXT" },
    { "AlternativaCTekst", "TEXT" },
    { "AlternativaDTekst", "TEXT" },
    { "AlternativaETekst", "TEXT" },
    { "AlternativaAGrafik", "BLOB" },
    { "AlternativaBGrafik", "BLOB" },
    { "AlternativaCGrafik", "BLOB" },
    { "AlternativaDGrafik", "BLOB" },
    { "AlternativaEGrafik", "BLOB" },
    { "FondSizeP", "INTEGER" },
    { "FondSizeAlt", "INTEGER" },
    { "Koduar", "TEXT" },
};

const QString Narrow = QStringLiteral("Liberation Sans Narrow");
const QString Arial = QStringLiteral("Liberation Sans");
const QColor Magenta(255, 0, 255);
const QColor JeshileEHapur(128, 255, 128);

QFont fonti(const QString &familja, double pike)
{
    QFont f(familja);
    f.setPixelSize(static_cast<int>(std::floor(pike * 4 / 3 + 0.5)));
    return f;
}

template<typename W>
W *kontroll(QWidget *prindi, const QString &emri, QRect vendi)
{
    auto *w = new W(prindi);
    w->setObjectName(emri);
    w->setGeometry(vendi);
    return w;
}

QLabel *etikete(QWidget *prindi, const QString &emri, const QString &teksti, QRect vendi)
{
    auto *l = kontroll<QLabel>(prindi, emri, vendi);
    l->setText(teksti);
    return l;
}

void ngjyra(QWidget *w, QPalette::ColorRole roli, const QColor &c)
{
    QPalette p = w->palette();
    p.setColor(roli, c);
    w->setPalette(p);
}

} // namespace

const QString BankPanel::Table = QStringLiteral("FondPyetjesh");

QString BankPanel::tableDefinition()
{
    QStringList kolonat;
    for (const Kolona &k : Kolonat)
        kolonat << QStringLiteral("%1 %2").arg(QLatin1String(k.emri), QLatin1String(k.lloji));
    return QStringLiteral("CREATE TABLE %1 (%2)").arg(Table, kolonat.join(QStringLiteral(", ")));
}

BankPanel::BankPanel(
    QGroupBox *frmMonitorAllDBFields, QGroupBox *frmAllFieldsFondiNeFokus, QObject *parent)
    : QObject(parent)
{
    setObjectName(QStringLiteral("BankPanel"));
    ndertoMonitorin(frmMonitorAllDBFields);
    ndertoTeGjithaFushat(frmAllFieldsFondiNeFokus);
}

BankPanel::~BankPanel()
{
    mbyllLidhjen();
}

void BankPanel::lidh(
    QWidget *kontrolli, const char *fusha, const char *prona, const QVariant &vendmbajtesi)
{
    kontrolli->setProperty(prona, vendmbajtesi);
    kontrolli->setProperty("dataField", QString::fromLatin1(fusha));
    m_lidhjet.push_back({ kontrolli, QString::fromLatin1(fusha), prona, vendmbajtesi });
}

void BankPanel::ndertoMonitorin(QGroupBox *frm)
{
    const QString rreshtiIRi = QStringLiteral("\r\n");

    etikete(
        frm, QStringLiteral("LblTitullID"), QStringLiteral("ID e Pyetjes:"), { 12, 24, 100, 24 });
    auto *id = etikete(frm, QStringLiteral("LblNumerIDiPyetjes"), {}, { 110, 16, 90, 36 });
    id->setFont(fonti(Narrow, 24));
    ngjyra(id, QPalette::WindowText, Qt::red);
    lidh(id, "NumerIDiPyetjes", "text", QStringLiteral("600"));

    auto *kapitulli
        = kontroll<QPlainTextEdit>(frm, QStringLiteral("TxtKapitulliNeDB"), { 220, 18, 305, 30 });
    kapitulli->setFrameShape(QFrame::NoFrame);
    kapitulli->setFont(fonti(Narrow, 14.25));
    kapitulli->document()->setDefaultTextOption(QTextOption(Qt::AlignRight));
    ngjyra(kapitulli, QPalette::Text, Magenta);
    ngjyra(kapitulli, QPalette::Base, JeshileEHapur);
    lidh(kapitulli, "FashikulliGrupPyetjesh", "plainText",
        QStringLiteral("Emertim Kapitulli") + rreshtiIRi);

    etikete(frm, QStringLiteral("LblTitullNrNeKapitull"),
        QStringLiteral("Nr. Pyetjes ne Kapitull:"), { 220, 54, 170, 24 });
    auto *nr = kontroll<QLineEdit>(frm, QStringLiteral("TxtNrPyNeKap"), { 425, 52, 100, 26 });
    nr->setFrame(false);
    nr->setAlignment(Qt::AlignRight);
    nr->setFont(fonti(Arial, 15.75));
    ngjyra(nr, QPalette::Text, Magenta);
    ngjyra(nr, QPalette::Base, JeshileEHapur);
    lidh(nr, "NrIPyetjesNeFashikull", "text", QStringLiteral("888"));

    etikete(frm, QStringLiteral("LblTitullVeshtiresia"), QStringLiteral("VESHTIRESIA:"),
        { 12, 60, 100, 24 });
    auto *veshtiresia = etikete(frm, QStringLiteral("LbLVeshtiresiaNeDB"), {}, { 110, 56, 40, 28 });
    veshtiresia->setAlignment(Qt::AlignCenter);
    veshtiresia->setFont(fonti(Narrow, 15.75));
    lidh(veshtiresia, "Veshtiresia", "text", QStringLiteral("U"));

    etikete(frm, QStringLiteral("LblTitullPergjESakte"), QStringLiteral("Pergjigja e Sakte:"),
        { 130, 86, 110, 24 });
    auto *sakte = etikete(frm, QStringLiteral("LblPergjESakteNeDB"), {}, { 240, 82, 32, 30 });
    sakte->setAlignment(Qt::AlignCenter);
    sakte->setFont(fonti(Narrow, 18));
    ngjyra(sakte, QPalette::WindowText, Qt::red);
    lidh(sakte, "PergjigjaESakte", "text", QStringLiteral("A"));

    etikete(frm, QStringLiteral("LblTitullPlus"), QStringLiteral("+"), { 12, 88, 10, 20 });
    auto *plus
        = kontroll<QLineEdit>(frm, QStringLiteral("TxtPikePozitiveNeDB"), { 24, 86, 40, 22 });
    plus->setAlignment(Qt::AlignCenter);
    plus->setFont(fonti(Narrow, 9.75));
    lidh(plus, "PikePozitive", "text", QStringLiteral("0"));
    etikete(frm, QStringLiteral("LblTitullMinus"), QStringLiteral("-"), { 72, 88, 10, 20 });
    auto *minus
        = kontroll<QLineEdit>(frm, QStringLiteral("TxtPikeNegativeNeDB"), { 84, 86, 40, 22 });
    minus->setAlignment(Qt::AlignCenter);
    minus->setFont(fonti(Narrow, 9.75));
    lidh(minus, "PikeNegative", "text", QStringLiteral("0"));

    auto *struktura
        = etikete(frm, QStringLiteral("LblStrukturaEPyetjesNeDB"), {}, { 276, 86, 76, 22 });
    struktura->setAlignment(Qt::AlignCenter);
    struktura->setFont(fonti(Narrow, 9.75));
    lidh(struktura, "StrukturaEPyetjes", "text", QStringLiteral("GTGTTG"));

    auto *koduar = etikete(frm, QStringLiteral("LblKoduar"), {}, { 160, 50, 40, 32 });
    koduar->setFont(fonti(Narrow, 18));
    ngjyra(koduar, QPalette::WindowText, QColor(255, 128, 0));
    lidh(koduar, "Koduar", "text", QStringLiteral("K"));

    auto *pyetja
        = kontroll<QPlainTextEdit>(frm, QStringLiteral("TxtPyetjaTneDB"), { 12, 112, 225, 137 });
    lidh(pyetja, "ImazhTekstIPyetes", "plainText", QStringLiteral("Text Pyetja") + rreshtiIRi);
    etikete(frm, QStringLiteral("LblTitullGrafike"),
        QStringLiteral("Pyetjet dhe Alternativa Grafike"), { 330, 229, 200, 18 });
    auto *grafika
        = kontroll<BoundPicture>(frm, QStringLiteral("PicPyetjaGneDB"), { 355, 82, 177, 145 });
    grafika->setFrameShape(QFrame::Box);
    lidh(grafika, "ImazhGrafikIPyetes", "imageData", QByteArray());

    // The five alternatives, text and graphic, with a check box each, framed together.
    auto *korniza
        = kontroll<QFrame>(frm, QStringLiteral("ShapeAlternativat"), { 6, 248, 454, 249 });
    korniza->setFrameShape(QFrame::Box);
    korniza->lower();
    const char *tekstet[] = { "AlternativaATekst", "AlternativaBTekst", "AlternativaCTekst",
        "AlternativaDTekst", "AlternativaETekst" };
    const char *grafikat[] = { "AlternativaAGrafik", "AlternativaBGrafik", "AlternativaCGrafik",
        "AlternativaDGrafik", "AlternativaEGrafik" };
    const QChar germat[] = { 'A', 'B', 'C', 'D', 'E' };
    for (int i = 1; i <= 5; ++i) {
        const int y = 250 + (i - 1) * 49;
        const QChar g = germat[i - 1];
        auto *cek = kontroll<QCheckBox>(
            frm, QStringLiteral("CekKenbe(%1)").arg(i), { 12, y + 12, 36, 20 });
        cek->setText(g);
        auto *t = kontroll<QPlainTextEdit>(
            frm, QStringLiteral("TxtAltTneDB(%1)").arg(i), { 50, y, 225, 49 });
        t->setProperty("tag", QString(g));
        t->raise();
        const QString v = QStringLiteral("Text Alt ") + g + (i >= 4 ? rreshtiIRi : QString());
        lidh(t, tekstet[i - 1], "plainText", v);
        auto *p = kontroll<BoundPicture>(
            frm, QStringLiteral("PicAltGneDB(%1)").arg(i), { 280, y, 177, 49 });
        p->setAutoFillBackground(true);
        ngjyra(p, QPalette::Window, Qt::white);
        lidh(p, grafikat[i - 1], "imageData", QByteArray());
    }

    // The panel's buttons; none of them does anything.
    const std::pair<const char *, const char *> butonat[] = {
        { "CmdAfishoNeNderfaqje", "Afishoje" },
        { "CmdNderoVendet2Alternativave", "Ndero vendet 2 alter. te cekuara" },
        { "CmdShkartisRandomAlternativatPerTeGjithaPyetjetNeDB",
            "Shkartis random alternativat per te gjitha pyetjet" },
        { "CmdKodoDB", "Kodo" },
        { "CmdCKodoDB", "CKodo" },
    };
    int y = 250;
    for (const auto &[emri, teksti] : butonat) {
        auto *b = kontroll<QPushButton>(frm, QString::fromLatin1(emri), { 462, y, 68, 36 });
        b->setText(QString::fromLatin1(teksti));
        b->setToolTip(b->text());
        y += 49;
    }

    etikete(frm, QStringLiteral("LblTitullFondSizePyetja"), QStringLiteral("FondSizePyetja"),
        { 12, 532, 96, 18 });
    auto *fp = etikete(frm, QStringLiteral("LblFondSizePyetjaNeDB"), {}, { 110, 532, 28, 18 });
    ngjyra(fp, QPalette::WindowText, Qt::gray);
    lidh(fp, "FondSizeP", "text", QStringLiteral("12"));
    etikete(frm, QStringLiteral("LblTitullFondSizeAlt"), QStringLiteral("FondSizeAlt"),
        { 400, 532, 80, 18 });
    auto *fa
        = etikete(frm, QStringLiteral("LblFondSizeAlternativatNeDB"), {}, { 482, 532, 28, 18 });
    ngjyra(fa, QPalette::WindowText, Qt::gray);
    lidh(fa, "FondSizeAlt", "text", QStringLiteral("12"));

    // The data cursor's navigation bar.
    auto *kursori = kontroll<QFrame>(frm, QStringLiteral("FondiIPyetjeve"), { 144, 496, 249, 33 });
    kursori->setFrameShape(QFrame::Panel);
    kursori->setProperty("recordSource", Table);
    auto *rresht = new QHBoxLayout(kursori);
    rresht->setContentsMargins(2, 2, 2, 2);
    rresht->setSpacing(1);
    const QString shenjat[] = { QStringLiteral("|<"), QStringLiteral("<"), QString(),
        QStringLiteral(">"), QStringLiteral(">|") };
    QToolButton *navigimi[4] {};
    int n = 0;
    for (const QString &s : shenjat) {
        if (s.isEmpty()) {
            auto *titulli = new QLabel(QStringLiteral("Fondi i PYETJEVE"), kursori);
            titulli->setObjectName(QStringLiteral("FondiIPyetjeveTitulli"));
            titulli->setAlignment(Qt::AlignCenter);
            rresht->addWidget(titulli, 1);
            continue;
        }
        auto *b = new QToolButton(kursori);
        b->setText(s);
        rresht->addWidget(b);
        navigimi[n++] = b;
    }

    m_mapper = new QDataWidgetMapper(this);
    m_mapper->setSubmitPolicy(QDataWidgetMapper::ManualSubmit);
    connect(navigimi[0], &QToolButton::clicked, m_mapper, &QDataWidgetMapper::toFirst);
    connect(navigimi[1], &QToolButton::clicked, m_mapper, &QDataWidgetMapper::toPrevious);
    connect(navigimi[2], &QToolButton::clicked, m_mapper, &QDataWidgetMapper::toNext);
    connect(navigimi[3], &QToolButton::clicked, m_mapper, &QDataWidgetMapper::toLast);
}

void BankPanel::ndertoTeGjithaFushat(QGroupBox *frm)
{
    // Bound to a data source that does not exist in the window: these stay empty.
    const QString burimi = QStringLiteral("DataPyetjet");
    auto *img = kontroll<QLabel>(frm, QStringLiteral("ImgPyetja"), { 16, 24, 200, 150 });
    img->setScaledContents(true);
    img->setFrameShape(QFrame::Box);
    img->hide();
    img->setProperty("dataSource", burimi);
    img->setProperty("dataField", QStringLiteral("ImazhiIPyetes"));
    const std::pair<const char *, const char *> fushat[] = {
        { "TxtNrSiButoni", "PyetjaNr" },
        { "FAlternativaESakte", "PergjigjaESakte" },
        { "FPikePozitive", "PikePozitive" },
        { "FPikeNegative", "PikeNegative" },
        { "FKapitulli", "Kapitulli" },
    };
    int y = 24;
    for (const auto &[emri, fusha] : fushat) {
        auto *t = kontroll<QLineEdit>(frm, QString::fromLatin1(emri), { 240, y, 120, 24 });
        t->setProperty("dataSource", burimi);
        t->setProperty("dataField", QString::fromLatin1(fusha));
        y += 40;
    }
    etikete(frm, QStringLiteral("LblAltESakte"), QStringLiteral("Pergjigje e sakte"),
        { 370, 64, 110, 24 });
    etikete(frm, QStringLiteral("LblVlerPozitiv"), QStringLiteral("Piket POZITIVE"),
        { 370, 104, 110, 24 });
    etikete(frm, QStringLiteral("Label1"), QStringLiteral("Piket NEGATIVE"), { 370, 144, 110, 24 });
    etikete(frm, QStringLiteral("Label2"), QStringLiteral("Kapitulli"), { 370, 184, 110, 24 });
}

void BankPanel::rikthePlaceholderat()
{
    for (const Lidhja &l : m_lidhjet)
        l.kontrolli->setProperty(l.prona.constData(), l.vendmbajtesi);
}

void BankPanel::mbyllLidhjen()
{
    if (m_emriILidhjes.isEmpty())
        return;
    m_mapper->clearMapping();
    m_mapper->setModel(nullptr);
    delete m_modeli;
    m_modeli = nullptr;
    QSqlDatabase::database(m_emriILidhjes, false).close();
    QSqlDatabase::removeDatabase(m_emriILidhjes);
    m_emriILidhjes.clear();
}

bool BankPanel::attachFile(const QString &skedari)
{
    mbyllLidhjen();
    m_emriILidhjes = QStringLiteral("FondiIPyetjeve-%1").arg(reinterpret_cast<quintptr>(this));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_emriILidhjes);
        db.setDatabaseName(skedari);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (!db.open())
            return false;
        m_modeli = new QSqlTableModel(this, db);
    }
    m_modeli->setTable(Table);
    m_modeli->setEditStrategy(QSqlTableModel::OnManualSubmit);
    m_mapper->setModel(m_modeli);
    for (const Lidhja &l : m_lidhjet)
        m_mapper->addMapping(l.kontrolli, m_modeli->fieldIndex(l.fusha), l.prona);
    return true;
}

bool BankPanel::moveToFirst()
{
    if (!m_modeli || !m_modeli->select() || m_modeli->rowCount() == 0) {
        rikthePlaceholderat();
        return false;
    }
    m_mapper->toFirst();
    return m_mapper->currentIndex() == 0;
}
