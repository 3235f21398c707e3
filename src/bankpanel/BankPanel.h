#pragma once

#include <QObject>
#include <QString>

#include <vector>

class QDataWidgetMapper;
class QGroupBox;
class QSqlTableModel;
class QWidget;

// The hidden question-bank panel: a data-bound monitor of one record of the table
// "FondPyetjesh", set up inside the window's two hidden frames from their forms. Its data
// cursor is a table model over the record source and a widget mapper binding every field's
// control to its column. No database is named, so in the exam the cursor has no record, the
// controls keep their placeholders and the move to the first record fails; the exam carries on
// regardless.
class BankPanel final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(BankPanel)

public:
    BankPanel(QGroupBox *frmMonitorAllDBFields, QGroupBox *frmAllFieldsFondiNeFokus,
        QObject *parent = nullptr);
    ~BankPanel() override;

    // Points the cursor at a SQLite file, opened read-only. The exam never does this; it lets
    // a test show that the binding is real.
    bool attachFile(const QString &fileName);

    // Moves the cursor to the first record; false when there is none (no database named, or
    // an empty table), and then every bound control shows its placeholder again.
    bool moveToFirst();

private:
    void restorePlaceholders();
    void closeConnection();

    // The control showing each column of the record, in the order of the binding table.
    std::vector<QWidget *> m_boundControls;
    QSqlTableModel *m_model = nullptr;
    QDataWidgetMapper *m_mapper = nullptr;
    QString m_connectionName;
};
