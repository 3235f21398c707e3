#pragma once

#include "Dialogs.h"

#include <QList>
#include <QMessageBox>
#include <QString>

#include <functional>

// Message boxes answered by the test: each box asked is recorded, and answered with the next
// scripted answer (or the box's default when the script is empty). `during` runs while the box
// is "open", as events would under a real modal box.
class ScriptedDialogs final : public Dialogs
{
public:
    struct Kutia
    {
        QString titulli;
        QString teksti;
        QMessageBox::StandardButtons butonat;
        QMessageBox::StandardButton parazgjedhur;
    };

    QList<QMessageBox::StandardButton> pergjigjet;
    QList<Kutia> pyetura;
    std::function<void()> during;

    QMessageBox::StandardButton pyet(QWidget *, const QString &titulli, const QString &teksti,
        QMessageBox::StandardButtons butonat, QMessageBox::StandardButton parazgjedhur) override;
};
