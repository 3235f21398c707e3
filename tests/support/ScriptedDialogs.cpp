#include "support/ScriptedDialogs.h"

QMessageBox::StandardButton ScriptedDialogs::ask(QWidget *, const QString &title,
    const QString &text, QMessageBox::StandardButtons buttons,
    QMessageBox::StandardButton defaultButton)
{
    asked.append({ title, text, buttons, defaultButton });
    if (during)
        during();
    return answers.isEmpty() ? defaultButton : answers.takeFirst();
}
