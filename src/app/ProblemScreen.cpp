#include "app/ProblemScreen.h"

#include "base/Units.h"

#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

ProblemScreen::ProblemScreen(const QStringList &problems, QWidget *parent)
    : QWidget(parent, Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("ProblemScreen"));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    pal.setColor(QPalette::WindowText, Qt::white);
    setPalette(pal);
    setAutoFillBackground(true);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(48, 48, 48, 48);
    layout->setSpacing(24);
    auto line = [&](const QString &text, double points, const QColor &colour) {
        auto *l = new QLabel(text, this);
        l->setFont(Units::font(Units::Arial, points));
        l->setWordWrap(true);
        l->setTextFormat(Qt::PlainText);
        QPalette p = l->palette();
        p.setColor(QPalette::WindowText, colour);
        l->setPalette(p);
        layout->addWidget(l);
        return l;
    };
    line(QStringLiteral("Provimi nuk mund të fillojë. Njoftoni administratorin:"), 18, Qt::yellow);
    // As many lines as a screen holds; all of them are in the session's log.
    constexpr int Shown = 30;
    QStringList shown = problems.mid(0, Shown);
    if (problems.size() > Shown)
        shown << QStringLiteral("… dhe %1 të tjera").arg(problems.size() - Shown);
    line(shown.join(u'\n'), 12, Qt::white)->setObjectName(QStringLiteral("problems"));
    layout->addStretch();
    line(QStringLiteral("Shtypni Enter për ta mbyllur."), 12, Qt::yellow);
}

void ProblemScreen::cover()
{
    if (const QScreen *s = screen())
        setGeometry(s->geometry());
    showFullScreen();
    activateWindow();
}

void ProblemScreen::keyPressEvent(QKeyEvent *e)
{
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter)
        close();
}
