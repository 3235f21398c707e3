#include "screen/Dialogs.h"

#include "base/LetterSpacing.h"
#include "base/Units.h"
#include "screen/FormProvimi.h"
#include "screen/KeyGuard.h"
#include "screen/WindowManagerHints.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QLayout>
#include <QPainter>
#include <QWidget>
#include <QWindow>

#include <optional>

namespace {

// A box no window manager decorates, moves or iconifies: it carries its own title bar, so the
// candidate reads its title with a window manager and without one alike.
class TitledBox final : public QMessageBox
{
public:
    static constexpr int TitleHeight = 24;

    using QMessageBox::QMessageBox;

    // The box stands centred on this point of the screen; Qt would centre it on its parent
    // less a window frame it guesses, which this box does not have.
    void setCentre(QPoint global) { m_centre = global; }

protected:
    void showEvent(QShowEvent *e) override
    {
        // Room for the title above what the box lays out; the box sizes itself from it.
        if (QLayout *l = layout()) {
            QMargins m = l->contentsMargins();
            if (m.top() < TitleHeight) {
                m.setTop(m.top() + TitleHeight);
                l->setContentsMargins(m);
            }
        }
        QMessageBox::showEvent(e);
        if (m_centre)
            move(*m_centre - rect().center());
        // Nothing to move, resize, iconify or close, said before the box is mapped.
        refuseWindowManagerFunctions(this);
        // Keys count from the moment the box is on screen.
        if (!m_keyGuard)
            m_keyGuard = new KeyGuard(windowHandle(), KeyGuard::Kind::MessageBox);
    }

    // A close from outside (a window manager, another program asking it) is no answer: the box
    // is answered by its buttons and keys alone.
    void closeEvent(QCloseEvent *e) override
    {
        if (e->spontaneous())
            e->ignore();
        else
            QMessageBox::closeEvent(e);
    }

    void paintEvent(QPaintEvent *e) override
    {
        QMessageBox::paintEvent(e);
        QPainter p(this);
        const QRect bar(0, 0, width(), TitleHeight);
        p.fillRect(bar, QColor(0, 0, 128));
        p.setPen(Qt::white);
        QFont f = Units::font(Units::Arial, 9.75, true);
        p.setFont(f);
        p.drawText(bar.adjusted(8, 0, -8, 0), Qt::AlignVCenter | Qt::AlignLeft, windowTitle());
        p.setPen(QColor(64, 64, 64));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }

private:
    KeyGuard *m_keyGuard = nullptr; // owned by the box's window
    std::optional<QPoint> m_centre;
};

} // namespace

QMessageBox::StandardButton RealDialogs::ask(QWidget *parent, const QString &title,
    const QString &text, QMessageBox::StandardButtons buttons,
    QMessageBox::StandardButton defaultButton)
{
    TitledBox box(QMessageBox::NoIcon, title, text, buttons, parent);
    // Qt has no Albanian for its own buttons.
    if (QAbstractButton *yes = box.button(QMessageBox::Yes))
        yes->setText(QStringLiteral("Po"));
    if (QAbstractButton *no = box.button(QMessageBox::No))
        no->setText(QStringLiteral("Jo"));
    box.setDefaultButton(defaultButton);
    // Over the middle of the design, wherever it stands on the exam window.
    if (parent) {
        const QWidget *w = parent->window();
        const auto *exam = qobject_cast<const FormProvimi *>(w);
        box.setCentre(w->mapToGlobal((exam ? exam->designArea() : w->rect()).center()));
    }
    // A screen reader names the box by its title, as words.
    box.setAccessibleName(withoutLetterSpacing(title));
    box.setWindowModality(Qt::ApplicationModal);
    // Above the exam window.
    box.setWindowFlags(Qt::SplashScreen | Qt::WindowStaysOnTopHint);
    const auto answer = static_cast<QMessageBox::StandardButton>(box.exec());
    // The window takes the keyboard back also where no window manager gives it back.
    if (parent)
        parent->window()->activateWindow();
    return answer;
}
