#include "bankpanel/BankPanel.h"

#include "ui_AllFieldsFrame.h"
#include "ui_BankPanel.h"

#include <QDataWidgetMapper>
#include <QSqlDatabase>
#include <QSqlTableModel>
#include <QTextDocument>

#include <cmath>
#include <iterator>

namespace {

// The record of the question bank, every column once in its table's order, with the monitor's
// control that shows it, the property of that control the cursor reads and writes, and what
// the control shows while no record is loaded.
struct Column
{
    const char *name;
    const char *type;
    const char *control;
    const char *property;
    const char *placeholder;
};

constexpr Column Record[] = {
    { "NumerIDiPyetjes", "INTEGER PRIMARY KEY", "LblNumerIDiPyetjes", "text", "600" },
    { "FashikulliGrupPyetjesh", "TEXT", "TxtKapitulliNeDB", "plainText", "Emertim Kapitulli\r\n" },
    { "NrIPyetjesNeFashikull", "INTEGER", "TxtNrPyNeKap", "text", "888" },
    { "Veshtiresia", "TEXT", "LbLVeshtiresiaNeDB", "text", "U" },
    { "PergjigjaESakte", "TEXT", "LblPergjESakteNeDB", "text", "A" },
    { "PikePozitive", "INTEGER", "TxtPikePozitiveNeDB", "text", "0" },
    { "PikeNegative", "INTEGER", "TxtPikeNegativeNeDB", "text", "0" },
    { "StrukturaEPyetjes", "TEXT", "LblStrukturaEPyetjesNeDB", "text", "GTGTTG" },
    { "ImazhTekstIPyetes", "TEXT", "TxtPyetjaTneDB", "plainText", "Text Pyetja\r\n" },
    { "ImazhGrafikIPyetes", "BLOB", "PicPyetjaGneDB", "imageData", "" },
    { "AlternativaATekst", "TEXT", "TxtAltTneDB(1)", "plainText", "Text Alt A" },
    { "AlternativaBTekst", "TEXT", "TxtAltTneDB(2)", "plainText", "Text Alt B" },
    { "AlternativaCTekst", "TEXT", "TxtAltTneDB(3)", "plainText", "Text Alt C" },
    { "AlternativaDTekst", "TEXT", "TxtAltTneDB(4)", "plainText", "Text Alt D\r\n" },
    { "AlternativaETekst", "TEXT", "TxtAltTneDB(5)", "plainText", "Text Alt E\r\n" },
    { "AlternativaAGrafik", "BLOB", "PicAltGneDB(1)", "imageData", "" },
    { "AlternativaBGrafik", "BLOB", "PicAltGneDB(2)", "imageData", "" },
    { "AlternativaCGrafik", "BLOB", "PicAltGneDB(3)", "imageData", "" },
    { "AlternativaDGrafik", "BLOB", "PicAltGneDB(4)", "imageData", "" },
    { "AlternativaEGrafik", "BLOB", "PicAltGneDB(5)", "imageData", "" },
    { "FondSizeP", "INTEGER", "LblFondSizePyetjaNeDB", "text", "12" },
    { "FondSizeAlt", "INTEGER", "LblFondSizeAlternativatNeDB", "text", "12" },
    { "Koduar", "TEXT", "LblKoduar", "text", "K" },
};

// A form's font holds whole points only, so a control of the monitor carries its design size
// in points as "fontPoints"; like every font of the window it is drawn at that size in pixels
// at 96 dpi, whatever the screen's DPI.
void applyFontPoints(QWidget *frame)
{
    for (QWidget *w : frame->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        const QVariant points = w->property("fontPoints");
        if (!points.isValid())
            continue;
        QFont f = w->font();
        f.setPixelSize(static_cast<int>(std::floor(points.toDouble() * 4 / 3 + 0.5)));
        w->setFont(f);
    }
}

} // namespace

const QString BankPanel::Table = QStringLiteral("FondPyetjesh");

QString BankPanel::tableDefinition()
{
    QStringList columns;
    for (const Column &c : Record)
        columns << QStringLiteral("%1 %2").arg(QLatin1String(c.name), QLatin1String(c.type));
    return QStringLiteral("CREATE TABLE %1 (%2)").arg(Table, columns.join(QStringLiteral(", ")));
}

BankPanel::BankPanel(
    QGroupBox *frmMonitorAllDBFields, QGroupBox *frmAllFieldsFondiNeFokus, QObject *parent)
    : QObject(parent)
{
    setObjectName(QStringLiteral("BankPanel"));

    Ui::BankPanel monitor;
    monitor.setupUi(frmMonitorAllDBFields);
    applyFontPoints(frmMonitorAllDBFields);
    // A plain text box has no alignment of its own; its document has.
    monitor.TxtKapitulliNeDB->document()->setDefaultTextOption(QTextOption(Qt::AlignRight));
    monitor.FondiIPyetjeve->setProperty("recordSource", Table);

    m_boundControls.reserve(std::size(Record));
    for (const Column &c : Record) {
        auto *w = frmMonitorAllDBFields->findChild<QWidget *>(
            QString::fromLatin1(c.control), Qt::FindDirectChildrenOnly);
        if (!w)
            qFatal("The bank panel's form has no control %s", c.control);
        w->setProperty("dataField", QString::fromLatin1(c.name));
        m_boundControls.push_back(w);
    }
    restorePlaceholders();

    m_mapper = new QDataWidgetMapper(this);
    m_mapper->setSubmitPolicy(QDataWidgetMapper::ManualSubmit);
    connect(monitor.cursorFirst, &QToolButton::clicked, m_mapper, &QDataWidgetMapper::toFirst);
    connect(
        monitor.cursorPrevious, &QToolButton::clicked, m_mapper, &QDataWidgetMapper::toPrevious);
    connect(monitor.cursorNext, &QToolButton::clicked, m_mapper, &QDataWidgetMapper::toNext);
    connect(monitor.cursorLast, &QToolButton::clicked, m_mapper, &QDataWidgetMapper::toLast);

    Ui::AllFieldsFrame allFields;
    allFields.setupUi(frmAllFieldsFondiNeFokus);
}

BankPanel::~BankPanel()
{
    closeConnection();
}

void BankPanel::restorePlaceholders()
{
    for (std::size_t i = 0; i < m_boundControls.size(); ++i)
        m_boundControls[i]->setProperty(
            Record[i].property, QString::fromUtf8(Record[i].placeholder));
}

void BankPanel::closeConnection()
{
    if (m_connectionName.isEmpty())
        return;
    m_mapper->clearMapping();
    m_mapper->setModel(nullptr);
    delete m_model;
    m_model = nullptr;
    QSqlDatabase::database(m_connectionName, false).close();
    QSqlDatabase::removeDatabase(m_connectionName);
    m_connectionName.clear();
}

bool BankPanel::attachFile(const QString &fileName)
{
    closeConnection();
    m_connectionName = QStringLiteral("FondiIPyetjeve-%1").arg(reinterpret_cast<quintptr>(this));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
        db.setDatabaseName(fileName);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (!db.open())
            return false;
        m_model = new QSqlTableModel(this, db);
    }
    m_model->setTable(Table);
    m_model->setEditStrategy(QSqlTableModel::OnManualSubmit);
    m_mapper->setModel(m_model);
    for (std::size_t i = 0; i < m_boundControls.size(); ++i)
        m_mapper->addMapping(m_boundControls[i], m_model->fieldIndex(QLatin1String(Record[i].name)),
            Record[i].property);
    return true;
}

bool BankPanel::moveToFirst()
{
    if (!m_model || !m_model->select() || m_model->rowCount() == 0) {
        restorePlaceholders();
        return false;
    }
    m_mapper->toFirst();
    return m_mapper->currentIndex() == 0;
}
