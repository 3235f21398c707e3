#include "support/ScriptedDialogs.h"

#include <QApplication>
#include <QPushButton>

QMessageBox::StandardButton ScriptedDialogs::ask(QWidget *, const QString &title,
    const QString &text, QMessageBox::StandardButtons buttons,
    QMessageBox::StandardButton defaultButton)
{
    asked.append({ title, text, buttons, defaultButton });
    if (during)
        during();
    return answers.isEmpty() ? defaultButton : answers.takeFirst();
}

RealBoxAnswer::RealBoxAnswer(QMessageBox::StandardButton button, int patienceMs)
{
    m_since.start();
    QObject::connect(&m_poll, &QTimer::timeout, [this, button, patienceMs] {
        QWidget *modal = QApplication::activeModalWidget();
        auto *box = qobject_cast<QMessageBox *>(modal);
        if (box && !asked) {
            asked = AskedBox { box->windowTitle(), box->text(), box->standardButtons(),
                box->standardButton(box->defaultButton()), box->icon() != QMessageBox::NoIcon };
            if (QAbstractButton *b = box->button(button))
                b->click();
            else
                box->reject();
        } else if (modal && m_since.elapsed() > patienceMs) {
            modal->close();
        }
    });
    m_poll.start(10);
}
