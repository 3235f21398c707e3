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
    virtual QMessageBox::StandardButton pyet(QWidget *prindi, const QString &titulli,
        const QString &teksti, QMessageBox::StandardButtons butonat,
        QMessageBox::StandardButton parazgjedhur)
        = 0;
};

class RealDialogs final : public Dialogs
{
public:
    QMessageBox::StandardButton pyet(QWidget *prindi, const QString &titulli, const QString &teksti,
        QMessageBox::StandardButtons butonat, QMessageBox::StandardButton parazgjedhur) override;
};
