#include "bankpanel/BankPanel.h"

#include "base/Units.h"
#include "store/BankRecord.h"
#include "ui_AllFieldsFrame.h"
#include "ui_BankPanel.h"

#include <QDataWidgetMapper>
#include <QSqlDatabase>
#include <QSqlTableModel>
#include <QTextDocument>

#include <cstring>
#include <iterator>

namespace {

// Which control of the monitor shows each column of the record, the property of that control
// the cursor reads and writes, and what the control shows while no record is loaded.
struct Binding
{
    const char *column;
    const char *control;
    const char *property;
    const char *placeholder;
};

constexpr Binding Bindings[] = {
    { "NumerIDiPyetjes", "LblNumerIDiPyetjes", "text", "600" },
    { "FashikulliGrupPyetjesh", "TxtKapitulliNeDB", "plainText", "Emertim Kapitulli\r\n" },
    { "NrIPyetjesNeFashikull", "TxtNrPyNeKap", "text", "888" },
    { "Veshtiresia", "LbLVeshtiresiaNeDB", "text", "U" },
    { "PergjigjaESakte", "LblPergjESakteNeDB", "text", "A" },
    { "PikePozitive", "TxtPikePozitiveNeDB", "text", "0" },
    { "PikeNegative", "TxtPikeNegativeNeDB", "text", "0" },
    { "StrukturaEPyetjes", "LblStrukturaEPyetjesNeDB", "text", "GTGTTG" },
    { "ImazhTekstIPyetes", "TxtPyetjaTneDB", "plainText", "Text Pyetja\r\n" },
    { "ImazhGrafikIPyetes", "PicPyetjaGneDB", "imageData", "" },
    { "AlternativaATekst", "TxtAltTneDB(1)", "plainText", "Text Alt A" },
    { "AlternativaBTekst", "TxtAltTneDB(2)", "plainText", "Text Alt B" },
    { "AlternativaCTekst", "TxtAltTneDB(3)", "plainText", "Text Alt C" },
    { "AlternativaDTekst", "TxtAltTneDB(4)", "plainText", "Text Alt D\r\n" },
    { "AlternativaETekst", "TxtAltTneDB(5)", "plainText", "Text Alt E\r\n" },
    { "AlternativaAGrafik", "PicAltGneDB(1)", "imageData", "" },
    { "AlternativaBGrafik", "PicAltGneDB(2)", "imageData", "" },
    { "AlternativaCGrafik", "PicAltGneDB(3)", "imageData", "" },
    { "AlternativaDGrafik", "PicAltGneDB(4)", "imageData", "" },
    { "AlternativaEGrafik", "PicAltGneDB(5)", "imageData", "" },
    { "FondSizeP", "LblFondSizePyetjaNeDB", "text", "12" },
    { "FondSizeAlt", "LblFondSizeAlternativatNeDB", "text", "12" },
    { "Koduar", "LblKoduar", "text", "K" },
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
        f.setPixelSize(Units::pointsToPixels(points.toDouble()));
        w->setFont(f);
    }
}

} // namespace

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
    monitor.FondiIPyetjeve->setProperty("recordSource", BankRecord::Table);

    // Every column of the record, in its order, is shown by exactly one control.
    static_assert(std::size(Bindings) == 23);
    m_boundControls.reserve(std::size(Bindings));
    const auto columns = BankRecord::columns();
    for (std::size_t i = 0; i < std::size(Bindings); ++i) {
        const Binding &b = Bindings[i];
        if (i >= columns.size() || std::strcmp(columns[i].name, b.column) != 0)
            qFatal("The bank panel binds %s where the record has another column", b.column);
        auto *w = frmMonitorAllDBFields->findChild<QWidget *>(
            QString::fromLatin1(b.control), Qt::FindDirectChildrenOnly);
        if (!w)
            qFatal("The bank panel's form has no control %s", b.control);
        w->setProperty("dataField", QString::fromLatin1(b.column));
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
            Bindings[i].property, QString::fromUtf8(Bindings[i].placeholder));
}

void BankPanel::closeConnection()
{
    if (m_connectionName.isEmpty())
        return;
    // The mapper lets go of a model that is destroyed (it refuses a null one).
    m_mapper->clearMapping();
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
    m_model->setTable(BankRecord::Table);
    m_model->setEditStrategy(QSqlTableModel::OnManualSubmit);
    m_mapper->setModel(m_model);
    for (std::size_t i = 0; i < m_boundControls.size(); ++i)
        m_mapper->addMapping(m_boundControls[i],
            m_model->fieldIndex(QLatin1String(Bindings[i].column)), Bindings[i].property);
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
