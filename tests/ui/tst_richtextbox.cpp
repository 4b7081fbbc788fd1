// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/controls.h"
#include "ui/richtextbox.h"
#include "ui/rtfwriter.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>

namespace {

const QColor kMagenta = ui::bgr(0xFF00FF);

// Opens the box's own insertion to the tests, as a paste would reach it.
class Box : public ui::RichTextBox
{
public:
    using ui::RichTextBox::RichTextBox;
    using ui::RichTextBox::insertFromMimeData;
};

// Letter-by-letter checking as the test window does it: a right letter goes
// blue (magenta once it needed a correction), a wrong one red, and the next
// key replaces the wrong one.
struct LetterChecker
{
    ui::RichTextBox *box;
    QString expected;
    int position = 1;
    bool pending = false;
    int corrected = 0;

    void operator()(QChar &c)
    {
        box->setSelStart(position - 1);
        box->setSelLength(1);
        if (c.toUpper() == expected.at(position - 1).toUpper()) {
            box->setSelBold(true);
            if (pending) {
                box->setSelColor(kMagenta);
                ++corrected;
                pending = false;
            } else {
                box->setSelColor(ui::kBlue);
            }
            if (position < expected.size())
                ++position;
        } else {
            box->setSelColor(ui::kRed);
            pending = true;
        }
    }
};

} // namespace

class TstRichTextBox : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void textRoundTrip_data();
    void textRoundTrip();
    void lineBreakCountsAsOneCharacter();
    void selectionIsClamped_data();
    void selectionIsClamped();
    void settingStartDropsSelection();
    void colourAndBoldOnSelection();
    void attributesAtCaretGoToTypedCharacter();
    void attributesSurviveTypingAndReading();
    void typedCharacterReplacesSelectionWithItsAttributes();
    void caretMoveDropsAttributesGivenAtCaret();
    void setTextClearsAttributes();
    void checkedTypingColoursLetters();
    void keyPressRunsBeforeInsertion();
    void keyPressMayChangeOrDropCharacter();
    void keyDownCancelsKeys_data();
    void keyDownCancelsKeys();
    void uncancelledEditingKeysWork();
    void keyDownGivesOldKeyCodes_data();
    void keyDownGivesOldKeyCodes();
    void disabledBoxTakesNoKeys();
    void unfocusedBoxHidesSelection_data();
    void unfocusedBoxHidesSelection();
    void writesRtf();
    void protectedBoxKeepsItsText_data();
    void protectedBoxKeepsItsText();
    void typingOnlyBoxMovesSelectsAndCopies();
    void assistiveToolsEditOnlyAnOpenBox_data();
    void assistiveToolsEditOnlyAnOpenBox();

private:
    Box *box = nullptr;
    QColor plainColour;
};

void TstRichTextBox::init()
{
    box = new Box;
    box->resize(300, 80);
    box->show();
    QVERIFY(QTest::qWaitForWindowExposed(box));
    box->setFocus();
    plainColour = box->palette().color(QPalette::Text);
    QVERIFY(plainColour != ui::kBlue && plainColour != ui::kRed);
}

void TstRichTextBox::cleanup()
{
    delete box;
    box = nullptr;
}

void TstRichTextBox::textRoundTrip_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("readBack");
    QTest::addColumn<int>("paragraphs");

    QTest::newRow("CR makes two paragraphs") << "a\rb" << "a\rb" << 2;
    QTest::newRow("CR LF is one line break") << "a\r\nb" << "a\rb" << 2;
    QTest::newRow("lone LF is one line break") << "a\nb" << "a\rb" << 2;
    QTest::newRow("empty text") << "" << "" << 1;
    QTest::newRow("only a CR") << "\r" << "\r" << 2;
    QTest::newRow("three CRs before a line") << "Anna\r\r\rMATES" << "Anna\r\r\rMATES" << 4;
    QTest::newRow("trailing CR") << "fin\r" << "fin\r" << 2;
    QTest::newRow("accents and no-break space kept") << QStringLiteral("àç\u00A0€") << QStringLiteral("àç\u00A0€") << 1;
    QTest::newRow("markup stays plain text") << "<b>x</b>" << "<b>x</b>" << 1;
}

void TstRichTextBox::textRoundTrip()
{
    QFETCH(QString, text);
    QFETCH(QString, readBack);
    QFETCH(int, paragraphs);

    box->setText(text);
    QCOMPARE(box->text(), readBack);
    QCOMPARE(box->document()->blockCount(), paragraphs);
    QCOMPARE(box->length(), readBack.size());

    // Appending the way the transcript grows keeps earlier content.
    box->setText(box->text() + "\rmore");
    QCOMPARE(box->text(), readBack + "\rmore");
}

void TstRichTextBox::lineBreakCountsAsOneCharacter()
{
    box->setText("ab\rcd");
    box->setSelStart(3);
    box->setSelLength(2);
    QCOMPARE(box->selText(), QString("cd"));
    box->setSelStart(1);
    box->setSelLength(3);
    QCOMPARE(box->selText(), QString("b\rc"));
}

void TstRichTextBox::selectionIsClamped_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("selStart");
    QTest::addColumn<int>("selLength");

    QTest::newRow("inside") << 1 << 2 << 1 << 2;
    QTest::newRow("length beyond the end") << 2 << 10 << 2 << 2;
    QTest::newRow("start at the end selects nothing") << 4 << 1 << 4 << 0;
    QTest::newRow("start beyond the end") << 9 << 1 << 4 << 0;
    QTest::newRow("negative start") << -2 << 1 << 0 << 1;
    QTest::newRow("negative length") << 1 << -5 << 1 << 0;
}

void TstRichTextBox::selectionIsClamped()
{
    QFETCH(int, start);
    QFETCH(int, length);
    QFETCH(int, selStart);
    QFETCH(int, selLength);

    box->setText("casa");
    box->setSelStart(start);
    box->setSelLength(length);
    QCOMPARE(box->selStart(), selStart);
    QCOMPARE(box->selLength(), selLength);
}

void TstRichTextBox::settingStartDropsSelection()
{
    box->setText("casa");
    box->setSelStart(0);
    box->setSelLength(4);
    box->setSelStart(2);
    QCOMPARE(box->selStart(), 2);
    QCOMPARE(box->selLength(), 0);
}

void TstRichTextBox::colourAndBoldOnSelection()
{
    box->setText("casa");
    box->setSelStart(1);
    box->setSelLength(2);
    box->setSelColor(ui::kRed);
    box->setSelBold(true);
    QCOMPARE(box->selColor(), ui::kRed);
    QVERIFY(box->selBold());
    QCOMPARE(box->colorAt(0), plainColour);
    QCOMPARE(box->colorAt(1), ui::kRed);
    QCOMPARE(box->colorAt(2), ui::kRed);
    QCOMPARE(box->colorAt(3), plainColour);
    QVERIFY(!box->boldAt(0));
    QVERIFY(box->boldAt(1));
    QVERIFY(box->boldAt(2));
    QVERIFY(!box->boldAt(3));
    QCOMPARE(box->text(), QString("casa"));

    // The whole text in the verdict colour, as an answered question shows it.
    box->setSelStart(0);
    box->setSelLength(box->text().size());
    box->setSelColor(ui::kBlue);
    for (int i = 0; i < 4; ++i)
        QCOMPARE(box->colorAt(i), ui::kBlue);
}

void TstRichTextBox::attributesAtCaretGoToTypedCharacter()
{
    box->setText("");
    box->setSelStart(0);
    box->setSelLength(1);
    box->setSelBold(true);
    box->setSelColor(ui::kBlue);
    QCOMPARE(box->selColor(), ui::kBlue);
    QVERIFY(box->selBold());
    QTest::keyClick(box, Qt::Key_C);
    QCOMPARE(box->text(), QString("c"));
    QCOMPARE(box->colorAt(0), ui::kBlue);
    QVERIFY(box->boldAt(0));
}

void TstRichTextBox::attributesSurviveTypingAndReading()
{
    box->setText("");
    box->setSelColor(ui::kBlue);
    box->setSelBold(true);
    QTest::keyClick(box, Qt::Key_C);
    box->setSelStart(1);
    box->setSelColor(ui::kRed);
    QTest::keyClick(box, Qt::Key_X);
    QTest::keyClicks(box, "yz");
    QCOMPARE(box->text(), QString("cxyz"));
    QCOMPARE(box->colorAt(0), ui::kBlue);
    QCOMPARE(box->colorAt(1), ui::kRed);
    // Plain typing continues in the attributes of the character before it.
    QCOMPARE(box->colorAt(3), ui::kRed);
    QVERIFY(box->boldAt(3));
    QCOMPARE(box->text(), QString("cxyz"));
    QCOMPARE(box->colorAt(0), ui::kBlue);
    QVERIFY(box->boldAt(0));
}

void TstRichTextBox::typedCharacterReplacesSelectionWithItsAttributes()
{
    box->setText("ab");
    box->setSelStart(1);
    box->setSelLength(1);
    box->setSelColor(kMagenta);
    box->setSelBold(true);
    QTest::keyClick(box, Qt::Key_Z);
    QCOMPARE(box->text(), QString("az"));
    QCOMPARE(box->colorAt(1), kMagenta);
    QVERIFY(box->boldAt(1));
    QCOMPARE(box->colorAt(0), plainColour);
    QCOMPARE(box->selStart(), 2);
    QCOMPARE(box->selLength(), 0);
}

void TstRichTextBox::caretMoveDropsAttributesGivenAtCaret()
{
    box->setText("ab");
    box->setSelStart(2);
    box->setSelColor(ui::kRed);
    box->setSelStart(0);
    QTest::keyClick(box, Qt::Key_X);
    QCOMPARE(box->text(), QString("xab"));
    QCOMPARE(box->colorAt(0), plainColour);
}

void TstRichTextBox::setTextClearsAttributes()
{
    box->setText("casa");
    box->setSelStart(0);
    box->setSelLength(4);
    box->setSelColor(ui::kRed);
    box->setSelBold(true);
    box->setText("");
    QTest::keyClick(box, Qt::Key_A);
    QCOMPARE(box->text(), QString("a"));
    QCOMPARE(box->colorAt(0), plainColour);
    QVERIFY(!box->boldAt(0));

    box->setSelStart(0);
    box->setSelLength(1);
    box->setSelColor(ui::kRed);
    box->setText("new");
    QCOMPARE(box->colorAt(0), plainColour);
    QCOMPARE(box->colorAt(2), plainColour);
}

void TstRichTextBox::checkedTypingColoursLetters()
{
    box->setText("");
    LetterChecker checker{box, "Casa"};
    const QMetaObject::Connection first =
        QObject::connect(box, &ui::RichTextBox::keyPress, box, [&checker](QChar &c) { checker(c); });
    QTest::keyClicks(box, "caxsa");
    QCOMPARE(box->text(), QString("casa"));
    QCOMPARE(checker.corrected, 1);
    QCOMPARE(box->colorAt(0), ui::kBlue);
    QCOMPARE(box->colorAt(1), ui::kBlue);
    QCOMPARE(box->colorAt(2), kMagenta);
    QCOMPARE(box->colorAt(3), ui::kBlue);
    for (int i = 0; i < 4; ++i)
        QVERIFY(box->boldAt(i));

    // Several wrong keys at one letter: each replaces the one before, in red.
    box->setText("");
    LetterChecker second{box, "sol"};
    QObject::disconnect(first);
    QObject::connect(box, &ui::RichTextBox::keyPress, box, [&second](QChar &c) { second(c); });
    QTest::keyClicks(box, "sxy");
    QCOMPARE(box->text(), QString("sy"));
    QCOMPARE(box->colorAt(1), ui::kRed);
    QTest::keyClick(box, Qt::Key_O);
    QCOMPARE(box->text(), QString("so"));
    QCOMPARE(box->colorAt(1), kMagenta);
    QCOMPARE(second.corrected, 1);
}

void TstRichTextBox::keyPressRunsBeforeInsertion()
{
    box->setText("ab");
    box->setSelStart(2);
    QStringList seen;
    QObject::connect(box, &ui::RichTextBox::keyPress, box,
                     [this, &seen](QChar &c) { seen << box->text() + '|' + c; });
    QTest::keyClicks(box, "cd");
    QCOMPARE(seen, (QStringList{"ab|c", "abc|d"}));
    QCOMPARE(box->text(), QString("abcd"));
}

void TstRichTextBox::keyPressMayChangeOrDropCharacter()
{
    box->setText("");
    QObject::connect(box, &ui::RichTextBox::keyPress, box, [](QChar &c) {
        if (c == u'x')
            c = QChar();
        else
            c = c.toUpper();
    });
    QTest::keyClicks(box, "axb");
    QCOMPARE(box->text(), QString("AB"));
}

void TstRichTextBox::keyDownCancelsKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("caret");

    QTest::newRow("backspace") << int(Qt::Key_Backspace) << 2;
    QTest::newRow("return") << int(Qt::Key_Return) << 2;
    QTest::newRow("keypad enter") << int(Qt::Key_Enter) << 2;
    QTest::newRow("delete") << int(Qt::Key_Delete) << 1;
    QTest::newRow("letter") << int(Qt::Key_Q) << 1;
}

void TstRichTextBox::keyDownCancelsKeys()
{
    QFETCH(int, key);
    QFETCH(int, caret);

    box->setText("abc");
    box->setSelStart(caret);
    QObject::connect(box, &ui::RichTextBox::keyDown, box, [](int &code, Qt::KeyboardModifiers) {
        if (code == ui::kKeyBack || code == ui::kKeyReturn || code == ui::kKeyDelete || code == 'Q')
            code = 0;
    });
    int presses = 0;
    QObject::connect(box, &ui::RichTextBox::keyPress, box, [&presses](QChar &) { ++presses; });
    QTest::keyClick(box, Qt::Key(key));
    QCOMPARE(box->text(), QString("abc"));
    QCOMPARE(box->document()->blockCount(), 1);
    QCOMPARE(presses, 0);
    QCOMPARE(box->selStart(), caret);
}

void TstRichTextBox::uncancelledEditingKeysWork()
{
    box->setText("abc");
    QObject::connect(box, &ui::RichTextBox::keyDown, box, [](int &, Qt::KeyboardModifiers) {});
    box->setSelStart(3);
    QTest::keyClick(box, Qt::Key_Backspace);
    QCOMPARE(box->text(), QString("ab"));
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(box->text(), QString("ab\r"));
    box->setSelStart(0);
    QTest::keyClick(box, Qt::Key_Delete);
    QCOMPARE(box->text(), QString("b\r"));
}

void TstRichTextBox::keyDownGivesOldKeyCodes_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("code");

    QTest::newRow("backspace is 8") << int(Qt::Key_Backspace) << 0 << 8;
    QTest::newRow("return is 13") << int(Qt::Key_Return) << 0 << 13;
    QTest::newRow("keypad enter is 13") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << 13;
    QTest::newRow("delete is 46") << int(Qt::Key_Delete) << 0 << 46;
    QTest::newRow("a letter is its capital") << int(Qt::Key_A) << 0 << int('A');
    QTest::newRow("a shifted letter is its capital") << int(Qt::Key_A) << int(Qt::ShiftModifier) << int('A');
    QTest::newRow("a digit is itself") << int(Qt::Key_7) << 0 << int('7');
    QTest::newRow("left arrow is 37") << int(Qt::Key_Left) << 0 << 37;
    QTest::newRow("F1 is 112") << int(Qt::Key_F1) << 0 << 112;
    QTest::newRow("escape is 27") << int(Qt::Key_Escape) << 0 << 27;
}

void TstRichTextBox::keyDownGivesOldKeyCodes()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, code);

    QList<int> codes;
    Qt::KeyboardModifiers shift;
    QObject::connect(box, &ui::RichTextBox::keyDown, box, [&](int &keyCode, Qt::KeyboardModifiers mods) {
        codes << keyCode;
        shift = mods;
    });
    QTest::keyClick(box, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    // A modifier key arrives first as a key of its own (Shift is 16).
    QVERIFY(!codes.isEmpty());
    QCOMPARE(codes.last(), code);
    if (modifiers & Qt::ShiftModifier)
        QCOMPARE(codes.first(), 16);
    QCOMPARE(shift, Qt::KeyboardModifiers(modifiers));
    QCOMPARE(ui::legacyKeyCode(key), code);
}

void TstRichTextBox::disabledBoxTakesNoKeys()
{
    box->setText("ab");
    box->setSelStart(2);
    int events = 0;
    QObject::connect(box, &ui::RichTextBox::keyDown, box,
                     [&events](int &, Qt::KeyboardModifiers) { ++events; });
    QObject::connect(box, &ui::RichTextBox::keyPress, box, [&events](QChar &) { ++events; });
    box->setEnabled(false);
    QTest::keyClicks(box, "cd");
    QTest::keyClick(box, Qt::Key_Backspace);
    QCOMPARE(box->text(), QString("ab"));
    QCOMPARE(events, 0);
}

void TstRichTextBox::unfocusedBoxHidesSelection_data()
{
    QTest::addColumn<bool>("enabled");
    QTest::newRow("disabled box") << false;
    QTest::newRow("enabled box without focus") << true;
}

// An answered question shows its whole answer selected and coloured in a box
// without focus: the colour must show, not the selection's highlight.
void TstRichTextBox::unfocusedBoxHidesSelection()
{
    QFETCH(bool, enabled);
    QWidget window;
    window.resize(300, 120);
    auto *other = new QTextEdit(&window);
    other->setGeometry(0, 60, 300, 60);
    auto *answer = new ui::RichTextBox(&window);
    answer->setGeometry(0, 0, 300, 60);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    other->setFocus();

    QFont big = answer->font();
    big.setPointSize(20);
    answer->setFont(big);
    answer->setText("Barcelona");
    answer->setSelStart(0);
    answer->setSelLength(answer->text().size());
    answer->setSelColor(ui::kBlue);
    answer->setEnabled(enabled);
    QVERIFY(!answer->hasFocus());

    const QColor highlight = answer->palette().color(QPalette::Active, QPalette::Highlight);
    const QImage shown = answer->grab().toImage().convertToFormat(QImage::Format_RGB32);
    int highlighted = 0;
    int blue = 0;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            const QColor c = shown.pixelColor(x, y);
            if (c == highlight)
                ++highlighted;
            if (c.blue() > 200 && c.red() < 80 && c.green() < 80)
                ++blue;
        }
    }
    QCOMPARE(highlighted, 0);
    QVERIFY2(blue > 20, qPrintable(QString::number(blue)));

    // With the focus the selection shows again.
    if (enabled) {
        answer->setFocus();
        QVERIFY(answer->hasFocus());
        const QImage focused = answer->grab().toImage().convertToFormat(QImage::Format_RGB32);
        int highlightedNow = 0;
        for (int y = 0; y < focused.height(); ++y)
            for (int x = 0; x < focused.width(); ++x)
                highlightedNow += focused.pixelColor(x, y) == highlight;
        QVERIFY(highlightedNow > 20);
    }
}

void TstRichTextBox::writesRtf()
{
    box->setText("Anna\r\r\rMATEMÀTIQUES");
    const QByteArray rtf = ui::toRtf(*box->document());
    QVERIFY(rtf.startsWith("{\\rtf1"));
    QVERIFY(rtf.contains("Anna"));
    QVERIFY(rtf.contains("MATEM\\'c0TIQUES"));
    QCOMPARE(rtf.count("\\par"), 3 + rtf.count("\\pard"));
}

void TstRichTextBox::assistiveToolsEditOnlyAnOpenBox_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("route");
    QTest::addColumn<QString>("expected");
    const std::pair<const char *, const char *> routes[] = {
        {"insert", "abXc\rde"}, {"delete", "ac\rde"}, {"replace", "aXc\rde"}, {"value", "X"}};
    for (const char *mode : {"read-only", "typing only", "open"}) {
        for (const auto &[route, edited] : routes)
            QTest::addRow("%s: %s", mode, route) << mode << route << (mode == QStringLiteral("open") ? edited : "abc\rde");
    }
}

// An on-screen keyboard or any assistive tool writes through the accessible
// interface; the transcript and the answer boxes refuse it as they refuse a
// paste, and every box still reads out its text.
void TstRichTextBox::assistiveToolsEditOnlyAnOpenBox()
{
    QFETCH(QString, mode);
    QFETCH(QString, route);
    QFETCH(QString, expected);
    box->setText(QStringLiteral("abc\rde"));
    box->setReadOnly(mode == u"read-only");
    box->setTypingOnly(mode == u"typing only");
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(box);
    QVERIFY(iface && iface->textInterface());
    QCOMPARE(iface->textInterface()->text(0, 6), QStringLiteral("abc\nde"));
    QCOMPARE(iface->textInterface()->characterCount(), 6);
    QCOMPARE(iface->state().readOnly, mode != u"open");
    // A tool that kept the editing interface from before the box was closed
    // to editing must be refused too: ask for it while open.
    box->setReadOnly(false);
    box->setTypingOnly(false);
    QAccessibleEditableTextInterface *edit = iface->editableTextInterface();
    QVERIFY(edit);
    box->setReadOnly(mode == u"read-only");
    box->setTypingOnly(mode == u"typing only");
    if (route == u"insert")
        edit->insertText(2, QStringLiteral("X"));
    else if (route == u"delete")
        edit->deleteText(1, 2);
    else if (route == u"replace")
        edit->replaceText(1, 2, QStringLiteral("X"));
    else
        iface->setText(QAccessible::Value, QStringLiteral("X"));
    QCOMPARE(box->text(), expected);
    QCOMPARE(iface->editableTextInterface() != nullptr, mode == u"open");
}

void TstRichTextBox::protectedBoxKeepsItsText_data()
{
    QTest::addColumn<bool>("typingOnly");
    QTest::addColumn<int>("key"); // 0: the route named below
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("route");

    const std::tuple<const char *, int, int> keys[] = {
        {"Ctrl+V", Qt::Key_V, Qt::ControlModifier}, {"Shift+Insert", Qt::Key_Insert, Qt::ShiftModifier},
        {"Ctrl+X", Qt::Key_X, Qt::ControlModifier}, {"Shift+Delete", Qt::Key_Delete, Qt::ShiftModifier},
        {"Ctrl+Z", Qt::Key_Z, Qt::ControlModifier}, {"Ctrl+Backspace", Qt::Key_Backspace, Qt::ControlModifier},
        {"Tab", Qt::Key_Tab, 0}, {"Return", Qt::Key_Return, 0}, {"Backspace", Qt::Key_Backspace, 0},
    };
    for (const bool typingOnly : {true, false}) {
        const QString mode = typingOnly ? "typing only: " : "read-only: ";
        for (const auto &[name, key, modifiers] : keys)
            QTest::newRow(qPrintable(mode + name)) << typingOnly << key << modifiers << QString();
        for (const char *route : {"drop", "mime data", "middle click", "context menu", "input method commit",
                                  "input method replacement", "composition over the selection"})
            QTest::newRow(qPrintable(mode + route)) << typingOnly << 0 << 0 << QString(route);
    }
}

// The answer boxes change only by typing, each character judged by keyPress;
// the transcript only by the program.
void TstRichTextBox::protectedBoxKeepsItsText()
{
    QFETCH(bool, typingOnly);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, route);

    if (typingOnly)
        box->setTypingOnly(true);
    else
        box->setReadOnly(true);
    box->setText("abc");
    // An edit the undo stack would hold, made the way keyPress colours and types.
    QTextCursor edit(box->document());
    edit.movePosition(QTextCursor::End);
    edit.insertText("d");
    box->setSelStart(1);
    box->setSelLength(1);
    const QString before = box->text();
    QString typed;
    QObject::connect(box, &ui::RichTextBox::keyPress, box, [&typed](QChar &c) {
        typed += c;
        c = QChar();
    });
    QGuiApplication::clipboard()->setText("ZZ");
    QMimeData dropped;
    dropped.setText("ZZ");
    const QPoint inside = box->viewport()->rect().center();

    if (key) {
        QTest::keyClick(box, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    } else if (route == u"drop") {
        QDragEnterEvent enter(inside, Qt::CopyAction | Qt::MoveAction, &dropped, Qt::LeftButton, {});
        QApplication::sendEvent(box->viewport(), &enter);
        QDropEvent drop(inside, Qt::CopyAction | Qt::MoveAction, &dropped, Qt::LeftButton, {});
        QApplication::sendEvent(box->viewport(), &drop);
    } else if (route == u"mime data") {
        box->insertFromMimeData(&dropped);
    } else if (route == u"middle click") {
        if (!QGuiApplication::clipboard()->supportsSelection())
            QSKIP("no selection clipboard on this platform");
        QGuiApplication::clipboard()->setText("ZZ", QClipboard::Selection);
        QTest::mouseClick(box->viewport(), Qt::MiddleButton, {}, inside);
    } else if (route == u"context menu") {
        QContextMenuEvent request(QContextMenuEvent::Mouse, inside, box->viewport()->mapToGlobal(inside));
        QApplication::sendEvent(box->viewport(), &request);
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menu);
        const auto actions = menu->actions();
        for (QAction *action : actions)
            action->trigger();
        menu->close();
    } else {
        QInputMethodEvent input(route.startsWith(u"composition") ? QStringLiteral("`") : QString(), {});
        if (route == u"input method commit")
            input.setCommitString(QStringLiteral("à"));
        if (route == u"input method replacement")
            input.setCommitString(QString(), -1, 2);
        QApplication::sendEvent(box, &input);
    }
    QCOMPARE(box->text(), before);
    // A composed character is typed like any other.
    QCOMPARE(typed, typingOnly && route == u"input method commit" ? QStringLiteral("à") : QString());

    box->setText(box->text() + "\rmore");
    QCOMPARE(box->text(), before + "\rmore");
}

// Typing only, the caret still moves and the text can be selected and
// copied; but a drag from the selection selects afresh, since dragging the
// selection out with a move would cut it from the answer.
void TstRichTextBox::typingOnlyBoxMovesSelectsAndCopies()
{
    box->setTypingOnly(true);
    box->setText("");
    QTest::keyClicks(box, "ab");
    QTest::keyClick(box, Qt::Key_Left);
    QTest::keyClick(box, 'x');
    QCOMPARE(box->text(), QString("axb"));
    QTest::keyClick(box, Qt::Key_Home);
    QTest::keyClick(box, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(box, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QString("ax"));
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(box->selLength(), 3);

    box->setText("abcdefghij");
    box->setSelStart(1);
    box->setSelLength(5);
    const auto pointAt = [this](int position) {
        QTextCursor cursor(box->document());
        cursor.setPosition(position);
        return box->cursorRect(cursor).center() + QPoint(1, 0);
    };
    QTest::mousePress(box->viewport(), Qt::LeftButton, {}, pointAt(3));
    QTest::mouseMove(box->viewport(), pointAt(9));
    QTest::mouseRelease(box->viewport(), Qt::LeftButton, {}, pointAt(9));
    QCOMPARE(box->selText(), QString("defghi"));
}

QTEST_MAIN(TstRichTextBox)
#include "tst_richtextbox.moc"
