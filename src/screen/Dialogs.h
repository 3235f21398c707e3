#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

// The exam's modal message boxes go through here, so tests can answer them and see what was
// asked. The real boxes carry no icon.
class Dialogs
{
public:
    virtual ~Dialogs() = default;
    virtual QMessageBox::StandardButton ask(QWidget *parent, const QString &title,
        const QString &text, QMessageBox::StandardButtons buttons,
        QMessageBox::StandardButton defaultButton)
        = 0;
};

class RealDialogs final : public Dialogs
{
public:
    QMessageBox::StandardButton ask(QWidget *parent, const QString &title, const QString &text,
        QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton) override;
};
