#include "support/ScriptedDialogs.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>

QMessageBox::StandardButton ScriptedDialogs::ask(QWidget *, const QString &title,
    const QString &text, QMessageBox::StandardButtons buttons,
    QMessageBox::StandardButton defaultButton)
{
    asked.append({ title, text, buttons, defaultButton, false, {} });
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
                box->standardButton(box->defaultButton()), box->icon() != QMessageBox::NoIcon, {} };
            for (auto b : { QMessageBox::Yes, QMessageBox::No })
                if (QAbstractButton *shown = box->button(b))
                    asked->captions << shown->text();
            m_shown.start();
            QTest::keyClick(box->focusWidget() ? box->focusWidget() : box, Qt::Key_Return);
        } else if (modal && m_since.elapsed() > patienceMs) {
            forced = true;
            modal->close();
        } else if (box && m_shown.elapsed() > 600 && box->button(button)) {
            QTest::keyClick(box->button(button), Qt::Key_Space);
        }
    });
    m_poll.start(10);
}
