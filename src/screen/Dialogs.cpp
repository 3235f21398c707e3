#include "screen/Dialogs.h"

#include <QAbstractButton>

QMessageBox::StandardButton RealDialogs::ask(QWidget *parent, const QString &title,
    const QString &text, QMessageBox::StandardButtons buttons,
    QMessageBox::StandardButton defaultButton)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, buttons, parent);
    // Qt has no Albanian for its own buttons.
    if (QAbstractButton *yes = box.button(QMessageBox::Yes))
        yes->setText(QStringLiteral("Po"));
    if (QAbstractButton *no = box.button(QMessageBox::No))
        no->setText(QStringLiteral("Jo"));
    box.setDefaultButton(defaultButton);
    box.setWindowModality(Qt::ApplicationModal);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}
