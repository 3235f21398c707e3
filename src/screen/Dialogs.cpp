#include "Dialogs.h"

QMessageBox::StandardButton RealDialogs::pyet(QWidget *prindi, const QString &titulli,
    const QString &teksti, QMessageBox::StandardButtons butonat,
    QMessageBox::StandardButton parazgjedhur)
{
    QMessageBox kutia(QMessageBox::NoIcon, titulli, teksti, butonat, prindi);
    kutia.setDefaultButton(parazgjedhur);
    kutia.setWindowModality(Qt::ApplicationModal);
    return static_cast<QMessageBox::StandardButton>(kutia.exec());
}
