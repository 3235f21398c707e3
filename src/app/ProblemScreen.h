#pragma once

#include <QStringList>
#include <QWidget>

// What the invigilator sees in the exam session when the exam cannot start: a plain black
// screen with the problems, one line each, the same lines the program prints. It stays until
// Enter is pressed, so the session does not flash past them or start over unseen.
class ProblemScreen final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ProblemScreen)

public:
    explicit ProblemScreen(const QStringList &problems, QWidget *parent = nullptr);

    // Shown over the whole screen with the keyboard, also where no window manager acts on a
    // request for the full screen.
    void cover();

protected:
    void keyPressEvent(QKeyEvent *) override;
};
