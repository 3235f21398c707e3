#include "ScriptedDialogs.h"

QMessageBox::StandardButton ScriptedDialogs::pyet(QWidget *, const QString &titulli,
    const QString &teksti, QMessageBox::StandardButtons butonat,
    QMessageBox::StandardButton parazgjedhur)
{
    pyetura.append({ titulli, teksti, butonat, parazgjedhur });
    if (during)
        during();
    return pergjigjet.isEmpty() ? parazgjedhur : pergjigjet.takeFirst();
}
