#pragma once

#include "screen/Dialogs.h"

#include <QElapsedTimer>
#include <QList>
#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <optional>

// What a message box asked: its title, text, buttons and default.
struct AskedBox
{
    QString title;
    QString text;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton;
    bool icon = false;
    QStringList captions; // of Yes and No, where the box has them
};

// Message boxes answered by the test: each box asked is recorded, and answered with the next
// scripted answer (or the box's default when the script is empty). `during` runs while the box
// is "open", as events would under a real modal box.
class ScriptedDialogs final : public Dialogs
{
public:
    QList<QMessageBox::StandardButton> answers;
    QList<AskedBox> asked;
    std::function<void()> during;

    QMessageBox::StandardButton ask(QWidget *, const QString &title, const QString &text,
        QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton) override;
};

// Answers the next real QMessageBox from a timer as a candidate at the keyboard would, recording
// what it showed in `asked`: Return at once (the box drops keys in its first half second, so
// that must not answer it), then Space on `button` once the half second is over. A modal window
// still open after `patienceMs` is closed and `forced` set, so that a test whose box never
// comes or never takes the key fails within seconds instead of at the suite's timeout.
class RealBoxAnswer final
{
public:
    explicit RealBoxAnswer(QMessageBox::StandardButton button, int patienceMs = 3000);
    std::optional<AskedBox> asked;
    bool forced = false;

private:
    QTimer m_poll;
    QElapsedTimer m_since;
    QElapsedTimer m_shown;
};
