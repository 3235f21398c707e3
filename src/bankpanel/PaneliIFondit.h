#pragma once

#include <QObject>

class QGroupBox;

// The hidden question-bank panel: a data-bound monitor of one record of the table
// "FondPyetjesh", built inside the window's two hidden frames. It has no behaviour of its
// own; the exam only asks its cursor to move to the first record at activation.
class PaneliIFondit final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PaneliIFondit)

public:
    PaneliIFondit(QGroupBox *frmMonitorAllDBFields, QGroupBox *frmAllFieldsFondiNeFokus,
        QObject *parent = nullptr);
    ~PaneliIFondit() override;

    // Moves the cursor to the first record; false when there is none (no database named).
    bool leviznNeTeParin();
};
