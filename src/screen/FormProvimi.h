#pragma once

#include "base/Counts.h"
#include "screen/DesignMapping.h"
#include "screen/DrawingSurface.h"

#include <QWidget>

#include <array>

class FlatButton;
class LineControl;
class PictureBox;
class QGroupBox;
class QTimer;
class ScreenHold;
class TextLabel;
class BankPanel;

// The one exam window. It holds every control of the design from creation to the end of the
// program (only the hidden question-bank panel comes a moment later) and the persistent drawing
// surface under the controls. It has no exam behaviour of its own: the exam's handlers connect
// to its controls, change them by the names below and draw on its surface.
//
// Controls are reached by their design names; arrays by their design indices, e.g.
// CmdZgjidhPyetjen(7), CmdAlternativa(0), LblGermaEAlt(4), PicPyG(31). Each control carries
// that name as its object name.
//
// The keyboard: Tab and Shift+Tab go through the buttons in their creation order (question
// buttons 1 to 50, answer buttons A to E, the leave alternative, KONFIRMOJ, the leave button),
// skipping hidden, disabled and unfocusable ones; the arrows move between neighbouring question
// buttons of the grid as they stand, without wrapping around, also where Tab no longer stops
// on them, and from the leave button they enter the grid at its first button. One button may
// be given another widget for Tab to go on to (setNextTabStop). A letter that no control takes
// is handed on as letterKey().
//
// Geometry is in design pixels wherever the exam reads or writes it (the controls'
// designGeometry(), the drawing surface); the window maps them to its own through a zoom that
// fits the design to a screen smaller than it, and, when centred, an origin that puts the
// design in the middle of a larger window. At zoom 1 uncentred both are the same pixels.
class FormProvimi final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FormProvimi)

public:
    // The zoom (at most 1) is the window's for its whole life: the controls are built at it.
    explicit FormProvimi(double zoom = 1, QWidget *parent = nullptr);
    ~FormProvimi() override;

    const DesignMapping &mapping() const { return m_mapping; }
    // Whether the design stands in the middle of the window, the rest black, rather than at
    // its top left.
    void setCentred(bool centred);
    // Where the 1024 x 768 design stands on the window.
    QRect designArea() const;

    DrawingSurface &surface() { return m_surface; }
    const DrawingSurface &surface() const { return m_surface; }

    FlatButton *CmdZgjidhPyetjen(int i) const
    {
        return m_questionButtons.at(static_cast<std::size_t>(i));
    }
    FlatButton *CmdAlternativa(int i) const
    {
        return m_answerButtons.at(static_cast<std::size_t>(i));
    }
    TextLabel *LblGermaEAlt(int i) const { return m_letterLabels.at(static_cast<std::size_t>(i)); }
    PictureBox *PicPyG(int i) const; // 31 or 32

    // Shows the window full screen without a title bar, covering the whole screen also where no
    // window manager acts on the request, and asks the window manager to let it be: no move,
    // resize, minimise or close, above other programs' windows and docks. From its first frame
    // on the window holds the screen and the keyboard (ScreenHold).
    void showCoveringScreen();
    // Raises the window over everything and gives it (or its open box) the keyboard.
    void bringToFront();

    // Until changed, Tab on `from` goes on to `to` where `to` can take the focus, instead of to
    // the next button in order; (nullptr, nullptr) ends it.
    void setNextTabStop(QWidget *from, QWidget *to)
    {
        m_tabFrom = from;
        m_tabTo = to;
    }
    // Has a screen reader say `text` at once, wherever the focus is, without changing anything
    // on screen.
    void announce(const QString &text);

    // Whether a request to close the window (a window manager, Alt+F4) is accepted; refused
    // until allowed. An accepted request emits closing().
    void setCloseAllowed(bool allowed) { m_closeAllowed = allowed; }

    FlatButton *CmdKonfirmoj = nullptr;
    FlatButton *CmdEND = nullptr;
    TextLabel *LblNjoftim = nullptr;
    TextLabel *LblZgjidhniPyTj = nullptr;
    TextLabel *LblData = nullptr;
    TextLabel *LblMin = nullptr;
    TextLabel *LblSek = nullptr;
    TextLabel *LblQEV = nullptr;
    TextLabel *LblEmertimIProvimit = nullptr;
    TextLabel *LblTezaTavolinaTerminali = nullptr;
    TextLabel *LblEmriMbiemri = nullptr;
    TextLabel *LblRezNePerqindje = nullptr;
    PictureBox *Picture1 = nullptr;
    PictureBox *Image2 = nullptr;
    PictureBox *ImgFoto = nullptr;
    PictureBox *ImgPyetjaX = nullptr;
    LineControl *Line1 = nullptr;
    QTimer *Timer1 = nullptr;

    // The question-bank panel and its two frames are hidden for the whole run, so they are
    // built only once the first frame is on screen (or earlier, when bankPanel() is asked for
    // them): the window opens without waiting for controls nobody sees. Until then the two
    // frame pointers are null; bankPanelBuilt() tells when they stand.
    QGroupBox *FrmAllFieldsFondiNeFokus = nullptr;
    QGroupBox *FrmMonitorAllDBFields = nullptr;
    BankPanel *bankPanel();
    bool hasBankPanel() const { return m_bankPanel != nullptr; }

signals:
    // The window became active; the first time is the exam's activation.
    void activated();
    // The hidden question-bank panel stands.
    void bankPanelBuilt();
    // A request to close the window was accepted.
    void closing();
    // A letter key (A to Z, either case, without Ctrl, Alt or Meta) that no control took.
    void letterKey(QChar letter);

protected:
    void paintEvent(QPaintEvent *) override;
    void resizeEvent(QResizeEvent *) override;
    void closeEvent(QCloseEvent *) override;
    void showEvent(QShowEvent *) override;
    bool event(QEvent *) override;
    void keyPressEvent(QKeyEvent *) override;
    bool eventFilter(QObject *watched, QEvent *e) override;
    bool focusNextPrevChild(bool next) override;

private:
    void buildControls();
    void placeDesign();
    void buildBankPanel();
    FlatButton *gridNeighbour(const FlatButton *from, int key) const;

    DesignMapping m_mapping;
    bool m_centred = false;
    DrawingSurface m_surface;
    std::array<FlatButton *, QuestionCount + 1> m_questionButtons {};
    std::array<FlatButton *, AlternativeCount + 1> m_answerButtons {};
    std::array<TextLabel *, AlternativeCount + 1> m_letterLabels {};
    PictureBox *m_picPyG31 = nullptr;
    PictureBox *m_picPyG32 = nullptr;
    QWidget *m_announcer = nullptr;
    QWidget *m_tabFrom = nullptr;
    QWidget *m_tabTo = nullptr;
    BankPanel *m_bankPanel = nullptr;
    ScreenHold *m_hold = nullptr;
    bool m_firstFrameOut = false;
    QRect m_covering; // where the window covers the screen, once shown so
    bool m_closeAllowed = false;
    bool m_shownBefore = false;
};
