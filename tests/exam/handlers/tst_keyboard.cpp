// The exam sat with the keyboard alone, keys sent through the window as the window system
// delivers them: the Tab order, arrows in the grid, letters, Space and Return, a held Return,
// keys with Alt, and where the focus goes after a flight and after the closing.

#include "support/Keys.h"
#include "support/Sitting.h"

using namespace Qt::StringLiterals;

class TestKeyboard final : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }
    void keys_data();
    void keys();
};

namespace {
const QColor Open(0, 192, 0);

// What the candidate sees: the open question, the marked alternatives, the focus, what question
// button 1 reads, the result, the program's end.
QString seen(Sitting &t)
{
    QStringList s;
    for (int k = 1; k <= 50; ++k)
        if (t.question(k)->backColor() == Open)
            s << u"open %1"_s.arg(k);
    for (int j = 0; j <= 5; ++j)
        if (t.answerButton(j)->backColor() == Open && !t.answerButton(j)->isHidden())
            s << u"marked "_s + (j ? QChar(u'A' + j - 1) : u'0');
    s << u"focus "_s + t.window.focusWidget()->objectName();
    s << u"1 reads "_s + t.question(1)->text();
    if (!t.window.LblRezNePerqindje->isHidden())
        s << u"result"_s;
    if (t.exitCode)
        s << u"ended %1"_s.arg(*t.exitCode);
    return s.join(u", "_s);
}
} // namespace

void TestKeyboard::keys_data()
{
    // The paper puts a question of four alternatives behind button 1; the focus starts there.
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("seen");
    const QString q1 = u"focus CmdZgjidhPyetjen(1)"_s, k = u"focus CmdKonfirmoj"_s;
    QTest::newRow("Return opens the focused question")
        << u"Return"_s << u"open 1, "_s + q1 + u", 1 reads 1"_s;
    QTest::newRow("a letter marks and hands on to KONFIRMOJ")
        << u"Return B"_s << u"open 1, marked B, "_s + k + u", 1 reads 1"_s;
    QTest::newRow("Return confirms; the focus returns to the question")
        << u"Return B Return"_s << u"open 1, marked B, "_s + q1 + u", 1 reads B"_s;
    QTest::newRow("Space presses as Return does")
        << u"Space C Space"_s << u"open 1, marked C, "_s + q1 + u", 1 reads C"_s;
    QTest::newRow("a letter with no question open") << u"B"_s << q1 + u", 1 reads 1"_s;
    QTest::newRow("E where there are four alternatives")
        << u"Return E Return"_s << u"open 1, "_s + q1 + u", 1 reads 1"_s;
    QTest::newRow("arrows within the grid, held at its edges")
        << u"Up Left Right Down Return"_s << u"open 7, focus CmdZgjidhPyetjen(7), 1 reads 1"_s;
    QTest::newRow("Tab through the question buttons")
        << u"Tab Tab Return"_s << u"open 3, focus CmdZgjidhPyetjen(3), 1 reads 1"_s;
    QTest::newRow("Shift+Tab back to the shown alternatives")
        << u"Return Shift+Tab Shift+Tab Shift+Tab Space"_s
        << u"open 1, marked D, "_s + k + u", 1 reads 1"_s;
    QTest::newRow("a held Return marks and confirms nothing")
        << u"Return Shift+Tab Shift+Tab Shift+Tab Return Return* Return*"_s
        << u"open 1, marked D, "_s + k + u", 1 reads 1"_s;
    QTest::newRow("Alt with Return or a letter does nothing")
        << u"Return Shift+Tab Shift+Tab Shift+Tab Alt+Return Alt+B"_s
        << u"open 1, focus CmdAlternativa(4), 1 reads 1"_s;
    QTest::newRow("the end request; the leave button is the only stop left")
        << u"Shift+Tab Shift+Tab Space Return Tab Shift+Tab"_s
        << u"focus CmdEND, 1 reads 1, result"_s;
    QTest::newRow("Space on the leave button ends the program")
        << u"Shift+Tab Shift+Tab Space Return Tab Space"_s
        << u"focus CmdEND, 1 reads 1, result, ended 0"_s;
}

void TestKeyboard::keys()
{
    QFETCH(QString, keys);
    Sitting t;
    QCOMPARE(t.s().NrAlternativave(t.s().Teza(1)), 4);
    for (const QString &key : keys.split(u' ', Qt::SkipEmptyParts))
        sendKey(t.window.windowHandle(), key);
    QTEST(seen(t), "seen");
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
