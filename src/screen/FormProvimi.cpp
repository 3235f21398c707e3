#include "screen/FormProvimi.h"

#include "bankpanel/BankPanel.h"
#include "base/Units.h"
#include "screen/Accessibility.h"
#include "screen/ControlTable.h"
#include "screen/FlatButton.h"
#include "screen/KeyGuard.h"
#include "screen/LineControl.h"
#include "screen/PictureBox.h"
#include "screen/ScreenHold.h"
#include "screen/TextLabel.h"
#include "screen/WindowManagerHints.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <utility>

using namespace Units;

namespace {

QString family(ControlTable::Family f)
{
    switch (f) {
    case ControlTable::Family::ArialNarrow:
        return ArialNarrow;
    case ControlTable::Family::ArialRounded:
        return ArialRounded;
    case ControlTable::Family::Arial:
        break;
    }
    return Arial;
}

QString controlName(const char *name, int index)
{
    const QString e = QString::fromLatin1(name);
    return index == ControlTable::NoIndex
        ? e
        : e + QLatin1Char('(') + QString::number(index) + QLatin1Char(')');
}

Qt::Alignment alignment(ControlTable::Alignment d)
{
    switch (d) {
    case ControlTable::Alignment::Centre:
        return Qt::AlignHCenter;
    case ControlTable::Alignment::Right:
        return Qt::AlignRight;
    case ControlTable::Alignment::Left:
        break;
    }
    return Qt::AlignLeft;
}

// The single controls the table names, and the member each one is reached by.
const std::pair<const char *, TextLabel * FormProvimi::*> NamedLabels[] = {
    { "LblNjoftim", &FormProvimi::LblNjoftim },
    { "LblZgjidhniPyTj", &FormProvimi::LblZgjidhniPyTj },
    { "LblData", &FormProvimi::LblData },
    { "LblMin", &FormProvimi::LblMin },
    { "LblSek", &FormProvimi::LblSek },
    { "LblQEV", &FormProvimi::LblQEV },
    { "LblEmertimIProvimit", &FormProvimi::LblEmertimIProvimit },
    { "LblTezaTavolinaTerminali", &FormProvimi::LblTezaTavolinaTerminali },
    { "LblEmriMbiemri", &FormProvimi::LblEmriMbiemri },
    { "LblRezNePerqindje", &FormProvimi::LblRezNePerqindje },
};
const std::pair<const char *, FlatButton * FormProvimi::*> NamedButtons[] = {
    { "CmdKonfirmoj", &FormProvimi::CmdKonfirmoj },
    { "CmdEND", &FormProvimi::CmdEND },
};

template<typename Control, std::size_t N>
void attach(FormProvimi *window,
    const std::pair<const char *, Control * FormProvimi::*> (&table)[N], const char *name,
    Control *c)
{
    for (const auto &[n, member] : table)
        if (std::strcmp(n, name) == 0)
            window->*member = c;
}

// A picture box showing one of the drawings in pictures/, or none for an empty name.
PictureBox *picture(FormProvimi *parent, const char *name, QRect geometry, const char *drawing)
{
    auto *b = new PictureBox(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setMapping(&parent->mapping());
    b->setDesignGeometry(geometry);
    if (*drawing)
        b->setDrawing(
            QStringLiteral(":/pictures/") + QLatin1String(drawing) + QStringLiteral(".svg"));
    return b;
}

} // namespace

// An ordinary window for the window manager, which grants those its full-screen layer, above
// other programs' windows; what it could do to the window otherwise the screen hold prevents
// or undoes.
FormProvimi::FormProvimi(double zoom, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , m_mapping(zoom, {})
    , m_surface(this, &m_mapping)
{
    // Named for a screen reader by its accessible name, never by a title a window manager shows.
    Accessibility::install();
    Accessibility::setRole(this, QAccessible::Window);
    setFont(Units::font(Arial, WindowFontPoints));
    setObjectName(QStringLiteral("FormProvimi"));
    setWindowTitle(QString());
    setAttribute(Qt::WA_OpaquePaintEvent);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    pal.setColor(QPalette::WindowText, Qt::white);
    setPalette(pal);
    resize(m_mapping.toWindow(ControlTable::DesignWindow).size());
    buildControls();
}

FormProvimi::~FormProvimi() = default;

void FormProvimi::buildControls()
{
    // Creation order is stacking order: the line and the images lowest, then the labels, then
    // picture boxes and buttons over them; the desk number is a label, so it lies over the disc.
    Line1 = new LineControl(this, { -16, 80 }, { 616, 80 }, Qt::white, &m_mapping);
    Line1->setObjectName(QStringLiteral("Line1"));
    Image2 = picture(this, "Image2", { 624, 32, 158, 158 }, "disc");
    ImgFoto = picture(this, "ImgFoto", { 832, 8, 93, 131 }, "portrait");
    ImgFoto->setStretch(true);

    for (const ControlTable::LabelSpec &e : ControlTable::labels()) {
        auto *l = new TextLabel(this);
        l->setObjectName(controlName(e.name, e.index));
        l->setMapping(&m_mapping);
        l->setDesignGeometry(e.geometry);
        l->setCaptionFont(Units::font(family(e.font.family), e.font.points, e.font.bold,
                              e.font.italic, e.font.underline),
            e.font.points);
        l->setCaption(QString::fromUtf8(e.title));
        l->setForeColor(toQColor(e.colour));
        l->setTransparent(!e.background.has_value());
        l->setBackColor(toQColor(e.background.value_or(Colours::Black)));
        l->setCaptionAlignment(alignment(e.alignment));
        l->setBorder(e.border);
        l->setAutoSize(e.autoSize);
        l->setVisible(e.visible);
        if (e.index == ControlTable::NoIndex)
            attach(this, NamedLabels, e.name, l);
        else
            m_letterLabels.at(static_cast<std::size_t>(e.index)) = l; // LblGermaEAlt
    }

    Picture1 = picture(this, "Picture1", { 0, 0, 247, 80 }, "logo");
    Picture1->setAutoSize(true);
    // The question pictures are drawn when first shown: most sittings start without them.
    m_picPyG31 = picture(this, "PicPyG(31)", { 32, 160, 592, 265 }, "question-31");
    m_picPyG32 = picture(this, "PicPyG(32)", { 112, 184, 428, 236 }, "question-32");
    for (PictureBox *p : { m_picPyG31, m_picPyG32 }) {
        p->setAutoSize(true);
        p->hide();
    }
    ImgPyetjaX = picture(this, "ImgPyetjaX", { 160, 136, 368, 320 }, "");
    ImgPyetjaX->setBackColor(Qt::white);
    ImgPyetjaX->setBorder(true);
    ImgPyetjaX->hide();

    for (const ControlTable::ButtonSpec &b : ControlTable::buttons()) {
        auto *c = new FlatButton(this);
        c->setObjectName(controlName(b.name, b.index));
        c->setMapping(&m_mapping);
        c->setDesignGeometry(b.geometry);
        c->setText(QString::fromUtf8(b.title));
        c->setBackColor(toQColor(b.background));
        c->setFontSize(b.font.points == 0 ? WindowFontPoints : b.font.points);
        c->setVisible(b.visible);
        if (b.index == ControlTable::NoIndex)
            attach(this, NamedButtons, b.name, c);
        else if (std::strcmp(b.name, "CmdZgjidhPyetjen") == 0) {
            m_questionButtons.at(static_cast<std::size_t>(b.index)) = c;
            c->installEventFilter(this); // the arrows
        } else
            m_answerButtons.at(static_cast<std::size_t>(b.index)) = c; // CmdAlternativa
    }

    CmdEND->installEventFilter(this); // the arrows
    // Each answer is named with its letter ("A: ...") by the letter label beside it.
    for (int j = 1; j <= AlternativeCount; ++j)
        LblGermaEAlt(j)->setBuddy(CmdAlternativa(j));
    m_announcer = new QWidget(this);
    Accessibility::setRole(m_announcer, QAccessible::Notification);
    m_announcer->setGeometry(0, 0, 0, 0);
    m_announcer->hide();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    Timer1->setTimerType(Qt::PreciseTimer);
}

void FormProvimi::buildBankPanel()
{
    FrmAllFieldsFondiNeFokus = new QGroupBox(QStringLiteral("All Fields"), this);
    FrmAllFieldsFondiNeFokus->setObjectName(QStringLiteral("FrmAllFieldsFondiNeFokus"));
    FrmAllFieldsFondiNeFokus->setGeometry(m_mapping.toWindow({ 832, 456, 489, 457 }));
    FrmAllFieldsFondiNeFokus->hide();
    FrmMonitorAllDBFields = new QGroupBox(QStringLiteral("DataBase (Monitorim / Editim) "), this);
    FrmMonitorAllDBFields->setObjectName(QStringLiteral("FrmMonitorAllDBFields"));
    FrmMonitorAllDBFields->setGeometry(m_mapping.toWindow({ 800, 408, 537, 553 }));
    FrmMonitorAllDBFields->setFont(Units::font(ArialNarrow, 9.75));
    FrmMonitorAllDBFields->setAutoFillBackground(true);
    QPalette pal = FrmMonitorAllDBFields->palette();
    pal.setColor(QPalette::Window, toQColor(Colours::PanelGreen));
    pal.setColor(QPalette::WindowText, Qt::black);
    FrmMonitorAllDBFields->setPalette(pal);
    FrmMonitorAllDBFields->hide();
    m_bankPanel = new BankPanel(FrmMonitorAllDBFields, FrmAllFieldsFondiNeFokus, this);
    emit bankPanelBuilt();
}

BankPanel *FormProvimi::bankPanel()
{
    if (!m_bankPanel)
        buildBankPanel();
    return m_bankPanel;
}

PictureBox *FormProvimi::PicPyG(int i) const
{
    if (i == 31)
        return m_picPyG31;
    if (i == 32)
        return m_picPyG32;
    return nullptr;
}

void FormProvimi::showCoveringScreen()
{
    if (QScreen *s = screen()) {
        // At a fractional scale the screen's size in the window's pixels is rounded down
        // (1920 / 1.4 is 1371.4), which would leave the last row and column of the screen
        // uncovered: the window reaches one pixel further and the screen clips it.
        QRect g = s->geometry();
        const qreal ratio = s->devicePixelRatio();
        if (ratio != std::floor(ratio))
            g.setSize(g.size() + QSize(1, 1));
        m_covering = g;
        setGeometry(g);
    }
    // The window covers the screen from its first frame on; the window manager is asked for
    // the full-screen state once that frame is out, since asking before showing it costs the
    // first frame a few tens of milliseconds on X11.
    show();
    QTimer::singleShot(0, this, [this] { setWindowState(windowState() | Qt::WindowFullScreen); });
}

void FormProvimi::bringToFront()
{
    if (m_hold) {
        m_hold->check();
        return;
    }
    if (isMinimized())
        showFullScreen();
    raise();
    activateWindow();
}

void FormProvimi::announce(const QString &text)
{
    // A notification is read out as it appears; it has no size, so nothing appears on screen.
    m_announcer->setAccessibleName(text);
    m_announcer->hide();
    m_announcer->show();
}

void FormProvimi::paintEvent(QPaintEvent *e)
{
    // Only the parts that changed: the bounding rectangle of two distant controls would cover
    // most of the window.
    QPainter p(this);
    for (const QRect &r : e->region())
        p.fillRect(r, Qt::black);
    m_surface.paint(p, e->region());
    // The first frame is painted: the hidden panel and the hold on the screen follow when the
    // event loop is free again.
    if (!m_firstFrameOut) {
        m_firstFrameOut = true;
        QTimer::singleShot(0, this, [this] {
            bankPanel();
            if (m_covering.isValid())
                m_hold = new ScreenHold(this, m_covering);
        });
    }
}

void FormProvimi::setCentred(bool centred)
{
    m_centred = centred;
    placeDesign();
}

QRect FormProvimi::designArea() const
{
    return m_mapping.toWindow(ControlTable::DesignScreen);
}

void FormProvimi::resizeEvent(QResizeEvent *e)
{
    QWidget::resizeEvent(e);
    placeDesign();
}

void FormProvimi::placeDesign()
{
    QPoint origin;
    if (m_centred) {
        const QSize free = size() - designArea().size();
        origin = QPoint(std::max(0, free.width() / 2), std::max(0, free.height() / 2));
    }
    if (origin == m_mapping.origin())
        return;
    // Every control is read in design pixels under the old origin and placed under the new.
    QList<std::pair<DesignPlaced *, QRect>> placed;
    for (QObject *o : children())
        if (auto *c = dynamic_cast<DesignPlaced *>(o))
            placed.append({ c, c->designGeometry() });
    m_mapping = DesignMapping(m_mapping.zoom(), origin);
    for (const auto &[c, r] : placed)
        c->setDesignGeometry(r);
    update();
}

void FormProvimi::closeEvent(QCloseEvent *e)
{
    if (!m_closeAllowed) {
        e->ignore();
        return;
    }
    e->accept();
    emit closing();
}

void FormProvimi::showEvent(QShowEvent *e)
{
    QWidget::showEvent(e);
    clearWindowName(this);
    refuseWindowManagerFunctions(this);
    askForTopLayer(this);
    // The window asks for the keyboard itself: where no window manager runs, nothing else
    // would give it, and no key would reach the exam until the first click.
    if (!m_shownBefore) {
        m_shownBefore = true;
        new KeyGuard(windowHandle(), KeyGuard::Kind::Window);
        m_questionButtons[1]->setFocus();
        activateWindow();
    }
    emit activated();
}

bool FormProvimi::event(QEvent *e)
{
    if (e->type() == QEvent::WindowActivate)
        emit activated();
    return QWidget::event(e);
}

void FormProvimi::keyPressEvent(QKeyEvent *e)
{
    const bool plain
        = !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (plain && e->key() >= Qt::Key_A && e->key() <= Qt::Key_Z) {
        emit letterKey(QChar(u'A' + (e->key() - Qt::Key_A)));
        return;
    }
    QWidget::keyPressEvent(e);
}

bool FormProvimi::eventFilter(QObject *watched, QEvent *e)
{
    if (e->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, e);
    const int key = static_cast<QKeyEvent *>(e)->key();
    if (key != Qt::Key_Left && key != Qt::Key_Right && key != Qt::Key_Up && key != Qt::Key_Down)
        return false;
    FlatButton *to = nullptr;
    if (watched != CmdEND)
        to = gridNeighbour(static_cast<FlatButton *>(watched), key); // none at the grid's edge
    else if (!m_questionButtons[1]->isHidden())
        to = m_questionButtons[1];
    if (to)
        to->setFocus(Qt::OtherFocusReason);
    return true;
}

bool FormProvimi::focusNextPrevChild(bool next)
{
    if (next && m_tabFrom && focusWidget() == m_tabFrom && m_tabTo && m_tabTo->isVisible()
        && m_tabTo->isEnabled() && m_tabTo->focusPolicy() != Qt::NoFocus) {
        m_tabTo->setFocus(Qt::TabFocusReason);
        return true;
    }
    return QWidget::focusNextPrevChild(next);
}

FlatButton *FormProvimi::gridNeighbour(const FlatButton *from, int key) const
{
    // The nearest question button in the arrow's direction on the same row (left, right) or
    // in the same column (up, down), wherever the grid stands now.
    const QPoint o = from->pos();
    FlatButton *best = nullptr;
    int bestDistance = 0;
    for (FlatButton *b : m_questionButtons) {
        if (b == from || b->isHidden() || !b->isEnabled())
            continue;
        const QPoint d = b->pos() - o;
        const bool horizontal = key == Qt::Key_Left || key == Qt::Key_Right;
        const int along = horizontal ? d.x() : d.y();
        if ((horizontal ? d.y() : d.x()) != 0)
            continue;
        const int distance = key == Qt::Key_Left || key == Qt::Key_Up ? -along : along;
        if (distance > 0 && (!best || distance < bestDistance)) {
            best = b;
            bestDistance = distance;
        }
    }
    return best;
}
